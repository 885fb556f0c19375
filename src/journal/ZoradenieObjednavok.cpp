#include "ZoradenieObjednavok.h"

#include "store/Objednavka.h"
#include "store/Win1250.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <numeric>
#include <vector>

namespace {

const QString* textovyKluc(const TObjednavka& o, int stlpec)
{
    switch (stlpec) {
    case 1: return &o.Meno;
    case 2: return &o.Cislo;
    case 3: return &o.DruhUkonu;
    case 4: return &o.TypPosudku;
    case 5: return &o.Predmet;
    case 6: return &o.Ucel;
    default: return nullptr;
    }
}

template <class K>
void zoradPodlaKlucov(QList<TObjednavka>& zoznam, const std::vector<K>& kluce, SmerZoradenia smer)
{
    std::vector<qsizetype> poradie(size_t(zoznam.size()));
    std::iota(poradie.begin(), poradie.end(), 0);
    if (smer == SmerZoradenia::Zostupne)
        std::stable_sort(poradie.begin(), poradie.end(),
                         [&](qsizetype a, qsizetype b) { return kluce[size_t(b)] < kluce[size_t(a)]; });
    else
        std::stable_sort(poradie.begin(), poradie.end(),
                         [&](qsizetype a, qsizetype b) { return kluce[size_t(a)] < kluce[size_t(b)]; });
    QList<TObjednavka> nove;
    nove.reserve(zoznam.size());
    for (qsizetype i : poradie)
        nove.append(std::move(zoznam[i]));
    zoznam = std::move(nove);
}

}  // namespace

void ZoradObjednavky(QList<TObjednavka>& zoznam, int stlpec, SmerZoradenia smer)
{
    if (stlpec < 0 || stlpec > 6 || zoznam.size() < 2)
        return;
    if (stlpec == 0) {
        // A date that is not a number (a damaged file) sorts below every date.
        std::vector<std::pair<int, double>> kluce;
        kluce.reserve(size_t(zoznam.size()));
        for (const auto& o : zoznam) {
            const double d = o.DatumVyziadania;
            kluce.emplace_back(std::isnan(d) ? 0 : 1, std::isnan(d) ? 0.0 : d);
        }
        zoradPodlaKlucov(zoznam, kluce, smer);
        return;
    }
    std::vector<QByteArray> kluce;
    kluce.reserve(size_t(zoznam.size()));
    for (const auto& o : zoznam)
        kluce.push_back(Win1250::koduj(*textovyKluc(o, stlpec)));
    zoradPodlaKlucov(zoznam, kluce, smer);
}
