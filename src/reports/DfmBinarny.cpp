// Binary streamed form: reader and writer.

#include "DfmStrom.h"

#include "store/Win1250.h"

#include <QtEndian>

#include <cctype>
#include <cmath>
#include <cstring>

DfmHodnota DfmHodnota::celeCislo(qint64 v)
{
    DfmHodnota h;
    h.typ = Typ::Cele;
    h.cele = v;
    return h;
}

DfmHodnota DfmHodnota::retazec(const QString& s)
{
    DfmHodnota h;
    h.typ = Typ::Retazec;
    h.text = s;
    return h;
}

DfmHodnota DfmHodnota::identifikator(const QString& s)
{
    DfmHodnota h;
    h.typ = Typ::Identifikator;
    h.text = s;
    return h;
}

DfmHodnota DfmHodnota::logicka(bool b)
{
    DfmHodnota h;
    h.typ = b ? Typ::Pravda : Typ::Nepravda;
    return h;
}

namespace Dfm {
namespace {

enum Tag : quint8 {
    vaNull = 0, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse,
    vaTrue, vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate,
    vaWString, vaInt64, vaUTF8String, vaDouble
};

QString hex(qint64 v) { return QStringLiteral("0x%1").arg(v, 0, 16); }

class BinarnyCitac {
public:
    BinarnyCitac(const QByteArray& data, qsizetype zaciatok, qsizetype koniec)
        : m_d(reinterpret_cast<const unsigned char*>(data.constData())), m_pos(zaciatok), m_koniec(koniec) {}

    DfmObjekt citajStrom()
    {
        if (m_koniec - m_pos < 4 || std::memcmp(m_d + m_pos, "TPF0", 4) != 0)
            chyba(QStringLiteral("chýba podpis TPF0"));
        m_pos += 4;
        DfmObjekt koren;
        citajObjekt(koren, 1);
        return koren;
    }

private:
    [[noreturn]] void chyba(const QString& co) const
    {
        throw ChybaZostavy(co + QStringLiteral(" (bajt %1)").arg(m_pos));
    }

    void potrebuj(qint64 n) const
    {
        if (n < 0 || n > m_koniec - m_pos)
            chyba(QStringLiteral("neúplný súbor"));
    }

    quint8 bajt()
    {
        potrebuj(1);
        return m_d[m_pos++];
    }
    quint8 nahliadni() const
    {
        potrebuj(1);
        return m_d[m_pos];
    }
    template <class T>
    T cislo()
    {
        potrebuj(sizeof(T));
        T v = qFromLittleEndian<T>(m_d + m_pos);
        m_pos += sizeof(T);
        return v;
    }
    QByteArray bajty(qint64 n)
    {
        potrebuj(n);
        QByteArray b(reinterpret_cast<const char*>(m_d + m_pos), n);
        m_pos += n;
        return b;
    }

    // Names are ASCII: letters, digits, '_' and '.'.
    QString meno(bool mozePrazdne)
    {
        const quint8 n = bajt();
        if (n == 0 && !mozePrazdne)
            chyba(QStringLiteral("prázdne meno"));
        const QByteArray b = bajty(n);
        for (char c : b) {
            const auto u = static_cast<unsigned char>(c);
            if (!(std::isalnum(u) || c == '_' || c == '.'))
                chyba(QStringLiteral("neplatný znak v mene"));
        }
        return QString::fromLatin1(b);
    }

    void citajObjekt(DfmObjekt& o, int hlbka)
    {
        if (hlbka > MaxHlbka)
            chyba(QStringLiteral("príliš hlboké vnorenie objektov"));
        if (++m_pocetObjektov > MaxPocetObjektov)
            chyba(QStringLiteral("príliš veľa objektov"));
        quint8 b = nahliadni();
        if ((b & 0xF0) == 0xF0) {
            m_pos++;
            o.priznaky = b & 0x0F;
            if (o.priznaky & DfmObjekt::PoziciaDietata)
                o.pozicia = celeCislo(bajt());
        }
        o.trieda = meno(false);
        o.meno = meno(true);
        while (nahliadni() != 0) {
            DfmVlastnost v;
            v.meno = meno(false);
            v.hodnota = hodnota(bajt(), hlbka + 1);
            o.vlastnosti.push_back(std::move(v));
        }
        m_pos++;
        while (nahliadni() != 0) {
            DfmObjekt d;
            citajObjekt(d, hlbka + 1);
            o.deti.push_back(std::move(d));
        }
        m_pos++;
    }

    qint64 celeCislo(quint8 tag)
    {
        switch (tag) {
        case vaInt8: return cislo<qint8>();
        case vaInt16: return cislo<qint16>();
        case vaInt32: return cislo<qint32>();
        case vaInt64: return cislo<qint64>();
        default: chyba(QStringLiteral("očakávalo sa celé číslo, značka %1").arg(hex(tag)));
        }
    }

    DfmHodnota hodnota(quint8 tag, int hlbka)
    {
        if (hlbka > MaxHlbka)
            chyba(QStringLiteral("príliš hlboké vnorenie hodnôt"));
        DfmHodnota h;
        switch (tag) {
        case vaNull: h.typ = DfmHodnota::Typ::Null; break;
        case vaList:
            h.typ = DfmHodnota::Typ::Zoznam;
            while (nahliadni() != 0)
                h.zoznam.push_back(hodnota(bajt(), hlbka + 1));
            m_pos++;
            break;
        case vaInt8: case vaInt16: case vaInt32: case vaInt64:
            h.typ = DfmHodnota::Typ::Cele;
            h.cele = celeCislo(tag);
            break;
        case vaExtended: {
            potrebuj(10);
            h.typ = DfmHodnota::Typ::Desatinne;
            h.desatinne = extendedNaDouble(m_d + m_pos);
            m_pos += 10;
            break;
        }
        case vaSingle: {
            const quint32 bity = cislo<quint32>();
            float f;
            std::memcpy(&f, &bity, 4);
            h.typ = DfmHodnota::Typ::Desatinne;
            h.druhDesatinneho = DfmHodnota::Desatinny::Single;
            h.desatinne = f;
            break;
        }
        case vaCurrency:
            h.typ = DfmHodnota::Typ::Desatinne;
            h.druhDesatinneho = DfmHodnota::Desatinny::Currency;
            h.cele = cislo<qint64>();   // kept exact for writing
            h.desatinne = static_cast<double>(h.cele) / 10000.0;
            break;
        case vaDate: case vaDouble: {
            const quint64 bity = cislo<quint64>();
            double d;
            std::memcpy(&d, &bity, 8);
            h.typ = DfmHodnota::Typ::Desatinne;
            h.druhDesatinneho = tag == vaDate ? DfmHodnota::Desatinny::Date : DfmHodnota::Desatinny::Double;
            h.desatinne = d;
            break;
        }
        case vaString:
            h.typ = DfmHodnota::Typ::Retazec;
            h.text = Win1250::dekoduj(bajty(bajt()));
            break;
        case vaLString:
            h.typ = DfmHodnota::Typ::Retazec;
            h.text = Win1250::dekoduj(bajty(cislo<quint32>()));
            break;
        case vaWString: {
            const qint64 n = cislo<quint32>();
            potrebuj(n * 2);
            QString s(n, Qt::Uninitialized);
            for (qint64 i = 0; i < n; ++i)
                s[i] = QChar(qFromLittleEndian<quint16>(m_d + m_pos + 2 * i));
            m_pos += n * 2;
            h.typ = DfmHodnota::Typ::Retazec;
            h.text = s;
            break;
        }
        case vaUTF8String:
            h.typ = DfmHodnota::Typ::Retazec;
            h.text = QString::fromUtf8(bajty(cislo<quint32>()));
            break;
        case vaIdent: h.typ = DfmHodnota::Typ::Identifikator; h.text = meno(false); break;
        case vaFalse: h.typ = DfmHodnota::Typ::Nepravda; break;
        case vaTrue: h.typ = DfmHodnota::Typ::Pravda; break;
        case vaNil: h.typ = DfmHodnota::Typ::Nil; break;
        case vaBinary: h.typ = DfmHodnota::Typ::Binarne; h.binarne = bajty(cislo<quint32>()); break;
        case vaSet:
            h.typ = DfmHodnota::Typ::Mnozina;
            for (;;) {
                const QString prvok = meno(true);
                if (prvok.isEmpty())
                    break;
                if (h.mnozina.size() >= 256)
                    chyba(QStringLiteral("príliš veľká množina"));
                h.mnozina.append(prvok);
            }
            break;
        case vaCollection:
            h.typ = DfmHodnota::Typ::Kolekcia;
            while (nahliadni() != 0) {
                DfmPolozkaKolekcie p;
                const quint8 t = bajt();
                if (t != vaList) {
                    p.maPoradie = true;
                    p.poradie = celeCislo(t);
                    if (bajt() != vaList)
                        chyba(QStringLiteral("chybná položka kolekcie"));
                }
                while (nahliadni() != 0) {
                    DfmVlastnost v;
                    v.meno = meno(false);
                    v.hodnota = hodnota(bajt(), hlbka + 1);
                    p.vlastnosti.push_back(std::move(v));
                }
                m_pos++;
                h.kolekcia.push_back(std::move(p));
            }
            m_pos++;
            break;
        default:
            m_pos--;
            chyba(QStringLiteral("neznáma značka hodnoty %1").arg(hex(tag)));
        }
        return h;
    }

    const unsigned char* m_d;
    qsizetype m_pos;
    qsizetype m_koniec;
    int m_pocetObjektov = 0;
};

quint32 u32(const QByteArray& b, qsizetype pos) { return qFromLittleEndian<quint32>(b.constData() + pos); }

// Start of the "TPF0" stream inside a 32-bit .res file.
qsizetype tpf0VRes(const QByteArray& b)
{
    qsizetype pos = 0;
    for (int krok = 0; krok < 10000 && pos + 32 <= b.size(); ++krok) {
        const quint32 velkostDat = u32(b, pos);
        const quint32 velkostHlavicky = u32(b, pos + 4);
        if (velkostHlavicky < 24 || velkostHlavicky > quint32(b.size() - pos))
            throw ChybaZostavy(QStringLiteral("chybná hlavička zdroja"));
        const qsizetype data = pos + velkostHlavicky;
        if (velkostDat > quint32(b.size() - data))
            throw ChybaZostavy(QStringLiteral("neúplný zdroj"));
        if (velkostDat >= 4 && b.mid(data, 4) == "TPF0")
            return data;
        pos = (data + velkostDat + 3) & ~qsizetype(3);
    }
    throw ChybaZostavy(QStringLiteral("v súbore zdrojov nie je formulár"));
}

// --- writer -------------------------------------------------------------------------

class BinarnyZapisovac {
public:
    QByteArray m_b;

    void bajt(quint8 v) { m_b.append(char(v)); }
    template <class T>
    void cislo(T v)
    {
        char buf[sizeof(T)];
        qToLittleEndian<T>(v, buf);
        m_b.append(buf, sizeof(T));
    }
    void meno(const QString& s)
    {
        const QByteArray b = s.toLatin1().left(255);
        bajt(quint8(b.size()));
        m_b.append(b);
    }
    void celeCislo(qint64 v)
    {
        if (v >= -128 && v <= 127) {
            bajt(vaInt8);
            cislo<qint8>(qint8(v));
        } else if (v >= -32768 && v <= 32767) {
            bajt(vaInt16);
            cislo<qint16>(qint16(v));
        } else if (v >= INT32_MIN && v <= INT32_MAX) {
            bajt(vaInt32);
            cislo<qint32>(qint32(v));
        } else {
            bajt(vaInt64);
            cislo<qint64>(v);
        }
    }
    void retazec(const QString& s)
    {
        if (Win1250::daSaZakodovat(s)) {
            const QByteArray b = Win1250::koduj(s);
            if (b.size() <= 255) {
                bajt(vaString);
                bajt(quint8(b.size()));
            } else {
                bajt(vaLString);
                cislo<quint32>(quint32(b.size()));
            }
            m_b.append(b);
        } else {
            bajt(vaWString);
            cislo<quint32>(quint32(s.size()));
            for (QChar c : s)
                cislo<quint16>(c.unicode());
        }
    }
    void vlastnosti(const std::vector<DfmVlastnost>& v)
    {
        for (const auto& p : v) {
            meno(p.meno);
            hodnota(p.hodnota);
        }
        bajt(0);
    }
    void hodnota(const DfmHodnota& h)
    {
        using T = DfmHodnota::Typ;
        switch (h.typ) {
        case T::Null: bajt(vaNull); break;
        case T::Zoznam:
            bajt(vaList);
            for (const auto& x : h.zoznam)
                hodnota(x);
            bajt(0);
            break;
        case T::Cele: celeCislo(h.cele); break;
        case T::Desatinne: desatinne(h); break;
        case T::Retazec: retazec(h.text); break;
        case T::Identifikator: bajt(vaIdent); meno(h.text); break;
        case T::Nepravda: bajt(vaFalse); break;
        case T::Pravda: bajt(vaTrue); break;
        case T::Nil: bajt(vaNil); break;
        case T::Binarne:
            bajt(vaBinary);
            cislo<quint32>(quint32(h.binarne.size()));
            m_b.append(h.binarne);
            break;
        case T::Mnozina:
            bajt(vaSet);
            for (const auto& s : h.mnozina)
                meno(s);
            bajt(0);
            break;
        case T::Kolekcia:
            bajt(vaCollection);
            for (const auto& p : h.kolekcia) {
                if (p.maPoradie)
                    celeCislo(p.poradie);
                bajt(vaList);
                vlastnosti(p.vlastnosti);
            }
            bajt(0);
            break;
        }
    }
    void desatinne(const DfmHodnota& h)
    {
        using D = DfmHodnota::Desatinny;
        switch (h.druhDesatinneho) {
        case D::Extended: {
            unsigned char b[10];
            doubleNaExtended(h.desatinne, b);
            bajt(vaExtended);
            m_b.append(reinterpret_cast<const char*>(b), 10);
            break;
        }
        case D::Single: {
            const float f = float(h.desatinne);
            quint32 bity;
            std::memcpy(&bity, &f, 4);
            bajt(vaSingle);
            cislo<quint32>(bity);
            break;
        }
        case D::Currency:
            bajt(vaCurrency);
            cislo<qint64>(h.cele);
            break;
        case D::Date: case D::Double: {
            quint64 bity;
            std::memcpy(&bity, &h.desatinne, 8);
            bajt(h.druhDesatinneho == D::Date ? vaDate : vaDouble);
            cislo<quint64>(bity);
            break;
        }
        }
    }
    void objekt(const DfmObjekt& o)
    {
        if (o.priznaky) {
            bajt(quint8(0xF0 | (o.priznaky & 0x0F)));
            if (o.priznaky & DfmObjekt::PoziciaDietata)
                celeCislo(o.pozicia);
        }
        meno(o.trieda);
        meno(o.meno);
        vlastnosti(o.vlastnosti);
        for (const auto& d : o.deti)
            objekt(d);
        bajt(0);
    }
};

}  // namespace

double extendedNaDouble(const unsigned char* b)
{
    const quint64 mantisa = qFromLittleEndian<quint64>(b);
    const quint16 se = qFromLittleEndian<quint16>(b + 8);
    const bool zaporne = se & 0x8000;
    const int exponent = se & 0x7FFF;
    if (exponent == 0 && mantisa == 0)
        return zaporne ? -0.0 : 0.0;
    if (exponent == 0x7FFF)
        return (mantisa << 1) ? std::nan("") : (zaporne ? -INFINITY : INFINITY);
    const double v = std::ldexp(static_cast<double>(mantisa), exponent - 16383 - 63);
    return zaporne ? -v : v;
}

void doubleNaExtended(double v, unsigned char* b)
{
    quint64 mantisa = 0;
    quint16 se = 0;
    if (std::signbit(v))
        se = 0x8000;
    v = std::fabs(v);
    if (std::isnan(v)) {
        se |= 0x7FFF;
        mantisa = 0xC000000000000000ULL;
    } else if (std::isinf(v)) {
        se |= 0x7FFF;
        mantisa = 0x8000000000000000ULL;
    } else if (v != 0.0) {
        int e = 0;
        const double f = std::frexp(v, &e);   // v = f * 2^e, 0.5 <= f < 1
        mantisa = static_cast<quint64>(std::ldexp(f, 64));
        se |= quint16(e - 1 + 16383);
    }
    qToLittleEndian<quint64>(mantisa, b);
    qToLittleEndian<quint16>(se, b + 8);
}

Forma rozpoznaj(const QByteArray& obsah)
{
    if (obsah.startsWith("TPF0") || obsah.startsWith("\xFF\x0A\x00"))
        return Forma::Binarna;
    static const QByteArray res("\x00\x00\x00\x00\x20\x00\x00\x00\xFF\xFF\x00\x00\xFF\xFF\x00\x00", 16);
    if (obsah.startsWith(res))
        return Forma::Binarna;
    QByteArray zaciatok = obsah.left(64);
    if (zaciatok.startsWith("\xEF\xBB\xBF"))
        zaciatok.remove(0, 3);
    zaciatok = zaciatok.trimmed().toLower();
    if (zaciatok.startsWith("object") || zaciatok.startsWith("inherited") || zaciatok.startsWith("inline"))
        return Forma::Textova;
    return Forma::Nezname;
}

DfmObjekt citajBinarny(const QByteArray& obsah)
{
    if (obsah.size() > MaxVelkost)
        throw ChybaZostavy(QStringLiteral("súbor je príliš veľký"));
    qsizetype zaciatok = 0;
    qsizetype koniec = obsah.size();
    if (obsah.startsWith("\xFF\x0A\x00")) {
        const qsizetype nula = obsah.indexOf('\0', 3);
        if (nula < 0 || nula + 7 > obsah.size())
            throw ChybaZostavy(QStringLiteral("neúplná hlavička zdroja"));
        const quint32 velkost = u32(obsah, nula + 3);
        zaciatok = nula + 7;
        // The size field bounds the stream when it is believable.
        if (velkost <= quint32(obsah.size() - zaciatok))
            koniec = zaciatok + velkost;
    } else if (!obsah.startsWith("TPF0")) {
        zaciatok = tpf0VRes(obsah);
    }
    BinarnyCitac c(obsah, zaciatok, koniec);
    return c.citajStrom();
}

DfmObjekt citaj(const QByteArray& obsah)
{
    switch (rozpoznaj(obsah)) {
    case Forma::Binarna: return citajBinarny(obsah);
    case Forma::Textova: return citajText(obsah);
    case Forma::Nezname: break;
    }
    throw ChybaZostavy(QStringLiteral("súbor nie je zostava"));
}

QByteArray zapisBinarny(const DfmObjekt& koren, bool hlavicka)
{
    BinarnyZapisovac z;
    z.m_b.append("TPF0");
    z.objekt(koren);
    if (!hlavicka)
        return z.m_b;
    QByteArray h("\xFF\x0A\x00", 3);
    h.append(koren.trieda.toUpper().toLatin1());
    h.append('\0');
    h.append("\x30\x10", 2);
    char buf[4];
    qToLittleEndian<quint32>(quint32(z.m_b.size()), buf);
    h.append(buf, 4);
    return h + z.m_b;
}

}  // namespace Dfm
