#include "common/TestAppDir.h"
#include "migration/Zaloha.h"
#include "store/Cesty.h"
#include "store/ZmenaSuborov.h"

#include <QDirIterator>
#include <QMap>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

    // A zip made by Python: entries (name, bytes) as given, names as raw bytes.
    QString zip(const QString& meno, const QList<std::pair<QByteArray, QByteArray>>& polozky)
    {
        const QString c = m_mimo.filePath(meno);
        QString skript = QStringLiteral("import zipfile,sys\nz=zipfile.ZipFile(sys.argv[1],'w')\n");
        // A name that is not UTF-8 goes in as a placeholder of its length, replaced in the bytes.
        QString nahrady;
        for (const auto& [n, b] : polozky) {
            const bool utf8 = QString::fromUtf8(n).toUtf8() == n;
            const QString meno = utf8 ? QStringLiteral("bytes.fromhex('%1').decode()").arg(QString::fromLatin1(n.toHex()))
                                      : QStringLiteral("'%1'").arg(QString(n.size(), u'Q'));
            if (!utf8)
                nahrady += QStringLiteral("d=d.replace(b'%1',bytes.fromhex('%2'))\n").arg(QString(n.size(), u'Q'), QString::fromLatin1(n.toHex()));
            skript += QStringLiteral("z.writestr(zipfile.ZipInfo(%1),bytes.fromhex('%2'))\n").arg(meno, QString::fromLatin1(b.toHex()));
        }
        skript += QStringLiteral("z.close()\nd=open(sys.argv[1],'rb').read()\n") + nahrady + QStringLiteral("open(sys.argv[1],'wb').write(d)");
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), skript, c});
        EXPECT_TRUE(p.waitForFinished());
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return c;
    }
    // Every file below the data directory but the backups, with its bytes.
    QMap<QString, QByteArray> stav() const
    {
        QMap<QString, QByteArray> m;
        QDirIterator it(m_adresar.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(m_adresar.path()).relativeFilePath(it.next());
            if (!rel.startsWith(QLatin1String("Zaloha/")))
                m.insert(rel, obsah(rel));
        }
        return m;
    }
    QTemporaryDir m_mimo;
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

    ASSERT_TRUE(ohlas(Zaloha::Obnov(archiv.hodnota()))) << m_spravy.texty().join('\n').toStdString();
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/1-2024.kvd")), kvd);
    EXPECT_EQ(obsah(QStringLiteral("Data/odbory.dat")), QByteArray("\x01\x00\x00\x00odbor", 9));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/2-2024.kvd"))));
    EXPECT_EQ(obsah(QStringLiteral("Tmp_doc/pracovny.rtf")), "tmp");
    // The state before the restore is the newest backup.
    ASSERT_EQ(Zaloha::Zoznam().size(), 2);
    EXPECT_NE(Zaloha::Zoznam().first().cesta, archiv.hodnota());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(ZalohaTest, ABackupReadInBatchesRestoresEveryFileByteForByte)
{
    for (int i = 0; i < 150; ++i)
        zapis(QStringLiteral("ZnalKevrot2024/1-2024/d%1.rtf").arg(i), QByteArray::number(i).repeated(i + 1));
    const auto pred = stav();
    const auto archiv = Zaloha::Vytvor(den(1));
    ASSERT_TRUE(archiv);
    for (int i = 0; i < 150; i += 7)
        zapis(QStringLiteral("ZnalKevrot2024/1-2024/d%1.rtf").arg(i), "zmenene");
    ASSERT_TRUE(ohlas(Zaloha::Obnov(archiv.hodnota())));
    EXPECT_EQ(stav(), pred);
}

TEST_F(ZalohaTest, ARestoreThatFailsHalfWayPutsEveryFileBack)
{
    const auto archiv = Zaloha::Vytvor(den(1));
    ASSERT_TRUE(archiv);
    zapis(QStringLiteral("ZnalKevrot2024/1-2024.kvd"), "zmenene");
    zapis(QStringLiteral("nastavenia.dat"), "zmenene");
    zapis(QStringLiteral("ZnalKevrot2024/2-2024.kvd"), "nove");
    const auto pred = stav();
    ZmenaSuborov::nastavPoruchu(3);
    const Vysledok v = Zaloha::Obnov(archiv.hodnota());
    ZmenaSuborov::nastavPoruchu(std::nullopt);
    EXPECT_FALSE(v);
    EXPECT_EQ(stav(), pred);
    EXPECT_FALSE(ZmenaSuborov::JePrerusena());
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
    EXPECT_FALSE(ohlas(Zaloha::Vytvor(den(6)).vysledok()));
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
    EXPECT_FALSE(ohlas(Zaloha::Obnov(zly)));
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), QByteArray(8692, 's'));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(m_adresar.path()).dir().filePath(QStringLiteral("mimo.txt"))));
    EXPECT_TRUE(Zaloha::Zoznam().isEmpty());
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

TEST_F(ZalohaTest, HostileAndForeignArchivesAreRefusedWholeNamingTheEntry)
{
    const auto pred = stav();
    const QByteArray so("\x7f" "ELF", 4);
    const QByteArray dlhe = QByteArray("ZnalKevrot2024/1-2024/") + QByteArray(300, 'a') + ".rtf";
    struct Pripad {
        const char* popis;
        QList<std::pair<QByteArray, QByteArray>> polozky;
        QByteArray meno;  // what the message must name
    };
    const QList<Pripad> pripady = {
        {"plug-in config", {{"nastavenia.dat", "x"}, {"qt.conf", "[Paths]\nPlugins=ZnalKevrot2025/1-2025"},
                            {"ZnalKevrot2025/1-2025/platforms/libqxcb.so", so}}, "qt.conf"},
        {"library in a document folder", {{"nastavenia.dat", "x"}, {"ZnalKevrot2025/1-2025/libx.so", so}}, "libx.so"},
        {"the program", {{"nastavenia.dat", "x"}, {"ZnaleckyKevrot", so}}, "ZnaleckyKevrot"},
        {"the command line program", {{"nastavenia.dat", "x"}, {"kevrot-cli", so}}, "kevrot-cli"},
        {"backup settings", {{"nastavenia.dat", "x"}, {"Data/zaloha.ini", "[General]\nadresar=/etc"}}, "zaloha.ini"},
        {"empty", {}, ""},
        {"another program's", {{"README.txt", "hello"}, {"src/main.c", "int main;"}}, "README.txt"},
        {"duplicate", {{"nastavenia.dat", "x"}, {"nastavenia.dat", "y"}}, "nastavenia.dat"},
        {"file where a folder is", {{"ZnaleckyKevrot texty/a", "x"}, {"ZnaleckyKevrot texty/a/b.rtf", "y"}}, "texty/a"},
        {"undecodable name", {{"nastavenia.dat", "x"}, {"Data/\xff\xfe.kvz", "x"}}, "%FF%FE"},
        {"too long a name", {{"nastavenia.dat", "x"}, {dlhe, "x"}}, "aaaa"},
    };
    for (const Pripad& p : pripady) {
        m_spravy.spravy.clear();
        const QString archiv = zip(QStringLiteral("zly.zip"), p.polozky);
        EXPECT_FALSE(ohlas(Zaloha::Obnov(archiv, true))) << p.popis;
        EXPECT_FALSE(Zaloha::Prehlad(archiv).citatelna) << p.popis;
        ASSERT_EQ(m_spravy.spravy.size(), 1) << p.popis;
        EXPECT_TRUE(m_spravy.texty().first().contains(QString::fromUtf8(p.meno))) << p.popis << ": " << m_spravy.texty().first().toStdString();
        EXPECT_EQ(stav(), pred) << p.popis;
        EXPECT_TRUE(Zaloha::Zoznam().isEmpty()) << p.popis;
    }
}

TEST_F(ZalohaTest, ACorruptedBackupIsRefusedAndAnOldOneOnlyAfterConfirmation)
{
    const auto archiv = Zaloha::Vytvor(den(1));
    ASSERT_TRUE(archiv);
    QFile povodny(archiv.hodnota());
    ASSERT_TRUE(povodny.open(QIODevice::ReadOnly));
    const QByteArray dobre = povodny.readAll();
    const auto zalohovany = stav();
    zapis(QStringLiteral("nastavenia.dat"), "zmenene");
    const auto teraz = stav();
    // Single-bit flips all over the archive: each restores all or nothing.
    int obnovenych = 0;
    for (int i = 0; i < 24; ++i) {
        QByteArray zle = dobre;
        const qsizetype kde = (qsizetype(i) * 7919) % zle.size();
        zle[kde] = char(zle[kde] ^ (1 << (i % 8)));
        QFile f(m_mimo.filePath(QStringLiteral("flip.zip")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(zle);
        f.close();
        if (Zaloha::Obnov(f.fileName())) {
            ++obnovenych;
            EXPECT_EQ(stav(), zalohovany) << "flip at " << kde;
            zapis(QStringLiteral("nastavenia.dat"), "zmenene");
        }
        EXPECT_EQ(stav(), teraz) << "flip at " << kde;
    }
    EXPECT_LT(obnovenych, 24);
    // A stored entry changed in one byte, its size and the manifest kept: only the checksum tells.
    const QString zmenena = m_mimo.filePath(QStringLiteral("zmenena.zip"));
    QProcess py;
    py.start(QStringLiteral("/usr/bin/python3"),
             {QStringLiteral("-c"), QStringLiteral("import zipfile,sys\nz=zipfile.ZipFile(sys.argv[1])\n"
                                                   "o=zipfile.ZipFile(sys.argv[2],'w')\nfor i in z.infolist():\n"
                                                   " b=z.read(i.filename)\n if i.filename=='nastavenia.dat': b=b'S'+b[1:]\n"
                                                   " o.writestr(i.filename,b,zipfile.ZIP_STORED)\no.close()"),
              archiv.hodnota(), zmenena});
    ASSERT_TRUE(py.waitForFinished());
    ASSERT_EQ(py.exitCode(), 0) << py.readAllStandardError().toStdString();
    EXPECT_FALSE(ohlas(Zaloha::Obnov(zmenena)));
    EXPECT_EQ(stav(), teraz);

    // A backup of an earlier build: no manifest, shipped layouts beside the data.
    const QString stara = zip(QStringLiteral("stara.zip"), {{"nastavenia.dat", "stare"},
                                                             {"ZnalKevrot2023/1-2023.kvd", "k"},
                                                             {"ZnalKevrot2023/2-2023.kvd", "k"},
                                                             {"Zostavy/vypis.dot", "layout"}});
    const PrehladZalohy p = Zaloha::Prehlad(stara);
    ASSERT_TRUE(p.citatelna) << p.chyba.toStdString();
    EXPECT_FALSE(p.manifest);
    EXPECT_EQ(p.zaznamyRokov.value(2023), 2);
    EXPECT_TRUE(p.Popis().contains(QStringLiteral("2023 (záznamov: 2)"))) << p.Popis().toStdString();
    m_spravy.spravy.clear();
    EXPECT_FALSE(ohlas(Zaloha::Obnov(stara)));
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), "zmenene");
    EXPECT_TRUE(m_spravy.texty().join(u'\n').contains(QStringLiteral("manifest")));
    ASSERT_TRUE(Zaloha::Obnov(stara, true));
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), "stare");
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("Zostavy/vypis.dot"))));
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/1-2024.kvd"))));
}

TEST_F(ZalohaTest, ABackupHoldsWhatTheProgramReadsAndNoWorkingFoldersOrLeftovers)
{
    QTemporaryDir inde;
    QDir().mkpath(inde.filePath(QStringLiteral("rok")));
    QFile k(inde.filePath(QStringLiteral("rok/1-2023.kvd")));
    ASSERT_TRUE(k.open(QIODevice::WriteOnly));
    k.write("odkazany");
    k.close();
    ASSERT_TRUE(QFile::link(inde.filePath(QStringLiteral("rok")), cesta(QStringLiteral("ZnalKevrot2023"))));
    zapis(QStringLiteral("ZnalKevrot2024/1-2024/posudok.tmpl.rtf"), "p");
    zapis(QStringLiteral("ZnalKevrot2024/1-2024/fotky.lock"), "f");
    zapis(QStringLiteral("poznamky.txt"), "moje");
    zapis(QStringLiteral(".obnova-1a2b3c4d/nastavenia.dat"), "kopia");
    zapis(QStringLiteral(".kevrot-zmena/novy/nastavenia.dat"), "kopia");
    zapis(QStringLiteral("Data/.odbory.dat.AbC123.tmp-kevrot"), "polovica");
    zapis(QStringLiteral("Tmp_doc/.Register.xlsx.0123456789ab"), "x");
    zapis(QStringLiteral("mojezalohy/kevrot-2026-01-01_000000.zip"), "stara");
    ASSERT_TRUE(Zaloha::UlozNastavenie(cesta(QStringLiteral("mojezalohy")), 30));
    QStringList vynechane;
    EXPECT_EQ(Zaloha::SuboryNaZalohu(&vynechane),
              (QStringList{"Data/odbory.dat", "ZnalKevrot2023/1-2023.kvd", "ZnalKevrot2024/1-2024.kvd",
                           "ZnalKevrot2024/1-2024/Faktúra.rtf", "ZnalKevrot2024/1-2024/fotky.lock",
                           "ZnalKevrot2024/1-2024/posudok.tmpl.rtf", "nastavenia.dat"}));
    EXPECT_EQ(vynechane, QStringList{QStringLiteral("poznamky.txt: nie je súborom údajov programu")});
    const auto prva = Zaloha::Vytvor(den(1));
    ASSERT_TRUE(prva);
    EXPECT_TRUE(m_spravy.texty().join(u'\n').contains(QStringLiteral("poznamky.txt")));
    const auto druha = Zaloha::Vytvor(den(2));
    ASSERT_TRUE(druha);
    EXPECT_LT(QFileInfo(druha.hodnota()).size(), QFileInfo(prva.hodnota()).size() + 512);  // earlier backups are not inside

    // The rotation removes only this program's own backups.
    ASSERT_TRUE(Zaloha::UlozNastavenie(cesta(QStringLiteral("mojezalohy")), 1));
    ASSERT_TRUE(Zaloha::Vytvor(den(3)));
    EXPECT_EQ(Zaloha::Zoznam().size(), 2);
    EXPECT_TRUE(QFileInfo::exists(cesta(QStringLiteral("mojezalohy/kevrot-2026-01-01_000000.zip"))));

    // The next start removes the leftovers of each shape, and nothing of the user's.
    zapis(QStringLiteral("mojezalohy/kevrot-2026-12-04_080000.zip.tmp-1a2b3c4d"), "x");
    QDir(cesta(QStringLiteral(".kevrot-zmena"))).removeRecursively();
    Zaloha::PoStarte();
    for (const char* zvysok : {".obnova-1a2b3c4d", "Data/.odbory.dat.AbC123.tmp-kevrot", "Tmp_doc/.Register.xlsx.0123456789ab",
                               "mojezalohy/kevrot-2026-12-04_080000.zip.tmp-1a2b3c4d"})
        EXPECT_FALSE(QFileInfo::exists(cesta(QString::fromLatin1(zvysok)))) << zvysok;
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/1-2024/fotky.lock")), "f");
    EXPECT_EQ(obsah(QStringLiteral("poznamky.txt")), "moje");
}

TEST_F(ZalohaTest, ASwitchCutShortIsFinishedAtTheNextStartAndStagingAloneIsThrownAway)
{
    {
        ZmenaSuborov z(QStringLiteral("skúška"));
        ASSERT_TRUE(z.zapis(QStringLiteral("nastavenia.dat"), "nove"));
    }  // never switched: thrown away
    EXPECT_FALSE(ZmenaSuborov::JePrerusena());
    // A journal written, one file moved, the rest not: as a kill leaves it.
    zapis(QStringLiteral(".kevrot-zmena/novy/Data/odbory.dat"), "nove odbory");
    zapis(QStringLiteral(".kevrot-zmena/zurnal"), "kevrot-zmena 1\nP\tobnova zo z%C3%A1lohy\nN\tnastavenia.dat\n"
                                                  "N\tData/odbory.dat\nD\tZnalKevrot2024/1-2024.kvd\nkoniec\n");
    zapis(QStringLiteral("nastavenia.dat"), "nove");
    const auto sprava = ZmenaSuborov::DokonciPrerusenu();
    ASSERT_TRUE(sprava);
    EXPECT_TRUE(sprava->contains(QStringLiteral("obnova zo zálohy"))) << sprava->toStdString();
    EXPECT_EQ(obsah(QStringLiteral("Data/odbory.dat")), "nove odbory");
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2024/1-2024.kvd"))));
    EXPECT_FALSE(ZmenaSuborov::JePrerusena());
    zapis(QStringLiteral(".kevrot-zmena/novy/nastavenia.dat"), "nikdy");
    EXPECT_TRUE(ZmenaSuborov::DokonciPrerusenu()->contains(QStringLiteral("bez zmeny")));
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), "nove");
}

}  // namespace
