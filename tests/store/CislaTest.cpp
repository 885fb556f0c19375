// Typed numbers, the plain number text and the decimal rounding behind every amount.

#include "store/Cisla.h"

#include "PenazneTexty.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
QString zaokruhlene(double v, int miesta)
{
    const DesatinneCislo d = ZaokruhliDesatinne(v, miesta);
    return (d.zaporne ? QStringLiteral("-") : QString()) + d.cele +
           (miesta > 0 ? QStringLiteral(".") + d.desatinne : QString());
}
}  // namespace

TEST(Cisla, HalvesRoundAwayFromZeroOnTheDecimalValue)
{
    // Values whose binary form lies just below the half still round up, as on paper.
    EXPECT_EQ(zaokruhlene(0.125, 2), "0.13");
    EXPECT_EQ(zaokruhlene(1.005, 2), "1.01");
    EXPECT_EQ(zaokruhlene(2.675, 2), "2.68");
    EXPECT_EQ(zaokruhlene(1.015, 2), "1.02");
    EXPECT_EQ(zaokruhlene(-2.675, 2), "-2.68");
    EXPECT_EQ(zaokruhlene(0.005, 2), "0.01");
    EXPECT_EQ(zaokruhlene(0.0049, 2), "0.00");
    EXPECT_EQ(zaokruhlene(1.0049, 2), "1.00");
    // Accumulated error of a computation does not move the result.
    EXPECT_EQ(zaokruhlene(100 * 1.15, 2), "115.00");
    EXPECT_EQ(zaokruhlene(0.1 + 0.2, 2), "0.30");
    EXPECT_EQ(zaokruhlene(0.1835, 3), "0.184");
    EXPECT_EQ(zaokruhlene(0.5, 0), "1");
    EXPECT_EQ(zaokruhlene(0.4, 0), "0");
    EXPECT_EQ(zaokruhlene(-0.5, 0), "-1");
}

TEST(Cisla, CarriesThroughNinesAndKeepsLargeAndSmallValues)
{
    EXPECT_EQ(zaokruhlene(9.995, 2), "10.00");
    EXPECT_EQ(zaokruhlene(999999.999, 2), "1000000.00");
    EXPECT_EQ(zaokruhlene(0.999, 2), "1.00");
    EXPECT_EQ(zaokruhlene(123456789012.34, 2), "123456789012.34");
    EXPECT_EQ(zaokruhlene(1e-20, 2), "0.00");
    EXPECT_EQ(zaokruhlene(1e20, 2), "100000000000000000000.00");
    EXPECT_EQ(zaokruhlene(7, 3), "7.000");
}

TEST(Cisla, ZeroIsNeverNegativeAndNonFiniteIsZero)
{
    EXPECT_EQ(zaokruhlene(-0.0, 2), "0.00");
    EXPECT_EQ(zaokruhlene(-0.004, 2), "0.00");
    EXPECT_EQ(zaokruhlene(-1e-9, 2), "0.00");
    EXPECT_EQ(zaokruhlene(std::numeric_limits<double>::quiet_NaN(), 2), "0.00");
    EXPECT_EQ(zaokruhlene(-std::numeric_limits<double>::infinity(), 2), "0.00");
}

TEST(Cisla, TextToNumberAcceptsCommaOrPoint)
{
    EXPECT_EQ(TextNaCislo("12,5"), 12.5);
    EXPECT_EQ(TextNaCislo("12.5"), 12.5);
    EXPECT_EQ(TextNaCislo("-0,183"), -0.183);
    EXPECT_EQ(TextNaCislo(" 7 "), 7.0);
    EXPECT_FALSE(TextNaCislo("12,5 €"));
    EXPECT_FALSE(TextNaCislo(""));
    EXPECT_FALSE(TextNaCislo("1.234,5"));
    EXPECT_FALSE(TextNaCislo("1 234"));
    EXPECT_FALSE(TextNaCislo("abc"));
    // Values a record must never hold.
    EXPECT_FALSE(TextNaCislo("nan"));
    EXPECT_FALSE(TextNaCislo("inf"));
    EXPECT_FALSE(TextNaCislo("1e999"));
}

TEST(Cisla, TextToWholeNumber)
{
    EXPECT_EQ(TextNaCeleCislo("250"), 250);
    EXPECT_EQ(TextNaCeleCislo("-3"), -3);
    EXPECT_EQ(TextNaCeleCislo("2147483647"), 2147483647);
    EXPECT_FALSE(TextNaCeleCislo("2147483648"));
    EXPECT_FALSE(TextNaCeleCislo("12,5"));
    EXPECT_FALSE(TextNaCeleCislo("12.5"));
    EXPECT_FALSE(TextNaCeleCislo(""));
    EXPECT_FALSE(TextNaCeleCislo("0x10"));
}

TEST(Cisla, PlainNumberTextIsRightAlignedInFive)
{
    EXPECT_EQ(CisloText(20), "20,00");
    EXPECT_EQ(CisloText(1.5), " 1,50");
    EXPECT_EQ(CisloText(1234.5), "1234,50");
    EXPECT_EQ(CisloText(-1.5), "-1,50");
    EXPECT_EQ(CisloText(-0.001), " 0,00");
    EXPECT_EQ(CisloText(0.183, 3), "0,183");
    EXPECT_EQ(CisloText(6.5, 0), "    7");
    EXPECT_EQ(CisloText(2.675), " 2,68");
}
