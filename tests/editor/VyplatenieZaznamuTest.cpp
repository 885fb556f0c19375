#include "editor/VyplatenieZaznamu.h"

#include <gtest/gtest.h>

namespace {
TVyplatenie platba(double suma, double datum = 45000)
{
    TVyplatenie v;
    v.Suma = suma;
    v.Datum = datum;
    return v;
}

TZnalKevrotZaznam zaznam(double odmena, double vydavky)
{
    TZnalKevrotZaznam z;
    z.UctovanaOdmena = odmena;
    z.UctovaneVydavky = vydavky;
    return z;
}
}  // namespace

TEST(VyplatenieZaznamu, ModeFromThePaymentsWhenShown)
{
    VyplatenieZaznamu v;
    const auto z = zaznam(100, 50);
    v.Zobraz(z, {platba(150)}, false);
    EXPECT_EQ(v.Rezim(), RezimVyplatenia::Cela);
    v.Zobraz(z, {platba(100)}, false);
    EXPECT_EQ(v.Rezim(), RezimVyplatenia::PoCastiach);
    EXPECT_TRUE(v.ZostatokKladny());
    EXPECT_DOUBLE_EQ(v.Zostatok(), 50);
    EXPECT_TRUE(v.CastUhradena());
    v.Zobraz(z, {}, true);
    EXPECT_EQ(v.Rezim(), RezimVyplatenia::Ziadny);
    EXPECT_FALSE(v.ObaRezimyViditelne());
    v.Zobraz(z, {}, false);
    EXPECT_TRUE(v.ObaRezimyViditelne());
}

TEST(VyplatenieZaznamu, SecondPaymentCompletesAndAwardsTheBilledAmounts)
{
    VyplatenieZaznamu v;
    auto z = zaznam(100, 50);
    z.PriznanaOdmena = 7;
    v.Zobraz(z, {platba(100)}, false);
    v.Pridaj(45001, 50);
    EXPECT_FALSE(v.ZostatokKladny());
    EXPECT_EQ(v.Informacia(), QStringLiteral("vyplatené"));
    EXPECT_FALSE(v.CastUhradena());
    EXPECT_DOUBLE_EQ(v.PriznanaOdmena(), 100);
    EXPECT_DOUBLE_EQ(v.PriznaneVydavky(), 50);
    // Deleting it brings the remainder back and keeps the awarded amounts.
    ASSERT_TRUE(v.Zmaz(1));
    EXPECT_EQ(v.Informacia(), QString());
    EXPECT_TRUE(v.CastUhradena());
    EXPECT_DOUBLE_EQ(v.PriznanaOdmena(), 100);
    EXPECT_FALSE(v.Zmaz(5));
}

TEST(VyplatenieZaznamu, CentsDecideNotDoubleNoise)
{
    VyplatenieZaznamu v;
    v.Zobraz(zaznam(0.1, 0.2), {}, true);
    v.ZmenRezim(RezimVyplatenia::PoCastiach);
    v.Pridaj(1, 0.3);  // 0.1 + 0.2 is not 0.3 in doubles
    EXPECT_TRUE(v.ZostatokNulovy());
    EXPECT_EQ(v.Informacia(), QStringLiteral("vyplatené"));
    EXPECT_DOUBLE_EQ(v.PriznanaOdmena(), 0.1);
}

TEST(VyplatenieZaznamu, OverpaymentShowsPaidButKeepsAwardedAmounts)
{
    VyplatenieZaznamu v;
    auto z = zaznam(100, 50);
    z.PriznanaOdmena = 11;
    z.PriznaneVydavky = 22;
    v.Zobraz(z, {platba(100)}, false);
    v.Pridaj(1, 80);
    EXPECT_EQ(v.Informacia(), QStringLiteral("vyplatené"));
    EXPECT_TRUE(v.CastUhradena());
    EXPECT_DOUBLE_EQ(v.PriznanaOdmena(), 11);
    EXPECT_DOUBLE_EQ(v.PriznaneVydavky(), 22);
}

TEST(VyplatenieZaznamu, ChangingModeEmptiesTheList)
{
    VyplatenieZaznamu v;
    v.Zobraz(zaznam(100, 50), {platba(100)}, false);
    v.ZmenRezim(RezimVyplatenia::Cela);
    ASSERT_EQ(v.Vyplatenia().size(), 1);
    EXPECT_DOUBLE_EQ(v.Vyplatenia()[0].Suma, 150);
    EXPECT_EQ(v.Vyplatenia()[0].Datum, 0);
    v.ZmenRezim(RezimVyplatenia::PoCastiach);
    EXPECT_TRUE(v.Vyplatenia().isEmpty());
    EXPECT_DOUBLE_EQ(v.PriznanaOdmena(), 0);
    EXPECT_FALSE(v.CastUhradena());
}

TEST(VyplatenieZaznamu, StoringFollowsTheMode)
{
    VyplatenieZaznamu v;
    TZnalKevrotZaznam z = zaznam(100, 50);
    QList<TVyplatenie> ulozene{platba(1)};

    v.Zobraz(z, {}, true);
    v.Pridaj(1, 10);  // entered while no mode is checked: dropped
    v.Uloz(z, ulozene, 0);
    EXPECT_TRUE(ulozene.isEmpty());
    EXPECT_FALSE(z.Vyplatene);

    v.ZmenRezim(RezimVyplatenia::Cela);
    v.NastavUctovane(120, 50);  // the billed total changed after the mode was chosen
    v.Uloz(z, ulozene, 45100);
    ASSERT_EQ(ulozene.size(), 1);
    EXPECT_DOUBLE_EQ(ulozene[0].Suma, 170);
    EXPECT_EQ(ulozene[0].Datum, 45100);
    EXPECT_TRUE(z.Vyplatene);

    v.ZmenRezim(RezimVyplatenia::PoCastiach);
    v.Pridaj(1, 100);
    v.Uloz(z, ulozene, 0);
    EXPECT_EQ(ulozene.size(), 1);
    EXPECT_FALSE(z.Vyplatene);  // 70 still to pay
    v.Pridaj(2, 70);
    v.Uloz(z, ulozene, 0);
    EXPECT_EQ(ulozene.size(), 2);
    EXPECT_TRUE(z.Vyplatene);
    EXPECT_EQ(v.Informacia(), QStringLiteral("vyplatené"));
}

TEST(VyplatenieZaznamu, CorrectingAPaymentKeepsItsPlace)
{
    VyplatenieZaznamu v;
    v.Zobraz(zaznam(100, 0), {platba(30), platba(30)}, false);
    ASSERT_TRUE(v.Oprav(1, 45555, 70));
    EXPECT_EQ(v.Vyplatenia()[1].Datum, 45555);
    EXPECT_DOUBLE_EQ(v.Zaplatene(), 100);
    EXPECT_FALSE(v.Oprav(2, 1, 1));
}
