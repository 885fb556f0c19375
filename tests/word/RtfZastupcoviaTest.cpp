#include "word/RtfCitac.h"
#include "word/RtfZastupcovia.h"
#include "common/TestAppDir.h"

#include <gtest/gtest.h>

namespace {

QString textPo(const QByteArray& sablona, const QList<Zastupca>& z)
{
    return RtfCitac::citaj(RtfZastupcovia::nahrad(sablona, z)).dokument.text();
}

}  // namespace

TEST(RtfZastupcovia, VsetkyVyskytyPresnePoRiadkoch)
{
    const QByteArray sablona = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}}\r\n"
                               "\\f0 \\'da\\'e8et $CISLO$ a znova $CISLO$, $cislo$ $CIS\r\nLO$\\par\r\n}";
    const auto t = textPo(sablona, {{"$CISLO$", "7/2024"}});
    EXPECT_EQ(t, QString::fromUtf8("Účet 7/2024 a znova 7/2024, $cislo$ $CISLO$\n"));
}

TEST(RtfZastupcovia, PrerusenyFormatovanimOstava)
{
    const QByteArray sablona = "{\\rtf1 Pre $ZADAVATEL_{\\b MENO}$: $ZADAVATEL_MENO$\\par}";
    const auto t = textPo(sablona, {{"$ZADAVATEL_MENO$", "Okresný súd"}});
    EXPECT_EQ(t, QString::fromUtf8("Pre $ZADAVATEL_MENO$: Okresný súd\n"));
}

TEST(RtfZastupcovia, HodnotySaEscapuju)
{
    const QByteArray sablona = "{\\rtf1\\ansi\\ansicpg1250\\uc1 [$PREDMET$]\\par\r\nkoniec\\par}";
    const QString zla = QString::fromUtf8("C:\\cesta {zátvorka} } \\par ñ Žilina");
    const QByteArray vysledok = RtfZastupcovia::nahrad(sablona, {{"$PREDMET$", zla}});
    for (char c : vysledok)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    const auto v = RtfCitac::citaj(vysledok);
    EXPECT_TRUE(v.uplny);
    EXPECT_EQ(v.dokument.text(), "[" + zla + "]\nkoniec\n");
}

TEST(RtfZastupcovia, JedenPoDruhomVPoradi)
{
    // A value that holds a later placeholder is replaced again; an earlier one is not.
    const auto t = textPo("{\\rtf1 $A$ $B$\\par}", {{"$A$", "$B$"}, {"$B$", "b"}});
    EXPECT_EQ(t, QStringLiteral("b b\n"));
    const auto u = textPo("{\\rtf1 $A$ $B$\\par}", {{"$B$", "$A$"}, {"$A$", "a"}});
    EXPECT_EQ(u, QStringLiteral("a a\n"));
}

TEST(RtfZastupcovia, RiadkyKonciaZalomenim)
{
    EXPECT_EQ(RtfZastupcovia::nahrad("a\nb\r\nc\n", {}), QByteArray("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(RtfZastupcovia::nahrad("a", {}), QByteArray("a\r\n"));
}

class RtfZastupcoviaSubor : public TestAppDir {};

TEST_F(RtfZastupcoviaSubor, ChybajucaSablonaNicNezapise)
{
    zapis("Tmp_doc/ciel.rtf", "stare");
    EXPECT_FALSE(RtfZastupcovia::nahradVSubore(cesta("nie.rtf"), cesta("Tmp_doc/ciel.rtf"), {}));
    EXPECT_EQ(obsah("Tmp_doc/ciel.rtf"), QByteArray("stare"));
    zapis("s.rtf", "{\\rtf1 $X$\\par}");
    EXPECT_TRUE(RtfZastupcovia::nahradVSubore(cesta("s.rtf"), cesta("Tmp_doc/ciel.rtf"), {{"$X$", "y"}}));
    EXPECT_EQ(obsah("Tmp_doc/ciel.rtf"), QByteArray("{\\rtf1 y\\par}\r\n"));
    EXPECT_TRUE(RtfZastupcovia::obsahuje(cesta("s.rtf"), "$X$"));
    EXPECT_FALSE(RtfZastupcovia::obsahuje(cesta("s.rtf"), "$Y$"));
}
