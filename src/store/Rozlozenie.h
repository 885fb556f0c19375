#pragma once
// Declarative layouts of the binary records.
//
// A record type T derives from Zaznam<T, Velkost> and declares
//     static const Rozlozenie<T>& rozlozenie();
// returning a table of (offset, width, type, field), one row per field of the record in
// file order. The record keeps the raw image it was read from; writing
// starts from that image and overwrites only the fields whose value differs from what the
// image holds, so reserved bytes, padding and the unused tails of strings round-trip exactly.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <variant>
#include <vector>

#include "Win1250.h"

enum class TypPola {
    Int32,
    Double,
    Datum,    // double: days since 1899-12-30
    Bool,     // one byte, 0 false, anything else true
    Byte,     // unsigned 8-bit number
    Word16,   // unsigned 16-bit number
    Retazec,  // length byte + capacity characters
    Retazce,  // several strings of one capacity back to back
    Blok,     // a nested record
    Rezerva,  // reserved bytes, kept as read
    Vypln,    // padding, kept as read
};

// Doubles are copied as they lie in the files: IEEE 754 binary64, little-endian.
static_assert(std::endian::native == std::endian::little && std::numeric_limits<double>::is_iec559 &&
                  sizeof(double) == 8,
              "the record layouts need little-endian IEEE 754 doubles");

namespace rozlozenie_detail {

inline qint32 citajInt32(const char* p)
{
    quint32 v = quint8(p[0]) | (quint32(quint8(p[1])) << 8) | (quint32(quint8(p[2])) << 16) |
                (quint32(quint8(p[3])) << 24);
    return qint32(v);
}
inline void zapisInt32(char* p, qint32 v)
{
    const auto u = quint32(v);
    p[0] = char(u & 0xFF);
    p[1] = char((u >> 8) & 0xFF);
    p[2] = char((u >> 16) & 0xFF);
    p[3] = char((u >> 24) & 0xFF);
}
inline double citajDouble(const char* p)
{
    double d;
    std::memcpy(&d, p, 8);
    return d;
}
inline void zapisDouble(char* p, double d) { std::memcpy(p, &d, 8); }

// A length byte above the capacity is read as the capacity.
inline QString citajRetazec(const char* p, int kapacita)
{
    int n = quint8(p[0]);
    if (n > kapacita)
        n = kapacita;
    return Win1250::dekoduj(p + 1, n);
}
// Cuts to the capacity; the bytes after the new length keep what they held.
inline void zapisRetazec(char* p, int kapacita, const QString& s)
{
    QByteArray b = Win1250::koduj(s);
    if (b.size() > kapacita)
        b.truncate(kapacita);
    p[0] = char(b.size());
    std::memcpy(p + 1, b.constData(), size_t(b.size()));
}

}  // namespace rozlozenie_detail

// A nested record held by value in its owner.
template <class T>
struct BlokClen {
    void (*citaj)(T&, const char*) = nullptr;
    void (*zapis)(const T&, char*) = nullptr;
    QJsonValue (*json)(const T&) = nullptr;
};

template <class T>
using Clen = std::variant<std::monostate, qint32 T::*, double T::*, bool T::*, quint8 T::*,
                          quint16 T::*, QString T::*, QStringList T::*, BlokClen<T>>;

template <class T>
struct Pole {
    int offset;
    int sirka;  // bytes in the record
    TypPola typ;
    const char* nazov;  // nullptr for reserved and padding
    Clen<T> clen;
    int kapacita = 0;  // characters of one string
    int pocet = 1;     // strings of a Retazce field
};

template <class T>
using Rozlozenie = std::vector<Pole<T>>;

// Helpers that read like the rows of a format table.
template <class T>
Pole<T> int32(int off, const char* nazov, qint32 T::*m) { return {off, 4, TypPola::Int32, nazov, m}; }
template <class T>
Pole<T> dbl(int off, const char* nazov, double T::*m) { return {off, 8, TypPola::Double, nazov, m}; }
template <class T>
Pole<T> datum(int off, const char* nazov, double T::*m) { return {off, 8, TypPola::Datum, nazov, m}; }
template <class T>
Pole<T> boolean(int off, const char* nazov, bool T::*m) { return {off, 1, TypPola::Bool, nazov, m}; }
template <class T>
Pole<T> bajt(int off, const char* nazov, quint8 T::*m) { return {off, 1, TypPola::Byte, nazov, m}; }
template <class T>
Pole<T> word16(int off, const char* nazov, quint16 T::*m) { return {off, 2, TypPola::Word16, nazov, m}; }
template <class T>
Pole<T> retazec(int off, int kapacita, const char* nazov, QString T::*m)
{
    return {off, kapacita + 1, TypPola::Retazec, nazov, m, kapacita};
}
template <class T>
Pole<T> retazce(int off, int pocet, int kapacita, const char* nazov, QStringList T::*m)
{
    return {off, pocet * (kapacita + 1), TypPola::Retazce, nazov, m, kapacita, pocet};
}
template <class T>
Pole<T> rezerva(int off, int sirka) { return {off, sirka, TypPola::Rezerva, nullptr, std::monostate{}}; }
template <class T>
Pole<T> vypln(int off, int sirka) { return {off, sirka, TypPola::Vypln, nullptr, std::monostate{}}; }

// A nested record: blok<&TOwner::member>(offset, "Name").
template <auto Clen_>
struct BlokPomoc;
template <class T, class B, B T::*Clen_>
struct BlokPomoc<Clen_> {
    static Pole<T> pole(int off, const char* nazov)
    {
        BlokClen<T> b;
        // The owner keeps the block's bytes: the block is read from them and written over them.
        b.citaj = [](T& t, const char* p) { t.*Clen_ = B::zPoli(p); };
        b.zapis = [](const T& t, char* p) { (t.*Clen_).zapisZmenyNa(p); };
        b.json = [](const T& t) -> QJsonValue { return (t.*Clen_).doJson(); };
        return {off, B::VELKOST, TypPola::Blok, nazov, b};
    }
};
template <auto Clen_>
auto blok(int off, const char* nazov)
{
    return BlokPomoc<Clen_>::pole(off, nazov);
}

// Checks that a table covers its record exactly once, in order. Empty when it does.
template <class T>
QString overRozlozenie(const Rozlozenie<T>& r, int velkost)
{
    int ocakavany = 0;
    for (const auto& p : r) {
        if (p.offset != ocakavany)
            return QStringLiteral("pole %1 na %2, čakal sa %3")
                .arg(QString::fromLatin1(p.nazov ? p.nazov : "(rezerva)"))
                .arg(p.offset)
                .arg(ocakavany);
        if (p.sirka <= 0)
            return QStringLiteral("pole na %1 nemá šírku").arg(p.offset);
        ocakavany = p.offset + p.sirka;
    }
    if (ocakavany != velkost)
        return QStringLiteral("tabuľka končí na %1, záznam má %2").arg(ocakavany).arg(velkost);
    return {};
}

// The bytes a record was read from. Small records keep them inline, so that a list of
// them is read without an allocation per record; large ones share them, so that copies of
// the record stay cheap. Tiny ones (single settings bytes) gain nothing inline.
template <int N, bool Vnutri = (N >= 16 && N <= 512)>
class ObrazZaznamu {
public:
    bool prazdny() const { return m_b.isEmpty(); }
    const char* data() const { return m_b.constData(); }
    QByteArray bajty() const { return m_b; }
    // Takes at most N bytes; fewer are zero-extended.
    void nastav(const QByteArray& b)
    {
        m_b = b.left(N);
        if (m_b.size() < N)
            m_b.append(QByteArray(N - m_b.size(), '\0'));
    }
    void nastav(const char* p, qsizetype n)
    {
        m_b = QByteArray(N, '\0');
        std::memcpy(m_b.data(), p, size_t(std::min<qsizetype>(std::max<qsizetype>(n, 0), N)));
    }

private:
    QByteArray m_b;
};

template <int N>
class ObrazZaznamu<N, true> {
public:
    bool prazdny() const { return !m_ma; }
    const char* data() const { return m_b; }
    QByteArray bajty() const { return m_ma ? QByteArray(m_b, N) : QByteArray(); }
    void nastav(const QByteArray& b) { nastav(b.constData(), b.size()); }
    void nastav(const char* p, qsizetype n)
    {
        const auto k = std::min<qsizetype>(std::max<qsizetype>(n, 0), N);
        std::memcpy(m_b, p, size_t(k));
        std::memset(m_b + k, 0, size_t(N - k));
        m_ma = true;
    }

private:
    char m_b[N]{};
    bool m_ma = false;
};

// Base of every fixed-size record.
template <class T, int Velkost>
struct Zaznam {
    static constexpr int VELKOST = Velkost;

    // The bytes the record was read from (VELKOST bytes), or empty for a new record.
    ObrazZaznamu<Velkost> obraz;

    // Reads a record from VELKOST bytes (shorter input is zero-extended, longer cut).
    static T zObrazu(const QByteArray& bajty)
    {
        T t;
        t.obraz.nastav(bajty);
        t.nacitajPolia();
        return t;
    }
    static T zObrazu(const char* bajty, qsizetype dlzka)
    {
        T t;
        t.obraz.nastav(bajty, dlzka);
        t.nacitajPolia();
        return t;
    }

    // The fields of VELKOST bytes, without keeping the bytes: a record nested in another,
    // whose bytes its owner keeps.
    static T zPoli(const char* bajty)
    {
        T t;
        t.nacitajPoliaZ(bajty);
        return t;
    }

    // The image to write: the image read, with every field that changed written over it.
    QByteArray obrazNaZapis() const
    {
        QByteArray o = obraz.prazdny() ? QByteArray(Velkost, '\0') : obraz.bajty();
        zapisZmenyNa(o.data());
        return o;
    }

    // Writes over the VELKOST bytes at `d` every field whose value differs from what they hold.
    void zapisZmenyNa(char* d) const
    {
        const T& self = static_cast<const T&>(*this);
        const T povodny = T::zPoli(d);
        for (const auto& p : T::rozlozenie())
            zapisPole(p, self, povodny, d + p.offset);
    }

    QJsonObject doJson() const
    {
        QJsonObject j;
        const T& self = static_cast<const T&>(*this);
        for (const auto& p : T::rozlozenie())
            if (p.nazov)
                j.insert(QString::fromLatin1(p.nazov), jsonPola(p, self));
        return j;
    }

protected:
    void nacitajPolia() { nacitajPoliaZ(obraz.data()); }
    void nacitajPoliaZ(const char* s)
    {
        T& self = static_cast<T&>(*this);
        for (const auto& p : T::rozlozenie())
            citajPole(p, self, s + p.offset);
    }

private:
    using Pole_ = Pole<T>;
    using namespace_detail = void;

    static void citajPole(const Pole_& p, T& t, const char* s)
    {
        namespace d = rozlozenie_detail;
        switch (p.typ) {
        case TypPola::Int32: t.*std::get<qint32 T::*>(p.clen) = d::citajInt32(s); break;
        case TypPola::Double:
        case TypPola::Datum: t.*std::get<double T::*>(p.clen) = d::citajDouble(s); break;
        case TypPola::Bool: t.*std::get<bool T::*>(p.clen) = s[0] != 0; break;
        case TypPola::Byte: t.*std::get<quint8 T::*>(p.clen) = quint8(s[0]); break;
        case TypPola::Word16:
            t.*std::get<quint16 T::*>(p.clen) = quint16(quint8(s[0]) | (quint8(s[1]) << 8));
            break;
        case TypPola::Retazec: t.*std::get<QString T::*>(p.clen) = d::citajRetazec(s, p.kapacita); break;
        case TypPola::Retazce: {
            QStringList l;
            for (int i = 0; i < p.pocet; ++i)
                l.append(d::citajRetazec(s + i * (p.kapacita + 1), p.kapacita));
            t.*std::get<QStringList T::*>(p.clen) = l;
            break;
        }
        case TypPola::Blok: std::get<BlokClen<T>>(p.clen).citaj(t, s); break;
        case TypPola::Rezerva:
        case TypPola::Vypln: break;
        }
    }

    static bool rovnakyDouble(double a, double b) { return std::memcmp(&a, &b, 8) == 0; }

    static void zapisPole(const Pole_& p, const T& t, const T& povodny, char* d)
    {
        namespace r = rozlozenie_detail;
        switch (p.typ) {
        case TypPola::Int32: {
            auto m = std::get<qint32 T::*>(p.clen);
            if (t.*m != povodny.*m)
                r::zapisInt32(d, t.*m);
            break;
        }
        case TypPola::Double:
        case TypPola::Datum: {
            auto m = std::get<double T::*>(p.clen);
            if (!rovnakyDouble(t.*m, povodny.*m))
                r::zapisDouble(d, t.*m);
            break;
        }
        case TypPola::Bool: {
            auto m = std::get<bool T::*>(p.clen);
            if (t.*m != povodny.*m)
                d[0] = t.*m ? 1 : 0;
            break;
        }
        case TypPola::Byte: {
            auto m = std::get<quint8 T::*>(p.clen);
            if (t.*m != povodny.*m)
                d[0] = char(t.*m);
            break;
        }
        case TypPola::Word16: {
            auto m = std::get<quint16 T::*>(p.clen);
            if (t.*m != povodny.*m) {
                d[0] = char(t.*m & 0xFF);
                d[1] = char(t.*m >> 8);
            }
            break;
        }
        case TypPola::Retazec: {
            auto m = std::get<QString T::*>(p.clen);
            if (t.*m != povodny.*m)
                r::zapisRetazec(d, p.kapacita, t.*m);
            break;
        }
        case TypPola::Retazce: {
            auto m = std::get<QStringList T::*>(p.clen);
            const QStringList& nove = t.*m;
            const QStringList& stare = povodny.*m;
            for (int i = 0; i < p.pocet; ++i) {
                const QString n = i < nove.size() ? nove.at(i) : QString();
                if (n != stare.value(i))
                    r::zapisRetazec(d + i * (p.kapacita + 1), p.kapacita, n);
            }
            break;
        }
        case TypPola::Blok: std::get<BlokClen<T>>(p.clen).zapis(t, d); break;
        case TypPola::Rezerva:
        case TypPola::Vypln: break;
        }
    }

    static QJsonValue jsonPola(const Pole_& p, const T& t)
    {
        switch (p.typ) {
        case TypPola::Int32: return t.*std::get<qint32 T::*>(p.clen);
        case TypPola::Double:
        case TypPola::Datum: return t.*std::get<double T::*>(p.clen);
        case TypPola::Bool: return t.*std::get<bool T::*>(p.clen);
        case TypPola::Byte: return int(t.*std::get<quint8 T::*>(p.clen));
        case TypPola::Word16: return int(t.*std::get<quint16 T::*>(p.clen));
        case TypPola::Retazec: return t.*std::get<QString T::*>(p.clen);
        case TypPola::Retazce: {
            QJsonArray a;
            const QStringList& l = t.*std::get<QStringList T::*>(p.clen);
            for (int i = 0; i < p.pocet; ++i)
                a.append(l.value(i));
            return a;
        }
        case TypPola::Blok: return std::get<BlokClen<T>>(p.clen).json(t);
        case TypPola::Rezerva:
        case TypPola::Vypln: break;
        }
        return {};
    }
};
