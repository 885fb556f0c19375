#include "store/Subory.h"

#include "common/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
struct TMaly : Zaznam<TMaly, 4> {
    qint32 X = 0;
    static const Rozlozenie<TMaly>& rozlozenie()
    {
        static const Rozlozenie<TMaly> r = {int32<TMaly>(0, "X", &TMaly::X)};
        return r;
    }
};

QByteArray pocitany(qint32 n, std::initializer_list<qint32> hodnoty)
{
    QByteArray b;
    Subory::pridajInt32(b, n);
    for (qint32 h : hodnoty)
        Subory::pridajInt32(b, h);
    return b;
}
}  // namespace

using SuboryTest = TestAppDir;

TEST_F(SuboryTest, CountedFileRoundTrip)
{
    zapis("Data/a.dat", pocitany(3, {5, 6, 7}));
    QList<TMaly> t;
    EXPECT_TRUE(nacitajPocitanySubor(cesta("Data/a.dat"), t, false));
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[2].X, 7);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    EXPECT_TRUE(ulozPocitanySubor(cesta("Data/b.dat"), t));
    EXPECT_EQ(obsah("Data/b.dat"), obsah("Data/a.dat"));
}

TEST_F(SuboryTest, CountAboveWhatTheFileHoldsLoadsPresentRecordsAndZeroFillsTheRest)
{
    zapis("Data/a.dat", pocitany(4, {5, 6}));
    QList<TMaly> t;
    EXPECT_FALSE(nacitajPocitanySubor(cesta("Data/a.dat"), t, false));
    ASSERT_EQ(t.size(), 4);
    EXPECT_EQ(t[1].X, 6);
    EXPECT_EQ(t[3].X, 0);
    EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta("Data/a.dat"))});
}

TEST_F(SuboryTest, AbsurdOrNegativeCountsNeverAllocate)
{
    QList<TMaly> t;
    zapis("Data/a.dat", pocitany(2000000000, {1}));
    EXPECT_FALSE(nacitajPocitanySubor(cesta("Data/a.dat"), t, false));
    EXPECT_EQ(t.size(), 1);
    zapis("Data/a.dat", pocitany(-5, {1}));
    EXPECT_FALSE(nacitajPocitanySubor(cesta("Data/a.dat"), t, false));
    EXPECT_EQ(t.size(), 0);
    zapis("Data/a.dat", QByteArray("\x01\x00", 2));
    EXPECT_FALSE(nacitajPocitanySubor(cesta("Data/a.dat"), t, false));
    EXPECT_EQ(m_spravy.spravy.size(), 3);
}

TEST_F(SuboryTest, MissingFileIsSilentOnlyWhenOptional)
{
    QList<TMaly> t;
    EXPECT_TRUE(nacitajPocitanySubor(cesta("Data/nie.dat"), t, true));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    EXPECT_FALSE(nacitajPocitanySubor(cesta("Data/nie.dat"), t, false));
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

TEST_F(SuboryTest, FailedSaveLeavesTheOldFileAndGivesTheMessage)
{
    zapis("Data/a.dat", pocitany(1, {7}));
    const QList<TMaly> t{TMaly{}, TMaly{}, TMaly{}};
    const Subory::PoruchaZapisu poruchy[] = {{0, false}, {5, false}, {15, false}, {0, true}};
    for (const auto& p : poruchy) {
        m_spravy.vymaz();
        Subory::nastavPoruchuZapisu(p);
        const Vysledok ulozene = ulozPocitanySubor(cesta("Data/a.dat"), t);
        Subory::nastavPoruchuZapisu(std::nullopt);
        EXPECT_FALSE(ulozene.ok()) << p.poBajtoch;
        EXPECT_EQ(obsah("Data/a.dat"), pocitany(1, {7})) << p.poBajtoch;
        EXPECT_EQ(QDir(cesta("Data")).entryList(QDir::Files), QStringList{"a.dat"});
        EXPECT_TRUE(m_spravy.spravy.isEmpty());  // the caller reports it
        EXPECT_TRUE(ulozene.dovod().startsWith(QStringLiteral("Nepodarilo sa uložiť súbor: ") + cesta("Data/a.dat")));
    }
}

TEST_F(SuboryTest, ReadingGivesTheWholeFileAndItsStateOrNothing)
{
    const QByteArray bajty(70000, 'x');  // more than one read of some systems
    zapis("Data/a.dat", bajty);
    Subory::StavSuboru s;
    const auto b = Subory::citaj(cesta("Data/a.dat"), &s);
    ASSERT_TRUE(b);
    EXPECT_EQ(*b, bajty);
    EXPECT_EQ(s.velkost, bajty.size());
    EXPECT_EQ(Subory::stav(cesta("Data/a.dat")), s);
    zapis("Data/prazdny.dat", {});
    EXPECT_EQ(Subory::citaj(cesta("Data/prazdny.dat")), QByteArray());
    // A directory or a missing file is not read, and has no file state.
    EXPECT_FALSE(Subory::citaj(cesta("Data")));
    EXPECT_FALSE(Subory::stav(cesta("Data")));
    EXPECT_FALSE(Subory::citaj(cesta("Data/nie.dat")));
    EXPECT_FALSE(Subory::stav(cesta("Data/nie.dat")));
}

TEST_F(SuboryTest, APipeOrFolderAtADataPathIsReportedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(cesta("Data/rura.dat")).constData(), 0600), 0);
    QDir(cesta("Data")).mkdir("adresar.dat");
    for (const char* nazov : {"Data/rura.dat", "Data/adresar.dat"}) {
        m_spravy.vymaz();
        QList<TMaly> t;
        EXPECT_FALSE(nacitajPocitanySubor(cesta(nazov), t, true)) << nazov;
        EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(nazov))});
    }
}

TEST_F(SuboryTest, OnlyTheTemporaryFilesOfSavesAreRemovedAsLeftovers)
{
    const struct {
        const char* meno;
        bool zvysok;
    } pripady[] = {
        {".12-2024.kvd.aB3xYz.tmp-kevrot", true},
        {".znalec_kevrot_objednavky.dat.QQQQQQ.tmp-kevrot", true},
        {".a b (copy).kvd.000000.tmp-kevrot", true},
        {"a.kvd.backup", false},
        {"12-2024.kvd.aB3xYz", false},  // not our helper's name
        {"12-2024.kvd", false},
        {".12-2024.kvd.aB3xY.tmp-kevrot", false},
        {".12-2024.kvd.aB3xYzz.tmp-kevrot", false},
        {".12-2024.kvd.aB-xYz.tmp-kevrot", false},
        {"12-2024.kvd.aB3xYz.tmp-kevrot", false},
        {".12-2024.kvd.aB3xYz.tmp-kevrot.txt", false},
        {"..aB3xYz.tmp-kevrot", false},
    };
    QStringList ostanu;
    for (const auto& p : pripady) {
        const QString meno = QString::fromUtf8(p.meno);
        EXPECT_EQ(Subory::jeZvysokUkladania(meno), p.zvysok) << p.meno;
        zapis("ZnalKevrot2024/12-2024/" + meno, "x");
        if (!p.zvysok)
            ostanu << cesta("ZnalKevrot2024/12-2024/" + meno);
    }
    const QStringList zmazane = Subory::zmazZvyskyUkladania(m_adresar.path());
    EXPECT_EQ(zmazane.size(), 3);
    for (const QString& c : ostanu)
        EXPECT_TRUE(QFileInfo::exists(c)) << c.toStdString();

    // A failed save leaves no temporary file behind.
    ASSERT_TRUE(QDir().mkpath(cesta("Data")));
    Subory::nastavPoruchuZapisu(Subory::PoruchaZapisu{0, true});
    EXPECT_FALSE(Subory::ulozAtomicky(cesta("Data/a.dat"), "abc"));
    Subory::nastavPoruchuZapisu(std::nullopt);
    ASSERT_TRUE(Subory::ulozAtomicky(cesta("Data/a.dat"), "abc"));
    EXPECT_EQ(QDir(cesta("Data")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.dat"});
}
