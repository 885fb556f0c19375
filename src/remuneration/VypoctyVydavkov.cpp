#include "VypoctyVydavkov.h"

#include <algorithm>
#include <cmath>

void PrepocitajSumu(TVydavok& v)
{
    if (v.Druh != DruhVydavku::PodielovaOdmena)
        v.Suma = v.Cena * v.SucetPoctov();
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
        switch (v.Druh) {
        case TarifnaOdmena: s.tarifna += v.Suma; break;
        case PausalnaOdmena: s.pausalna += v.Suma; break;
        case ZmluvnaOdmena: s.zmluvna += v.Suma; break;
        case VydavokSCenou:
        case PausalneVydavky:
        case HotoveVydavky: s.vydavky += v.Suma; break;
        case StrataCasu: s.strataCasu += v.Suma; break;
        default: break;
        }
        if (jeOdmena(v.Druh))
            s.odmena += v.Suma;
        else if (jeVydavok(v.Druh))
            s.vydavkyCelkom += v.Suma;
    }
    s.cestovne = spoluNaklady;
    s.vydavkyCelkom += spoluNaklady;
    return s;
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
