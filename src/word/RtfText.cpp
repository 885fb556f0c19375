#include "RtfText.h"

#include "store/Win1250.h"

namespace RtfText {
namespace {

void pridajHex(QByteArray& out, int bajt)
{
    static const char hex[] = "0123456789abcdef";
    out += "\\'";
    out += hex[(bajt >> 4) & 0xF];
    out += hex[bajt & 0xF];
}

void pridajUnicode(QByteArray& out, char16_t c)
{
    // \uN takes a signed 16-bit number.
    const int n = c > 0x7FFF ? int(c) - 0x10000 : int(c);
    out += "\\u";
    out += QByteArray::number(n);
}

// Common part: returns true when the character was written.
bool pridajAscii(QByteArray& out, char16_t c)
{
    switch (c) {
    case '\\': out += "\\\\"; return true;
    case '{': out += "\\{"; return true;
    case '}': out += "\\}"; return true;
    case '\t': out += "\\tab "; return true;
    case '\n':
    case 0x2028: out += "\\line "; return true;
    case '\r': return true;
    default: break;
    }
    if (c < 0x20)
        return true;  // other control characters have no place in a document
    if (c < 0x7F) {
        out += char(c);
        return true;
    }
    return false;
}

template <class ZapisMimoAscii>
QByteArray escapujS(const QString& text, ZapisMimoAscii zapis)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (!pridajAscii(out, c))
            zapis(out, c);
    }
    return out;
}

}  // namespace

QByteArray escapuj(const QString& text)
{
    return escapujS(text, [](QByteArray& out, char16_t c) {
        const int b = c == 0x7F ? -1 : Win1250::bajt(c);
        if (b >= 0x80) {
            pridajHex(out, b);
        } else {
            pridajUnicode(out, c);
            out += '?';
        }
    });
}

QByteArray escapujUnicode(const QString& text)
{
    return escapujS(text, [](QByteArray& out, char16_t c) {
        const int b = c == 0x7F ? -1 : Win1250::bajt(c);
        pridajUnicode(out, c);
        if (b >= 0x80)
            pridajHex(out, b);
        else
            out += '?';
    });
}

QByteArray escapujNazov(const QString& text)
{
    return escapujS(text, [](QByteArray& out, char16_t c) {
        pridajUnicode(out, c);
        out += '?';
    });
}

}  // namespace RtfText
