#pragma once
// Reads RTF into the document model. Never trusts the input: unbalanced braces, deep
// nesting, huge numbers and truncated files are read as far as they go, in linear time.

#include <QByteArray>
#include <QString>

#include "RtfModel.h"

namespace RtfCitac {

struct Vysledok {
    RtfDokument dokument;
    bool jeRtf = false;      // the data begin with "{\rtf"
    bool uplny = true;       // braces balanced and nothing cut off
};

Vysledok citaj(const QByteArray& data);

// Reads a file; a file that cannot be read gives an empty result with jeRtf false.
Vysledok citajSubor(const QString& cesta);

// Groups deeper than this are read flat (their formatting is not kept apart).
inline constexpr int MaxHlbka = 200;

}  // namespace RtfCitac
