#include "store/Datum.h"

#include <gtest/gtest.h>

TEST(Datum, ShortFormHasNoLeadingZeros)
{
    EXPECT_EQ(DatumText(QDateNaDatum(QDate(2024, 3, 5))), QStringLiteral("5.3.2024"));
    EXPECT_EQ(DatumText(0), QStringLiteral("30.12.1899"));
    EXPECT_EQ(QDateNaDatum(QDate(2011, 1, 1)), 40544.0);
    // The time of day does not move the date.
    EXPECT_EQ(DatumText(40544.75), QStringLiteral("1.1.2011"));
}

TEST(Datum, TextToDate)
{
    EXPECT_EQ(TextNaDatum(QStringLiteral("1.1.2024")), QDateNaDatum(QDate(2024, 1, 1)));
    EXPECT_EQ(TextNaDatum(QStringLiteral("31.2.2024")), 0);
    EXPECT_EQ(TextNaDatum(QStringLiteral("abc")), 0);
    EXPECT_EQ(TextNaDatum(QString()), 0);
    EXPECT_EQ(TextNaDatum(QStringLiteral("5.3")), 0);
    // The year is taken as written.
    EXPECT_EQ(TextNaDatum(QStringLiteral("5.3.24")), QDateNaDatum(QDate(24, 3, 5)));
    EXPECT_EQ(DatumZTextov("29", "2", "2024"), QDateNaDatum(QDate(2024, 2, 29)));
    EXPECT_EQ(DatumZTextov("29", "2", "2023"), 0);
    EXPECT_EQ(DatumZTextov("x", "2", "2023"), 0);
    EXPECT_EQ(DatumTextZoZloziek("01", "2", "2023"), QStringLiteral("01.2.2023"));
}
