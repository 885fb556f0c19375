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
