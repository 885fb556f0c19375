#pragma once
// Images of order and client records written byte by byte at the offsets of the format
// tables, independently of the layout tables under test.

#include <QByteArray>

#include <cstring>
#include <optional>

namespace obrazy {

class Obraz {
public:
    explicit Obraz(int velkost, char vypln = '\0') : b(velkost, vypln) {}
    Obraz& dbl(int off, double v)
    {
        std::memcpy(b.data() + off, &v, 8);
        return *this;
    }
    Obraz& i32(int off, qint32 v)
    {
        for (int i = 0; i < 4; ++i)
            b[off + i] = char((quint32(v) >> (8 * i)) & 0xFF);
        return *this;
    }
    // Length byte and the Windows-1250 bytes; the tail of the field is left as it is.
    Obraz& str(int off, const QByteArray& text)
    {
        b[off] = char(text.size());
        std::memcpy(b.data() + off + 1, text.constData(), size_t(text.size()));
        return *this;
    }
    QByteArray b;
};

// The count written is the number of records unless `pocet` says otherwise.
inline QByteArray pocitany(const QList<QByteArray>& zaznamy, std::optional<qint32> pocet = std::nullopt)
{
    QByteArray s(4, '\0');
    const qint32 n = pocet.value_or(qint32(zaznamy.size()));
    for (int i = 0; i < 4; ++i)
        s[i] = char((quint32(n) >> (8 * i)) & 0xFF);
    for (const auto& z : zaznamy)
        s.append(z);
    return s;
}

// An order of the current layout; `vypln` fills reserved bytes, padding and string tails.
inline QByteArray objednavka(char vypln, const QByteArray& meno, const QByteArray& cislo, double verzia = -1.0)
{
    Obraz o(1344, vypln);
    o.dbl(0, verzia)
        .dbl(8, 0.5)
        .str(24, meno)
        .str(125, "Hlavn\xE1 1, Nitra")
        .str(226, "")
        .i32(248, 1)
        .i32(368, 1)
        .str(372, "znaleck\xFD posudok")
        .str(473, "odhad")
        .dbl(576, 45292.0)
        .str(584, "pozn\xE1mka")
        .str(785, "podklad")
        .str(986, "predmet")
        .str(1187, "\xFA\xE8\x65l")
        .i32(1288, 2)
        .str(1292, cislo);
    return o.b;
}

// An order of the older layout (1284 bytes, no marker, the number at 218).
inline QByteArray staraObjednavka(char vypln, const QByteArray& meno, const QByteArray& cislo, double cas = 0.25)
{
    Obraz o(1284, vypln);
    o.dbl(0, cas)
        .str(16, meno)
        .str(117, "Hlavn\xE1 1, Nitra")
        .str(218, cislo)
        .i32(240, 1)
        .i32(360, 1)
        .str(364, "znaleck\xFD posudok")
        .str(465, "odhad")
        .dbl(568, 45292.0)
        .str(576, "pozn\xE1mka")
        .str(777, "podklad")
        .str(978, "predmet")
        .str(1179, "\xFA\xE8\x65l")
        .i32(1280, 2);
    return o.b;
}

inline QByteArray objednavatel(char vypln, const QByteArray& meno, qint32 kategoria)
{
    Obraz o(324, vypln);
    o.i32(0, 0).str(4, meno).str(105, "N\xE1mestie 2, Trnava").i32(256, kategoria);
    o.str(260, "12345678").str(281, "SK2020").str(302, "2020");
    return o.b;
}

inline QByteArray staryObjednavatel(char vypln, const QByteArray& meno, qint32 kategoria)
{
    Obraz o(260, vypln);
    o.i32(0, 0).str(4, meno).str(105, "N\xE1mestie 2, Trnava").i32(256, kategoria);
    return o.b;
}

}  // namespace obrazy
