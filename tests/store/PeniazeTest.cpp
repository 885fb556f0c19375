// Money texts with and without the crown value.

#include "store/Peniaze.h"

#include "PenazneTexty.h"

#include <gtest/gtest.h>

namespace {

class Peniaze : public ::testing::Test {
protected:
    void SetUp() override { m_predtym = DualneZobrazovanie(); }
    void TearDown() override { nastavDualneZobrazovanie(m_predtym); }
    bool m_predtym = true;
};
}  // namespace

TEST_F(Peniaze, DualDisplayIsOffUntilSwitchedOn)
{
    EXPECT_FALSE(m_predtym);
    nastavDualneZobrazovanie(true);
    EXPECT_TRUE(DualneZobrazovanie());
    nastavDualneZobrazovanie(false);
    EXPECT_FALSE(DualneZobrazovanie());
}

// Crowns of the euro amount as printed: 377,25 € is 11 365,03 Sk, not the crowns of 377,2509.
TEST_F(Peniaze, CrownsComeFromTheRoundedEuroAmount)
{
    EXPECT_EQ(CastVSk(377.2509), nb(" (11~365,03~Sk)"));
    EXPECT_EQ(CastVSk(0.005), nb(" (0,30~Sk)"));
}

TEST_F(Peniaze, SlovakFormatWithGroupsAndNoBreakSpaces)
{
    EXPECT_EQ(SumaText(SymbolEuro, 1234.56), nb("1~234,56~€"));
    EXPECT_EQ(SumaText(SymbolEuro, -1234.56), nb("-1~234,56~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 0), nb("0,00~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 5), nb("5,00~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 999.995), nb("1~000,00~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 123456.7), nb("123~456,70~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 1234567.891), nb("1~234~567,89~€"));
    EXPECT_EQ(SumaText(SymbolEuro, -100), nb("-100,00~€"));
    EXPECT_EQ(SumaText(SymbolSk, 3012.6), nb("3~012,60~Sk"));
    // The separators are no-break spaces, never plain ones.
    EXPECT_FALSE(SumaText(SymbolEuro, 1234.56).contains(u' '));
}

TEST_F(Peniaze, RoundsMoneyAsOnPaperAndNeverShowsMinusZero)
{
    EXPECT_EQ(SumaText(SymbolEuro, 1.005), nb("1,01~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 2.675), nb("2,68~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 0.125), nb("0,13~€"));
    EXPECT_EQ(SumaText(SymbolEuro, 23.5625), nb("23,56~€"));
    EXPECT_EQ(SumaText(SymbolEuro, -0.004), nb("0,00~€"));
    EXPECT_EQ(SumaText(SymbolEuro, -0.0), nb("0,00~€"));
    nastavDualneZobrazovanie(true);
    EXPECT_EQ(SumaTextSk(SymbolEuro, -0.0001), nb("0,00~€ (0,00~Sk)"));
}

TEST_F(Peniaze, CrownValueFollowsWhenDualDisplayIsOn)
{
    nastavDualneZobrazovanie(true);
    EXPECT_EQ(SumaTextSk(SymbolEuro, 100), nb("100,00~€ (3~012,60~Sk)"));
    EXPECT_EQ(SumaTextSk(SymbolEuro, -1), nb("-1,00~€ (-30,13~Sk)"));
    EXPECT_EQ(CastVSk(1000), nb(" (30~126,00~Sk)"));
    nastavDualneZobrazovanie(false);
    EXPECT_EQ(SumaTextSk(SymbolEuro, 100), nb("100,00~€"));
}

TEST_F(Peniaze, ThreeDecimalsForUnitPricesCrownsKeepTwo)
{
    nastavDualneZobrazovanie(true);
    EXPECT_EQ(SumaText3(SymbolEuro, 0.183), nb("0,183~€ (5,51~Sk)"));
    EXPECT_EQ(SumaText3(SymbolEuro, 1.4505), nb("1,451~€ (43,71~Sk)"));  // crowns of the 1,451 shown
    EXPECT_EQ(SumaText3(SymbolEuro, 1234.5), nb("1~234,500~€ (37~190,55~Sk)"));
    nastavDualneZobrazovanie(false);
    EXPECT_EQ(SumaText3(SymbolEuro, 0.183), nb("0,183~€"));
}
