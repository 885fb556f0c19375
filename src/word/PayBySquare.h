#pragma once
// The Slovak banks' payment QR code "PAY by square": one payment order serialised as
// tab-separated fields, with a CRC32, compressed with raw LZMA1, in base32hex, as a QR
// symbol; and the symbol as a picture for documents.

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QString>

#include <optional>

#include "RtfModel.h"

struct PlatobnyPrikaz {
    double suma = 0;
    QString mena = QStringLiteral("EUR");
    QDate splatnost;           // invalid = none
    QString variabilnySymbol;  // digits, at most 10
    QString konstantnySymbol;  // digits, at most 4
    QString specifickySymbol;  // digits, at most 10
    QString poznamka;
    QString iban;
    QString bic;
    QString prijemca;          // the payee's name
};

namespace PayBySquare {

// The tab-separated fields of the document (without the checksum).
QString polia(const PlatobnyPrikaz& p);
// The text that the QR symbol carries; empty when compression fails.
QString kod(const PlatobnyPrikaz& p);
// The payment back from a code; nothing when the code, its compression or checksum is
// not valid.
std::optional<PlatobnyPrikaz> dekoduj(const QString& kod);

// The QR symbol of a text: `modul` pixels a module, four modules of quiet zone; a null
// image when the text does not fit a symbol.
QImage qr(const QString& text, int modul = 4);

// A run holding the picture as PNG in RTF, `sirka` twips wide and as tall.
RtfBeh obrazok(const QImage& obraz, int sirka);

}  // namespace PayBySquare
