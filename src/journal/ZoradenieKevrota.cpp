#include "ZoradenieKevrota.h"

#include "store/RiadokKevrota.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <numeric>
#include <utility>
#include <vector>

namespace {

// A double as a total order: a value that is not a number sorts below every number.
using CiselnyKluc = std::pair<int, double>;
CiselnyKluc ciselnyKluc(double d) { return std::isnan(d) ? CiselnyKluc{0, 0.0} : CiselnyKluc{1, d}; }

double ciselnaHodnota(const RiadokKevrota& z, int stlpec)
{
    switch (stlpec) {
    case 3: return z.DatumVyziadania;
    case 4: return z.DatumVykonania;
    case 6: return z.UctovanaOdmena;
    case 7: return z.UctovaneVydavky;
    default: return 0.0;
    }
}

// The texts of the rows are kept in Windows-1250 already: their bytes are the keys.
bool maTextovyKluc(int stlpec) { return stlpec == 1 || stlpec == 2 || stlpec == 5; }

std::string_view textovyKluc(const RiadokKevrota& z, int stlpec)
{
    switch (stlpec) {
    case 1: return z.bajty(RiadokKevrota::tMeno);
    case 2: return z.bajty(RiadokKevrota::tCisloObjednavky);
    default: return z.bajty(RiadokKevrota::tPredmet);
    }
}

// Bytes compared unsigned, a prefix smaller.
struct Bajty {
    std::string_view b;
    bool operator<(const Bajty& o) const
    {
        return std::lexicographical_compare(b.begin(), b.end(), o.b.begin(), o.b.end(),
                                            [](char x, char y) { return quint8(x) < quint8(y); });
    }
};

template <class K>
int porovnaj(const K& a, const K& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Puts the record at poradie[k] to position k, in place: each cycle of the permutation is
// rotated through one temporary, by moves.
void preusporiadaj(QList<RiadokKevrota>& zoznam, std::vector<qsizetype>& poradie)
{
    RiadokKevrota* z = zoznam.data();
    for (size_t zaciatok = 0; zaciatok < poradie.size(); ++zaciatok) {
        if (poradie[zaciatok] < 0 || poradie[zaciatok] == qsizetype(zaciatok))
            continue;
        RiadokKevrota docasny = std::move(z[zaciatok]);
        size_t j = zaciatok;
        for (;;) {
            const size_t dalsi = size_t(poradie[j]);
            poradie[j] = -1;
            if (dalsi == zaciatok) {
                z[j] = std::move(docasny);
                break;
            }
            z[j] = std::move(z[dalsi]);
            j = dalsi;
        }
    }
}

template <class K>
void zoradPodlaKlucov(QList<RiadokKevrota>& zoznam, const std::vector<K>& kluce, bool zostupne)
{
    std::vector<qsizetype> poradie(size_t(zoznam.size()));
    std::iota(poradie.begin(), poradie.end(), 0);
    if (zostupne)
        std::stable_sort(poradie.begin(), poradie.end(),
                         [&](qsizetype a, qsizetype b) { return kluce[size_t(b)] < kluce[size_t(a)]; });
    else
        std::stable_sort(poradie.begin(), poradie.end(),
                         [&](qsizetype a, qsizetype b) { return kluce[size_t(a)] < kluce[size_t(b)]; });
    preusporiadaj(zoznam, poradie);
}

}  // namespace

bool MaKlucKevrota(int stlpec) { return stlpec >= 0 && stlpec <= 7; }

int PorovnajKevrot(const RiadokKevrota& a, const RiadokKevrota& b, int stlpec)
{
    if (!MaKlucKevrota(stlpec))
        return 0;
    if (stlpec == 0)
        return porovnaj(a.PoradoveCislo, b.PoradoveCislo);
    if (maTextovyKluc(stlpec))
        return porovnaj(Bajty{textovyKluc(a, stlpec)}, Bajty{textovyKluc(b, stlpec)});
    return porovnaj(ciselnyKluc(ciselnaHodnota(a, stlpec)), ciselnyKluc(ciselnaHodnota(b, stlpec)));
}

void ZoradKevrot(QList<RiadokKevrota>& zoznam, int stlpec, bool zostupne)
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
    } else if (maTextovyKluc(stlpec)) {
        // The views stay valid: the rows are not touched until the order is known.
        std::vector<Bajty> kluce;
        kluce.reserve(n);
        for (const auto& z : zoznam)
            kluce.push_back({textovyKluc(z, stlpec)});
        zoradPodlaKlucov(zoznam, kluce, zostupne);
    } else {
        std::vector<CiselnyKluc> kluce;
        kluce.reserve(n);
        for (const auto& z : zoznam)
            kluce.push_back(ciselnyKluc(ciselnaHodnota(z, stlpec)));
        zoradPodlaKlucov(zoznam, kluce, zostupne);
    }
}

void ObnovZoradenieKevrota(QList<RiadokKevrota>& zoznam, const QList<int>& stavy)
{
    for (int c = 0; c < stavy.size(); ++c)
        if (stavy[c] == 1 || stavy[c] == 2)
            ZoradKevrot(zoznam, c, stavy[c] == 1);
}
