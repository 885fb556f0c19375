#include "Dokument.h"

#include "RtfCitac.h"
#include "RtfPdf.h"
#include "RtfZapisovac.h"
#include "store/Spravy.h"
#include "store/Subory.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipovNaBod = 20;

void prepisFormat(RtfFormat& f, const QString& pismo, double velkost)
{
    f.pismo = pismo;
    if (velkost > 0)
        f.velkost = velkost;
}

// Runs and marks that leave the default font or size empty get the document's own.
void dopln(RtfFormat& f, const RtfDokument& d)
{
    if (f.pismo.isEmpty())
        f.pismo = d.predvolenePismo;
    if (f.velkost <= 0)
        f.velkost = d.predvolenaVelkost;
}

template <class F>
void prejdiOdseky(QList<RtfBlok>& bloky, F f)
{
    for (auto& b : bloky) {
        if (!b.jeTabulka) {
            f(b.odsek);
            continue;
        }
        for (auto& r : b.tabulka.riadky)
            for (auto& c : r.bunky)
                for (auto& o : c.odseky)
                    f(o);
    }
}

// One paragraph split at the separator into cell paragraphs that keep its properties and formats.
QList<RtfOdsek> rozdelNaBunky(const RtfOdsek& o, QChar oddelovac)
{
    QList<RtfOdsek> bunky;
    RtfOdsek bunka;
    bunka.prevezmiVlastnosti(o);
    const RtfOdsek prazdna = bunka;
    for (const auto& b : o.behy) {
        if (!b.jeText()) {
            bunka.behy.append(b);
            continue;
        }
        const QStringList casti = b.text.split(oddelovac);
        for (int i = 0; i < casti.size(); ++i) {
            if (i > 0) {
                bunky.append(bunka);
                bunka = prazdna;
            }
            if (!casti[i].isEmpty()) {
                RtfBeh c = b;
                c.text = casti[i];
                bunka.behy.append(c);
            }
        }
    }
    bunky.append(bunka);
    return bunky;
}

}  // namespace

Dokument::Dokument() { m_d.telo.append(RtfBlok::zOdseku(RtfOdsek{})); }

Dokument::Dokument(RtfDokument model) : m_d(std::move(model))
{
    if (m_d.telo.isEmpty() || m_d.telo.last().jeTabulka)
        m_d.telo.append(RtfBlok::zOdseku(RtfOdsek{}));
    naKoniec();
}

std::optional<Dokument> Dokument::zoSablony(const QString& cesta)
{
    auto v = RtfCitac::citajSubor(cesta);
    if (!v.jeRtf)
        return std::nullopt;
    return Dokument(std::move(v.dokument));
}

void Dokument::naKoniec()
{
    // Text goes after a closing table into a paragraph of its own.
    if (m_d.telo.isEmpty() || m_d.telo.last().jeTabulka)
        m_d.telo << RtfBlok::zOdseku({});
    m_kurzor = Pozicia{};
    m_kurzor.blok = int(m_d.telo.size() - 1);
    const auto& o = m_d.telo.last().odsek;
    m_kurzor.beh = int(o.behy.size());
    m_format = o.behy.isEmpty() ? o.znacka : o.behy.last().format;
}

void Dokument::nastavZakladnePismo(const QString& nazov, double velkost)
{
    m_zakladnePismo = nazov;
    m_zakladnaVelkost = velkost;
    if (!nazov.isEmpty())
        m_d.predvolenePismo = nazov;
    if (velkost > 0)
        m_d.predvolenaVelkost = velkost;
}

void Dokument::nastavPismo(const QString& nazov, double velkost) { prepisFormat(m_format, nazov, velkost); }
void Dokument::nastavTucne(bool zapni) { m_format.tucne = zapni; }
void Dokument::nastavKurzivu(bool zapni) { m_format.kurziva = zapni; }
void Dokument::nastavPodciarknute(bool zapni) { m_format.podciarknute = zapni; }

QList<RtfOdsek>* Dokument::odsekyBunky(const Pozicia& p)
{
    if (p.riadok < 0)
        return nullptr;
    return &m_d.telo[p.blok].tabulka.riadky[p.riadok].bunky[p.bunka].odseky;
}

RtfOdsek& Dokument::odsek(const Pozicia& p)
{
    if (auto* o = odsekyBunky(p))
        return (*o)[p.odsek];
    return m_d.telo[p.blok].odsek;
}

void Dokument::zarovnaj(Zarovnanie z) { odsek(m_kurzor).zarovnanie = z; }

void Dokument::drzPohromade(const Pozicia& od)
{
    int po = std::min(m_kurzor.blok, int(m_d.telo.size()) - 1);
    if (po >= 0 && !m_d.telo[po].jeTabulka && m_d.telo[po].odsek.behy.isEmpty())
        --po;
    for (int i = std::max(od.blok, 0); i <= po; ++i) {
        RtfBlok& b = m_d.telo[i];
        const bool posledny = i == po;
        if (!b.jeTabulka) {
            b.odsek.drzSoNasledujucim = !posledny;
            continue;
        }
        for (int r = 0; r < b.tabulka.riadky.size(); ++r) {
            RtfRiadok& riadok = b.tabulka.riadky[r];
            riadok.drzPohromade = true;
            const bool sDalsim = !posledny || r + 1 < b.tabulka.riadky.size();
            for (RtfBunka& c : riadok.bunky)
                for (RtfOdsek& o : c.odseky)
                    o.drzSoNasledujucim = sDalsim;
        }
    }
}

// A position at the end of a text run is the start of the next run.
void Dokument::normalizuj(Pozicia& p)
{
    const auto& behy = odsek(p).behy;
    while (p.beh < behy.size() && p.znak > 0 && p.znak >= behy[p.beh].text.size()) {
        ++p.beh;
        p.znak = 0;
    }
    if (p.beh >= behy.size()) {
        p.beh = int(behy.size());
        p.znak = 0;
    }
}

// Splits the run under the position so that the position lies between two runs.
void Dokument::rozdelBeh(Pozicia& p)
{
    normalizuj(p);
    auto& behy = odsek(p).behy;
    if (p.znak <= 0 || p.beh >= behy.size())
        return;
    RtfBeh zvysok = behy[p.beh];
    zvysok.text = behy[p.beh].text.mid(p.znak);
    behy[p.beh].text.truncate(p.znak);
    behy.insert(p.beh + 1, zvysok);
    ++p.beh;
    p.znak = 0;
}

void Dokument::vlozBeh(const RtfBeh& b)
{
    rozdelBeh(m_kurzor);
    auto& behy = odsek(m_kurzor).behy;
    const int i = m_kurzor.beh;
    if (b.jeText() && i > 0 && behy[i - 1].jeText() && behy[i - 1].format == b.format) {
        behy[i - 1].text += b.text;
        return;
    }
    behy.insert(i, b);
    ++m_kurzor.beh;
}

void Dokument::rozdelOdsek()
{
    rozdelBeh(m_kurzor);
    RtfOdsek& o = odsek(m_kurzor);
    RtfOdsek novy;
    novy.prevezmiVlastnosti(o);
    novy.behy = o.behy.mid(m_kurzor.beh);
    o.behy.resize(m_kurzor.beh);
    o.znacka = m_format;
    if (auto* odseky = odsekyBunky(m_kurzor)) {
        odseky->insert(m_kurzor.odsek + 1, novy);
        ++m_kurzor.odsek;
    } else {
        m_d.telo.insert(m_kurzor.blok + 1, RtfBlok::zOdseku(novy));
        ++m_kurzor.blok;
    }
    m_kurzor.beh = 0;
    m_kurzor.znak = 0;
}

void Dokument::vloz(const QString& text)
{
    QString cast;
    auto vlozCast = [&] {
        if (cast.isEmpty())
            return;
        RtfBeh b;
        b.text = cast;
        b.format = m_format;
        vlozBeh(b);
        cast.clear();
    };
    for (QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            vlozCast();
            rozdelOdsek();
        } else {
            cast += c;
        }
    }
    vlozCast();
    // An empty paragraph shows in the format typed into it.
    RtfOdsek& o = odsek(m_kurzor);
    if (o.behy.isEmpty())
        o.znacka = m_format;
}

int Dokument::textNaTabulku(const Pozicia& od, const TabulkaVolby& volby)
{
    if (od.riadok >= 0 || m_kurzor.riadok >= 0 || od.blok < 0 || od.blok >= m_d.telo.size())
        return -1;
    Pozicia kurzor = m_kurzor;
    normalizuj(kurzor);
    int prvy = od.blok;
    int posledny = kurzor.blok;
    if (kurzor.beh == 0 && kurzor.znak == 0 && kurzor.blok > prvy) {
        posledny = kurzor.blok - 1;
    } else {
        // The text after the cursor stays after the table.
        const RtfFormat f = m_format;
        rozdelOdsek();
        m_format = f;
    }
    if (posledny < prvy)
        return -1;
    for (int i = prvy; i <= posledny; ++i)
        if (m_d.telo[i].jeTabulka)
            return -1;

    QList<QList<RtfOdsek>> riadky;
    int stlpcov = 0;
    for (int i = prvy; i <= posledny; ++i) {
        riadky.append(rozdelNaBunky(m_d.telo[i].odsek, volby.oddelovac));
        stlpcov = std::max(stlpcov, int(riadky.last().size()));
    }

    // Column edges: the given widths, the rest of the text width shared by the others.
    QList<int> sirky;
    int zadane = 0;
    for (int c = 0; c < stlpcov && c < volby.sirkyStlpcov.size(); ++c) {
        sirky << std::max(1, int(std::lround(volby.sirkyStlpcov[c] * TwipovNaBod)));
        zadane += sirky.last();
    }
    const int zvysnych = stlpcov - int(sirky.size());
    if (zvysnych > 0) {
        const int zvysok = std::max(m_d.strana.sirkaTextu() - zadane, 567 * zvysnych);
        for (int c = 0; c < zvysnych; ++c)
            sirky << zvysok / zvysnych;
    }

    RtfTabulka tab;
    const int pocetRiadkov = int(riadky.size());
    for (int r = 0; r < pocetRiadkov; ++r) {
        RtfRiadok riadok;
        riadok.medzera = 70;
        bool tienovany = false;
        for (int t : volby.tienovaneRiadky)
            if (t == r || (t < 0 && pocetRiadkov + t == r))
                tienovany = true;
        int okraj = 0;
        for (int c = 0; c < stlpcov; ++c) {
            RtfBunka b;
            if (c < riadky[r].size()) {
                b.odseky.append(riadky[r][c]);
            } else {
                RtfOdsek o;
                o.prevezmiVlastnosti(riadky[r].first());
                b.odseky.append(o);
            }
            if (c < volby.zarovnanieStlpcov.size() && volby.zarovnanieStlpcov[c])
                b.odseky.first().zarovnanie = *volby.zarovnanieStlpcov[c];
            okraj += sirky[c];
            b.pravyOkraj = okraj;
            b.okraje.horny = (volby.okrajeVnutri && r > 0) || (volby.okrajeVonku && r == 0);
            b.okraje.dolny = (volby.okrajeVnutri && r + 1 < pocetRiadkov)
                || ((volby.okrajeVonku || volby.okrajSpodny) && r + 1 == pocetRiadkov);
            b.okraje.lavy = (volby.okrajeVnutri && c > 0) || (volby.okrajeVonku && c == 0);
            b.okraje.pravy = (volby.okrajeVnutri && c + 1 < stlpcov) || (volby.okrajeVonku && c + 1 == stlpcov);
            if (tienovany)
                b.tienovanie = volby.tienovanie;
            riadok.bunky.append(b);
        }
        tab.riadky.append(riadok);
    }

    m_d.telo.remove(prvy, posledny - prvy + 1);
    m_d.telo.insert(prvy, RtfBlok::zTabulky(tab));
    if (prvy + 1 >= m_d.telo.size() || m_d.telo[prvy + 1].jeTabulka) {
        RtfOdsek o;
        o.znacka = m_format;
        m_d.telo.insert(prvy + 1, RtfBlok::zOdseku(o));
    }
    m_kurzor = Pozicia{};
    m_kurzor.blok = prvy + 1;
    return prvy;
}

RtfDokument Dokument::pripravVkladany(const RtfDokument& vkladany, bool zakladnymPismom) const
{
    RtfDokument v = vkladany;
    const QString pismo = m_zakladnePismo.isEmpty() ? m_d.predvolenePismo : m_zakladnePismo;
    const double velkost = m_zakladnaVelkost > 0 ? m_zakladnaVelkost : m_d.predvolenaVelkost;
    prejdiOdseky(v.telo, [&](RtfOdsek& o) {
        dopln(o.znacka, vkladany);
        for (auto& b : o.behy)
            dopln(b.format, vkladany);
        if (!zakladnymPismom)
            return;
        prepisFormat(o.znacka, pismo, velkost);
        for (auto& b : o.behy)
            prepisFormat(b.format, pismo, velkost);
    });
    return v;
}

void Dokument::vlozDokument(const RtfDokument& vkladany, bool zakladnymPismom)
{
    const RtfDokument v = pripravVkladany(vkladany, zakladnymPismom);
    if (v.telo.isEmpty())
        return;
    if (auto* odseky = odsekyBunky(m_kurzor)) {
        // In a cell: paragraphs only; a table of the file goes in row by row.
        QList<RtfOdsek> nove;
        for (const auto& b : v.telo) {
            if (!b.jeTabulka) {
                nove << b.odsek;
                continue;
            }
            for (const auto& r : b.tabulka.riadky) {
                RtfOdsek o;
                for (int c = 0; c < r.bunky.size(); ++c)
                    for (const auto& co : r.bunky[c].odseky) {
                        if (!o.behy.isEmpty()) {
                            RtfBeh tab = o.behy.last();
                            tab.druh = RtfBeh::Druh::Text;
                            tab.text = QStringLiteral("\t");
                            o.behy << tab;
                        }
                        o.behy << co.behy;
                    }
                nove << o;
            }
        }
        RtfFormat f = m_format;
        rozdelOdsek();
        m_format = f;
        odseky = odsekyBunky(m_kurzor);
        for (int i = 0; i < nove.size(); ++i)
            odseky->insert(m_kurzor.odsek + i, nove[i]);
        m_kurzor.odsek += int(nove.size());
        return;
    }
    rozdelBeh(m_kurzor);
    RtfOdsek& o = odsek(m_kurzor);
    if (m_kurzor.beh > 0) {
        RtfOdsek zvysok;
        zvysok.prevezmiVlastnosti(o);
        zvysok.behy = o.behy.mid(m_kurzor.beh);
        o.behy.resize(m_kurzor.beh);
        m_d.telo.insert(m_kurzor.blok + 1, RtfBlok::zOdseku(zvysok));
        ++m_kurzor.blok;
        m_kurzor.beh = 0;
    }
    for (int i = 0; i < v.telo.size(); ++i)
        m_d.telo.insert(m_kurzor.blok + i, v.telo[i]);
    m_kurzor.blok += int(v.telo.size());
    m_kurzor.beh = 0;
    m_kurzor.znak = 0;
}

bool Dokument::vlozSubor(const QString& cesta, bool zakladnymPismom)
{
    const auto v = RtfCitac::citajSubor(cesta);
    if (!v.jeRtf && v.dokument.telo.isEmpty())
        return false;
    vlozDokument(v.dokument, zakladnymPismom);
    return true;
}

void Dokument::nastavPatu(const RtfDokument& pata, bool zakladnymPismom)
{
    m_d.pata = pripravVkladany(pata, zakladnymPismom).telo;
}

bool Dokument::nastavPatu(const QString& cesta, bool zakladnymPismom)
{
    const auto v = RtfCitac::citajSubor(cesta);
    if (!v.jeRtf && v.dokument.telo.isEmpty())
        return false;
    nastavPatu(v.dokument, zakladnymPismom);
    return true;
}

bool Dokument::chodNaZalozku(const QString& meno)
{
    auto hladaj = [&](QList<RtfOdsek*> odseky, Pozicia zaklad) -> bool {
        for (int i = 0; i < odseky.size(); ++i) {
            auto& behy = odseky[i]->behy;
            for (int j = 0; j < behy.size(); ++j) {
                if (behy[j].druh != RtfBeh::Druh::ZalozkaZaciatok || behy[j].text != meno)
                    continue;
                // The old content of the bookmark, within its paragraph, goes away.
                int k = j + 1;
                while (k < behy.size() && !(behy[k].druh == RtfBeh::Druh::ZalozkaKoniec && behy[k].text == meno))
                    ++k;
                const RtfFormat f = j + 1 < behy.size() && behy[j + 1].jeText() ? behy[j + 1].format
                                    : behy[j].format != RtfFormat{}                 ? behy[j].format
                                                                                    : odseky[i]->znacka;
                if (k < behy.size())
                    behy.remove(j + 1, k - j - 1);
                m_kurzor = zaklad;
                if (zaklad.riadok >= 0)
                    m_kurzor.odsek = i;
                m_kurzor.beh = j + 1;
                m_kurzor.znak = 0;
                m_format = f;
                return true;
            }
        }
        return false;
    };
    for (int b = 0; b < m_d.telo.size(); ++b) {
        Pozicia p;
        p.blok = b;
        if (!m_d.telo[b].jeTabulka) {
            if (hladaj({&m_d.telo[b].odsek}, p))
                return true;
            continue;
        }
        auto& riadky = m_d.telo[b].tabulka.riadky;
        for (int r = 0; r < riadky.size(); ++r)
            for (int c = 0; c < riadky[r].bunky.size(); ++c) {
                QList<RtfOdsek*> odseky;
                for (auto& o : riadky[r].bunky[c].odseky)
                    odseky << &o;
                p.riadok = r;
                p.bunka = c;
                if (hladaj(odseky, p))
                    return true;
            }
    }
    return false;
}

QStringList Dokument::zalozky() const
{
    QStringList mena;
    auto d = m_d;
    prejdiOdseky(d.telo, [&](RtfOdsek& o) {
        for (const auto& b : o.behy)
            if (b.druh == RtfBeh::Druh::ZalozkaZaciatok)
                mena << b.text;
    });
    return mena;
}

void Dokument::pismoVsetkeho(const QString& nazov)
{
    prejdiOdseky(m_d.telo, [&](RtfOdsek& o) {
        o.znacka.pismo = nazov;
        for (auto& b : o.behy)
            b.format.pismo = nazov;
    });
    m_format.pismo = nazov;
}

QByteArray Dokument::rtf() const { return RtfZapisovac::zapis(m_d); }

Vysledok Dokument::ulozAkoPdf(const QString& cesta) const { return RtfPdf::uloz(m_d, cesta); }

Vysledok Dokument::ulozAko(const QString& cesta) const
{
    const Vysledok v = Subory::ulozAtomicky(cesta, rtf());
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
}

bool Dokument::zobraz(const QString& cesta) { return spravy().otvorSubor(cesta); }
