#include "cli/KevrotCli.h"

#include "common/PlatnyZaznam.h"
#include "common/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class PrenosCliTest : public TestAppDir {
protected:
    void poloz(const QString& rel, const QByteArray& b)
    {
        QDir().mkpath(QFileInfo(zdroj.filePath(rel)).absolutePath());
        QFile f(zdroj.filePath(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    QJsonObject spusti(const QStringList& a, int* kod = nullptr)
    {
        const VysledokCli v = SpustiKevrotCli(a, m_adresar.path());
        if (kod)
            *kod = v.kod;
        return QJsonDocument::fromJson(v.vystup).object();
    }
    QTemporaryDir zdroj;
};

TEST_F(PrenosCliTest, TransferTakesTheChosenYearsAndSaysWhatItKept)
{
    const QByteArray b = platnyZaznam(1, 2012, QStringLiteral("b")), moje = platnyZaznam(1, 2012, QStringLiteral("moje"));
    poloz(QStringLiteral("ZnalKevrot2011/1-2011.kvd"), platnyZaznam(1, 2011, QStringLiteral("a")));
    poloz(QStringLiteral("ZnalKevrot2012/1-2012.kvd"), b);
    poloz(QStringLiteral("ZnalKevrot2012/2-2012.kvd"), "poskodeny");
    poloz(QStringLiteral("Data/odbory.dat"), "o");
    zapis(QStringLiteral("ZnalKevrot2012/1-2012.kvd"), moje);
    QJsonObject j = spusti({"transfer", "5.4", zdroj.path(), "--years", "2012", "--no-texts"});
    EXPECT_EQ(j[QStringLiteral("roky")].toArray(), QJsonArray{"ZnalKevrot2012"});
    EXPECT_EQ(j[QStringLiteral("skopirovane")].toInt(), 1);
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2012/1-2012.kvd")), moje);  // kept unless chosen
    const QStringList chyby = j[QStringLiteral("chyby")].toVariant().toStringList();
    ASSERT_EQ(chyby.size(), 2) << chyby.join('\n').toStdString();
    EXPECT_TRUE(chyby.join('\n').contains(QStringLiteral("1-2012.kvd")));
    EXPECT_TRUE(chyby.join('\n').contains(QStringLiteral("2-2012.kvd")));
    j = spusti({"transfer", "5.4", zdroj.path(), "--years", "2012", "--replace", "2012", "--no-texts"});
    EXPECT_EQ(j[QStringLiteral("skopirovane")].toInt(), 1);
    EXPECT_EQ(j[QStringLiteral("zalohovane")].toInt(), 1);
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2012/1-2012.kvd")), b);
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2011"))));
    int kod = 0;
    for (const QStringList& a : {QStringList{"transfer", "6.0", zdroj.path()}, QStringList{"transfer", "5.4"},
                                 QStringList{"import-texts"}, QStringList{"import-texts", zdroj.path(), "--years", "1"},
                                 QStringList{"transfer", "5.4", zdroj.filePath("nie")}}) {
        spusti(a, &kod);
        EXPECT_EQ(kod, 2) << a.join(' ').toStdString();
    }
}

TEST_F(PrenosCliTest, ImportTextsCopiesTheLists)
{
    poloz(QStringLiteral("Data/kevrot_ucel.kvz"), "u");
    const QJsonObject j = spusti({"import-texts", zdroj.path(), "--no-settings"});
    EXPECT_EQ(j[QStringLiteral("skopirovane")].toInt(), 1);
    EXPECT_EQ(obsah(QStringLiteral("Data/kevrot_ucel.kvz")), "u");
}

}  // namespace

namespace {

TEST_F(PrenosCliTest, BackupAndRestoreFromTheCommandLine)
{
    zapis(QStringLiteral("Data/odbory.dat"), "odbory");
    const QString subor = zdroj.filePath(QStringLiteral("z.zip"));
    EXPECT_EQ(spusti({"backup", subor})[QStringLiteral("zaloha")].toString(), subor);
    const QString vZalohach = spusti({"backup"})[QStringLiteral("zaloha")].toString();
    EXPECT_TRUE(vZalohach.startsWith(cesta(QStringLiteral("Zaloha/kevrot-"))));
    zapis(QStringLiteral("Data/odbory.dat"), "ine");
    EXPECT_TRUE(spusti({"restore", subor})[QStringLiteral("obnovene")].toBool());
    EXPECT_EQ(obsah(QStringLiteral("Data/odbory.dat")), "odbory");
    int kod = 0;
    spusti({"restore"}, &kod);
    EXPECT_EQ(kod, 2);
}

TEST_F(PrenosCliTest, OutputInsideTheDataGoesOnlyToWorkingAndDocumentFoldersAndNeverOverData)
{
    zapis(QStringLiteral("nastavenia.dat"), "nastavenia");
    zapis(QStringLiteral("ZnalKevrot2025/1-2025.kvd"), platnyZaznam(1, 2025, QStringLiteral("a")));
    zapis(QStringLiteral("ZnalKevrot2025/3-2025.kvd"), platnyZaznam(3, 2025, QStringLiteral("c")));
    QDir().mkpath(cesta(QStringLiteral("Tmp_doc")));
    QDir().mkpath(cesta(QStringLiteral("ZnalKevrot2025/1-2025")));
    int kod = 0;
    for (const QStringList& a : {QStringList{"backup", cesta("nastavenia.dat")},
                                 QStringList{"xlsx", "register", "2025", cesta("ZnalKevrot2025/1-2025.kvd")},
                                 QStringList{"document", "billing", "2025", "1", cesta("ZnalKevrot2025/3-2025.kvd")},
                                 QStringList{"extract", "2025", "1", cesta("Data/vypis.rtf")},
                                 QStringList{"journal-pdf", "2025", cesta("ZnalKevrot2025/z.pdf")}}) {
        spusti(a, &kod);
        EXPECT_EQ(kod, 2) << a.join(' ').toStdString();
    }
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), "nastavenia");
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2025/1-2025.kvd")), platnyZaznam(1, 2025, QStringLiteral("a")));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2025/3-2025.kvd")), platnyZaznam(3, 2025, QStringLiteral("c")));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("Data/vypis.rtf"))));
    spusti({"xlsx", "register", "2025", cesta("Tmp_doc/r.xlsx")}, &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_TRUE(QFileInfo::exists(cesta(QStringLiteral("Tmp_doc/r.xlsx"))));
    QDir().mkpath(cesta(QStringLiteral("Zaloha")));
    spusti({"backup", cesta("Zaloha/moja.zip")}, &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_TRUE(QFileInfo::exists(cesta(QStringLiteral("Zaloha/moja.zip"))));
    // Nothing of the write's temporary names is left behind.
    EXPECT_TRUE(QDir(cesta(QStringLiteral("Tmp_doc"))).entryList(QDir::Hidden | QDir::Files).filter("tmp").isEmpty());
}

TEST_F(PrenosCliTest, AnOldBackupIsRestoredOnlyWithItsOption)
{
    zapis(QStringLiteral("nastavenia.dat"), "teraz");
    const QString stara = zdroj.filePath(QStringLiteral("stara.zip"));
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"), QStringLiteral("import zipfile,sys\nz=zipfile.ZipFile(sys.argv[1],'w')\n"
                                                  "z.writestr('nastavenia.dat','stare')\nz.close()"), stara});
    ASSERT_TRUE(p.waitForFinished());
    QJsonObject j = spusti({"restore", stara});
    EXPECT_FALSE(j[QStringLiteral("obnovene")].toBool());
    EXPECT_TRUE(j[QStringLiteral("messages")].toArray().at(0).toString().contains(QStringLiteral("manifest")));
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), "teraz");
    j = spusti({"restore", stara, "--without-manifest"});
    EXPECT_TRUE(j[QStringLiteral("obnovene")].toBool());
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), "stare");
}

}  // namespace
