// A restore or transfer killed at any moment leaves, after the next run, the data all old or
// all new, and the user is told; a full disk changes nothing and says so.
#include "common/PlatnyZaznam.h"
#include "common/TestAppDir.h"
#include "migration/PrenosKevrota.h"
#include "migration/Zaloha.h"
#include "store/Cesty.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

namespace {
using Snimka = QMap<QString, QByteArray>;

// The data set below `koren`: everything but the backups, the lock and working folders.
Snimka snimka(const QString& koren)
{
    Snimka s;
    QDirIterator it(koren, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(koren).relativeFilePath(it.next());
        if (rel.startsWith(QLatin1String("Zaloha/")) || rel.startsWith(QLatin1String(".ZnaleckyKevrot.lock")))
            continue;
        QFile f(it.filePath());
        if (f.open(QIODevice::ReadOnly))
            s.insert(rel, f.readAll());
    }
    return s;
}

void poloz(const QString& koren, const QString& rel, const QByteArray& b)
{
    QDir().mkpath(QFileInfo(koren + u'/' + rel).absolutePath());
    QFile f(koren + u'/' + rel);
    f.open(QIODevice::WriteOnly);
    f.write(b);
}

// A data set: `n` entries of 2024 with a document each, data files and settings.
void naplnUdaje(const QString& koren, const QString& verzia, int n)
{
    for (int i = 1; i <= n; ++i) {
        poloz(koren, QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(i), platnyZaznam(i, 2024, verzia));
        poloz(koren, QStringLiteral("ZnalKevrot2024/%1-2024/vyuctovanie.rtf").arg(i), (verzia + QString::number(i)).toUtf8().repeated(200));
    }
    poloz(koren, QStringLiteral("Data/odbory.dat"), verzia.toUtf8().repeated(50));
    poloz(koren, QStringLiteral("nastavenia.dat"), verzia.toUtf8().repeated(100));
}

void kopiruj(const QString& z, const QString& kam)
{
    QDir(kam).removeRecursively();
    QDirIterator it(z, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        QFile f(it.filePath());
        f.open(QIODevice::ReadOnly);
        poloz(kam, QDir(z).relativeFilePath(it.filePath()), f.readAll());
    }
    QDir().mkpath(kam);
}

QJsonObject cli(const QStringList& a)
{
    QProcess p;
    p.start(QStringLiteral(KEVROT_CLI_EXE), a);
    p.waitForFinished(60000);
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

class PadPriObnove : public TestAppDir {
protected:
    // Kills `prikaz` on copies of `stary` at random moments; after the next run of the
    // command line the data must be `stary` or `novy` whole, and a cut-short change told.
    void zabijaj(const QString& stary, const QStringList& prikaz, int pokusov)
    {
        const QString ciel = m_adresar.filePath(QStringLiteral("ciel"));
        const QStringList argumenty = QStringList{QStringLiteral("--appdir"), ciel} + prikaz;
        kopiruj(stary, ciel);
        const Snimka a = snimka(ciel);
        QElapsedTimer t;
        t.start();
        cli(argumenty);
        const qint64 trvanie = std::max<qint64>(t.elapsed(), 20);
        const Snimka b = snimka(ciel);
        ASSERT_NE(a, b);
        const quint32 semienko = QRandomGenerator::global()->generate();
        QRandomGenerator nahoda(semienko);
        int prerusenych = 0, dokoncenych = 0;
        for (int i = 0; i < pokusov; ++i) {
            kopiruj(stary, ciel);
            QProcess p;
            p.start(QStringLiteral(KEVROT_CLI_EXE), argumenty);
            ASSERT_TRUE(p.waitForStarted());
            // Half the kills at any moment, half inside the switch: once its journal is there.
            if (i % 2) {
                QThread::usleep(nahoda.bounded(quint32(trvanie * 1000)));
            } else {
                // The journal names the first file moved; once it left the staging folder the
                // files are being renamed into place.
                const QString zurnal = ciel + QStringLiteral("/.kevrot-zmena/zurnal");
                QElapsedTimer cakanie;
                cakanie.start();
                QString prvy;
                while (prvy.isEmpty() && cakanie.elapsed() < 2 * trvanie + 1000) {
                    QFile f(zurnal);
                    if (f.open(QIODevice::ReadOnly))
                        for (const QByteArray& r : f.readAll().split('\n'))
                            if (r.startsWith("N\t") && prvy.isEmpty())
                                prvy = QString::fromUtf8(QByteArray::fromPercentEncoding(r.mid(2)));
                    QThread::usleep(50);
                }
                const QString staged = ciel + QStringLiteral("/.kevrot-zmena/novy/") + prvy;
                while (QFileInfo::exists(staged) && cakanie.elapsed() < 2 * trvanie + 1000)
                    QThread::usleep(20);
                QThread::usleep(nahoda.bounded(500u));
            }
            p.kill();
            p.waitForFinished();
            const bool rozpracovana = QFileInfo::exists(ciel + QStringLiteral("/.kevrot-zmena"));
            const QJsonObject j = cli({QStringLiteral("--appdir"), ciel, QStringLiteral("journal"), QStringLiteral("2024")});
            const QString spravy = j.value(QStringLiteral("messages")).toVariant().toStringList().join(u'\n');
            const Snimka teraz = snimka(ciel);
            EXPECT_TRUE(teraz == a || teraz == b) << "seed " << semienko << ", kill " << i << ": a mix of old and new";
            EXPECT_FALSE(teraz == b && spravy.contains(QStringLiteral("bez zmeny")))
                << "seed " << semienko << ", kill " << i << ": told unchanged after the change was made";
            if (rozpracovana) {
                ++prerusenych;
                dokoncenych += spravy.contains(QStringLiteral("dokončená"));
                EXPECT_TRUE(spravy.contains(QStringLiteral("prerušen"))) << "seed " << semienko << ": " << spravy.toStdString();
            }
            EXPECT_FALSE(QFileInfo::exists(ciel + QStringLiteral("/.kevrot-zmena")));
        }
        std::printf("%d kills, %d inside the change, %d of them in the switch (seed %u)\n", pokusov, prerusenych,
                    dokoncenych, semienko);
    }
};

TEST_F(PadPriObnove, ARestoreKilledAnywhereIsAllOldOrAllNewAfterTheNextRun)
{
    const QString a = m_adresar.filePath(QStringLiteral("a")), b = m_adresar.filePath(QStringLiteral("b"));
    naplnUdaje(a, QStringLiteral("stary"), 60);
    naplnUdaje(b, QStringLiteral("novy"), 50);
    const QString zaloha = m_adresar.filePath(QStringLiteral("b.zip"));
    ASSERT_EQ(cli({QStringLiteral("--appdir"), b, QStringLiteral("backup"), zaloha}).value(QStringLiteral("zaloha")).toString(), zaloha);
    zabijaj(a, {QStringLiteral("restore"), zaloha}, 10);
}

TEST_F(PadPriObnove, ATransferKilledAnywhereIsAllOldOrAllNewAfterTheNextRun)
{
    const QString a = m_adresar.filePath(QStringLiteral("a")), zdroj = m_adresar.filePath(QStringLiteral("zdroj"));
    naplnUdaje(a, QStringLiteral("tu"), 40);
    naplnUdaje(zdroj, QStringLiteral("stara instalacia"), 60);
    zabijaj(a, {QStringLiteral("transfer"), QStringLiteral("5.4"), zdroj, QStringLiteral("--replace"), QStringLiteral("2024")}, 10);
}

TEST_F(PadPriObnove, AFullDiskChangesNothingInRestoreTransferAndImportAndSaysSo)
{
    const QString koren = m_adresar.filePath(QStringLiteral("tmpfs"));
    ASSERT_TRUE(QDir().mkpath(koren));
    if (::mount("tmpfs", QFile::encodeName(koren).constData(), "tmpfs", 0, "size=1536k") != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here: " << std::strerror(errno);
    struct Odpoj {
        QByteArray cesta;
        ~Odpoj() { ::umount2(cesta.constData(), MNT_DETACH); }
    } odpoj{QFile::encodeName(koren)};

    const QString b = m_adresar.filePath(QStringLiteral("b")), zdroj = m_adresar.filePath(QStringLiteral("zdroj"));
    naplnUdaje(koren, QStringLiteral("stary"), 60);
    naplnUdaje(b, QStringLiteral("novy"), 90);
    naplnUdaje(zdroj, QStringLiteral("stara instalacia"), 90);
    poloz(zdroj, QStringLiteral("Data/kevrot_ucel.kvz"), QByteArray(300 * 1024, 'u'));
    Cesty::nastavAppDir(b);
    const QString zaloha = m_adresar.filePath(QStringLiteral("b.zip"));
    ASSERT_TRUE(Zaloha::Zapis(zaloha));
    Cesty::nastavAppDir(koren);
    // Fill the disk but for a little room.
    QFile vypln(koren + QStringLiteral("/Tmp_doc/vypln"));
    QDir().mkpath(koren + QStringLiteral("/Tmp_doc"));
    ASSERT_TRUE(vypln.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray kus(4096, 'v');
    while (vypln.write(kus) == kus.size()) {
    }
    vypln.close();
    vypln.resize(vypln.size() - 96 * 1024);
    const Snimka pred = snimka(koren);

    EXPECT_FALSE(ohlas(Zaloha::Obnov(zaloha)));
    Prenos prenos;
    PrenesKevrot(prenos, zdroj, StaraVerzia::V54, {{QStringLiteral("ZnalKevrot2024")}, {QStringLiteral("ZnalKevrot2024")}, true, true});
    EXPECT_FALSE(prenos.chyba.isEmpty());
    Prenos import;
    PrenesTextyKancelarie(import, zdroj, true);
    EXPECT_FALSE(import.chyba.isEmpty());
    EXPECT_EQ(snimka(koren), pred);
    const QString spravy = m_spravy.texty().join(u'\n') + prenos.chyba + import.chyba;
    EXPECT_EQ(spravy.count(QStringLiteral("nie je dosť miesta")), 3) << spravy.toStdString();
    EXPECT_FALSE(QFileInfo::exists(koren + QStringLiteral("/.kevrot-zmena")));
}

}  // namespace
