#include "editor/PoliaZaznamu.h"
#include "store/ZnalKevrotZaznam.h"
#include "store/Datum.h"

#include <gtest/gtest.h>

namespace {
double d(int r, int m, int den) { return QDateNaDatum(QDate(r, m, den)); }

PoliaZaznamu platnePolia()
{
    PoliaZaznamu p;
    p.Cislo = QStringLiteral("12");
    p.Rok = QStringLiteral("2024");
    p.KodOdboru = QStringLiteral("370000");
    p.KodOdvetvia = QStringLiteral("370900");
    p.DatumVykonania = QStringLiteral("5.3.2024");
    return p;
}
}  // namespace

TEST(PoliaZaznamu, AllFiveChecksInOneMessageInOrder)
{
    PoliaZaznamu p;
    EXPECT_EQ(ChybyZaznamu(p, 0), QStringLiteral("Nie je vyplnené poradové číslo.\nNie je vyplnený rok.\n"
                                                 "Nie je vyplnený odbor.\nNie je vyplnené odvetvie.\n"
                                                 "Nie je vyplnený dátum vykonania."));
    EXPECT_EQ(ChybyZaznamu(p, 1), QStringLiteral("Nie je vyplnené poradové číslo.\nNie je vyplnený rok.\n"
                                                 "Nie je vyplnený jazyk.\nNie je vyplnený dátum vykonania."));
    EXPECT_TRUE(ChybyZaznamu(platnePolia(), 0).isEmpty());
    PoliaZaznamu zle = platnePolia();
    zle.Cislo = QStringLiteral("x");
    zle.KodOdvetvia.clear();
    EXPECT_EQ(ChybyZaznamu(zle, 0),
              QStringLiteral("Nie je vyplnené poradové číslo.\nNie je vyplnené odvetvie."));

    PoliaZaznamu datumy = platnePolia();
    datumy.DatumVyziadania = QStringLiteral("31.2.2024");
    datumy.DatumSplatnosti = QStringLiteral("zajtra");
    EXPECT_EQ(ChybyZaznamu(datumy, 0), QStringLiteral("Neplatný dátum vyžiadania.\nNeplatný dátum splatnosti."));
    datumy = platnePolia();
    datumy.DatumVykonania = QStringLiteral("1.13.2024");
    EXPECT_EQ(ChybyZaznamu(datumy, 0), QStringLiteral("Neplatný dátum vykonania."));
}

TEST(PoliaZaznamu, NumberOfANewEntryMustBeFreeAndRenumberingMayNotHitAnother)
{
    TZnalKevrotZaznam a, b;
    a.PoradoveCislo = 3;
    a.Rok = 2024;
    b.PoradoveCislo = 4;
    b.Rok = 2024;
    const QList<RiadokKevrota> zaznamy{RiadokKevrota::zoZaznamu(a), RiadokKevrota::zoZaznamu(b)};
    TZnalKevrotZaznam novy;
    EXPECT_FALSE(CisloVolne(zaznamy, novy, true, 3, 2024));
    EXPECT_TRUE(CisloVolne(zaznamy, novy, true, 3, 2023));
    EXPECT_TRUE(CisloVolne(zaznamy, novy, true, 5, 2024));
    // The existing entry 3 keeps its own number, but may not become 4.
    EXPECT_TRUE(CisloVolne(zaznamy, a, false, 3, 2024));
    EXPECT_FALSE(CisloVolne(zaznamy, a, false, 4, 2024));
    EXPECT_TRUE(CisloVolne(zaznamy, a, false, 7, 2024));
}

TEST(PoliaZaznamu, ShowAndTakeRoundTripWithCapacitiesAndDates)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = 12;
    z.Rok = 2024;
    z.DatumVyziadania = d(2024, 1, 15);
    z.PriznanaOdmena = 1.5;
    z.TextVyuctovania = QStringLiteral("starý text");
    const PoliaZaznamu p0 = ZobrazZaznam(z);
    EXPECT_EQ(p0.DatumVyziadania, QStringLiteral("15.1.2024"));
    EXPECT_TRUE(p0.DatumVykonania.isEmpty());
    EXPECT_EQ(p0.KonstantnySymbol, QStringLiteral("0308"));
    EXPECT_EQ(p0.PriznanaOdmena, QStringLiteral("1,50"));

    PoliaZaznamu p = platnePolia();
    p.KodJazyka = QStringLiteral("eng");
    p.Meno = QString(150, QLatin1Char('m'));
    p.ICO = QStringLiteral("123456789012");
    p.DatumVyziadania.clear();  // an erased date keeps the old one
    p.DatumSplatnosti = QStringLiteral("31.2.2024");  // invalid: 0
    p.PriznanaOdmena = QStringLiteral("abc");  // not a number: kept
    p.PriznaneVydavky = QStringLiteral("12,5");
    p.StatnyOrgan = true;
    p.TypCisla = 1;
    z.DatumSplatnosti = d(2024, 4, 1);
    PrevezmiPolia(p, 0, z);
    EXPECT_EQ(z.PoradoveCislo, 12);
    EXPECT_EQ(z.Odbor, QStringLiteral("370000"));
    EXPECT_EQ(z.Odvetvie, QStringLiteral("370900"));
    EXPECT_TRUE(z.Jazyk.isEmpty());
    EXPECT_EQ(z.Meno.size(), 100);
    EXPECT_EQ(z.ICO, QStringLiteral("1234567890"));
    EXPECT_EQ(z.DatumVyziadania, d(2024, 1, 15));
    EXPECT_EQ(z.DatumVykonania, d(2024, 3, 5));
    EXPECT_EQ(z.DatumSplatnosti, 0);
    EXPECT_DOUBLE_EQ(z.PriznanaOdmena, 1.5);
    EXPECT_DOUBLE_EQ(z.PriznaneVydavky, 12.5);
    EXPECT_EQ(z.StatnyOrgan, 1);
    EXPECT_EQ(z.TypCisla, 1);
    EXPECT_TRUE(z.TextVyuctovania.isEmpty());

    PrevezmiPolia(p, 2, z);  // a translator keeps the language only
    EXPECT_TRUE(z.Odbor.isEmpty());
    EXPECT_TRUE(z.Odvetvie.isEmpty());
    EXPECT_EQ(z.Jazyk, QStringLiteral("eng"));
}

TEST(PoliaZaznamu, OrderFillsRequesterMatterAndTheClientsTaxNumbers)
{
    PoliaZaznamu p;
    p.ICO = QStringLiteral("111");
    p.StatnyOrgan = true;
    TObjednavka o;
    o.Meno = QStringLiteral("Okresný súd");
    o.Adresa = QStringLiteral("Nitra");
    o.TypCisla = 1;
    o.StatnyOrgan = 0;
    o.Cislo = QStringLiteral("5C 12/2024");
    o.DatumVyziadania = d(2024, 2, 1);
    o.DruhUkonu = QStringLiteral("znalecký posudok");
    o.Predmet = QStringLiteral("vozidlo");
    o.Poznamka = QStringLiteral("pozn");
    o.Ucel = QStringLiteral("súd");
    TObjednavatel iny, klient;
    iny.Meno = klient.Meno = QStringLiteral("Okresný súd");
    iny.Adresa = QStringLiteral("Trnava");
    iny.ICO = QStringLiteral("999");
    klient.Adresa = QStringLiteral("Nitra");
    klient.ICO = QStringLiteral("00166073");
    klient.DIC = QStringLiteral("2020000000");
    VyplnZObjednavky(p, o, {iny, klient});
    EXPECT_EQ(p.Meno, QStringLiteral("Okresný súd"));
    EXPECT_EQ(p.TypCisla, 1);
    EXPECT_FALSE(p.StatnyOrgan);
    EXPECT_EQ(p.CisloObjednavky, QStringLiteral("5C 12/2024"));
    EXPECT_EQ(p.DatumVyziadania, QStringLiteral("1.2.2024"));
    EXPECT_EQ(p.Poznamka, QStringLiteral("pozn"));
    EXPECT_EQ(p.Ucel, QStringLiteral("súd"));
    EXPECT_EQ(p.ICO, QStringLiteral("00166073"));
    EXPECT_EQ(p.DIC, QStringLiteral("2020000000"));

    // a requester who is not in the client list has no numbers from the one before
    o.Meno = QStringLiteral("Ján Novák");
    VyplnZObjednavky(p, o, {klient});
    EXPECT_TRUE(p.ICO.isEmpty());
    EXPECT_TRUE(p.DIC.isEmpty());
}

TEST(PoliaZaznamu, VariableSymbolFromNumberAndYear)
{
    EXPECT_EQ(VariabilnySymbolPodlaCisla(QStringLiteral("12"), QStringLiteral("2024")), QStringLiteral("122024"));
    EXPECT_EQ(VariabilnySymbolPodlaCisla(QStringLiteral("1234567"), QStringLiteral("2024")).size(), 10);
}
