#pragma once
// The billing and payment texts of an entry (tab "Texty"): template folders by the
// practitioner's kind, template lists, regeneration from a template with the entry's values,
// the working files in Tmp_doc, and the texts of earlier versions turned into working files.

#include <QList>
#include <QString>
#include <QStringList>

#include "word/RtfZastupcovia.h"

enum class DruhTextu { Vyuctovanie, Vyplatenie };

// The editor's current control texts that go into the texts.
struct HodnotyTextov {
    QString cislo;             // number edit
    QString rok;               // year edit
    QString ukon;              // "Druh úkonu:"
    QString predmet;           // "Predmet:"
    QString objednavka;        // order number / file mark (Edit5)
    QString variabilnySymbol;  // "Variabilný symbol:"
    QString bankoveSpojenie;   // the practitioner's IBAN, else account number "/" bank code
    QString splatnost;         // the payment term in days
    QString datumSplatnosti;   // "Dátum splatnosti:"

    // The eight placeholders in their order.
    QList<Zastupca> zastupcovia() const;
};

namespace TextyVyuctovania {

// Folder of the templates, with a trailing separator. `druhZnalca`: 0 expert,
// 1 interpreter, 2 translator.
QString adresarSablon(DruhTextu text, int druhZnalca);

// The template names of the folder (see SablonyDruhu::zoznamSuborovRtf).
QStringList zoznamSablon(DruhTextu text, int druhZnalca);

// "text_vyuctovania.rtf" or "text_financna_ciastka.rtf" in the working directory.
QString pracovnySubor(DruhTextu text);

// Regenerates the working file from the chosen template. False (and the working file left as
// it is) when the template does not exist, which includes the empty first item.
bool VytvorText(DruhTextu text, int druhZnalca, const QString& sablona, const HodnotyTextov& hodnoty);
inline bool VytvorTextVyuctovania(int druhZnalca, const QString& sablona, const HodnotyTextov& h)
{
    return VytvorText(DruhTextu::Vyuctovanie, druhZnalca, sablona, h);
}
inline bool VytvorTextVyplatenia(int druhZnalca, const QString& sablona, const HodnotyTextov& h)
{
    return VytvorText(DruhTextu::Vyplatenie, druhZnalca, sablona, h);
}

// On displaying an entry: when the working file is missing and the entry holds a text of
// an earlier version, that text becomes the working file, as one line in the document font.
// True when the working file exists afterwards.
bool pripravPracovnySubor(DruhTextu text, const QString& starsiText, const QString& pismo, double velkost);

// A rich text holding one line in the given font (regular style).
QByteArray rtfJednehoRiadku(const QString& text, const QString& pismo, double velkost);

}  // namespace TextyVyuctovania
