#pragma once
// A document of the word-processor layer printed to PDF by Qt itself (no word processor):
// the page size and margins of the document, the header and footer on every page, tables
// with their borders and shading.

#include <QByteArray>
#include <QString>

#include "RtfModel.h"
#include "store/Vysledok.h"

namespace RtfPdf {

// The PDF bytes of the document; empty when Qt cannot produce them.
QByteArray pdf(const RtfDokument& dokument);

// Saves atomically; a failure's reason is the message for the user.
Vysledok uloz(const RtfDokument& dokument, const QString& cesta);

// An RTF file as PDF; false (reported) when the file cannot be read or the PDF written.
bool ulozRtfAkoPdf(const QString& rtfCesta, const QString& pdfCesta);

}  // namespace RtfPdf
