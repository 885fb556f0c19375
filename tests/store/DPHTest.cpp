// VAT breakdowns before and after the 2011 cut-over, and amounts with VAT.

#include "store/DPH.h"
#include "store/Datum.h"
#include "store/SadzbyDPH.h"

#include <QFile>
#include "store/Peniaze.h"

#include "PenazneTexty.h"

#include <gtest/gtest.h>

namespace {
double den(int r, int m, int d) { return QDateNaDatum(QDate(r, m, d)); }

class DPH : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_predtym = DualneZobrazovanie();
        nastavDualneZobrazovanie(true);
    }
    void TearDown() override { nastavDualneZobrazovanie(m_predtym); }
    bool m_predtym = true;
};
}  // namespace

TEST_F(DPH, FromTheCutOverTheAmountIsTheBase)
{
    const TDPH d = RozpisDPH(den(2011, 1, 1), 20, 100);
    EXPECT_EQ(d.ZakladText, nb("100,00~€"));
    EXPECT_EQ(d.SadzbaText, "20%");
    EXPECT_EQ(d.DPHText, nb("20,00~€"));
    EXPECT_EQ(d.SpoluText, nb("120,00~€ (3~615,12~Sk)"));
    EXPECT_DOUBLE_EQ(d.Spolu, 120);
    EXPECT_EQ(d.VstupText, nb("100,00~€ (3~012,60~Sk)"));
    EXPECT_DOUBLE_EQ(d.Vstup, 100);
}

TEST_F(DPH, BeforeTheCutOverTheAmountIncludesVat)
{
    const TDPH d = RozpisDPH(den(2010, 12, 31), 20, 100);
    EXPECT_EQ(d.ZakladText, nb("83,33~€"));
    EXPECT_EQ(d.DPHText, nb("16,67~€"));
    EXPECT_EQ(d.SpoluText, nb("100,00~€ (3~012,60~Sk)"));
    EXPECT_DOUBLE_EQ(d.Spolu, 100);
    EXPECT_DOUBLE_EQ(d.Vstup, 100);
    // A record without a date counts as before the cut-over.
    EXPECT_DOUBLE_EQ(RozpisDPH(0, 19, 119).Spolu, 119);
    EXPECT_EQ(RozpisDPH(0, 19, 119).ZakladText, nb("100,00~€"));
}

TEST_F(DPH, RateIsWrittenWithoutDecimals)
{
    EXPECT_EQ(RozpisDPH(den(2024, 1, 1), 19.5, 10).SadzbaText, "20%");
    EXPECT_EQ(RozpisDPH(den(2024, 1, 1), 0, 10).SadzbaText, "0%");
    EXPECT_EQ(RozpisDPH(den(2024, 1, 1), 0, 10).DPHText, nb("0,00~€"));
    EXPECT_EQ(RozpisDPHZCelkovej(20, 120).SadzbaText, "   20%");
    EXPECT_EQ(RozpisDPHZCelkovej(5, 105).SadzbaText, "    5%");
}

TEST_F(DPH, BreakdownOfATotalForTheReceipt)
{
    const TDPH d = RozpisDPHZCelkovej(20, 120);
    EXPECT_EQ(d.ZakladText, nb("100,00~€"));
    EXPECT_EQ(d.DPHText, nb("20,00~€"));
    EXPECT_EQ(d.SpoluText, nb("120,00~€ (3~615,12~Sk)"));
    EXPECT_DOUBLE_EQ(d.Spolu, 120);
    EXPECT_TRUE(d.VstupText.isEmpty());
}

TEST_F(DPH, ARateOfMinusHundredDoesNotDivideByZero)
{
    EXPECT_DOUBLE_EQ(ZakladZCelkovej(-100, 50), 50);
    EXPECT_DOUBLE_EQ(ZakladZCelkovej(-150, 50), 50);
    const TDPH d = RozpisDPHZCelkovej(-100, 50);
    EXPECT_EQ(d.ZakladText, nb("50,00~€"));
    EXPECT_EQ(d.DPHText, nb("0,00~€"));
    EXPECT_EQ(RozpisDPH(den(2010, 6, 1), -100, 50).ZakladText, nb("50,00~€"));
}

TEST_F(DPH, AmountWithVatOnlyForPayersFrom2011)
{
    const double po = den(2012, 5, 1), pred = den(2010, 5, 1);
    EXPECT_EQ(SumaSDPHText(true, po, 20, 100),
              nb("100,00~€ (120,00~€ (3~615,12~Sk) s DPH)"));
    EXPECT_EQ(SumaSDPHText(false, po, 20, 100), nb("100,00~€ (3~012,60~Sk)"));
    EXPECT_EQ(SumaSDPHText(true, pred, 20, 100), nb("100,00~€ (3~012,60~Sk)"));
    EXPECT_EQ(SumaSDPHText(true, po, 20, 0), nb("0,00~€ (0,00~Sk)"));
    EXPECT_EQ(SumaSDPHText(true, po, 20, -5), nb("-5,00~€ (-150,63~Sk)"));
    nastavDualneZobrazovanie(false);
    EXPECT_EQ(SumaSDPHText(true, po, 20, 100), nb("100,00~€ (120,00~€ s DPH)"));
    EXPECT_FALSE(SumaSDPHText(false, po, 20, 100).contains("s DPH"));
}

// The shipped table of standard rates, by the date of the taxable supply.
TEST(SadzbyDPHTest, ShippedRatesFollowTheLaw)
{
    QFile f(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Data/dph.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    SadzbyDPH s;
    ASSERT_TRUE(s.Nacitaj(f.readAll()));
    const std::pair<double, double> pripady[] = {{den(2009, 6, 1), 19}, {den(2010, 12, 31), 19},
                                                 {den(2011, 1, 1), 20}, {den(2024, 12, 31), 20},
                                                 {den(2025, 1, 1), 23}, {den(2027, 3, 1), 23}};
    for (const auto& [datum, sadzba] : pripady)
        EXPECT_EQ(s.KDatumu(datum), sadzba) << DatumText(datum).toStdString();
    EXPECT_FALSE(s.Nacitaj("od;sadzba\n2011-01-01;dvadsať\n"));
    EXPECT_FALSE(s.Nacitaj("2011-13-01;20\n"));
    EXPECT_EQ(s.obdobia.size(), 3) << "a bad file leaves the table as it was";
    EXPECT_FALSE(SadzbyDPH{}.KDatumu(den(2025, 1, 1)).has_value());
}
