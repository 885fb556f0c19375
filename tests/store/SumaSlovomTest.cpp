// The amount in Slovak words.

#include "store/SumaSlovom.h"

#include "PenazneTexty.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SumaSlovom, SmallNumbersAndTeens)
{
    EXPECT_EQ(SumaSlovom("0"), "0");
    EXPECT_EQ(SumaSlovom("1"), "jeden eur");
    EXPECT_EQ(SumaSlovom("2"), "dva eur");
    EXPECT_EQ(SumaSlovom("10"), "desať eur");
    EXPECT_EQ(SumaSlovom("12"), "dvanásť eur");
    EXPECT_EQ(SumaSlovom("14"), "štrnásť eur");
    EXPECT_EQ(SumaSlovom("19"), "devätnásť eur");
    EXPECT_EQ(SumaSlovom("21"), "dvadsaťjeden eur");
    EXPECT_EQ(SumaSlovom("40"), "štyridsať eur");
    EXPECT_EQ(SumaSlovom("58"), "päťdesiatosem eur");
    EXPECT_EQ(SumaSlovom("99"), "deväťdesiatdeväť eur");
}

TEST(SumaSlovom, HundredsAndThousands)
{
    EXPECT_EQ(SumaSlovom("100"), "sto eur");
    EXPECT_EQ(SumaSlovom("200"), "dvesto eur");
    EXPECT_EQ(SumaSlovom("315"), "tristopätnásť eur");
    EXPECT_EQ(SumaSlovom("1001"), "jedentisícjeden eur");
    EXPECT_EQ(SumaSlovom("2000"), "dvetisíc eur");
    EXPECT_EQ(SumaSlovom("22000"), "dvadsaťdvatisíc eur");
    EXPECT_EQ(SumaSlovom("1234"), "jedentisícdvestotridsaťštyri eur");
    EXPECT_EQ(SumaSlovom("999999"), "deväťstodeväťdesiatdeväťtisícdeväťstodeväťdesiatdeväť eur");
    EXPECT_EQ(SumaSlovom("110000"), "stodesaťtisíc eur");
}

TEST(SumaSlovom, MillionsTakeTheirFormOnlyForOneToFour)
{
    EXPECT_EQ(SumaSlovom("1000000"), "jedenmilión eur");
    EXPECT_EQ(SumaSlovom("2000000"), "dvamilióny eur");
    EXPECT_EQ(SumaSlovom("3000000"), "trimilióny eur");
    EXPECT_EQ(SumaSlovom("5000000"), "päťmiliónov eur");
    EXPECT_EQ(SumaSlovom("12000000"), "dvanásťmiliónov eur");
    EXPECT_EQ(SumaSlovom("21000000"), "dvadsaťjedenmiliónov eur");
    EXPECT_EQ(SumaSlovom("1500000"), "jedenmiliónpäťstotisíc eur");
    EXPECT_EQ(SumaSlovom("2002002"), "dvamiliónydvetisícdva eur");
    EXPECT_EQ(SumaSlovom("100000001"), "stomiliónovjeden eur");
    EXPECT_EQ(SumaSlovom("999999999").left(30), "deväťstodeväťdesiatdeväťmilión");
}

TEST(SumaSlovom, BadInputIsNotSpelled)
{
    EXPECT_EQ(SumaSlovom(""), "");
    EXPECT_EQ(SumaSlovom("-5"), "");
    EXPECT_EQ(SumaSlovom("12a"), "");
    EXPECT_EQ(SumaSlovom("1 000"), "");
    EXPECT_EQ(SumaSlovom("١٢"), "");  // digits of another script
    EXPECT_EQ(SumaSlovom("007"), "sedem eur");
    EXPECT_EQ(SumaSlovom("000"), "0");
    EXPECT_EQ(SumaSlovom("1234567890"), "1234567890 eur");
}

TEST(SumaSlovom, EuroAndCentsInSlovak)
{
    const std::pair<Centy, const char*> pripady[] = {
        {92679, "deväťstodvadsaťšesť eur sedemdesiatdeväť centov"},
        {49, "štyridsaťdeväť centov"},
        {100, "jedno euro"},
        {200, "dve eurá"},
        {402, "štyri eurá dva centy"},
        {500, "päť eur"},
        {101, "jedno euro jeden cent"},
        {2105, "dvadsaťjeden eur päť centov"},
        {3, "tri centy"},
        {0, "nula eur"},
        {-12000, "mínus stodvadsať eur"},
    };
    for (const auto& [centy, slova] : pripady)
        EXPECT_EQ(SumaSlovomCenty(centy), QString::fromUtf8(slova)) << centy;
}
