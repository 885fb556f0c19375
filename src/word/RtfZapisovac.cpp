#include "RtfZapisovac.h"

#include "RtfText.h"

#include <QHash>
#include <QStringList>

#include <cmath>

namespace {

class Zapisovac {
public:
    explicit Zapisovac(const RtfDokument& d) : m_d(d) {}

    QByteArray zapis()
    {
        zbierajTabulky();
        QByteArray telo;
        telo += "\\sectd";
        if (!m_d.hlavicka.isEmpty()) {
            telo += "\r\n{\\header ";
            zapisBloky(telo, m_d.hlavicka);
            telo += "}";
        }
        if (!m_d.pata.isEmpty()) {
            telo += "\r\n{\\footer ";
            zapisBloky(telo, m_d.pata);
            telo += "}";
        }
        telo += "\r\n";
        zapisBloky(telo, m_d.telo);

        QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1051\\uc1\r\n{\\fonttbl";
        for (int i = 0; i < m_pisma.size(); ++i) {
            const bool symbol = m_pisma[i].compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0
                || m_pisma[i].startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive);
            out += "{\\f" + QByteArray::number(i) + (symbol ? "\\fnil\\fcharset2 " : "\\fnil\\fcharset238 ");
            out += RtfText::escapuj(m_pisma[i]).replace(';', ',') + ";}";
        }
        out += "}\r\n{\\colortbl;";
        for (const auto& c : m_farby)
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green())
                + "\\blue" + QByteArray::number(c.blue()) + ";";
        out += "}\r\n";
        const auto& s = m_d.strana;
        out += "\\paperw" + QByteArray::number(s.sirka) + "\\paperh" + QByteArray::number(s.vyska)
            + "\\margl" + QByteArray::number(s.vlavo) + "\\margr" + QByteArray::number(s.vpravo)
            + "\\margt" + QByteArray::number(s.hore) + "\\margb" + QByteArray::number(s.dole);
        if (s.naSirku)
            out += "\\landscape";
        out += "\r\n";
        out += telo;
        out += "}\r\n";
        return out;
    }

private:
    const RtfDokument& m_d;
    QStringList m_pisma;
    QHash<QString, int> m_cisloPisma;
    QList<QColor> m_farby;
    int m_symbol = -1;

    int pismo(const QString& nazov)
    {
        const QString n = nazov.isEmpty() ? m_d.predvolenePismo : nazov;
        auto it = m_cisloPisma.constFind(n);
        if (it != m_cisloPisma.constEnd())
            return *it;
        m_pisma << n;
        m_cisloPisma.insert(n, int(m_pisma.size() - 1));
        return int(m_pisma.size() - 1);
    }

    int farba(const QColor& c)
    {
        if (!c.isValid())
            return 0;
        const QColor rgb = c.toRgb();
        for (int i = 0; i < m_farby.size(); ++i)
            if (m_farby[i].rgb() == rgb.rgb())
                return i + 1;
        m_farby << rgb;
        return int(m_farby.size());
    }

    void zbierajOdsek(const RtfOdsek& o)
    {
        pismo(o.znacka.pismo);
        farba(o.znacka.farba);
        for (const auto& b : o.behy) {
            pismo(b.format.pismo);
            farba(b.format.farba);
        }
        if (o.odrazka && m_symbol < 0)
            m_symbol = pismo(QStringLiteral("Symbol"));
    }

    void zbierajBloky(const QList<RtfBlok>& bloky)
    {
        for (const auto& b : bloky) {
            if (!b.jeTabulka) {
                zbierajOdsek(b.odsek);
                continue;
            }
            for (const auto& r : b.tabulka.riadky)
                for (const auto& c : r.bunky) {
                    farba(c.pozadie);
                    for (const auto& o : c.odseky)
                        zbierajOdsek(o);
                }
        }
    }

    // Fonts and colours are numbered in the order of first use, the default font first.
    void zbierajTabulky()
    {
        pismo(m_d.predvolenePismo);
        zbierajBloky(m_d.hlavicka);
        zbierajBloky(m_d.pata);
        zbierajBloky(m_d.telo);
    }

    static QByteArray cislo(const char* slovo, int n) { return QByteArray(slovo) + QByteArray::number(n); }

    QByteArray format(const RtfFormat& f)
    {
        const double velkost = f.velkost > 0 ? f.velkost : m_d.predvolenaVelkost;
        QByteArray o = cislo("\\f", pismo(f.pismo));
        o += cislo("\\fs", int(std::lround(std::clamp(velkost, 1.0, 800.0) * 2)));
        if (f.tucne)
            o += "\\b";
        if (f.kurziva)
            o += "\\i";
        if (f.podciarknute)
            o += "\\ul";
        if (f.farba.isValid())
            o += cislo("\\cf", farba(f.farba));
        return o;
    }

    void zapisOdsek(QByteArray& out, const RtfOdsek& o, bool vTabulke, const char* koniec)
    {
        if (o.odrazka)
            out += "{\\pntext" + cislo("\\f", m_symbol) + "\\'b7\\tab}";
        out += "\\pard\\plain";
        if (vTabulke)
            out += "\\intbl";
        switch (o.zarovnanie) {
        case Zarovnanie::Vlavo: out += "\\ql"; break;
        case Zarovnanie::Stred: out += "\\qc"; break;
        case Zarovnanie::Vpravo: out += "\\qr"; break;
        case Zarovnanie::Dorovnat: out += "\\qj"; break;
        }
        if (o.odrazka)
            out += "{\\*\\pn\\pnlvlblt" + cislo("\\pnf", m_symbol) + "\\pnindent360{\\pntxtb\\'b7}}";
        int prvy = o.odsadeniePrvehoRiadku;
        int vlavo = o.odsadenieVlavo;
        if (o.odrazka && prvy == 0 && vlavo == 0) {
            prvy = -360;
            vlavo = 720;
        }
        if (prvy)
            out += cislo("\\fi", prvy);
        if (vlavo)
            out += cislo("\\li", vlavo);
        if (o.odsadenieVpravo)
            out += cislo("\\ri", o.odsadenieVpravo);
        if (o.medzeraPred)
            out += cislo("\\sb", o.medzeraPred);
        if (o.medzeraZa)
            out += cislo("\\sa", o.medzeraZa);
        if (o.drzSoNasledujucim)
            out += "\\keepn";
        out += format(o.znacka);
        out += ' ';
        QByteArray otvoreny;  // format of the open run group: runs that write alike share it
        auto zavri = [&] {
            if (!otvoreny.isEmpty())
                out += "}";
            otvoreny.clear();
        };
        for (const auto& b : o.behy) {
            switch (b.druh) {
            case RtfBeh::Druh::Text: {
                if (b.text.isEmpty())
                    break;
                const QByteArray f = format(b.format);
                if (f != otvoreny) {
                    zavri();
                    out += "{\\plain" + f + " ";
                    otvoreny = f;
                }
                out += RtfText::escapujUnicode(b.text);
                break;
            }
            case RtfBeh::Druh::ZalozkaZaciatok:
                zavri();
                out += "{\\*\\bkmkstart " + RtfText::escapujNazov(b.text) + "}";
                break;
            case RtfBeh::Druh::ZalozkaKoniec:
                zavri();
                out += "{\\*\\bkmkend " + RtfText::escapujNazov(b.text) + "}";
                break;
            case RtfBeh::Druh::Surove:
                zavri();
                out += b.text.toLatin1();
                break;
            }
        }
        zavri();
        out += koniec;
        out += "\r\n";
    }

    QByteArray okraj(const char* strana) { return QByteArray(strana) + "\\brdrs\\brdrw10"; }

    void zapisTabulku(QByteArray& out, const RtfTabulka& t)
    {
        for (const auto& r : t.riadky) {
            if (r.bunky.isEmpty())
                continue;
            out += cislo("\\trowd\\trgaph", r.medzera) + cislo("\\trleft", r.lavyOkraj) + (r.drzPohromade ? "\\trkeep" : "")
                + "\r\n";
            int predosly = 0;
            for (const auto& c : r.bunky) {
                if (c.okraje.horny) out += okraj("\\clbrdrt");
                if (c.okraje.lavy) out += okraj("\\clbrdrl");
                if (c.okraje.dolny) out += okraj("\\clbrdrb");
                if (c.okraje.pravy) out += okraj("\\clbrdrr");
                if (c.pozadie.isValid())
                    out += cislo("\\clcbpat", farba(c.pozadie));
                if (c.tienovanie > 0)
                    out += cislo("\\clshdng", std::clamp(c.tienovanie, 0, 10000));
                // Right edges must grow from cell to cell.
                predosly = std::max(predosly + 1, c.pravyOkraj);
                out += cislo("\\cellx", predosly) + "\r\n";
            }
            for (const auto& c : r.bunky) {
                if (c.odseky.isEmpty()) {
                    zapisOdsek(out, RtfOdsek{}, true, "\\cell");
                    continue;
                }
                for (int i = 0; i < c.odseky.size(); ++i)
                    zapisOdsek(out, c.odseky[i], true, i + 1 == c.odseky.size() ? "\\cell" : "\\par");
            }
            out += "\\row\r\n";
        }
    }

    void zapisBloky(QByteArray& out, const QList<RtfBlok>& bloky)
    {
        for (const auto& b : bloky) {
            if (b.jeTabulka)
                zapisTabulku(out, b.tabulka);
            else
                zapisOdsek(out, b.odsek, false, "\\par");
        }
    }
};

}  // namespace

namespace RtfZapisovac {

QByteArray zapis(const RtfDokument& dokument) { return Zapisovac(dokument).zapis(); }

QByteArray jedenOdsek(const QString& text, const QString& pismo, double velkost)
{
    RtfDokument d;
    if (!pismo.isEmpty())
        d.predvolenePismo = pismo;
    if (velkost > 0)
        d.predvolenaVelkost = velkost;
    RtfOdsek o;
    RtfBeh b;
    b.text = text;
    b.text.replace(QStringLiteral("\r\n"), ZalomenieRiadku);
    b.text.replace(QLatin1Char('\r'), ZalomenieRiadku).replace(QLatin1Char('\n'), ZalomenieRiadku);
    o.behy << b;
    d.telo << RtfBlok::zOdseku(o);
    return zapis(d);
}

}  // namespace RtfZapisovac
