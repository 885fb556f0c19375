#include "ZoradenieKevrota.h"

#include "store/Win1250.h"
#include "store/ZnalKevrotZaznam.h"

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

// Windows-1250 code of every UTF-16 unit; '?' for those outside the code page.
const std::vector<char>& tabulka1250()
{
    static const std::vector<char> tabulka = [] {
        std::vector<char> t(0x10000, '?');
        for (int u = 0; u < 0x80; ++u)
            t[size_t(u)] = char(u);
        for (int b = 0x80; b < 0x100; ++b) {
            const char c = char(b);
            const QString z = Win1250::dekoduj(&c, 1);
            if (Win1250::bajt(z.at(0).unicode()) == b)
                t[z.at(0).unicode()] = c;
        }
        return t;
    }();
    return tabulka;
}

// Writes the Windows-1250 codes of a text at `d` and returns how many; the same bytes as
// Win1250::koduj, without a search per character. `d` has room for text.size() bytes.
qsizetype zapisKluc1250(const QString& text, char* d)
{
    const auto& tabulka = tabulka1250();
    qsizetype n = 0;
    const QChar* s = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && s[i + 1].isLowSurrogate())
            ++i;  // one character outside the code page, one '?'
        d[n++] = tabulka[c];
    }
    return n;
}

QByteArray kluc1250(const QString& text)
{
    QByteArray b(text.size(), Qt::Uninitialized);
    b.truncate(zapisKluc1250(text, b.data()));
    return b;
}

template <class K>
int porovnaj(const K& a, const K& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Puts the record at poradie[k] to position k, in place: each cycle of the permutation is
// rotated through one temporary, by moves.
void preusporiadaj(QList<TZnalKevrotZaznam>& zoznam, std::vector<qsizetype>& poradie)
{
    TZnalKevrotZaznam* z = zoznam.data();
    for (size_t zaciatok = 0; zaciatok < poradie.size(); ++zaciatok) {
        if (poradie[zaciatok] < 0 || poradie[zaciatok] == qsizetype(zaciatok))
            continue;
        TZnalKevrotZaznam docasny = std::move(z[zaciatok]);
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
    preusporiadaj(zoznam, poradie);
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
        return porovnaj(kluc1250(*ta), kluc1250(*textovyKluc(b, stlpec)));
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
        // All keys in one buffer; views compare their bytes unsigned, a prefix smaller.
        qsizetype spolu = 0;
        for (const auto& z : zoznam)
            spolu += textovyKluc(z, stlpec)->size();
        std::string bajty(size_t(spolu), '\0');
        std::vector<std::string_view> kluce;
        kluce.reserve(n);
        char* d = bajty.data();
        for (const auto& z : zoznam) {
            const qsizetype k = zapisKluc1250(*textovyKluc(z, stlpec), d);
            kluce.emplace_back(d, size_t(k));
            d += k;
        }
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
