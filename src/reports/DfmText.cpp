// Text form of a streamed form ("object Name: TClass ... end").

#include "DfmStrom.h"

#include "store/Win1250.h"

#include <QStringDecoder>

#include <cctype>
#include <cmath>

namespace Dfm {
namespace {

bool znakMena(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_' || u == u'.';
}

class TextovyCitac {
public:
    explicit TextovyCitac(QString text) : m_t(std::move(text)) {}

    DfmObjekt citajStrom()
    {
        preskocMedzery();
        DfmObjekt koren;
        const QString slovo = slovoNaPozicii();
        if (!jeZaciatokObjektu(slovo))
            chyba(QStringLiteral("očakávalo sa slovo object"));
        citajObjekt(koren, 1);
        return koren;
    }

private:
    [[noreturn]] void chyba(const QString& co) const
    {
        throw ChybaZostavy(co + QStringLiteral(" (riadok %1)").arg(riadok()));
    }

    int riadok() const
    {
        int r = 1;
        for (qsizetype i = 0; i < m_pos && i < m_t.size(); ++i)
            if (m_t[i] == u'\n')
                ++r;
        return r;
    }

    bool koniec() const { return m_pos >= m_t.size(); }
    QChar znak() const { return koniec() ? QChar() : m_t[m_pos]; }

    void preskocMedzery()
    {
        while (!koniec() && (m_t[m_pos].isSpace() || m_t[m_pos] == QChar(0xFEFF)))
            ++m_pos;
    }

    // The word at the position, without consuming it.
    QString slovoNaPozicii() const
    {
        qsizetype p = m_pos;
        while (p < m_t.size() && znakMena(m_t[p]))
            ++p;
        return m_t.mid(m_pos, p - m_pos);
    }

    QString slovo()
    {
        preskocMedzery();
        const QString s = slovoNaPozicii();
        if (s.isEmpty())
            chyba(QStringLiteral("očakávalo sa meno"));
        if (s.size() > 255)
            chyba(QStringLiteral("príliš dlhé meno"));
        m_pos += s.size();
        return s;
    }

    void ocakavaj(QChar c)
    {
        preskocMedzery();
        if (znak() != c)
            chyba(QStringLiteral("očakávalo sa '%1'").arg(c));
        ++m_pos;
    }

    static bool jeZaciatokObjektu(const QString& s)
    {
        return s.compare(u"object", Qt::CaseInsensitive) == 0
            || s.compare(u"inherited", Qt::CaseInsensitive) == 0
            || s.compare(u"inline", Qt::CaseInsensitive) == 0;
    }

    void citajObjekt(DfmObjekt& o, int hlbka)
    {
        if (hlbka > MaxHlbka)
            chyba(QStringLiteral("príliš hlboké vnorenie objektov"));
        if (++m_pocetObjektov > MaxPocetObjektov)
            chyba(QStringLiteral("príliš veľa objektov"));
        const QString druh = slovo().toLower();
        if (druh == u"inherited")
            o.priznaky |= DfmObjekt::Zdedeny;
        else if (druh == u"inline")
            o.priznaky |= DfmObjekt::Vlozeny;
        const QString prve = slovo();
        preskocMedzery();
        if (znak() == u':') {
            ++m_pos;
            o.meno = prve;
            o.trieda = slovo();
        } else {
            o.trieda = prve;
        }
        preskocMedzery();
        if (znak() == u'[') {
            ++m_pos;
            preskocMedzery();
            const DfmHodnota h = cislo();
            if (!h.jeCele())
                chyba(QStringLiteral("očakávalo sa celé číslo"));
            o.priznaky |= DfmObjekt::PoziciaDietata;
            o.pozicia = h.cele;
            ocakavaj(u']');
        }
        for (;;) {
            preskocMedzery();
            if (koniec())
                chyba(QStringLiteral("chýba end"));
            const QString s = slovoNaPozicii();
            if (s.compare(u"end", Qt::CaseInsensitive) == 0) {
                m_pos += s.size();
                return;
            }
            if (jeZaciatokObjektu(s)) {
                DfmObjekt d;
                citajObjekt(d, hlbka + 1);
                o.deti.push_back(std::move(d));
                continue;
            }
            if (!o.deti.empty())
                chyba(QStringLiteral("vlastnosť po vnorenom objekte"));
            o.vlastnosti.push_back(vlastnost(hlbka));
        }
    }

    DfmVlastnost vlastnost(int hlbka)
    {
        DfmVlastnost v;
        v.meno = slovo();
        ocakavaj(u'=');
        v.hodnota = hodnota(hlbka + 1);
        return v;
    }

    DfmHodnota hodnota(int hlbka)
    {
        if (hlbka > MaxHlbka)
            chyba(QStringLiteral("príliš hlboké vnorenie hodnôt"));
        preskocMedzery();
        const QChar c = znak();
        DfmHodnota h;
        if (c == u'\'' || c == u'#')
            return retazec();
        if (c == u'-' || c == u'$' || c.isDigit())
            return cislo();
        if (c == u'[') {
            ++m_pos;
            h.typ = DfmHodnota::Typ::Mnozina;
            preskocMedzery();
            if (znak() == u']') {
                ++m_pos;
                return h;
            }
            for (;;) {
                if (h.mnozina.size() >= 256)
                    chyba(QStringLiteral("príliš veľká množina"));
                h.mnozina.append(slovo());
                preskocMedzery();
                if (znak() == u',') {
                    ++m_pos;
                    continue;
                }
                ocakavaj(u']');
                return h;
            }
        }
        if (c == u'(') {
            ++m_pos;
            h.typ = DfmHodnota::Typ::Zoznam;
            for (;;) {
                preskocMedzery();
                if (koniec())
                    chyba(QStringLiteral("neukončený zoznam"));
                if (znak() == u')') {
                    ++m_pos;
                    return h;
                }
                h.zoznam.push_back(hodnota(hlbka + 1));
            }
        }
        if (c == u'{') {
            ++m_pos;
            h.typ = DfmHodnota::Typ::Binarne;
            QByteArray hexa;
            for (;;) {
                if (koniec())
                    chyba(QStringLiteral("neukončené binárne údaje"));
                const QChar z = m_t[m_pos++];
                if (z == u'}')
                    break;
                if (z.isSpace())
                    continue;
                if (!std::isxdigit(z.toLatin1()) || z.unicode() > 127)
                    chyba(QStringLiteral("neplatný znak v binárnych údajoch"));
                hexa.append(z.toLatin1());
            }
            if (hexa.size() % 2)
                chyba(QStringLiteral("nepárny počet číslic v binárnych údajoch"));
            h.binarne = QByteArray::fromHex(hexa);
            return h;
        }
        if (c == u'<') {
            ++m_pos;
            h.typ = DfmHodnota::Typ::Kolekcia;
            for (;;) {
                preskocMedzery();
                if (znak() == u'>') {
                    ++m_pos;
                    return h;
                }
                const QString s = slovo();
                if (s.compare(u"item", Qt::CaseInsensitive) != 0)
                    chyba(QStringLiteral("očakávalo sa item"));
                DfmPolozkaKolekcie p;
                preskocMedzery();
                if (znak() == u'[') {
                    ++m_pos;
                    preskocMedzery();
                    const DfmHodnota n = cislo();
                    if (!n.jeCele())
                        chyba(QStringLiteral("očakávalo sa celé číslo"));
                    p.maPoradie = true;
                    p.poradie = n.cele;
                    ocakavaj(u']');
                }
                for (;;) {
                    preskocMedzery();
                    if (koniec())
                        chyba(QStringLiteral("neukončená kolekcia"));
                    const QString w = slovoNaPozicii();
                    if (w.compare(u"end", Qt::CaseInsensitive) == 0) {
                        m_pos += w.size();
                        break;
                    }
                    p.vlastnosti.push_back(vlastnost(hlbka));
                }
                h.kolekcia.push_back(std::move(p));
            }
        }
        if (znakMena(c)) {
            const QString s = slovo();
            const QString m = s.toLower();
            if (m == u"true")
                h.typ = DfmHodnota::Typ::Pravda;
            else if (m == u"false")
                h.typ = DfmHodnota::Typ::Nepravda;
            else if (m == u"nil")
                h.typ = DfmHodnota::Typ::Nil;
            else if (m == u"null")
                h.typ = DfmHodnota::Typ::Null;
            else
                return DfmHodnota::identifikator(s);
            return h;
        }
        chyba(QStringLiteral("neočakávaný znak '%1'").arg(c));
    }

    DfmHodnota cislo()
    {
        DfmHodnota h;
        const qsizetype start = m_pos;
        if (znak() == u'$') {
            ++m_pos;
            const qsizetype z = m_pos;
            while (!koniec() && std::isxdigit(znak().toLatin1()) && znak().unicode() < 128)
                ++m_pos;
            bool ok = false;
            const qulonglong v = m_t.mid(z, m_pos - z).toULongLong(&ok, 16);
            if (!ok || m_pos - z > 16)
                chyba(QStringLiteral("neplatné číslo"));
            // Hex integers are the bit pattern of a 32-bit (or 64-bit) value.
            h = DfmHodnota::celeCislo(m_pos - z <= 8 ? qint64(qint32(quint32(v))) : qint64(v));
            return h;
        }
        if (znak() == u'-' || znak() == u'+')
            ++m_pos;
        bool desatinne = false;
        while (!koniec()) {
            const QChar z = znak();
            if (z.isDigit() && z.unicode() < 128) {
                ++m_pos;
            } else if (z == u'.') {
                desatinne = true;
                ++m_pos;
            } else if ((z == u'e' || z == u'E') && m_pos > start) {
                desatinne = true;
                ++m_pos;
                if (znak() == u'+' || znak() == u'-')
                    ++m_pos;
            } else {
                break;
            }
        }
        const QString s = m_t.mid(start, m_pos - start);
        bool ok = false;
        if (!desatinne) {
            const qlonglong v = s.toLongLong(&ok);
            if (!ok)
                chyba(QStringLiteral("neplatné číslo"));
            return DfmHodnota::celeCislo(v);
        }
        const double d = s.toDouble(&ok);
        if (!ok)
            chyba(QStringLiteral("neplatné číslo"));
        h.typ = DfmHodnota::Typ::Desatinne;
        h.desatinne = d;
        const QChar pripona = znak().toLower();
        if (pripona == u's' || pripona == u'c' || pripona == u'd') {
            ++m_pos;
            h.druhDesatinneho = pripona == u's' ? DfmHodnota::Desatinny::Single
                : pripona == u'c' ? DfmHodnota::Desatinny::Currency : DfmHodnota::Desatinny::Date;
            if (pripona == u'c') {
                if (!(std::fabs(d) < 9.0e14))
                    chyba(QStringLiteral("neplatné číslo"));
                h.cele = std::llround(d * 10000.0);
            }
        }
        return h;
    }

    DfmHodnota retazec()
    {
        QString s;
        for (;;) {
            const QChar c = znak();
            if (c == u'\'') {
                ++m_pos;
                for (;;) {
                    if (koniec() || znak() == u'\n' || znak() == u'\r')
                        chyba(QStringLiteral("neukončený reťazec"));
                    const QChar z = m_t[m_pos++];
                    if (z == u'\'') {
                        if (znak() == u'\'') {
                            s.append(u'\'');
                            ++m_pos;
                            continue;
                        }
                        break;
                    }
                    s.append(z);
                }
            } else if (c == u'#') {
                ++m_pos;
                const qsizetype z = m_pos;
                while (!koniec() && znak().isDigit() && znak().unicode() < 128 && m_pos - z < 8)
                    ++m_pos;
                bool ok = false;
                const uint n = m_t.mid(z, m_pos - z).toUInt(&ok);
                if (!ok || n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF))
                    chyba(QStringLiteral("neplatný znak #"));
                const char32_t kod = n;
                s.append(QString::fromUcs4(&kod, 1));
            } else {
                // A '+' joins pieces across line breaks.
                const qsizetype spat = m_pos;
                preskocMedzery();
                if (znak() == u'+') {
                    ++m_pos;
                    preskocMedzery();
                    if (znak() == u'\'' || znak() == u'#')
                        continue;
                    chyba(QStringLiteral("po + chýba reťazec"));
                }
                m_pos = spat;
                break;
            }
            if (s.size() > MaxVelkost)
                chyba(QStringLiteral("príliš dlhý reťazec"));
        }
        return DfmHodnota::retazec(s);
    }

    QString m_t;
    qsizetype m_pos = 0;
    int m_pocetObjektov = 0;
};

// UTF-8 when it says so (BOM) or when every byte sequence is valid UTF-8; otherwise the
// code page of the machines that wrote these files.
QString dekodujText(const QByteArray& obsah)
{
    if (obsah.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(obsah.mid(3));
    auto dekoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = dekoder.decode(obsah);
    if (!dekoder.hasError())
        return s;
    return Win1250::dekoduj(obsah);
}

}  // namespace

DfmObjekt citajText(const QByteArray& obsah)
{
    if (obsah.size() > MaxVelkost)
        throw ChybaZostavy(QStringLiteral("súbor je príliš veľký"));
    TextovyCitac c(dekodujText(obsah));
    return c.citajStrom();
}

}  // namespace Dfm
