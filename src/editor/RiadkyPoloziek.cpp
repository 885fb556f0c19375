#include "RiadkyPoloziek.h"

#include <cmath>

#include "remuneration/VypoctyVydavkov.h"
#include "store/Cisla.h"
#include "store/Peniaze.h"

QString CisloRiadku(double cislo) { return SumaText(QString(), cislo).chopped(1); }

QString SadzbaSPriplatkami(const TVydavok& v)
{
    const std::pair<double, QString> priplatky[] = {{v.Priplatok1, v.Priplatok1Text}, {v.Priplatok2, v.Priplatok2Text}};
    QString t;
    for (const auto& [percento, text] : priplatky)
        if (percento > 0)
            t += QStringLiteral(" + ") + QString::number(percento, 'g', 15).replace(u'.', u',') + QStringLiteral(" %")
                 + (text.trimmed().isEmpty() ? QString() : u' ' + text.simplified());
    if (t.isEmpty() || !(v.ZakladnaCena > 0))
        return {};
    return SumaText(SymbolEuro, v.ZakladnaCena) + t;
}

QString NazovRiadkuFaktury(const TVydavok& v, const QString& popis)
{
    QString t = v.Nazov.simplified();
    const QString sadzba = SadzbaSPriplatkami(v);
    if (!sadzba.isEmpty())
        t += QChar(0x2028) + sadzba;
    if (!popis.simplified().isEmpty() && popis.simplified() != v.Nazov.simplified())
        t += QChar(0x2028) + popis.simplified();
    return t;
}

QString CenaRiadku(double cena)
{
    // Up to four decimals, at least two, in the Slovak form of the amounts ("1 234,5678").
    QString t = CisloText(cena, 4).trimmed();
    while (t.endsWith(u'0') && t.indexOf(u',') >= 0 && t.size() - t.indexOf(u',') > 3)
        t.chop(1);
    const qsizetype bodka = t.indexOf(u',');
    const QString desatinne = bodka < 0 ? QString() : t.mid(bodka + 1);
    QString cele = CisloRiadku(cena < 0 ? -std::trunc(-cena) : std::trunc(cena));
    if (cena < 0 && std::trunc(cena) == 0)
        cele = u'-' + cele;
    cele = cele.left(cele.indexOf(u','));
    return desatinne.isEmpty() ? cele : cele + u',' + desatinne;
}

namespace {

// One row per sub-item with a quantity above 0 of an item whose Suma is above 0.
template <class F>
QList<RiadokPolozky> riadkyPodpoloziek(const TVydavok& v, F riadok)
{
    QList<RiadokPolozky> riadky;
    if (!(v.Suma > 0))
        return riadky;
    for (const TRozpisPolozky& r : v.Rozpis) {
        if (!(r.Pocet > 0))
            continue;
        RiadokPolozky p = riadok(r);
        p.Druh = v.Druh;
        riadky.append(p);
        if (v.Druh == DruhVydavku::PodielovaOdmena)
            break;
    }
    return riadky;
}

}  // namespace

QList<RiadokPolozky> RiadkyRozpisu(const TVydavok& v)
{
    return riadkyPodpoloziek(v, [&](const TRozpisPolozky& r) {
        RiadokPolozky p;
        p.Polozka = r.Popis.isEmpty() ? v.Nazov : r.Popis;
        p.Popis = r.Popis;
        p.MJ = v.MJ;
        p.Cena = v.Cena;
        p.Mnozstvo = r.Pocet;
        p.CenaMJ = CenaRiadku(v.Cena);
        p.Pocet = CisloRiadku(r.Pocet);
        p.Suma = v.Cena * r.Pocet;
        p.SumaCenty = CentyRiadku(v.Cena, r.Pocet);
        return p;
    });
}

QList<RiadokPolozky> RiadkyPodielovej(const TVydavok& v, double sadzbaPozemky)
{
    // The item's amount is billed once: on one row, of its first sub-item.
    return riadkyPodpoloziek(v, [&](const TRozpisPolozky& r) {
        RiadokPolozky p;
        p.Polozka = r.Popis.isEmpty() ? v.Nazov : v.Nazov + QStringLiteral(", ") + r.Popis;
        p.Mnozstvo = std::ceil(v.Cena);
        p.Pocet = CisloRiadku(p.Mnozstvo);
        if (r.Pocet == 3) {
            p.MJ = QStringLiteral("m2");
            p.Cena = sadzbaPozemky;
            p.CenaMJ = CenaRiadku(sadzbaPozemky);
        } else {
            p.MJ = QStringLiteral("€");
        }
        p.Suma = v.Suma;
        p.SumaCenty = NaCenty(v.Suma);
        return p;
    });
}

QList<RiadokPolozky> RiadokCelejPolozky(const TVydavok& v)
{
    if (!(v.Suma > 0))
        return {};
    RiadokPolozky p;
    p.Polozka = v.Nazov;
    p.MJ = v.MJ;
    p.Cena = v.Cena;
    p.Mnozstvo = v.SucetPoctov();
    p.CenaMJ = CenaRiadku(v.Cena);
    p.Pocet = CisloRiadku(p.Mnozstvo);
    p.Suma = v.Suma;
    p.SumaCenty = CentyPolozky(v);
    p.Druh = v.Druh;
    return {p};
}

RiadokPolozky RiadokCestovneho(double spoluNaklady)
{
    RiadokPolozky p;
    p.Polozka = QStringLiteral("Cestovné náklady");
    p.MJ = p.CenaMJ = p.Pocet = QStringLiteral(" ");
    p.Suma = spoluNaklady;
    p.SumaCenty = NaCenty(spoluNaklady);
    return p;
}

QList<RiadokPolozky> RiadkyDruhu(const QList<TVydavok>& vydavky, qint32 druh, double sadzbaPozemky)
{
    QList<RiadokPolozky> riadky;
    for (const TVydavok& v : vydavky) {
        if (v.Druh != druh)
            continue;
        riadky += druh == DruhVydavku::PodielovaOdmena ? RiadkyPodielovej(v, sadzbaPozemky) : RiadkyRozpisu(v);
    }
    return riadky;
}

double SucetDruhu(const QList<TVydavok>& vydavky, qint32 druh)
{
    double s = 0;
    for (const TVydavok& v : vydavky)
        if (v.Druh == druh && v.Suma > 0)
            s += v.Suma;
    return s;
}

QList<Centy> CentyRiadkov(const QList<RiadokPolozky>& riadky)
{
    QList<Centy> c;
    c.reserve(riadky.size());
    for (const RiadokPolozky& r : riadky)
        c << r.SumaCenty;
    return c;
}

RozpisSumy RozpisDokladu(const QList<RiadokPolozky>& riadky, bool platca, double datumVykonania, double sadzbaDPH)
{
    return RozpisSumy(CentyRiadkov(riadky), RozpisSumy::SposobPre(platca, datumVykonania), sadzbaDPH);
}
