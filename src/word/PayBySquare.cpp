#include "PayBySquare.h"

#include <QBuffer>
#include <QStringList>

#include <lzma.h>
#include <qrencode.h>

#include <cstring>
#include <memory>

namespace PayBySquare {
namespace {

constexpr char Abeceda[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
// Type 0 (PAY), version 1.1.0 (with the payee's name), document 0.
constexpr unsigned char Hlavicka0 = 0x01;
constexpr unsigned char Hlavicka1 = 0x00;
// A payload of a QR code is a few hundred bytes; anything larger is not ours.
constexpr qsizetype MaxDlzka = 4096;

lzma_options_lzma moznostiLzma()
{
    lzma_options_lzma o;
    lzma_lzma_preset(&o, LZMA_PRESET_DEFAULT);
    o.lc = 3;
    o.lp = 0;
    o.pb = 2;
    o.dict_size = 1u << 17;
    return o;
}

// Compresses or decompresses the whole input with raw LZMA1.
std::optional<QByteArray> lzma(const QByteArray& vstup, bool kompresia, qsizetype maxVystup)
{
    lzma_options_lzma o = moznostiLzma();
    lzma_filter filtre[] = {{LZMA_FILTER_LZMA1, &o}, {LZMA_VLI_UNKNOWN, nullptr}};
    lzma_stream s = LZMA_STREAM_INIT;
    if ((kompresia ? lzma_raw_encoder(&s, filtre) : lzma_raw_decoder(&s, filtre)) != LZMA_OK)
        return std::nullopt;
    std::unique_ptr<lzma_stream, void (*)(lzma_stream*)> strazca(&s, lzma_end);
    QByteArray vystup(maxVystup, Qt::Uninitialized);
    s.next_in = reinterpret_cast<const uint8_t*>(vstup.constData());
    s.avail_in = size_t(vstup.size());
    s.next_out = reinterpret_cast<uint8_t*>(vystup.data());
    s.avail_out = size_t(vystup.size());
    lzma_ret r = LZMA_OK;
    while (r == LZMA_OK && s.avail_out > 0)
        r = lzma_code(&s, LZMA_FINISH);
    if (r != LZMA_STREAM_END && !(r == LZMA_OK && !kompresia))
        return std::nullopt;
    vystup.truncate(qsizetype(s.total_out));
    return vystup;
}

// CRC-32 of ISO 3309 (polynomial 0xEDB88320, reflected).
quint32 crc32Textu(const QByteArray& b)
{
    quint32 crc = 0xFFFFFFFFu;
    for (unsigned char c : b) {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QString base32hex(const QByteArray& data)
{
    QString t;
    quint32 buffer = 0;
    int bitov = 0;
    for (unsigned char c : data) {
        buffer = (buffer << 8) | c;
        bitov += 8;
        while (bitov >= 5) {
            t += QLatin1Char(Abeceda[(buffer >> (bitov - 5)) & 31]);
            bitov -= 5;
        }
    }
    if (bitov > 0)
        t += QLatin1Char(Abeceda[(buffer << (5 - bitov)) & 31]);
    return t;
}

std::optional<QByteArray> zBase32hex(const QString& t)
{
    QByteArray b;
    quint32 buffer = 0;
    int bitov = 0;
    for (QChar c : t) {
        const char* z = c.unicode() < 128 ? std::strchr(Abeceda, c.toUpper().toLatin1()) : nullptr;
        if (!z || !*z)
            return std::nullopt;
        buffer = (buffer << 5) | quint32(z - Abeceda);
        bitov += 5;
        if (bitov >= 8) {
            b += char((buffer >> (bitov - 8)) & 0xFF);
            bitov -= 8;
        }
    }
    return b;
}

// Text for a field: tabs and line ends would break the fields apart.
QString pole(const QString& t)
{
    QString s = t;
    for (QChar& c : s)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return s.trimmed();
}

}  // namespace

QString polia(const PlatobnyPrikaz& p)
{
    const QStringList f{
        QString(),  // invoice id
        QStringLiteral("1"),  // one payment
        QStringLiteral("1"),  // payment order
        QString::number(p.suma, 'f', 2),
        pole(p.mena),
        p.splatnost.isValid() ? p.splatnost.toString(QStringLiteral("yyyyMMdd")) : QString(),
        pole(p.variabilnySymbol),
        pole(p.konstantnySymbol),
        pole(p.specifickySymbol),
        QString(),  // originator's reference
        pole(p.poznamka),
        QStringLiteral("1"),  // one account
        pole(p.iban),
        pole(p.bic),
        QStringLiteral("0"),  // no standing order
        QStringLiteral("0"),  // no direct debit
        pole(p.prijemca),
        QString(),  // address lines
        QString(),
    };
    return f.join(QLatin1Char('\t'));
}

QString kod(const PlatobnyPrikaz& p)
{
    const QByteArray text = polia(p).toUtf8();
    QByteArray data;
    const quint32 crc = crc32Textu(text);
    for (int i = 0; i < 4; ++i)
        data += char((crc >> (8 * i)) & 0xFF);
    data += text;
    if (data.size() > 0xFFFF)
        return {};
    const auto komprimovane = lzma(data, true, data.size() * 2 + 1024);
    if (!komprimovane)
        return {};
    QByteArray vsetko;
    vsetko += char(Hlavicka0);
    vsetko += char(Hlavicka1);
    vsetko += char(data.size() & 0xFF);
    vsetko += char((data.size() >> 8) & 0xFF);
    vsetko += *komprimovane;
    return base32hex(vsetko);
}

std::optional<PlatobnyPrikaz> dekoduj(const QString& kod)
{
    if (kod.size() > MaxDlzka)
        return std::nullopt;
    const auto b = zBase32hex(kod.trimmed());
    if (!b || b->size() < 5 || (uchar(b->at(0)) >> 4) != 0)
        return std::nullopt;
    const int dlzka = uchar(b->at(2)) | (uchar(b->at(3)) << 8);
    const auto data = lzma(b->mid(4), false, dlzka);
    if (!data || data->size() != dlzka || dlzka < 4)
        return std::nullopt;
    quint32 crc = 0;
    for (int i = 0; i < 4; ++i)
        crc |= quint32(uchar(data->at(i))) << (8 * i);
    const QByteArray text = data->mid(4);
    if (crc != crc32Textu(text))
        return std::nullopt;
    const QStringList f = QString::fromUtf8(text).split(QLatin1Char('\t'));
    if (f.size() < 17 || f.at(1) != QLatin1String("1") || f.at(11) != QLatin1String("1"))
        return std::nullopt;
    PlatobnyPrikaz p;
    bool ok = false;
    p.suma = f.at(3).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    p.mena = f.at(4);
    p.splatnost = QDate::fromString(f.at(5), QStringLiteral("yyyyMMdd"));
    p.variabilnySymbol = f.at(6);
    p.konstantnySymbol = f.at(7);
    p.specifickySymbol = f.at(8);
    p.poznamka = f.at(10);
    p.iban = f.at(12);
    p.bic = f.at(13);
    p.prijemca = f.at(16);
    return p;
}

QImage qr(const QString& text, int modul)
{
    const QByteArray t = text.toUtf8();
    std::unique_ptr<QRcode, void (*)(QRcode*)> q(QRcode_encodeString(t.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1),
                                                 QRcode_free);
    if (!q)
        return {};
    constexpr int Okraj = 4;
    const int strana = (q->width + 2 * Okraj) * modul;
    QImage obraz(strana, strana, QImage::Format_Mono);
    obraz.setColor(0, qRgb(255, 255, 255));
    obraz.setColor(1, qRgb(0, 0, 0));
    obraz.fill(0);
    for (int y = 0; y < q->width; ++y)
        for (int x = 0; x < q->width; ++x)
            if (q->data[y * q->width + x] & 1)
                for (int dy = 0; dy < modul; ++dy)
                    for (int dx = 0; dx < modul; ++dx)
                        obraz.setPixel((x + Okraj) * modul + dx, (y + Okraj) * modul + dy, 1);
    return obraz;
}

RtfBeh obrazok(const QImage& obraz, int sirka)
{
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    obraz.save(&b, "PNG");
    const int vyska = obraz.width() > 0 ? sirka * obraz.height() / obraz.width() : sirka;
    RtfBeh beh;
    beh.druh = RtfBeh::Druh::Surove;
    beh.text = QStringLiteral("{\\pict\\pngblip\\picw%1\\pich%2\\picwgoal%3\\pichgoal%4\n")
                   .arg(obraz.width())
                   .arg(obraz.height())
                   .arg(sirka)
                   .arg(vyska)
               + QString::fromLatin1(png.toHex()) + QStringLiteral("}");
    return beh;
}

}  // namespace PayBySquare
