#pragma once
// The correspondence letter of an order: templates by the practitioner's kind, the letter
// generated from a template with the order's and the practitioner's values, and the copy
// opened in the word processor, with the billing footer when the template asks for it.

#include <QList>
#include <QString>
#include <QStringList>

#include "word/RtfModel.h"
#include "word/RtfZastupcovia.h"
#include "store/Vysledok.h"

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
    QByteArray hlavickaZNastaveni;  // the header made from the settings (RTF), used while the
                                    // header file is not the user's own
};

struct TObjednavka;

namespace KorespondenciaObjednavky {

// Where the letter of an order is kept, as an entry's documents are:
// "ZnalKevrot<rok>/Objednavky/list_<creation time in ms>.rtf". Empty for an order without a
// creation time (then the letter is not kept).
QString SuborListuObjednavky(int rok, const TObjednavka& o);
// Opening an order: its kept letter becomes the working file; without one the working file
// of another order is removed. A kept letter that cannot be copied is the failure: it must
// then not be saved over (UlozList would take the missing working file for a removed letter).
[[nodiscard]] Vysledok NacitajList(const QString& ulozeny);
// "OK": the working file is kept with the order (a letter removed is removed there too).
// A failure's reason is the message for the user.
Vysledok UlozList(const QString& ulozeny);

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
// asks for the footer, a copy of it ("korespondencia_obj.doc") with the footer: the footer
// file when it is the user's own, else `pataZNastaveni` (the one made from the settings;
// none when null). Empty when the working file does not exist.
QString pripravNaOtvorenie(int druhZnalca, const QString& sablona, bool pataZakladnymPismom,
                           const QString& zakladnePismo, double zakladnaVelkost,
                           const RtfDokument* pataZNastaveni = nullptr);

// "Otvor vo Worde": prepares and opens the letter; false when there is nothing to open.
bool OtvorVoWorde(int druhZnalca, const QString& sablona, bool pataZakladnymPismom,
                  const QString& zakladnePismo, double zakladnaVelkost, const RtfDokument* pataZNastaveni = nullptr);

}  // namespace KorespondenciaObjednavky
