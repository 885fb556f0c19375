#pragma once
// The year's journal as a workbook laid out like the statutory journal: ten numbered
// columns, a two-row header and two rows per entry.

#include <QList>
#include <QString>

#include "store/RiadokKevrota.h"
#include "store/Vysledok.h"

enum class VariantExportu {
    Register,  // sheets of ten entries "1. strana", "2. strana" ...; the purpose is added
    Financny,  // one sheet with every entry of the list
};

struct PismoTabulky {
    QString nazov = QStringLiteral("Arial");
    int velkost = 10;
};

// Entries per sheet of the register variant.
inline constexpr int ZaznamovNaStranu = 10;

// The entries the variant writes: the register variant those of `rok`, the financial one all.
QList<RiadokKevrota> ZaznamyExportu(const QList<RiadokKevrota>& zaznamy, int rok, VariantExportu variant);

// Writes the workbook to `cesta` through a temporary file in the same directory, so that a
// failed export never leaves a half-written workbook under that name.
Vysledok ZapisZosit(const QList<RiadokKevrota>& zaznamy, VariantExportu variant, const PismoTabulky& pismo,
                    const QString& cesta);

// "ZnaleckyKevrot_2025.xlsx" / "ZnaleckyKevrot_2025_financie.xlsx" in `adresar`; when the
// spreadsheet still has that workbook open (its lock file lies beside it), the first free
// "… (2).xlsx", "… (3).xlsx" instead.
QString NazovZosita(const QString& adresar, int rok, VariantExportu variant);

// The export command: writes the workbook of the year into the working directory and opens
// it in the desktop's spreadsheet. Reports a failure; the path written, or empty.
QString VytlacExcel(const QList<RiadokKevrota>& zaznamy, int rok, VariantExportu variant,
                    const PismoTabulky& pismo);
