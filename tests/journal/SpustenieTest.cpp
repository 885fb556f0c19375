// Program start: the lock against a second copy, the command line, the legal documents.

#include "journal/PravneDokumenty.h"
#include "journal/PrikazovyRiadok.h"
#include "journal/ZamokAplikacie.h"

#include "common/TestAppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

using SpustenieTest = TestAppDir;

TEST_F(SpustenieTest, SecondCopyOnTheSameDirectoryIsRefusedUntilTheFirstEnds)
{
    auto prvy = std::make_unique<ZamokAplikacie>(m_adresar.path());
    ASSERT_TRUE(prvy->ziskaj());
    EXPECT_TRUE(QFile::exists(prvy->subor()));

    ZamokAplikacie druhy(m_adresar.path());
    EXPECT_FALSE(druhy.ziskaj());
    EXPECT_FALSE(druhy.jeZiskany());

    prvy.reset();
    EXPECT_TRUE(druhy.ziskaj());
}

TEST_F(SpustenieTest, AnotherDirectoryIsNotBlocked)
{
    QTemporaryDir iny;
    ZamokAplikacie prvy(m_adresar.path());
    ZamokAplikacie druhy(iny.path());
    EXPECT_TRUE(prvy.ziskaj());
    EXPECT_TRUE(druhy.ziskaj());
}

TEST_F(SpustenieTest, LockOfACrashedCopyDoesNotBlockTheNextStart)
{
    // A process that has ended leaves its id in the lock file.
    QProcess p;
    p.start(QStringLiteral("true"));
    ASSERT_TRUE(p.waitForFinished());
    const qint64 mrtvy = p.processId() > 0 ? p.processId() : 999999;

    const QString subor = QDir(m_adresar.path()).filePath(QString::fromLatin1(ZamokAplikacie::NazovSuboru));
    QFile f(subor);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::number(mrtvy) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
            QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();

    ZamokAplikacie z(m_adresar.path());
    EXPECT_TRUE(z.ziskaj());
}

TEST_F(SpustenieTest, TheMessageNamesTheDirectory)
{
    EXPECT_TRUE(ZamokAplikacie::textInaKopiaBezi(QStringLiteral("/home/x/kevrot")).contains(QStringLiteral("/home/x/kevrot")));
}

TEST(PrikazovyRiadok, OnlyTheSingleExactArgumentOpensTheOrders)
{
    EXPECT_TRUE(OtvoritNaObjednavkach({QStringLiteral("-obj")}));
    EXPECT_FALSE(OtvoritNaObjednavkach({}));
    EXPECT_FALSE(OtvoritNaObjednavkach({QStringLiteral("-OBJ")}));
    EXPECT_FALSE(OtvoritNaObjednavkach({QStringLiteral("-obj"), QStringLiteral("x")}));
    EXPECT_FALSE(OtvoritNaObjednavkach({QStringLiteral("obj")}));
}

TEST_F(SpustenieTest, DocumentsAreSixteenAndOpenOnlyWhenTheirFileExists)
{
    const auto& d = PravneDokumenty();
    ASSERT_EQ(d.size(), 16);
    EXPECT_EQ(d.first().subor, QStringLiteral("382_2004.pdf"));
    EXPECT_EQ(d.last().subor, QStringLiteral("instrukcie_7_2009.pdf"));
    EXPECT_TRUE(d.last().text.startsWith(QStringLiteral("Inštrukcia 7/2009")));

    EXPECT_FALSE(OtvorDokument(d[1]));
    EXPECT_TRUE(m_spravy.otvoreneSubory.isEmpty());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());

    zapis(QStringLiteral("Data/490_2004.pdf"), "%PDF-1.4");
    EXPECT_TRUE(OtvorDokument(d[1]));
    ASSERT_EQ(m_spravy.otvoreneSubory.size(), 1);
    EXPECT_EQ(m_spravy.otvoreneSubory.first(), cesta(QStringLiteral("Data/490_2004.pdf")));
}
