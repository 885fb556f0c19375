#pragma once
// Writes the document model as RTF: 7-bit ASCII, Windows-1250 fonts, \uN for the rest.

#include <QByteArray>

#include "RtfModel.h"

namespace RtfZapisovac {

QByteArray zapis(const RtfDokument& dokument);

}  // namespace RtfZapisovac
