#pragma once
// The template folders of a kind of practitioner, shared by the billing texts, the
// correspondence of orders and the settings window, and the billing header and footer files.

#include <QString>
#include <QStringList>

enum class SadaSablon { Vyuctovanie, FinancnaCiastka, Korespondencia };

namespace SablonyDruhu {

// "\ZnaleckyKevrot texty" below AppDir.
QString koren();

// The folder suffix of a kind of practitioner: "\", " (tlmocnik)\", " (prekladatel)\"
// (an unknown kind is taken as an expert).
QString priponaDruhu(int druhZnalca);

// An empty first item, then the names (without the suffix) of the folder's rich-text
// files, ".rtf" in any case (an import may bring "*.RTF"), by name. A missing folder gives
// the empty item alone.
QStringList zoznamSuborovRtf(const QString& adresar);
// The file of a listed name in a folder (ending with a separator): folder + name + ".rtf",
// or the name's file with the suffix in another case when only that one is there.
QString suborSablony(const QString& adresar, const QString& meno);

// Folder of a template set for a kind, with a trailing separator.
QString adresar(SadaSablon sada, int druhZnalca);

QString suborHlavicky();  // "\ZnaleckyKevrot texty\hlavicka_vyuctovania.rtf"
QString suborPaty();      // "\ZnaleckyKevrot texty\pata_vyuctovania.rtf"

// The root and the kind's three folders, one level each, silently.
void vytvorPriecinky(int druhZnalca);

// A template name is a file of its folder: not empty, no separator, not "." or "..".
bool platnyNazov(const QString& nazov);

}  // namespace SablonyDruhu
