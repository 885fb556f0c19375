// Texts made from the practitioner's settings.

#include "settings/TextyZnalca.h"

#include <gtest/gtest.h>

TEST(TextyZnalca, NameWithBothTitlesAndWithoutThem)
{
    TNastavenia n;
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QStringLiteral("Novák");
    n.TitulPred = QStringLiteral("Ing.");
    n.TitulZa = QStringLiteral("PhD.");
    EXPECT_EQ(MenoZnalca(n), QStringLiteral("Ing. Ján Novák, PhD."));
    n.TitulPred.clear();
    n.TitulZa.clear();
    EXPECT_EQ(MenoZnalca(n), QStringLiteral(" Ján Novák"));
    n.TitulZa = QStringLiteral("CSc.");
    EXPECT_EQ(MenoZnalca(n), QStringLiteral(" Ján Novák, CSc."));
}

TEST(TextyZnalca, AddressAndBankAccount)
{
    TNastavenia n;
    n.Adresa = QStringLiteral("Hlavná 5");
    n.Mesto = QStringLiteral("Košice");
    n.PSC = QStringLiteral("040 01");
    n.CisloUctu = QStringLiteral("19-123456789");
    n.Banka = QStringLiteral("0900");
    EXPECT_EQ(AdresaZnalca(n), QStringLiteral("Hlavná 5, Košice 040 01"));
    EXPECT_EQ(BankoveSpojenie(n), QStringLiteral("19-123456789/0900"));
}

TEST(TextyZnalca, VatStatusForEveryKind)
{
    EXPECT_EQ(TextPlatcuDPH(Znalec, true), QStringLiteral("Znalec je platca DPH."));
    EXPECT_EQ(TextPlatcuDPH(Znalec, false), QStringLiteral("Znalec nie je platca DPH."));
    EXPECT_EQ(TextPlatcuDPH(Tlmocnik, true), QStringLiteral("Tlmočník je platca DPH."));
    EXPECT_EQ(TextPlatcuDPH(Tlmocnik, false), QStringLiteral("Tlmočník nie je platca DPH."));
    EXPECT_EQ(TextPlatcuDPH(Prekladatel, true), QStringLiteral("Prekladateľ je platca DPH."));
    EXPECT_EQ(TextPlatcuDPH(Prekladatel, false), QStringLiteral("Prekladateľ nie je platca DPH."));
    EXPECT_EQ(TextPlatcuDPH(7, false), QStringLiteral(" nie je platca DPH."));
    EXPECT_EQ(TextPlatcuDPH(-1, true), QStringLiteral(" je platca DPH."));
}
