#include "ZoradenieKevrota.h"

#include "store/Win1250.h"
#include "store/ZnalKevrotZaznam.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace {

// A double as a total order: a value that is not a number sorts below every number.
using CiselnyKluc = std::pair<int, double>;
CiselnyKluc ciselnyKluc(double d) { return std::isnan(d) ? CiselnyKluc{0, 0.0} : CiselnyKluc{1, d}; }

double ciselnaHodnota(const TZnalKevrotZaznam& z, int stlpec)
{
    switch (stlpec) {
    case 3: return z.DatumVyziadania;
    case 4: return z.DatumVykonania;
    case 6: return z.UctovanaOdmena;
    case 7: return z.UctovaneVydavky;
    default: return 0.0;
    }
}

const QString* textovyKluc(const TZnalKevrotZaznam& z, int stlpec)
{
    switch (stlpec) {
    case 1: return &z.Meno;
    case 2: return &z.CisloObjednavky;
    case 5: return &z.Predmet;
    default: return nullptr;
    }
}

template <class K>
int porovnaj(const K& a, const K& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

template <class K>
void zoradPodlaKlucov(QList<TZnalKevrotZaznam>& zoznam, const std::vector<K>& kluce, bool zostupne)
{
    std::vector<qsizetype> poradie(size_t(zoznam.size()));
    std::iota(poradie.begin(), poradie.end(), 0);
    if (zostupne)
        std::stable_sort(poradie.begin(), poradie.end(),
                         [&](qsizetype a, qsizetype b) { return kluce[size_t(b)] < kluce[size_t(a)]; });
    else
        std::stable_sort(poradie.begin(), poradie.end(),
                         [&](qsizetype a, qsizetype b) { return kluce[size_t(a)] < kluce[size_t(b)]; });
    QList<TZnalKevrotZaznam> nove;
    nove.reserve(zoznam.size());
    for (qsizetype i : poradie)
        nove.append(std::move(zoznam[i]));
    zoznam = std::move(nove);
}

}  // namespace

bool MaKlucKevrota(int stlpec) { return stlpec >= 0 && stlpec <= 7; }

int PorovnajKevrot(const TZnalKevrotZaznam& a, const TZnalKevrotZaznam& b, int stlpec)
{
    if (!MaKlucKevrota(stlpec))
        return 0;
    if (stlpec == 0)
        return porovnaj(a.PoradoveCislo, b.PoradoveCislo);
    if (const QString* ta = textovyKluc(a, stlpec))
        return porovnaj(Win1250::koduj(*ta), Win1250::koduj(*textovyKluc(b, stlpec)));
    return porovnaj(ciselnyKluc(ciselnaHodnota(a, stlpec)), ciselnyKluc(ciselnaHodnota(b, stlpec)));
}

void ZoradKevrot(QList<TZnalKevrotZaznam>& zoznam, int stlpec, bool zostupne)
{
    if (!MaKlucKevrota(stlpec) || zoznam.size() < 2)
        return;
    const size_t n = size_t(zoznam.size());
    if (stlpec == 0) {
        std::vector<qint32> kluce;
        kluce.reserve(n);
        for (const auto& z : zoznam)
            kluce.push_back(z.PoradoveCislo);
        zoradPodlaKlucov(zoznam, kluce, zostupne);
    } else if (textovyKluc(zoznam.first(), stlpec)) {
        std::vector<QByteArray> kluce;
        kluce.reserve(n);
        for (const auto& z : zoznam)
            kluce.push_back(Win1250::koduj(*textovyKluc(z, stlpec)));
        zoradPodlaKlucov(zoznam, kluce, zostupne);
    } else {
        std::vector<CiselnyKluc> kluce;
        kluce.reserve(n);
        for (const auto& z : zoznam)
            kluce.push_back(ciselnyKluc(ciselnaHodnota(z, stlpec)));
        zoradPodlaKlucov(zoznam, kluce, zostupne);
    }
}

void ObnovZoradenieKevrota(QList<TZnalKevrotZaznam>& zoznam, const QList<int>& stavy)
{
    for (int c = 0; c < stavy.size(); ++c)
        if (stavy[c] == 1 || stavy[c] == 2)
            ZoradKevrot(zoznam, c, stavy[c] == 1);
}
