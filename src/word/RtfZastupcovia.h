#pragma once
// Placeholders ("$CISLO$") replaced in a template's RTF source: line by line, exact and
// case-sensitive, every occurrence, one placeholder after another. Values are escaped for
// RTF, so a "\", "{" or "}" in a value, or a letter outside ASCII, cannot break the text.
// A placeholder broken across lines or by formatting codes is not found and stays.

#include <QByteArray>
#include <QList>
#include <QString>

struct Zastupca {
    QString nazov;     // with the dollars: "$CISLO$"
    QString hodnota;
    bool rtfZdroj = false;  // hodnota is RTF source (its bytes as Latin-1), put in unescaped
};

namespace RtfZastupcovia {

QByteArray nahrad(const QByteArray& zdroj, const QList<Zastupca>& zastupcovia);

// Reads the template, replaces, writes the result to `ciel` (each line followed by a line
// break). False, with nothing written, when the template cannot be read or the target not
// written.
bool nahradVSubore(const QString& sablona, const QString& ciel, const QList<Zastupca>& zastupcovia);

// True when the template's source holds the text (as one piece on one line).
bool obsahuje(const QString& sablona, const QString& text);

}  // namespace RtfZastupcovia
