#include "VypoctyVydavkov.h"

#include "store/Cisla.h"
#include "store/SadzbyNahrad.h"

#include <algorithm>
#include <cmath>

Centy CentyRiadku(double cena, double pocet) { return NaCenty(cena * pocet); }

namespace {
Centy sucetRiadkov(const TVydavok& v)
{
    Centy s = 0;
    for (const TRozpisPolozky& r : v.Rozpis)
        if (r.Pocet > 0)
            s += CentyRiadku(v.Cena, r.Pocet);
    return s;
}
}  // namespace

Centy CentyPolozky(const TVydavok& v)
{
    if (!(v.Suma > 0))
        return 0;
    return v.Druh == DruhVydavku::PodielovaOdmena ? NaCenty(v.Suma) : sucetRiadkov(v);
}

bool ZaZacatuJednotku(const TVydavok& v)
{
    return v.Nazov.contains(QStringLiteral("začat"), Qt::CaseInsensitive)
           || v.MJ.contains(QStringLiteral("začat"), Qt::CaseInsensitive);
}

bool ZaokruhliZacateJednotky(TVydavok& v)
{
    if (v.Druh == DruhVydavku::PodielovaOdmena || !ZaZacatuJednotku(v))
        return false;
    bool zmena = false;
    for (TRozpisPolozky& r : v.Rozpis) {
        // Judged on the decimal value: 3.0000000001 from a sum of parts is 3 units.
        const double cele = std::ceil(DesatinnaHodnota(std::round(r.Pocet * 1e6) / 1e6));
        if (r.Pocet > 0 && std::isfinite(cele) && cele != r.Pocet) {
            r.Pocet = cele;
            zmena = true;
        }
    }
    return zmena;
}

QString TextZaokruhleniaNahor()
{
    return QStringLiteral("Počet zaokrúhlený nahor na celé jednotky: účtuje sa každá aj začatá jednotka.");
}

void PrepocitajSumu(TVydavok& v)
{
    if (v.Druh != DruhVydavku::PodielovaOdmena)
        v.Suma = ZCentov(sucetRiadkov(v));
}

double CenaSPriplatkami(double zakladnaCena, double priplatok1, double priplatok2)
{
    return zakladnaCena + zakladnaCena * priplatok1 / 100 + zakladnaCena * priplatok2 / 100;
}

SuctyVydavkov SpocitajSucty(const QList<TVydavok>& polozky, double spoluNaklady)
{
    using namespace DruhVydavku;
    SuctyVydavkov s;
    for (const TVydavok& v : polozky) {
        const double suma = ZCentov(CentyPolozky(v));
        switch (v.Druh) {
        case TarifnaOdmena: s.tarifna += suma; break;
        case PausalnaOdmena: s.pausalna += suma; break;
        case ZmluvnaOdmena: s.zmluvna += suma; break;
        case VydavokSCenou:
        case PausalneVydavky:
        case HotoveVydavky: s.vydavky += suma; break;
        case StrataCasu: s.strataCasu += suma; break;
        default: break;
        }
        if (jeOdmena(v.Druh))
            s.odmena += suma;
        else if (jeVydavok(v.Druh))
            s.vydavkyCelkom += suma;
    }
    s.cestovne = spoluNaklady > 0 ? ZCentov(NaCenty(spoluNaklady)) : 0;
    s.vydavkyCelkom += s.cestovne;
    return s;
}

UctovaneCenty SpocitajUctovane(const QList<TVydavok>& polozky, double spoluNaklady, bool platca, double datumVykonania,
                               double sadzbaDPH)
{
    Centy odmena = 0, vydavky = spoluNaklady > 0 ? NaCenty(spoluNaklady) : 0;
    for (const TVydavok& v : polozky) {
        if (DruhVydavku::jeOdmena(v.Druh))
            odmena += CentyPolozky(v);
        else if (DruhVydavku::jeVydavok(v.Druh))
            vydavky += CentyPolozky(v);
    }
    UctovaneCenty u;
    u.rozpis = RozpisSumy({odmena, vydavky}, RozpisSumy::SposobPre(platca, datumVykonania), sadzbaDPH);
    u.odmena = u.rozpis.riadky()[0].spolu;
    u.vydavky = u.rozpis.riadky()[1].spolu;
    return u;
}

void SadzbyPredvyplnenych(QList<TVydavok>& polozky, const SadzbyNahrad& s, double datum)
{
    const double km = s.OpotrebenieKDatumu(datum);
    if (!(km > 0))
        return;
    for (TVydavok& v : polozky)
        if (v.Druh == DruhVydavku::VydavokSCenou && v.MJ.trimmed().compare(QStringLiteral("km"), Qt::CaseInsensitive) == 0)
            v.ZakladnaCena = v.Cena = km;
}

namespace Podielova {

QString TextTypu(int typ)
{
    switch (typ) {
    case 1: return QStringLiteral("Nehnuteľnosť, stavba");
    case 2: return QStringLiteral("Príslušenstvo ");
    case 3: return QStringLiteral("Pozemok");
    default: return {};
    }
}

QString JednotkaTypu(int typ) { return typ == 3 ? QStringLiteral("m2") : QStringLiteral("€"); }

Vysledok Vypocitaj(int typ, double hodnota, double sadzbaPozemku, double predoslaOdmena)
{
    if (typ < 1 || typ > 3)
        return {0, predoslaOdmena};
    const double v = std::ceil(typ == 3 ? hodnota * sadzbaPozemku : hodnota);
    if (!std::isfinite(v) || v <= 0)
        return {0, 0};
    double o = std::ceil(0.2235 * std::pow(v, 0.56));
    if (o < 26.56)
        o = Minimum;
    return {v, o};
}

}  // namespace Podielova

namespace {
TVydavok sJednymRozpisom(double pocet, const QString& popis)
{
    TVydavok v;
    TRozpisPolozky r;
    r.Pocet = pocet;
    r.Popis = popis.left(200);
    v.Rozpis = {r};
    v.PocetRozpisov = 1;
    return v;
}
}  // namespace

TVydavok ZmluvnaPolozka(const QString& popis, double cena, int pocet)
{
    TVydavok v = sJednymRozpisom(pocet, {});
    v.Nazov = popis.left(200);
    v.Druh = DruhVydavku::ZmluvnaOdmena;
    v.MJ = QStringLiteral("úkon");
    v.Cena = cena;
    PrepocitajSumu(v);
    return v;
}

TVydavok HotovaPolozka(const QString& popis, const QString& mj, double cena, int pocet)
{
    TVydavok v = sJednymRozpisom(pocet, {});
    v.Nazov = popis.left(200);
    v.Druh = DruhVydavku::HotoveVydavky;
    v.MJ = mj.left(10);
    v.Cena = cena;
    PrepocitajSumu(v);
    return v;
}

TVydavok PodielovaPolozka(int typ, double hodnota, const QString& popis, double odmena)
{
    TVydavok v = sJednymRozpisom(typ, popis);
    v.Nazov = Podielova::TextTypu(typ);
    v.Druh = DruhVydavku::PodielovaOdmena;
    v.MJ = Podielova::JednotkaTypu(typ);
    v.Cena = hodnota;
    v.Suma = odmena;
    return v;
}

void ZmazRozpis(QList<TRozpisPolozky>& rozpis, int i)
{
    if (i < 0 || i >= rozpis.size())
        return;
    if (rozpis.size() == 1)
        rozpis[0] = TRozpisPolozky{};
    else
        rozpis.removeAt(i);
}

int CelyPocet(double pocet)
{
    if (!std::isfinite(pocet))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(pocet), 0.0, 100.0));
}
