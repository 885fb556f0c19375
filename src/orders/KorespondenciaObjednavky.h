#pragma once
// The correspondence letter of an order: templates by the practitioner's kind, the letter
// generated from a template with the order's and the practitioner's values, and the copy
// opened in the word processor, with the billing footer when the template asks for it.

#include <QList>
#include <QString>
#include <QStringList>

#include "word/RtfZastupcovia.h"

struct HodnotyListu {
    QString den, mesiac, rok;    // the three date edits, as typed
    QString zadavatelMeno;       // Edit2
    QString zadavatelAdresa;     // Edit3
    QString znalecMeno;          // MenoZnalca
    QString znalecAdresa;        // AdresaZnalca
    QString znalecMesto;         // Mesto
    QString dnes;                // today's date, day.month.year
    QString bankoveSpojenie;     // BankoveSpojenie
    QString objednavka;          // Edit5
};

namespace KorespondenciaObjednavky {

inline const QString ZastupcaHlavicky = QStringLiteral("$ZNALEC_HLAVICKA$");
inline const QString ZastupcaPaty = QStringLiteral("$ZNALEC_PATA$");

QString adresarSablon(int druhZnalca);
// An empty first item, then the names (without ".rtf") in directory listing order.
QStringList zoznamSablon(int druhZnalca);
// "korespondencia_obj.rtf" in the working directory.
QString pracovnySubor();
QString suborHlavicky();   // "\ZnaleckyKevrot texty\hlavicka_vyuctovania.rtf"
QString suborPaty();       // "\ZnaleckyKevrot texty\pata_vyuctovania.rtf"

// The placeholders in their order; the header is not among them (see VytvorList).
QList<Zastupca> zastupcovia(const HodnotyListu& h);

// Generates the working file from the template. The header file goes in where the template
// holds "$ZNALEC_HLAVICKA$", as its text with its formatting. False when the template does
// not exist (the working file stays as it is) or the file cannot be written.
bool VytvorList(int druhZnalca, const QString& sablona, const HodnotyListu& hodnoty);

// True when the template holds "$ZNALEC_PATA$".
bool ziadaPatu(int druhZnalca, const QString& sablona);

// The file to open in the word processor: the working file itself, or, when the template
// asks for the footer and the footer file exists, a copy of it ("korespondencia_obj.doc")
// with the footer. Empty when the working file does not exist.
QString pripravNaOtvorenie(int druhZnalca, const QString& sablona, bool pataZakladnymPismom,
                           const QString& zakladnePismo, double zakladnaVelkost);

// "Otvor vo Worde": prepares and opens the letter; false when there is nothing to open.
bool OtvorVoWorde(int druhZnalca, const QString& sablona, bool pataZakladnymPismom,
                  const QString& zakladnePismo, double zakladnaVelkost);

}  // namespace KorespondenciaObjednavky
