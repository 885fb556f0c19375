#include "common/TestAppDir.h"
#include "migration/PrenosKevrota.h"
#include "store/Subory.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray bajty(int n, char z) { return QByteArray(n, z); }

// A fake earlier installation in its own folder.
class PrenosKevrotaTest : public TestAppDir {
protected:
    void polozStary(const QString& rel, const QByteArray& obsah)
    {
        const QString c = zdroj.filePath(rel);
        QDir().mkpath(QFileInfo(c).absolutePath());
        QFile f(c);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(obsah);
    }
    QTemporaryDir zdroj;
    Prenos prenos{QDateTime(QDate(2026, 12, 10), QTime(8, 0))};
};

TEST_F(PrenosKevrotaTest, YearsFromTwoThousandToNextYearInAnyLetterCase)
{
    for (int rok : {1999, 2010, 2011, 2012, 2015})
        QDir().mkpath(zdroj.filePath(QStringLiteral("ZnalKevrot%1").arg(rok)));
    QDir().mkpath(zdroj.filePath(QStringLiteral("ZNALKEVROT2013")));
    QDir().mkpath(zdroj.filePath(QStringLiteral("ZnalKevrot%1").arg(QDate::currentDate().year() + 2)));
    EXPECT_EQ(RokyZdroja(zdroj.path()), (QStringList{"ZnalKevrot2010", "ZnalKevrot2011", "ZnalKevrot2012",
                                                     "ZNALKEVROT2013", "ZnalKevrot2015"}));
}

TEST_F(PrenosKevrotaTest, AYearCopiesEntriesAndDocumentFoldersAndKeepsWhatItReplaces)
{
    polozStary(QStringLiteral("ZNALKEVROT2011/1-2011.KVD"), "novy1");
    polozStary(QStringLiteral("ZNALKEVROT2011/1-2011/faktura.rtf"), "fa");
    polozStary(QStringLiteral("ZNALKEVROT2011/1-2011/vnorene/x.rtf"), "x");
    polozStary(QStringLiteral("ZNALKEVROT2011/2-2011.kvd"), "rovnaky");
    polozStary(QStringLiteral("ZNALKEVROT2011/poznamky.txt"), "n");
    QDir().mkpath(zdroj.filePath(QStringLiteral("ZNALKEVROT2011/2-2011")));  // empty: not copied
    zapis(QStringLiteral("ZnalKevrot2011/1-2011.kvd"), "stary1");
    zapis(QStringLiteral("ZnalKevrot2011/2-2011.kvd"), "rovnaky");

    PrenesRok(prenos, zdroj.path(), QStringLiteral("ZNALKEVROT2011"));

    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2011/1-2011.kvd")), "novy1");
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2011/1-2011/faktura.rtf")), "fa");
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2011/1-2011/vnorene"))));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2011/2-2011"))));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2011/poznamky.txt"))));
    EXPECT_EQ(obsah(QStringLiteral("Zaloha/prenos-2026-12-10 080000/ZnalKevrot2011/1-2011.kvd")), "stary1");
    EXPECT_EQ(prenos.skopirovane, 2);
    EXPECT_EQ(prenos.nezmenene, 1);
    EXPECT_EQ(prenos.zalohovane, 1);
    EXPECT_TRUE(prenos.Zhrnutie(TextPrenesene).contains(QStringLiteral("(1)")));
}

TEST_F(PrenosKevrotaTest, ACopyThatCannotBeWrittenIsListedAndTheRestGoesOn)
{
    polozStary(QStringLiteral("ZnalKevrot2012/1-2012.kvd"), "a");
    polozStary(QStringLiteral("ZnalKevrot2012/1-2012/dok.rtf"), "d");
    zapis(QStringLiteral("ZnalKevrot2012/1-2012"), "a file where the document folder goes");
    PrenesRok(prenos, zdroj.path(), QStringLiteral("ZnalKevrot2012"));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2012/1-2012.kvd")), "a");
    ASSERT_EQ(prenos.chyby.size(), 1);
    EXPECT_TRUE(prenos.Zhrnutie(TextPrenesene).contains(QStringLiteral("dok.rtf")));
}

TEST_F(PrenosKevrotaTest, SettingsMergeKeepsTheNameAndPaddingAndRefusesAWrongSize)
{
    QByteArray zdrojove = bajty(8692, 'S'), cielove = bajty(8692, 'T');
    polozStary(QStringLiteral("nastavenia.dat"), zdrojove);
    zapis(QStringLiteral("nastavenia.dat"), cielove);
    ASSERT_TRUE(PrenesNastavenia(prenos, zdroj.filePath(QStringLiteral("nastavenia.dat")), QStringLiteral("nastavenia.dat")));
    const QByteArray v = obsah(QStringLiteral("nastavenia.dat"));
    ASSERT_EQ(v.size(), 8692);
    for (int i = 0; i < 8692; ++i) {
        const bool vypln = i == 4223 || (i >= 5453 && i < 5456) || (i >= 5661 && i < 5664) || i == 7890 || i == 7891;
        ASSERT_EQ(v[i], i < 1005 || vypln ? 'T' : 'S') << "byte " << i;
    }
    polozStary(QStringLiteral("nastavenia.dat"), bajty(100, 'S'));
    EXPECT_FALSE(PrenesNastavenia(prenos, zdroj.filePath(QStringLiteral("nastavenia.dat")), QStringLiteral("nastavenia.dat")));
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), v);
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

TEST_F(PrenosKevrotaTest, VersionFiveZeroConvertsItsClientsAndMergesOnlyWhenBothSettingsExist)
{
    QByteArray klienti;
    Subory::pridajInt32(klienti, 2);
    klienti += bajty(2 * 260, '\0');
    polozStary(QStringLiteral("DATA/objednavatelia.dat"), klienti);
    polozStary(QStringLiteral("DATA/odbory.dat"), "odbory");
    polozStary(QStringLiteral("nastavenia.dat"), bajty(8692, 'S'));
    zapis(QStringLiteral("Data/ODBORY.DAT"), "stare");
    PrenesNastaveniaVerzie(prenos, zdroj.path(), StaraVerzia::V50);
    EXPECT_EQ(obsah(QStringLiteral("Data/objednavatelia.dat")).size(), 4 + 2 * 324);
    EXPECT_EQ(obsah(QStringLiteral("Data/ODBORY.DAT")), "odbory");  // the installation's spelling
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("nastavenia.dat"))));
}

TEST_F(PrenosKevrotaTest, TextsOfTheVersionAndOfTheOfficeProduct)
{
    polozStary(QStringLiteral("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"), "h");
    polozStary(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania/a.rtf"), "a");
    polozStary(QStringLiteral("ZnaleckyKevrot texty/Korespondencia/k.rtf"), "k");
    PrenesTexty(prenos, zdroj.path());
    EXPECT_EQ(obsah(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania/a.rtf")), "a");
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnaleckyKevrot texty/Korespondencia"))));

    QTemporaryDir kancelaria;
    auto poloz = [&](const QString& rel, const QByteArray& b) {
        QDir().mkpath(QFileInfo(kancelaria.filePath(rel)).absolutePath());
        QFile f(kancelaria.filePath(rel));
        f.open(QIODevice::WriteOnly);
        f.write(b);
    };
    poloz(QStringLiteral("Data/kevrot_ucel.kvz"), "ucel");
    poloz(QStringLiteral("Data/znalec_kevrot_nastavenie.dat"), "n");
    poloz(QStringLiteral("Morvane 3.0/ZnaleckyKevrot texty/Text vyuctovania - financna ciastka/c.rtf"), "c");
    poloz(QStringLiteral("Morvane 3.0/ZnaleckyKevrot texty/Text vyuctovania - financna ciastka/c.txt"), "t");
    PrenesTextyKancelarie(prenos, kancelaria.path(), false);
    EXPECT_EQ(obsah(QStringLiteral("Data/kevrot_ucel.kvz")), "ucel");
    EXPECT_EQ(obsah(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania - financna ciastka/c.rtf")), "c");
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania - financna ciastka/c.txt"))));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("Data/znalec_kevrot_nastavenie.dat"))));
    PrenesTextyKancelarie(prenos, kancelaria.path(), true);
    EXPECT_EQ(obsah(QStringLiteral("Data/znalec_kevrot_nastavenie.dat")), "n");
}

TEST_F(PrenosKevrotaTest, TheInstallationIsFoundInAWinePrefixWithUpperCaseNames)
{
    QTemporaryDir wine;
    QDir().mkpath(wine.filePath(QStringLiteral("drive_c/PROGRAM FILES (X86)/ZNALECKÝ KEVROT 5.4")));
    QDir().mkpath(wine.filePath(QStringLiteral("drive_c/Program Files/Znalecký kevrot 5.4")));
    QDir().mkpath(wine.filePath(QStringLiteral("drive_c/Program Files/Znalecký kevrot")));
    qputenv("WINEPREFIX", wine.path().toUtf8());
    EXPECT_EQ(PredvolenyZdroj(StaraVerzia::V54), wine.filePath(QStringLiteral("drive_c/PROGRAM FILES (X86)/ZNALECKÝ KEVROT 5.4")));
    EXPECT_EQ(PredvolenyZdroj(StaraVerzia::V50), wine.filePath(QStringLiteral("drive_c/Program Files/Znalecký kevrot")));
    EXPECT_TRUE(PredvolenyZdroj(StaraVerzia::V52).isEmpty());
    EXPECT_TRUE(NajdenaStaraInstalacia());
    qunsetenv("WINEPREFIX");
}

}  // namespace
