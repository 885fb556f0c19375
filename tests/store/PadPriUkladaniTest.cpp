// A process killed at any moment of its saves leaves every file whole: old or new.
#include "store/Cesty.h"
#include "store/Subory.h"
#include "store/Zurnal.h"

#include "common/TestAppDir.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>
#include <cstring>

#include <sys/mount.h>

namespace {
using Snimka = QMap<QString, QByteArray>;

Snimka snimka(const QString& koren)
{
    Snimka s;
    QDirIterator it(koren, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        if (f.open(QIODevice::ReadOnly))
            s.insert(QDir(koren).relativeFilePath(p), f.readAll());
    }
    return s;
}

// Runs one round of saves; the files it says it saved (true) or not (false).
QMap<QString, bool> spustRaz(const QString& koren, const char* verzia)
{
    QProcess p;
    p.start(QStringLiteral(KEVROT_ULOZOVAC), {koren, QString::fromLatin1(verzia)});
    QMap<QString, bool> vysledok;
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return vysledok;
    for (const QByteArray& r : p.readAllStandardOutput().split('\n'))
        if (r.size() > 2)
            vysledok.insert(QDir(koren).relativeFilePath(QString::fromLocal8Bit(r.mid(2))), r[0] == '1');
    return vysledok;
}
}  // namespace

using PadPriUkladani = TestAppDir;

TEST_F(PadPriUkladani, EveryFileIsTheOldOrTheNewVersionAfterAKill)
{
    const QString koren = m_adresar.path();
    ASSERT_EQ(spustRaz(koren, "a").size(), 5);
    const Snimka a = snimka(koren);
    ASSERT_EQ(spustRaz(koren, "b").size(), 5);
    const Snimka b = snimka(koren);
    ASSERT_EQ(a.keys(), b.keys());
    ASSERT_GE(a.size(), 5);

    int zabitych = 0, docasnych = 0;
    QElapsedTimer hodiny;
    hodiny.start();
    auto* nahoda = QRandomGenerator::global();
    while (zabitych < 300 && hodiny.elapsed() < 20000) {
        QProcess p;
        p.start(QStringLiteral(KEVROT_ULOZOVAC), {koren, QStringLiteral("striedaj")});
        ASSERT_TRUE(p.waitForReadyRead(10000));
        QThread::usleep(nahoda->bounded(20000));
        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished();
        ++zabitych;

        const Snimka teraz = snimka(koren);
        for (auto it = teraz.cbegin(); it != teraz.cend(); ++it) {
            if (!a.contains(it.key())) {
                ++docasnych;  // a temporary file of the interrupted save, known by its name
                ASSERT_TRUE(Subory::jeZvysokUkladania(QFileInfo(it.key()).fileName())) << it.key().toStdString();
                continue;
            }
            ASSERT_TRUE(it.value() == a[it.key()] || it.value() == b[it.key()])
                << "torn after " << zabitych << " kills: " << it.key().toStdString();
        }
        for (const auto& k : a.keys())
            ASSERT_TRUE(teraz.contains(k)) << k.toStdString();

        Zurnal z;
        z.NacitajRok(2026);
        ASSERT_EQ(z.ZaznamyKevrota.size(), 3) << "a temporary file was read as an entry";
        Subory::zmazZvyskyUkladania(koren);
        ASSERT_EQ(snimka(koren).keys(), a.keys());
    }
    EXPECT_GE(zabitych, 100);
    EXPECT_TRUE(m_spravy.spravy.isEmpty()) << m_spravy.texty().join('|').toStdString();
    std::printf("%d kills, %d leftover temporary files, 0 torn files\n", zabitych, docasnych);
}

TEST_F(PadPriUkladani, AFullDiskKeepsTheOldFilesAndReportsEveryFailure)
{
    const QString koren = m_adresar.filePath(QStringLiteral("tmpfs"));
    ASSERT_TRUE(QDir().mkpath(koren));
    if (::mount("tmpfs", QFile::encodeName(koren).constData(), "tmpfs", 0, "size=384k") != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here: " << std::strerror(errno);
    struct Odpoj {
        QByteArray cesta;
        ~Odpoj() { ::umount2(cesta.constData(), MNT_DETACH); }
    } odpoj{QFile::encodeName(koren)};

    ASSERT_EQ(spustRaz(koren, "a").size(), 5);
    const Snimka a = snimka(koren);
    // Fill the disk but for a little room, so some saves fit and others do not.
    QFile vypln(koren + QStringLiteral("/vypln"));
    ASSERT_TRUE(vypln.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray kus(4096, 'v');
    while (vypln.write(kus) == kus.size()) {
    }
    vypln.close();
    vypln.resize(vypln.size() - 48 * 1024);

    const auto vysledok = spustRaz(koren, "b");
    ASSERT_EQ(vysledok.size(), 5);
    const QString inde = m_adresar.filePath(QStringLiteral("b"));
    ASSERT_TRUE(QDir().mkpath(inde + QStringLiteral("/Data")));
    ASSERT_EQ(spustRaz(inde, "b").size(), 5);
    const Snimka b = snimka(inde);
    const Snimka teraz = snimka(koren);
    int zlyhanych = 0;
    for (auto it = vysledok.cbegin(); it != vysledok.cend(); ++it) {
        const QString& k = it.key();
        ASSERT_TRUE(a.contains(k) && b.contains(k) && teraz.contains(k)) << k.toStdString();
        EXPECT_EQ(teraz[k], it.value() ? b[k] : a[k]) << k.toStdString() << (it.value() ? " saved" : " failed");
        zlyhanych += !it.value();
    }
    EXPECT_GT(zlyhanych, 0) << "the disk was not full";
    EXPECT_LT(zlyhanych, 5) << "nothing fitted";
}
