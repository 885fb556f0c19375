#pragma once
// The folders of the rich-text templates by kind of practitioner, the billing header and
// footer files, and the names a template list shows.

#include <QString>
#include <QStringList>

enum class SadaSablon { Vyuctovanie, FinancnaCiastka, Korespondencia };

namespace SablonyTextov {

// "\ZnaleckyKevrot texty" below AppDir.
QString koren();

// The folder suffix of a kind: "\", " (tlmocnik)\", " (prekladatel)\" (an unknown kind is
// taken as an expert).
QString priponaDruhu(int druhZnalca);

// Folder of a template set for a kind, with a trailing separator.
QString adresar(SadaSablon sada, int druhZnalca);

QString suborHlavicky();  // "\ZnaleckyKevrot texty\hlavicka_vyuctovania.rtf"
QString suborPaty();      // "\ZnaleckyKevrot texty\pata_vyuctovania.rtf"

// The root and the kind's three folders, one level each, silently.
void vytvorPriecinky(int druhZnalca);

// The names of a folder's "*.rtf" files with every ".rtf" removed, in listing order.
QStringList zoznam(const QString& adresar);

// A template name is a file of its folder: not empty, no separator, not "." or "..".
bool platnyNazov(const QString& nazov);

}  // namespace SablonyTextov
