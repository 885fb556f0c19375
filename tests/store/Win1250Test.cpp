#include "store/Win1250.h"

#include <gtest/gtest.h>

TEST(Win1250, SlovakLettersRoundTrip)
{
    const QString text = QStringLiteral("Žltučký kôň úpel ďábelské ódy: ÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ áäčďéíĺľňóôŕšťúýž €");
    const QByteArray b = Win1250::koduj(text);
    EXPECT_EQ(b.size(), text.size());
    EXPECT_EQ(Win1250::dekoduj(b), text);
    EXPECT_EQ(quint8(Win1250::koduj(QStringLiteral("Š")).at(0)), 0x8A);
    EXPECT_EQ(quint8(Win1250::koduj(QStringLiteral("ľ")).at(0)), 0xBE);
    EXPECT_EQ(quint8(Win1250::koduj(QStringLiteral("€")).at(0)), 0x80);
}

TEST(Win1250, EveryByteSurvivesReadAndWrite)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    EXPECT_EQ(Win1250::koduj(Win1250::dekoduj(all)), all);
}

TEST(Win1250, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(Win1250::koduj(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    // A character beyond the basic plane is one '?', not two.
    EXPECT_EQ(Win1250::koduj(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
    EXPECT_FALSE(Win1250::daSaZakodovat(QStringLiteral("ж")));
    EXPECT_TRUE(Win1250::daSaZakodovat(QStringLiteral("Ťažký")));
}
