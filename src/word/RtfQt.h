#pragma once
// The document model in Qt's rich-text document, for the rich-text edit control, and back.
// What the control cannot show (page setup, header, footer, pictures, shading) is carried
// along in properties of the document and of its characters and cells.

#include <QByteArray>
#include <QString>

#include "RtfModel.h"
#include "store/Vysledok.h"

class QTextDocument;

namespace RtfQt {

void doQTextDocument(const RtfDokument& dokument, QTextDocument& ciel);
// For printing only: a line between two cells is drawn once by one of them, without
// Qt's collapsed borders (several times faster on long tables); not read back.
void doQTextDocumentNaTlac(const RtfDokument& dokument, QTextDocument& ciel);
RtfDokument zQTextDocument(const QTextDocument& zdroj);

// RTF (or plain text) bytes into the document; false when the bytes are neither.
bool nacitajRtf(const QByteArray& rtf, QTextDocument& ciel);
QByteArray rtf(const QTextDocument& zdroj);

// Files: false when the file cannot be read; a failed write's reason is the message for the user.
bool nacitajSubor(const QString& cesta, QTextDocument& ciel);
Vysledok ulozSubor(const QString& cesta, const QTextDocument& zdroj);

// A twip in the control's pixels: one point is 4/3 of a screen pixel.
inline constexpr double PixelovNaTwip = 1.0 / 15.0;
// Set on a paragraph's or a table's format that stays on the page of what follows it.
inline constexpr int VlastnostDrziSoNasledujucim = 0x100000 + 3;  // QTextFormat::UserProperty + 3

}  // namespace RtfQt
