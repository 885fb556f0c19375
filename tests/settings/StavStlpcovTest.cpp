// The saved column layout text of the registers.

#include "settings/NastaveniaZaznamy.h"
#include "settings/StavStlpcov.h"

#include <gtest/gtest.h>

TEST(StavStlpcov, EncodesStateAndWidthOfEveryColumn)
{
    EXPECT_EQ(ZakodujStavStlpcov({{0, 64}, {1, 120}, {0, 80}}), QStringLiteral("(0)64|(1)120|(0)80|"));
    EXPECT_EQ(ZakodujStavStlpcov({}), QString());
}

TEST(StavStlpcov, DecodesWhatWasEncoded)
{
    const QList<StavStlpca> stlpce = {{0, 58}, {2, 112}, {1, 82}, {0, 0}};
    const auto d = DekodujStavStlpcov(ZakodujStavStlpcov(stlpce), 4);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(*d, stlpce);
}

TEST(StavStlpcov, WrongNumberOfPiecesAppliesNothing)
{
    const QString t = QStringLiteral("(0)64|(1)120|(0)80|");
    EXPECT_FALSE(DekodujStavStlpcov(t, 2).has_value());
    EXPECT_FALSE(DekodujStavStlpcov(t, 4).has_value());
    EXPECT_FALSE(DekodujStavStlpcov(QString(), 3).has_value());
    EXPECT_TRUE(DekodujStavStlpcov(QString(), 0).has_value());
}

TEST(StavStlpcov, TextAfterTheLastBarIsIgnoredAndAPieceWithoutMarkerIsUnsorted)
{
    const auto d = DekodujStavStlpcov(QStringLiteral("(2)10|33|(7)zvysok"), 2);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(*d, (QList<StavStlpca>{{2, 10}, {0, 33}}));
    // The marker may stand anywhere in the piece; the first known one found counts.
    const auto e = DekodujStavStlpcov(QStringLiteral("5(1)0|"), 1);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->at(0), (StavStlpca{1, 50}));
}

TEST(StavStlpcov, DamagedWidthsAreNotApplied)
{
    for (const char* t : {"(0)6x|(0)1|", "(0)-5|(0)1|", "(0)|(0)1|", "(0)99999999999|(0)1|", "(1)(2)5|(0)1|"})
        EXPECT_FALSE(DekodujStavStlpcov(QString::fromLatin1(t), 2).has_value()) << t;
}

TEST(StavStlpcov, ATextCutByTheRecordNoLongerFitsTheGrid)
{
    QList<StavStlpca> siroke;
    for (int i = 0; i < 30; ++i)
        siroke.append({0, 1000 + i});
    TNastavenieManazer m;
    m.StlpceKevrota = ZakodujStavStlpcov(siroke);  // 200 characters and more
    ASSERT_GT(m.StlpceKevrota.size(), 200);
    const auto ulozeny = TNastavenieManazer::zObrazu(m.obrazNaZapis());
    EXPECT_EQ(ulozeny.StlpceKevrota.size(), 200);
    EXPECT_FALSE(DekodujStavStlpcov(ulozeny.StlpceKevrota, 30).has_value());
}
