#include "common/PlatnyZaznam.h"
#include "common/TestAppDir.h"
#include "migration/PrenosKevrota.h"
#include "store/Subory.h"
#include "store/ZmenaSuborov.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

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
    const QByteArray novy = platnyZaznam(1, 2011, QStringLiteral("novy")), rovnaky = platnyZaznam(2, 2011, QStringLiteral("r"));
    polozStary(QStringLiteral("ZNALKEVROT2011/1-2011.KVD"), novy);
    polozStary(QStringLiteral("ZNALKEVROT2011/1-2011/faktura.rtf"), "fa");
    polozStary(QStringLiteral("ZNALKEVROT2011/1-2011/vnorene/x.rtf"), "x");
    polozStary(QStringLiteral("ZNALKEVROT2011/2-2011.kvd"), rovnaky);
    polozStary(QStringLiteral("ZNALKEVROT2011/poznamky.txt"), "n");
    QDir().mkpath(zdroj.filePath(QStringLiteral("ZNALKEVROT2011/2-2011")));  // empty: not copied
    zapis(QStringLiteral("ZnalKevrot2011/1-2011.kvd"), "stary1");
    zapis(QStringLiteral("ZnalKevrot2011/2-2011.kvd"), rovnaky);

    PrenesRok(prenos, zdroj.path(), QStringLiteral("ZNALKEVROT2011"), true);
    ASSERT_TRUE(prenos.Dokonci()) << prenos.chyba.toStdString();

    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2011/1-2011.kvd")), novy);
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

TEST_F(PrenosKevrotaTest, AnEntryHereThatDiffersIsKeptUnlessItsYearIsChosenAndBadEntriesNeverReplace)
{
    const QByteArray moj = platnyZaznam(1, 2024, QStringLiteral("moj"));
    zapis(QStringLiteral("ZnalKevrot2024/1-2024.kvd"), moj);
    zapis(QStringLiteral("ZnalKevrot2024/3-2024.kvd"), moj);
    polozStary(QStringLiteral("ZnalKevrot2024/1-2024.kvd"), platnyZaznam(1, 2024, QStringLiteral("stary")));
    polozStary(QStringLiteral("ZnalKevrot2024/1-2024/dok.rtf"), "d");
    polozStary(QStringLiteral("ZnalKevrot2024/3-2024.kvd"), QByteArray());                   // 0 bytes
    polozStary(QStringLiteral("ZnalKevrot2024/4-2024.kvd"), moj.left(moj.size() - 7));       // cut short
    polozStary(QStringLiteral("ZnalKevrot2024/9-2024.KVD"), platnyZaznam(9, 2024, QStringLiteral("A")));
    polozStary(QStringLiteral("ZnalKevrot2024/9-2024.kvd"), platnyZaznam(9, 2024, QStringLiteral("B")));
    EXPECT_EQ(OdlisneZaznamy(zdroj.path(), QStringLiteral("ZnalKevrot2024")), 1);

    PrenesRok(prenos, zdroj.path(), QStringLiteral("ZnalKevrot2024"));
    ASSERT_TRUE(prenos.Dokonci());
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/1-2024.kvd")), moj);
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/1-2024/dok.rtf"))));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/3-2024.kvd")), moj);
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/4-2024.kvd"))));
    EXPECT_EQ(QDir(cesta(QStringLiteral("ZnalKevrot2024"))).entryList({QStringLiteral("9-2024.*")}, QDir::Files),
              QStringList{QStringLiteral("9-2024.kvd")});
    const QString zhrnutie = prenos.Zhrnutie(TextPrenesene);
    for (const char* meno : {"1-2024.kvd", "3-2024.kvd", "4-2024.kvd", "9-2024.kvd"})
        EXPECT_TRUE(zhrnutie.contains(QString::fromLatin1(meno))) << meno << "\n" << zhrnutie.toStdString();

    Prenos nahrad;
    PrenesRok(nahrad, zdroj.path(), QStringLiteral("ZnalKevrot2024"), true);
    ASSERT_TRUE(nahrad.Dokonci());
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/1-2024.kvd")), platnyZaznam(1, 2024, QStringLiteral("stary")));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/3-2024.kvd")), moj);  // a bad file never replaces
}

TEST_F(PrenosKevrotaTest, LinksOutOfTheSourceAreNotFollowedAndWindowsNamesAreDecoded)
{
    QTemporaryDir mimo;
    QFile tajne(mimo.filePath(QStringLiteral("tajne")));
    ASSERT_TRUE(tajne.open(QIODevice::WriteOnly));
    tajne.write(platnyZaznam(5, 2024, QStringLiteral("tajne")));
    tajne.close();
    polozStary(QStringLiteral("ZnalKevrot2024/1-2024.kvd"), platnyZaznam(1, 2024, QStringLiteral("a")));
    ASSERT_TRUE(QFile::link(tajne.fileName(), zdroj.filePath(QStringLiteral("ZnalKevrot2024/5-2024.kvd"))));
    ASSERT_TRUE(QFile::link(mimo.path(), zdroj.filePath(QStringLiteral("ZnalKevrot2024/1-2024"))));
    // "Znalecký posudok.rtf" as Windows wrote it, in cp1250.
    const QByteArray meno = QFile::encodeName(zdroj.filePath(QStringLiteral("ZnalKevrot2024/"))) + "Znaleck\xfd posudok.rtf";
    QFile w(QFile::decodeName(meno));
    const int fd = ::open(meno.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    QDir().mkpath(zdroj.filePath(QStringLiteral("Data")));
    const QByteArray data = QFile::encodeName(zdroj.filePath(QStringLiteral("Data/"))) + "\xda\xe8tovn\xe9.kvz";
    const int fd2 = ::open(data.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::write(fd2, "ucty", 4), 4);
    ::close(fd2);

    PrenesRok(prenos, zdroj.path(), QStringLiteral("ZnalKevrot2024"));
    prenos.kopirujPriecinok(zdroj.filePath(QStringLiteral("Data")), QStringLiteral("Data"));
    ASSERT_TRUE(prenos.Dokonci());
    EXPECT_TRUE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/1-2024.kvd"))));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/5-2024.kvd"))));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/1-2024"))));
    EXPECT_EQ(obsah(QStringLiteral("Data/Účtovné.kvz")), "ucty");
    const QString zhrnutie = prenos.Zhrnutie(TextPrenesene);
    EXPECT_TRUE(zhrnutie.contains(QStringLiteral("5-2024.kvd: odkaz mimo"))) << zhrnutie.toStdString();
    EXPECT_TRUE(zhrnutie.contains(QStringLiteral("1-2024: odkaz mimo"))) << zhrnutie.toStdString();
}

TEST_F(PrenosKevrotaTest, AFailedSwitchPutsEveryFileBackAndAFullDiskIsRefusedFirst)
{
    for (int i = 1; i <= 4; ++i) {
        polozStary(QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(i), platnyZaznam(i, 2024, QStringLiteral("novy")));
        polozStary(QStringLiteral("Data/t%1.kvz").arg(i), "novy");
        zapis(QStringLiteral("Data/t%1.kvz").arg(i), "moj");
    }
    prenos.kopirujPriecinok(zdroj.filePath(QStringLiteral("Data")), QStringLiteral("Data"));
    PrenesRok(prenos, zdroj.path(), QStringLiteral("ZnalKevrot2024"));
    ZmenaSuborov::nastavPoruchu(5);
    EXPECT_FALSE(prenos.Dokonci());
    ZmenaSuborov::nastavPoruchu(std::nullopt);
    EXPECT_TRUE(prenos.Zhrnutie(TextPrenesene).contains(QStringLiteral("bez zmeny")));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(obsah(QStringLiteral("Data/t%1.kvz").arg(i)), "moj");
        EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(i))));
    }
    EXPECT_FALSE(ZmenaSuborov::JePrerusena());
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("Zaloha"))));
}

TEST_F(PrenosKevrotaTest, ACopyThatCannotBeWrittenIsListedAndTheRestGoesOn)
{
    polozStary(QStringLiteral("ZnalKevrot2012/1-2012.kvd"), platnyZaznam(1, 2012, QStringLiteral("a")));
    polozStary(QStringLiteral("ZnalKevrot2012/1-2012/dok.rtf"), "d");
    zapis(QStringLiteral("ZnalKevrot2012/1-2012"), "a file where the document folder goes");
    PrenesRok(prenos, zdroj.path(), QStringLiteral("ZnalKevrot2012"));
    ASSERT_TRUE(prenos.Dokonci());
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2012/1-2012.kvd")), platnyZaznam(1, 2012, QStringLiteral("a")));
    ASSERT_EQ(prenos.chyby.size(), 1);
    EXPECT_TRUE(prenos.Zhrnutie(TextPrenesene).contains(QStringLiteral("dok.rtf")));
}

TEST_F(PrenosKevrotaTest, SettingsMergeKeepsTheNameAndPaddingAndRefusesAWrongSize)
{
    QByteArray zdrojove = bajty(8692, 'S'), cielove = bajty(8692, 'T');
    polozStary(QStringLiteral("nastavenia.dat"), zdrojove);
    zapis(QStringLiteral("nastavenia.dat"), cielove);
    ASSERT_TRUE(PrenesNastavenia(prenos, zdroj.filePath(QStringLiteral("nastavenia.dat")), QStringLiteral("nastavenia.dat")));
    ASSERT_TRUE(prenos.Dokonci());
    const QByteArray v = obsah(QStringLiteral("nastavenia.dat"));
    ASSERT_EQ(v.size(), 8692);
    for (int i = 0; i < 8692; ++i) {
        const bool vypln = i == 4223 || (i >= 5453 && i < 5456) || (i >= 5661 && i < 5664) || i == 7890 || i == 7891;
        ASSERT_EQ(v[i], i < 1005 || vypln ? 'T' : 'S') << "byte " << i;
    }
    polozStary(QStringLiteral("nastavenia.dat"), bajty(100, 'S'));
    EXPECT_FALSE(PrenesNastavenia(prenos, zdroj.filePath(QStringLiteral("nastavenia.dat")), QStringLiteral("nastavenia.dat")));
    ASSERT_TRUE(prenos.Dokonci());
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
    ASSERT_TRUE(prenos.Dokonci());
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
    ASSERT_TRUE(prenos.Dokonci());
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
