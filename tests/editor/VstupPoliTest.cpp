#include "common/TestAppDir.h"

#include "widgets/KalendarVolba.h"
#include "editor/Splatnost.h"
#include "editor/VstupPoli.h"
#include "store/Datum.h"

using VstupPoliTest = TestAppDir;

TEST_F(VstupPoliTest, NumbersTakeCommaOrPointAndRefuseTheRest)
{
    EXPECT_DOUBLE_EQ(*VstupPoli::Cislo(QStringLiteral("12,5")), 12.5);
    EXPECT_DOUBLE_EQ(*VstupPoli::Cislo(QStringLiteral("12.5")), 12.5);
    EXPECT_DOUBLE_EQ(*VstupPoli::Cislo(QStringLiteral(" 20.00")), 20.0);
    EXPECT_FALSE(VstupPoli::Cislo(QStringLiteral("12,5 €")));
    EXPECT_FALSE(VstupPoli::Cislo(QStringLiteral("abc")));
    EXPECT_FALSE(VstupPoli::Cislo(QStringLiteral("1.2.3")));
    EXPECT_FALSE(VstupPoli::Cislo(QStringLiteral("inf")));
    // Shown in the Slovak form, and read back as shown.
    for (const auto& [hodnota, text] : {std::pair{20.0, "20,00"}, {1.5, "1,50"}, {1234.5, "1234,50"},
                                        {0.0, "0,00"}, {-3.256, "-3,26"}}) {
        EXPECT_EQ(VstupPoli::CisloDoPola(hodnota), QString::fromUtf8(text));
        EXPECT_NEAR(*VstupPoli::Cislo(VstupPoli::CisloDoPola(hodnota)), hodnota, 0.005) << text;
    }
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(VstupPoliTest, TermRules)
{
    EXPECT_EQ(VstupPoli::Splatnost(QString()), 0);
    EXPECT_EQ(VstupPoli::Splatnost(QStringLiteral("14")), 14);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    EXPECT_FALSE(VstupPoli::Splatnost(QStringLiteral("0")));
    EXPECT_FALSE(VstupPoli::Splatnost(QStringLiteral("-3")));
    EXPECT_FALSE(VstupPoli::Splatnost(QStringLiteral("dva")));
    EXPECT_FALSE(VstupPoli::Splatnost(QStringLiteral("1.5")));
    EXPECT_EQ(m_spravy.texty(),
              (QStringList{QStringLiteral("Hodnota musí byť väčšia ako 0"), QStringLiteral("Hodnota musí byť väčšia ako 0"),
                           QStringLiteral("Neplatná hodnota"), QStringLiteral("Neplatná hodnota")}));
    EXPECT_EQ(m_spravy.spravy[0].druh, Spravy::Druh::Upozornenie);
}

TEST_F(VstupPoliTest, VatRateRules)
{
    EXPECT_DOUBLE_EQ(*VstupPoli::SadzbaDPH(QString()), 0.0);
    EXPECT_DOUBLE_EQ(*VstupPoli::SadzbaDPH(QStringLiteral("23,0")), 23.0);
    EXPECT_DOUBLE_EQ(*VstupPoli::SadzbaDPH(QStringLiteral("0")), 0.0);
    EXPECT_FALSE(VstupPoli::SadzbaDPH(QStringLiteral("-1")));
    EXPECT_FALSE(VstupPoli::SadzbaDPH(QStringLiteral("x")));
    EXPECT_EQ(m_spravy.texty(), (QStringList{QStringLiteral("Hodnota DPH musí byť kladná."),
                                             QStringLiteral("Neplatná hodnota")}));
}

TEST_F(VstupPoliTest, AmountAndDateRules)
{
    EXPECT_DOUBLE_EQ(*VstupPoli::Suma(QString()), 0.0);
    EXPECT_DOUBLE_EQ(*VstupPoli::Suma(QStringLiteral("-5")), -5.0);
    EXPECT_FALSE(VstupPoli::Suma(QStringLiteral("5 eur")));
    EXPECT_DOUBLE_EQ(*VstupPoli::Datum(QString()), 0.0);
    EXPECT_DOUBLE_EQ(*VstupPoli::Datum(QStringLiteral("1.1.2024")), QDateNaDatum(QDate(2024, 1, 1)));
    EXPECT_FALSE(VstupPoli::Datum(QStringLiteral("31.2.2024")));
    ASSERT_EQ(m_spravy.spravy.size(), 2);
    EXPECT_EQ(m_spravy.spravy[0].text, QStringLiteral("Neplatná hodnota"));
    EXPECT_EQ(m_spravy.spravy[1].druh, Spravy::Druh::Chyba);
    EXPECT_EQ(m_spravy.spravy[1].text, QStringLiteral("Neplatná hodnota."));
}

TEST(KalendarVolba, PartIsCombinedWithTheCalendarsOtherParts)
{
    const QDate jan31(2023, 1, 31);
    // No 31 April: the calendar stays.
    EXPECT_FALSE(PouziCastDatumu(jan31, CastDatumu::Mesiac, QStringLiteral("4")));
    EXPECT_EQ(PouziCastDatumu(jan31, CastDatumu::Mesiac, QStringLiteral("3")), QDate(2023, 3, 31));
    const QDate feb(2023, 2, 10);
    EXPECT_FALSE(PouziCastDatumu(feb, CastDatumu::Den, QStringLiteral("29")));
    EXPECT_EQ(PouziCastDatumu(QDate(2024, 2, 10), CastDatumu::Den, QStringLiteral("29")), QDate(2024, 2, 29));
    EXPECT_FALSE(PouziCastDatumu(feb, CastDatumu::Rok, QStringLiteral("abc")));
    EXPECT_FALSE(PouziCastDatumu(feb, CastDatumu::Rok, QStringLiteral("0")));
    EXPECT_EQ(PouziCastDatumu(feb, CastDatumu::Rok, QStringLiteral("1999")), QDate(1999, 2, 10));
}

TEST(Splatnost, DueDateIsPerformancePlusTermButNeedsAPerformanceDate)
{
    const double d = QDateNaDatum(QDate(2024, 3, 5));
    EXPECT_EQ(DatumNaQDate(DatumSplatnosti(d, 14)), QDate(2024, 3, 19));
    EXPECT_EQ(DatumSplatnosti(d, 0), d);
    EXPECT_EQ(DatumSplatnosti(0, 14), 0);
}
