#include "common/TestAppDir.h"

#include "settings/Banky.h"

#include <QDir>

TEST(BankyTest, BuiltInListIsTheCurrentOne)
{
    const QStringList& b = VstavaneBanky();
    EXPECT_EQ(b.first(), QStringLiteral("0200 Všeobecná úverová banka, a.s."));
    EXPECT_TRUE(b.contains(QStringLiteral("0900 Slovenská sporiteľňa, a.s.")));
    for (const char* zaniknuta : {"1200", "4900", "8080", "9951"})
        EXPECT_EQ(PolozkaSKodom(b, QString::fromLatin1(zaniknuta)), -1) << zaniknuta;
    for (const auto& polozka : b) {
        EXPECT_EQ(polozka.at(4), u' ') << polozka.toStdString();
        EXPECT_EQ(OverBanku(KodPolozkyBanky(polozka), NazovPolozkyBanky(polozka)), QString());
    }
    EXPECT_EQ(BicBanky(QStringLiteral("1100")), QStringLiteral("TATRSKBX"));
    EXPECT_EQ(BicBanky(QStringLiteral("9999")), QString());
}

TEST(BankyTest, AnOutdatedShippedListBecomesTheCurrentOneKeepingTheUsersBanks)
{
    const QStringList stary = {QStringLiteral("0200 Všeobecná úverová banka, a.s."), QStringLiteral("1200 UniBanka, a.s. "),
                               QStringLiteral("4900 ISTROBANKA, a.s."), QStringLiteral("9999 Moja banka"),
                               QStringLiteral("0900 Moja sporiteľňa")};
    const auto novy = AktualizovanyZoznamBank(stary);
    ASSERT_TRUE(novy);
    EXPECT_EQ(novy->mid(0, VstavaneBanky().size()), VstavaneBanky());
    // the user's own bank stays; one under a code of the current list gives way to it
    EXPECT_EQ(novy->mid(VstavaneBanky().size()), QStringList{QStringLiteral("9999 Moja banka")});
    // a list without lines of the old one is the user's: left alone
    EXPECT_FALSE(AktualizovanyZoznamBank(*novy));
    EXPECT_FALSE(AktualizovanyZoznamBank({QStringLiteral("0200 Všeobecná úverová banka, a.s.")}));
}

TEST(BankyTest, EditorChecks)
{
    EXPECT_EQ(OverBanku(QStringLiteral("020"), QStringLiteral("Banka")),
              QStringLiteral("Nesprávne vyplnený kód banky."));
    EXPECT_EQ(OverBanku(QStringLiteral("02000"), QStringLiteral("Banka")),
              QStringLiteral("Nesprávne vyplnený kód banky."));
    EXPECT_EQ(OverBanku(QStringLiteral("AB-Z"), QString()), QStringLiteral("Nesprávne vyplnený názov banky."));
    EXPECT_EQ(OverBanku(QStringLiteral("AB-Z"), QStringLiteral("Moja")), QString());
    EXPECT_EQ(PolozkaBanky(QStringLiteral("1234"), QStringLiteral("Moja banka")), QStringLiteral("1234 Moja banka"));
    EXPECT_EQ(NazovPolozkyBanky(QStringLiteral("1234")), QString());

    const QStringList zoznam = {QStringLiteral("0200 A"), QStringLiteral("1100 B 0900"), QStringLiteral("0900 C")};
    EXPECT_EQ(PolozkaSKodom(zoznam, QStringLiteral("0900")), 1);  // anywhere in the text
    EXPECT_EQ(PolozkaSKodom(zoznam, QStringLiteral("7777")), -1);
    EXPECT_EQ(PolozkaSKodom(zoznam, QString()), -1);
}

TEST(BankyTest, LinesOfATextFile)
{
    EXPECT_EQ(RiadkyTextu(QByteArray("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(RiadkyTextu(QByteArray("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_TRUE(RiadkyTextu(QByteArray()).isEmpty());
    EXPECT_EQ(RiadkyTextu(QByteArray("\x8a\x74\xe1tna")), QStringList({QStringLiteral("Štátna")}));
    EXPECT_EQ(TextZRiadkov({QStringLiteral("Štátna"), QString()}), QByteArray("\x8a\x74\xe1tna\r\n\r\n"));
    // A line break inside an item cannot split it into two lines of the file.
    EXPECT_EQ(TextZRiadkov({QStringLiteral("a\r\nb")}), QByteArray("a  b\r\n"));
}

class BankySuborTest : public TestAppDir {};

TEST_F(BankySuborTest, WithoutTheFileTheBuiltInListIsOfferedButNoNameIsFound)
{
    EXPECT_EQ(NacitajBanky(), VstavaneBanky());
    EXPECT_EQ(NazovBanky(QStringLiteral("0200")), QString());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(BankySuborTest, SavedListIsReadBackAndTheLastMatchingLineNamesTheBank)
{
    QStringList banky = VstavaneBanky();
    banky.append(QStringLiteral("0200 Iná banka"));
    banky.append(QStringLiteral("02001Zlepené"));
    ASSERT_TRUE(UlozBanky(banky));
    const QByteArray b = obsah(QStringLiteral("Data/banky.kvz"));
    EXPECT_TRUE(b.startsWith("0200 V\x9a" "eobecn\xe1 \xfaverov\xe1 banka, a.s.\r\n"));
    EXPECT_TRUE(b.endsWith("\r\n"));
    EXPECT_EQ(b.count("\r\n"), VstavaneBanky().size() + 2);

    EXPECT_EQ(NacitajBanky(), banky);
    EXPECT_EQ(NazovBanky(QStringLiteral("0200")), QStringLiteral("Zlepené"));
    EXPECT_EQ(NazovBanky(QStringLiteral("7930")), QStringLiteral("Wüstenrot stavebná sporiteľňa, a.s."));
    EXPECT_EQ(NazovBanky(QStringLiteral("0000")), QString());
}

TEST_F(BankySuborTest, AnOutdatedFileIsBroughtUpToDateOnceAtStart)
{
    ASSERT_TRUE(UlozBanky({QStringLiteral("1200 UniBanka, a.s. "), QStringLiteral("9999 Moja banka")}));
    EXPECT_EQ(NacitajBanky()->size(), 2);  // reading alone changes nothing
    EXPECT_TRUE(AktualizujSuborBank());
    EXPECT_FALSE(AktualizujSuborBank());  // once
    const auto banky = NacitajBanky();
    ASSERT_TRUE(banky);
    EXPECT_EQ(banky->size(), VstavaneBanky().size() + 1);
    EXPECT_EQ(RiadkyTextu(obsah(QStringLiteral("Data/banky.kvz"))), *banky);
    EXPECT_EQ(NazovBanky(QStringLiteral("9999")), QStringLiteral("Moja banka"));
}

TEST_F(BankySuborTest, AnUnreadableFileGivesNoList)
{
    ASSERT_TRUE(QDir(cesta(QStringLiteral("Data"))).mkdir(QStringLiteral("banky.kvz")));  // a directory
    EXPECT_FALSE(NacitajBanky().has_value());
    EXPECT_EQ(m_spravy.texty(), QStringList({textProblemSoSuborom(SuborBank())}));
    EXPECT_EQ(NazovBanky(QStringLiteral("0200")), QString());
}
