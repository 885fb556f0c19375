#include "common/TestAppDir.h"
#include "migration/Zaloha.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

class ZalohaTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        QDir().mkpath(cesta(QStringLiteral("ZnalKevrot2024/1-2024")));
        QDir().mkpath(cesta(QStringLiteral("Tmp_doc")));
        zapis(QStringLiteral("ZnalKevrot2024/1-2024.kvd"), QByteArray(5000, 'k'));
        zapis(QStringLiteral("ZnalKevrot2024/1-2024/Faktúra.rtf"), "{\\rtf1 faktúra}");
        zapis(QStringLiteral("Data/odbory.dat"), QByteArray("\x01\x00\x00\x00odbor", 9));
        zapis(QStringLiteral("nastavenia.dat"), QByteArray(8692, 's'));
        zapis(QStringLiteral("Tmp_doc/pracovny.rtf"), "tmp");
        zapis(QStringLiteral("ZnaleckyKevrot"), "program");
        QFile(cesta(QStringLiteral("ZnaleckyKevrot"))).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QDateTime den(int d, int h = 8) { return QDateTime(QDate(2026, 12, d), QTime(h, 0)); }
};

TEST_F(ZalohaTest, ARestoreGivesBackTheDataByteForByteAfterBackingUpTheCurrentState)
{
    EXPECT_EQ(Zaloha::SuboryNaZalohu(), (QStringList{"Data/odbory.dat", "ZnalKevrot2024/1-2024.kvd",
                                                     "ZnalKevrot2024/1-2024/Faktúra.rtf", "nastavenia.dat"}));
    const auto archiv = Zaloha::Vytvor(den(1));
    ASSERT_TRUE(archiv) << m_spravy.texty().join('\n').toStdString();
    const QByteArray kvd = obsah(QStringLiteral("ZnalKevrot2024/1-2024.kvd"));
    zapis(QStringLiteral("ZnalKevrot2024/1-2024.kvd"), "zmenene");
    zapis(QStringLiteral("ZnalKevrot2024/2-2024.kvd"), "nove");
    QFile::remove(cesta(QStringLiteral("Data/odbory.dat")));

    ASSERT_TRUE(Zaloha::Obnov(*archiv)) << m_spravy.texty().join('\n').toStdString();
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/1-2024.kvd")), kvd);
    EXPECT_EQ(obsah(QStringLiteral("Data/odbory.dat")), QByteArray("\x01\x00\x00\x00odbor", 9));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/2-2024.kvd"))));
    EXPECT_EQ(obsah(QStringLiteral("Tmp_doc/pracovny.rtf")), "tmp");
    // The state before the restore is the newest backup.
    ASSERT_EQ(Zaloha::Zoznam().size(), 2);
    EXPECT_NE(Zaloha::Zoznam().first().cesta, *archiv);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(ZalohaTest, OnlyTheNewestAreKeptAndAFailedBackupLeavesThemAlone)
{
    ASSERT_TRUE(Zaloha::UlozNastavenie({}, 3));
    for (int d = 1; d <= 5; ++d)
        ASSERT_TRUE(Zaloha::Vytvor(den(d)));
    QList<QDateTime> casy;
    for (const auto& z : Zaloha::Zoznam())
        casy << z.cas;
    EXPECT_EQ(casy, (QList<QDateTime>{den(5), den(4), den(3)}));

    const QString ina = cesta(QStringLiteral("ine"));
    zapis(QStringLiteral("ine"), "a file where the backup folder would be");
    ASSERT_TRUE(Zaloha::UlozNastavenie(ina, 3));
    EXPECT_FALSE(Zaloha::Vytvor(den(6)));
    EXPECT_EQ(m_spravy.spravy.size(), 1);
    ASSERT_TRUE(Zaloha::UlozNastavenie({}, 3));
    EXPECT_EQ(Zaloha::Zoznam().size(), 3);
}

TEST_F(ZalohaTest, ABackupIsDueOnceADayAfterAChange)
{
    const QDateTime teraz = QDateTime::currentDateTime();
    EXPECT_TRUE(Zaloha::JePotrebna(teraz));
    ASSERT_TRUE(Zaloha::Vytvor(teraz));
    EXPECT_FALSE(Zaloha::JePotrebna(teraz));
    EXPECT_FALSE(Zaloha::JePotrebna(teraz.addDays(1)));  // nothing changed
    QFile f(cesta(QStringLiteral("ZnalKevrot2024/1-2024.kvd")));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_FALSE(Zaloha::JePotrebna(teraz));
    EXPECT_TRUE(Zaloha::JePotrebna(teraz.addDays(1)));
}

TEST_F(ZalohaTest, AnArchiveWithAPathOutsideTheDataIsRefusedWhole)
{
    const QString zly = cesta(QStringLiteral("zly.zip"));
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"), QStringLiteral("import zipfile,sys\nz=zipfile.ZipFile(sys.argv[1],'w')\n"
                                                  "z.writestr('nastavenia.dat','x')\nz.writestr('../mimo.txt','y')\nz.close()"),
             zly});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_FALSE(Zaloha::Obnov(zly));
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), QByteArray(8692, 's'));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(m_adresar.path()).dir().filePath(QStringLiteral("mimo.txt"))));
    EXPECT_TRUE(Zaloha::Zoznam().isEmpty());
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

}  // namespace
