#pragma once
// Writes the document model as RTF: 7-bit ASCII, Windows-1250 fonts, \uN for the rest.

#include <QByteArray>

#include "RtfModel.h"

namespace RtfZapisovac {

QByteArray zapis(const RtfDokument& dokument);

// A document of one paragraph holding `text` in the given font (regular style); its line
// ends become line breaks within the paragraph. An empty font or a size of 0 keeps the
// defaults.
QByteArray jedenOdsek(const QString& text, const QString& pismo, double velkost);

}  // namespace RtfZapisovac
