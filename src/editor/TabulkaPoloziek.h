#pragma once
// The item tables of the billing document and the invoice: header row, item rows and sum
// row written in the table font and turned into a shaded, bordered table.

#include <QList>
#include <QString>

#include "editor/RiadkyPoloziek.h"
#include "store/Centy.h"
#include "word/Dokument.h"
#include "settings/NastaveniaZaznamy.h"

enum class DruhTabulky { Vyuctovanie, VyuctovaniePodiel, VyuctovanieCestovne, Faktura };

// Separates the cells of a line that becomes a table. A user's text never holds it (see
// Bunka), so a ";" typed in a description stays in its cell.
inline constexpr QChar OddelovacBuniek = QChar(0x1F);

// A user's text made fit for one cell: no separator, no line end.
QString Bunka(const QString& text);

// Widths of the columns in points.
QList<double> SirkyStlpcov(DruhTabulky druh, bool platca, bool dualne);

// Lines with cells separated by OddelovacBuniek, each ending in "\r". The amounts are the
// row's figures of the bill (RozpisSumy): base, rate, VAT and total for a VAT payer, the
// amount alone otherwise.
QString HlavickaTabulky(bool platca, bool podiel);
QString RiadokTabulky(const RiadokPolozky& r, const SumaRiadku& suma, const RozpisSumy& rozpis);
QString RiadokSuctu(const SumaRiadku& sucet, const RozpisSumy& rozpis);

// Writes the table of `riadky`, which are the rows [od, od + riadky.size()) of `rozpis`, at
// the cursor and continues below it in the basic font with one empty paragraph.
// `tucnaHlavicka`: the header row bold (the invoice).
void VlozTabulkuPoloziek(Dokument& d, const TNastavenia& n, DruhTabulky druh, const QList<RiadokPolozky>& riadky,
                         const RozpisSumy& rozpis, qsizetype od, bool tucnaHlavicka);

// Text in the basic font of the settings.
void ZakladnePismo(Dokument& d, const TNastavenia& n);
