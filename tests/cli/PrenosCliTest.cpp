#include "cli/KevrotCli.h"

#include "common/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    poloz(QStringLiteral("ZnalKevrot2011/1-2011.kvd"), "a");
    poloz(QStringLiteral("ZnalKevrot2012/1-2012.kvd"), "b");
    poloz(QStringLiteral("Data/odbory.dat"), "o");
    zapis(QStringLiteral("ZnalKevrot2012/1-2012.kvd"), "moje");
    const QJsonObject j = spusti({"transfer", "5.4", zdroj.path(), "--years", "2012", "--no-texts"});
    EXPECT_EQ(j[QStringLiteral("roky")].toArray(), QJsonArray{"ZnalKevrot2012"});
    EXPECT_EQ(j[QStringLiteral("skopirovane")].toInt(), 2);
    EXPECT_EQ(j[QStringLiteral("zalohovane")].toInt(), 1);
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2012/1-2012.kvd")), "b");
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

}  // namespace
