#include "orders/VyberObjednavatela.h"

#include <gtest/gtest.h>

namespace {
TObjednavatel klient(const QString& meno, const QString& adresa, qint32 kategoria)
{
    TObjednavatel o;
    o.Meno = meno;
    o.Adresa = adresa;
    o.Kategoria = kategoria;
    o.ICO = meno + QStringLiteral("-ico");
    return o;
}

QStringList mena(const VyberObjednavatela& v)
{
    QStringList m;
    for (const auto& r : v.Pohlad())
        m << r.Meno;
    return m;
}

QList<TObjednavatel> zoznam()
{
    return {klient(QStringLiteral("Okresný súd Nitra"), QStringLiteral("Nitra"), Sudy),
            klient(QStringLiteral("OR PZ Trnava"), QStringLiteral("Trnava"), Policajti),
            klient(QStringLiteral("Exekútor Novák"), QStringLiteral("Bratislava"), Exekutori),
            klient(QStringLiteral("Krajský súd Žilina"), QStringLiteral("Žilina"), Sudy),
            klient(QStringLiteral("firma abc"), QStringLiteral("Košice"), Ostatne)};
}
}  // namespace

TEST(VyberObjednavatela, CategoryFilterAndCaseSensitiveSearch)
{
    auto z = zoznam();
    VyberObjednavatela v(z);
    EXPECT_EQ(v.Pohlad().size(), 5);
    v.NastavKategoriu(FilterKategorie::Sudy);
    EXPECT_EQ(mena(v), (QStringList{QStringLiteral("Okresný súd Nitra"), QStringLiteral("Krajský súd Žilina")}));
    EXPECT_EQ(v.Pohlad()[1].pozicia, 3);

    v.NastavKategoriu(FilterKategorie::Vsetci);
    v.NastavHladanie(QStringLiteral("Firma"));
    v.Filtruj(true);
    EXPECT_TRUE(v.Pohlad().isEmpty());
    v.NastavHladanie(QStringLiteral("firma"));
    v.Filtruj(true);
    EXPECT_EQ(mena(v), QStringList{QStringLiteral("firma abc")});
    // Any other start of the filtering ignores the search text.
    v.Filtruj();
    EXPECT_EQ(v.Pohlad().size(), 5);
}

TEST(VyberObjednavatela, HeaderClicksSortDescendingThenAscendingByBytes)
{
    auto z = zoznam();
    VyberObjednavatela v(z);
    v.Zorad(1);
    EXPECT_EQ(v.StavStlpca(1), 1);
    EXPECT_EQ(v.StavStlpca(0), 0);
    // In Windows-1250 "Ž" is 0x8E, above every ASCII letter.
    EXPECT_EQ(v.Pohlad()[0].Adresa, QStringLiteral("Žilina"));
    EXPECT_EQ(v.Pohlad()[4].Adresa, QStringLiteral("Bratislava"));
    v.Zorad(1);
    EXPECT_EQ(v.StavStlpca(1), 2);
    EXPECT_EQ(v.Pohlad()[0].Adresa, QStringLiteral("Bratislava"));
    EXPECT_EQ(v.Pohlad()[4].Adresa, QStringLiteral("Žilina"));
    v.Zorad(0);
    EXPECT_EQ(v.StavStlpca(0), 1);
    EXPECT_EQ(v.StavStlpca(1), 0);
    EXPECT_EQ(v.Pohlad()[0].Meno, QStringLiteral("firma abc"));
    // Refiltering brings back the list order.
    v.Filtruj();
    EXPECT_EQ(v.Pohlad()[0].Meno, QStringLiteral("Okresný súd Nitra"));
}

TEST(VyberObjednavatela, SortIsStableAndPrefixSortsFirst)
{
    QList<TObjednavatel> z{klient(QStringLiteral("B"), QStringLiteral("1"), Ostatne),
                           klient(QStringLiteral("Ab"), QStringLiteral("2"), Ostatne),
                           klient(QStringLiteral("B"), QStringLiteral("3"), Ostatne),
                           klient(QStringLiteral("A"), QStringLiteral("4"), Ostatne)};
    VyberObjednavatela v(z);
    v.Zorad(0);  // descending
    v.Zorad(0);  // ascending
    QStringList poradie;
    for (const auto& r : v.Pohlad())
        poradie << r.Adresa;
    EXPECT_EQ(poradie, (QStringList{"4", "2", "1", "3"}));
}

TEST(VyberObjednavatela, AddTakesTheCheckedCategoryAndMarksTheListChanged)
{
    auto z = zoznam();
    VyberObjednavatela v(z);
    EXPECT_FALSE(v.Zmeneny());
    v.NastavKategoriu(FilterKategorie::Sudy);
    v.Pridaj(klient(QStringLiteral("Nový súd"), QStringLiteral("Poprad"), 0));
    ASSERT_EQ(z.size(), 6);
    EXPECT_EQ(z.last().Kategoria, Sudy);
    EXPECT_EQ(z.last().ICO, QStringLiteral("Nový súd-ico"));
    EXPECT_TRUE(v.Zmeneny());
    EXPECT_EQ(v.Pohlad().size(), 3);

    // a category chosen in the dialog wins over the filter; none chosen under "všetci"
    // gives "ostatné"
    v.NastavKategoriu(FilterKategorie::Vsetci);
    EXPECT_EQ(v.PredvolenaKategoria(), Ostatne);
    v.Pridaj(klient(QStringLiteral("OO PZ Senec"), QString(), Policajti));
    EXPECT_EQ(z.last().Kategoria, Policajti);
    v.Pridaj(klient(QStringLiteral("Iný"), QString(), BezKategorie));
    EXPECT_EQ(z.last().Kategoria, Ostatne);
}

TEST(VyberObjednavatela, ChangeAndDeleteWorkThroughTheViewRow)
{
    auto z = zoznam();
    VyberObjednavatela v(z);
    v.NastavKategoriu(FilterKategorie::Sudy);
    TObjednavatel nove = klient(QStringLiteral("Krajský súd v Žiline"), QStringLiteral("Žilina 1"), Ostatne);
    ASSERT_TRUE(v.Zmen(1, nove));
    EXPECT_EQ(z[3].Meno, QStringLiteral("Krajský súd v Žiline"));
    EXPECT_EQ(z[3].Kategoria, Ostatne);  // the category chosen in the dialog
    ASSERT_TRUE(v.Zmen(0, klient(QStringLiteral("Okresný súd Nitra"), QString(), BezKategorie)));
    EXPECT_EQ(z[0].Kategoria, Sudy);  // none chosen keeps it
    EXPECT_FALSE(v.Zmen(2, nove));    // no client in that row

    ASSERT_TRUE(v.Zmaz(0));
    EXPECT_EQ(z.size(), 4);
    EXPECT_EQ(z[0].Meno, QStringLiteral("OR PZ Trnava"));
    EXPECT_EQ(v.Pohlad().size(), 0);
    EXPECT_FALSE(v.Zmaz(5));
    EXPECT_FALSE(v.Zmaz(-1));
}

TEST(VyberObjednavatela, StateBodyFlagFollowsTheClientNotTheFilter)
{
    auto z = zoznam();
    VyberObjednavatela v(z);
    auto r = v.Vysledok(0);  // a court, picked under "všetci"
    EXPECT_TRUE(r.vybrany);
    EXPECT_TRUE(r.StatnyOrgan);
    EXPECT_FALSE(v.Vysledok(4).StatnyOrgan);  // "firma abc"
    EXPECT_EQ(r.ICO, QStringLiteral("Okresný súd Nitra-ico"));
    v.NastavKategoriu(FilterKategorie::Exekutori);
    EXPECT_TRUE(v.Vysledok(0).StatnyOrgan);
    v.NastavKategoriu(FilterKategorie::Ostatne);
    EXPECT_FALSE(v.Vysledok(0).StatnyOrgan);

    QList<TObjednavatel> prazdny;
    VyberObjednavatela p(prazdny);
    const auto nic = p.Vysledok(0);
    EXPECT_FALSE(nic.vybrany);
    EXPECT_TRUE(nic.Meno.isEmpty());
}
