#include "journal/ZoradenieKevrota.h"
#include "store/Win1250.h"
#include "store/RiadokKevrota.h"
#include "store/ZnalKevrotZaznam.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The register's own procedure: as many passes as records, neighbours swapped when out
// of order.
void bublinkove(QList<RiadokKevrota>& z, int stlpec, bool zostupne)
{
    if (!MaKlucKevrota(stlpec))
        return;
    for (qsizetype pass = 0; pass < z.size(); ++pass)
        for (qsizetype i = 0; i + 1 < z.size(); ++i) {
            const int c = PorovnajKevrot(z[i], z[i + 1], stlpec);
            if (zostupne ? c < 0 : c > 0)
                std::swap(z[i], z[i + 1]);
        }
}

RiadokKevrota zaznam(int poradie, qint32 cislo, const QString& meno, double odmena)
{
    TZnalKevrotZaznam z;
    z.Rok = poradie;  // remembers the original position
    z.PoradoveCislo = cislo;
    z.Meno = meno;
    z.UctovanaOdmena = odmena;
    return RiadokKevrota::zoZaznamu(z);
}

QList<int> poradie(const QList<RiadokKevrota>& z)
{
    QList<int> p;
    for (const auto& x : z)
        p.append(x.Rok);
    return p;
}

QList<RiadokKevrota> nahodne(std::mt19937& g, int n)
{
    // Few distinct values, so that equal keys are common and stability shows.
    const QStringList texty = {QString(), QStringLiteral("A"), QStringLiteral("Ab"), QStringLiteral("a"),
                               QStringLiteral("Šimon"), QStringLiteral("Ábel"), QStringLiteral("Zuzana"),
                               QStringLiteral("ž"), QStringLiteral("Č 1"), QStringLiteral("Č")};
    QList<RiadokKevrota> l;
    for (int i = 0; i < n; ++i) {
        TZnalKevrotZaznam z;
        z.Rok = i;
        z.PoradoveCislo = int(g() % 8) - 1;
        z.Meno = texty[g() % texty.size()];
        z.CisloObjednavky = texty[g() % texty.size()];
        z.Predmet = texty[g() % texty.size()];
        z.DatumVyziadania = double(g() % 4) * 1000.0;
        z.DatumVykonania = double(g() % 3) + 0.5;
        z.UctovanaOdmena = double(int(g() % 5) - 2) * 0.1;
        z.UctovaneVydavky = double(g() % 3);
        z.DatumyVyplatenia = texty[g() % texty.size()];
        l.append(RiadokKevrota::zoZaznamu(z));
    }
    return l;
}

}  // namespace

TEST(ZoradenieKevrota, EqualsTheStableExchangeSortOnRandomData)
{
    std::mt19937 g(2024);
    for (int kolo = 0; kolo < 20; ++kolo) {
        const auto povodny = nahodne(g, 1 + int(g() % 60));
        for (int stlpec = 0; stlpec < PocetStlpcovKevrota; ++stlpec)
            for (bool zostupne : {true, false}) {
                auto a = povodny;
                auto b = povodny;
                ZoradKevrot(a, stlpec, zostupne);
                bublinkove(b, stlpec, zostupne);
                ASSERT_EQ(poradie(a), poradie(b)) << "column " << stlpec << (zostupne ? " desc" : " asc");
                // The records themselves moved whole, the original list untouched.
                for (const auto& z : a) {
                    const auto& p = povodny[z.Rok];
                    ASSERT_EQ(z.Meno(), p.Meno());
                    ASSERT_EQ(z.Predmet(), p.Predmet());
                    ASSERT_EQ(z.DatumyVyplatenia(), p.DatumyVyplatenia());
                    ASSERT_EQ(z.UctovanaOdmena, p.UctovanaOdmena);
                }
                ASSERT_EQ(poradie(povodny)[0], 0);
            }
    }
}

TEST(ZoradenieKevrota, ColumnKeysAndDirections)
{
    QList<RiadokKevrota> l = {zaznam(0, 5, QStringLiteral("b"), 10), zaznam(1, 12, QStringLiteral("a"), 10),
                                  zaznam(2, 1, QStringLiteral("ab"), 2.5)};
    ZoradKevrot(l, 0, true);
    EXPECT_EQ(poradie(l), (QList<int>{1, 0, 2}));  // numbers, not texts: 12 above 5
    ZoradKevrot(l, 0, false);
    EXPECT_EQ(poradie(l), (QList<int>{2, 0, 1}));
    ZoradKevrot(l, 1, false);
    EXPECT_EQ(poradie(l), (QList<int>{1, 2, 0}));  // a prefix is smaller
    ZoradKevrot(l, 6, true);
    EXPECT_EQ(poradie(l), (QList<int>{1, 0, 2}));  // equal amounts keep their order
    ZoradKevrot(l, 6, false);
    EXPECT_EQ(poradie(l), (QList<int>{2, 1, 0}));
    for (int bez : {8, 9, -1, 10}) {
        auto k = l;
        ZoradKevrot(k, bez, true);
        EXPECT_EQ(poradie(k), poradie(l)) << bez;
        EXPECT_EQ(PorovnajKevrot(l[0], l[1], bez), 0);
    }
}

TEST(ZoradenieKevrota, TextsCompareByTheirWindows1250Codes)
{
    // In Windows-1250 "Š" is 0x8A, "Á" 0xC1 and "a" 0x61: Š sorts before Á but after a.
    QList<RiadokKevrota> l = {zaznam(0, 1, QStringLiteral("Ábel"), 0), zaznam(1, 2, QStringLiteral("Šimon"), 0),
                                  zaznam(2, 3, QStringLiteral("adam"), 0), zaznam(3, 4, QStringLiteral("Zoja"), 0)};
    ZoradKevrot(l, 1, false);
    EXPECT_EQ(poradie(l), (QList<int>{3, 2, 1, 0}));
}

TEST(ZoradenieKevrota, RestoredLayoutSortsByEverySortedColumnInOrder)
{
    QList<RiadokKevrota> l = {zaznam(0, 1, QStringLiteral("b"), 5), zaznam(1, 2, QStringLiteral("a"), 5),
                                  zaznam(2, 3, QStringLiteral("b"), 1)};
    // Column 1 ascending, then column 6 descending: the amount decides, names break ties.
    QList<int> stavy(PocetStlpcovKevrota, 0);
    stavy[1] = 2;
    stavy[6] = 1;
    ObnovZoradenieKevrota(l, stavy);
    EXPECT_EQ(poradie(l), (QList<int>{1, 0, 2}));
}

TEST(ZoradenieKevrota, TextOrderIsTheOrderOfTheEncodedBytesForAnyCharacters)
{
    std::mt19937 g(5);
    const auto znak = [&] {
        switch (g() % 4) {
        case 0: return char16_t(0x20 + g() % 0x60);
        case 1: return char16_t(0x80 + g() % 0x180);  // Latin-1 and Latin Extended-A
        case 2: return char16_t(0x2000 + g() % 0x130);  // dashes, quotes, euro, trade mark
        default: return char16_t(g() % 0x10000);
        }
    };
    for (int i = 0; i < 5000; ++i) {
        TZnalKevrotZaznam a, b;
        for (int k = int(g() % 4); k > 0; --k)
            a.Predmet.append(QChar(znak()));
        b.Predmet = a.Predmet.left(int(g() % (a.Predmet.size() + 1)));
        for (int k = int(g() % 4); k > 0; --k)
            b.Predmet.append(QChar(znak()));
        const QByteArray ka = Win1250::koduj(a.Predmet);
        const QByteArray kb = Win1250::koduj(b.Predmet);
        const int ocakavane = ka < kb ? -1 : (kb < ka ? 1 : 0);
        ASSERT_EQ(PorovnajKevrot(RiadokKevrota::zoZaznamu(a), RiadokKevrota::zoZaznamu(b), 5), ocakavane) << a.Predmet.toStdString() << " | " << b.Predmet.toStdString();
    }
}
