#include "editor/KonstantneSymboly.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(KonstantneSymboly, SixtyOneUniqueFourDigitCodesInOrder)
{
    const QStringList& z = KonstantneSymboly::Zoznam();
    ASSERT_EQ(z.size(), 61);
    QSet<QString> kody;
    for (int i = 0; i < z.size(); ++i) {
        const QString kod = KonstantneSymboly::KodPolozky(i);
        EXPECT_EQ(kod.size(), 4);
        bool ok = false;
        kod.toInt(&ok);
        EXPECT_TRUE(ok) << z[i].toStdString();
        EXPECT_EQ(z[i].mid(4, 3), QStringLiteral(" - "));
        EXPECT_GT(z[i].size(), 8);
        kody.insert(kod);
    }
    EXPECT_EQ(kody.size(), 61);
    EXPECT_EQ(KonstantneSymboly::KodPolozky(0), QStringLiteral("1118"));
    EXPECT_EQ(KonstantneSymboly::KodPolozky(60), QStringLiteral("5948"));
    EXPECT_TRUE(KonstantneSymboly::KodPolozky(61).isEmpty());
    EXPECT_TRUE(KonstantneSymboly::KodPolozky(-1).isEmpty());
}

TEST(KonstantneSymboly, KnownTextsExactly)
{
    const QStringList& z = KonstantneSymboly::Zoznam();
    EXPECT_TRUE(z.contains(QStringLiteral("0308 - Platby za služby")));
    EXPECT_TRUE(z.contains(QStringLiteral("0008 - Platby za tovar (okrem platieb pod symbolmi 010x)")));
    EXPECT_EQ(z[0], QStringLiteral("1118 - Administratívne a iné poplatky a platby - vo vzťahu k ŠR  "));
}

TEST(KonstantneSymboly, TypedTextSelectsFirstItemContainingIt)
{
    const int i0308 = KonstantneSymboly::IndexPodlaTextu(QStringLiteral("0308"));
    ASSERT_GE(i0308, 0);
    EXPECT_EQ(KonstantneSymboly::Zoznam()[i0308], QStringLiteral("0308 - Platby za služby"));
    // The first match in list order, also inside a description.
    EXPECT_EQ(KonstantneSymboly::KodPolozky(KonstantneSymboly::IndexPodlaTextu(QStringLiteral("48"))),
              QStringLiteral("1148"));
    EXPECT_EQ(KonstantneSymboly::KodPolozky(KonstantneSymboly::IndexPodlaTextu(QStringLiteral("366/1999"))),
              QStringLiteral("2948"));
    EXPECT_EQ(KonstantneSymboly::IndexPodlaTextu(QString()), -1);
    EXPECT_EQ(KonstantneSymboly::IndexPodlaTextu(QStringLiteral("9999")), -1);
}
