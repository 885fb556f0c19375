// The orders file of a year and the clients file: loading, saving, older layouts, bad files.

#include "store/Cesty.h"
#include "store/Objednavky.h"
#include "store/Subory.h"

#include "ObjednavkaObrazy.h"
#include "common/TestAppDir.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

using namespace obrazy;

namespace {
const char* const Subor2024 = "ZnalKevrot2024/znalec_kevrot_objednavky.dat";
const char* const SuborKlientov = "Data/objednavatelia.dat";

double dbl(const QByteArray& b, int off)
{
    double d;
    std::memcpy(&d, b.constData() + off, 8);
    return d;
}
}  // namespace

using ObjednavkyTest = TestAppDir;

TEST_F(ObjednavkyTest, PathsFollowTheYearDirectoryAndDataDirectory)
{
    EXPECT_EQ(Objednavky::SuborObjednavok(2024), cesta(Subor2024));
    EXPECT_EQ(Objednavky::SuborObjednavatelov(), cesta(SuborKlientov));
}

TEST_F(ObjednavkyTest, MissingFileAndZeroCountGiveAnEmptyListSilently)
{
    Objednavky o;
    o.ZoznamObjednavok.append(TObjednavka{});
    EXPECT_TRUE(o.NacitajObjednavky(2024));
    EXPECT_TRUE(o.ZoznamObjednavok.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot2024")));

    zapis(Subor2024, pocitany({}));
    EXPECT_TRUE(o.NacitajObjednavky(2024));
    EXPECT_TRUE(o.ZoznamObjednavok.isEmpty());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(ObjednavkyTest, FirstSaveCreatesTheYearDirectoryAndEmptyListIsFourBytes)
{
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavky(2031));
    EXPECT_TRUE(o.UlozObjednavky(2031));
    EXPECT_TRUE(QFileInfo(cesta("ZnalKevrot2031")).isDir());
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot")));
    EXPECT_EQ(obsah("ZnalKevrot2031/znalec_kevrot_objednavky.dat"), QByteArray(4, '\0'));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(ObjednavkyTest, CurrentLayoutRoundTripsByteForByteWithItsReservedBytes)
{
    const QByteArray subor =
        pocitany({objednavka('\x11', "Prv\xFD", "1/2024"), objednavka('\xEE', "Druh\xFD", "2/2024")});
    zapis(Subor2024, subor);
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavky(2024));
    ASSERT_EQ(o.ZoznamObjednavok.size(), 2);
    EXPECT_EQ(o.ZoznamObjednavok[1].Meno, QStringLiteral("Druhý"));
    ASSERT_TRUE(o.UlozObjednavky(2024));
    EXPECT_EQ(obsah(Subor2024), subor);
}

TEST_F(ObjednavkyTest, OlderLayoutLoadsConvertedAndIsSavedInTheCurrentOne)
{
    zapis(Subor2024, pocitany({staraObjednavka('\0', "Star\xE1", "12345678901234567890"),
                               staraObjednavka('\0', "Druh\xE1", "X", 0.0)}));
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavky(2024));
    ASSERT_EQ(o.ZoznamObjednavok.size(), 2);
    EXPECT_EQ(o.ZoznamObjednavok[0].Verzia, 0.0);
    EXPECT_EQ(o.ZoznamObjednavok[0].Meno, QStringLiteral("Stará"));
    EXPECT_EQ(o.ZoznamObjednavok[0].Cislo, QStringLiteral("12345678901234567890"));
    EXPECT_EQ(o.ZoznamObjednavok[1].Cislo, QStringLiteral("X"));
    EXPECT_EQ(o.ZoznamObjednavok[1].Ucel, QStringLiteral("účel"));

    ASSERT_TRUE(o.UlozObjednavky(2024));
    EXPECT_EQ(o.ZoznamObjednavok[0].Verzia, -1.0);
    const QByteArray n = obsah(Subor2024);
    ASSERT_EQ(n.size(), 4 + 1344 * 2);
    EXPECT_EQ(dbl(n, 4), -1.0);
    EXPECT_EQ(dbl(n, 4 + 1344), -1.0);

    Objednavky znova;
    ASSERT_TRUE(znova.NacitajObjednavky(2024));
    ASSERT_EQ(znova.ZoznamObjednavok.size(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(znova.ZoznamObjednavok[i].doJson(), o.ZoznamObjednavok[i].doJson());
}

TEST_F(ObjednavkyTest, UnknownMarkerIsRefusedAndTheFileIsNeverOverwritten)
{
    for (double znacka : {-2.0, -0.5, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(znacka);
        m_spravy.vymaz();
        const QByteArray subor = pocitany({objednavka('\0', "Cudz\xED", "9", znacka)});
        zapis(Subor2024, subor);
        Objednavky o;
        EXPECT_FALSE(o.NacitajObjednavky(2024));
        EXPECT_TRUE(o.ZoznamObjednavok.isEmpty());
        EXPECT_TRUE(o.JeOdmietnuty(2024));
        EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(Subor2024))});

        // Adding an order must not wipe the refused file either.
        o.ZoznamObjednavok.append(Objednavky::NovaObjednavka());
        EXPECT_FALSE(ohlas(o.UlozObjednavky(2024)));
        EXPECT_EQ(m_spravy.spravy.size(), 2);
        EXPECT_EQ(m_spravy.spravy.last().druh, Spravy::Druh::Chyba);
        EXPECT_EQ(obsah(Subor2024), subor);
    }
}

TEST_F(ObjednavkyTest, FileThatCannotBeReadIsNotReplacedByTheEmptyList)
{
    // A directory where the file should be cannot be read, nor written over.
    QDir().mkpath(cesta(Subor2024));
    Objednavky o;
    EXPECT_FALSE(o.NacitajObjednavky(2024));
    EXPECT_TRUE(o.JeOdmietnuty(2024));
    EXPECT_FALSE(ohlas(o.UlozObjednavky(2024)));
    EXPECT_TRUE(QFileInfo(cesta(Subor2024)).isDir());
    EXPECT_EQ(m_spravy.spravy.size(), 2);
}

TEST_F(ObjednavkyTest, RefusalEndsWhenTheYearIsReadAgainFromAGoodFile)
{
    zapis(Subor2024, pocitany({objednavka('\0', "A", "1", -3.0)}));
    Objednavky o;
    o.NacitajObjednavky(2024);
    ASSERT_TRUE(o.JeOdmietnuty(2024));
    QFile::remove(cesta(Subor2024));
    EXPECT_TRUE(o.NacitajObjednavky(2024));
    EXPECT_FALSE(o.JeOdmietnuty(2024));
    EXPECT_TRUE(o.UlozObjednavky(2024));
}

TEST_F(ObjednavkyTest, ShortFileKeepsWhatIsThereAndReportsIt)
{
    QByteArray subor = pocitany({objednavka('\0', "Cel\xE1", "1"), objednavka('\0', "Polovica", "2")}, 3);
    subor.chop(700);
    zapis(Subor2024, subor);
    Objednavky o;
    EXPECT_FALSE(o.NacitajObjednavky(2024));
    ASSERT_EQ(o.ZoznamObjednavok.size(), 3);
    EXPECT_EQ(o.ZoznamObjednavok[0].Meno, QStringLiteral("Celá"));
    EXPECT_TRUE(o.ZoznamObjednavok[1].Meno.isEmpty());
    EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(Subor2024))});
}

TEST_F(ObjednavkyTest, DamagedHeadersAndAbsurdCountsNeverAllocate)
{
    const struct {
        QByteArray subor;
        int zaznamov;
        bool odmietnuty;
    } pripady[] = {
        {QByteArray("\x02\x00", 2), 0, false},                               // no whole count
        {pocitany({}, 1), 0, false},                                        // count without a record
        {pocitany({objednavka('\0', "A", "1")}, -7), 0, true},               // negative count
        {pocitany({objednavka('\0', "A", "1")}, 2000000000), 1, false},      // absurd count, current layout
        {pocitany({staraObjednavka('\0', "B", "2")}, 0x7fffffff), 1, false}, // absurd count, older layout
    };
    for (const auto& p : pripady) {
        m_spravy.vymaz();
        zapis(Subor2024, p.subor);
        Objednavky o;
        EXPECT_FALSE(o.NacitajObjednavky(2024));
        EXPECT_EQ(o.ZoznamObjednavok.size(), p.zaznamov);
        EXPECT_EQ(o.JeOdmietnuty(2024), p.odmietnuty);
        EXPECT_EQ(m_spravy.spravy.size(), 1);
    }
}

TEST_F(ObjednavkyTest, SavingAnotherYearThanTheListHoldsIsRefused)
{
    zapis(Subor2024, pocitany({objednavka('\0', "Z roku 2024", "1")}));
    zapis("ZnalKevrot2023/znalec_kevrot_objednavky.dat", pocitany({}));
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavky(2024));
    EXPECT_FALSE(ohlas(o.UlozObjednavky(2023)));
    EXPECT_EQ(obsah("ZnalKevrot2023/znalec_kevrot_objednavky.dat"), pocitany({}));
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

TEST_F(ObjednavkyTest, YearDirectoryThatCannotBeCreatedIsReported)
{
    zapis("ZnalKevrot2025", "subor v ceste");
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavky(2025));
    o.ZoznamObjednavok.append(Objednavky::NovaObjednavka());
    EXPECT_FALSE(ohlas(o.UlozObjednavky(2025)));
    EXPECT_EQ(m_spravy.texty(), QStringList{textNepodariloVytvoritAdresar(cesta("ZnalKevrot2025"))});
}

TEST_F(ObjednavkyTest, NewOrderIsNotStartedAndCarriesOnlyTheTimeOfDay)
{
    const auto n = Objednavky::NovaObjednavka();
    EXPECT_EQ(n.Stav, Nerozpracovane);
    EXPECT_GE(n.CasZalozenia, 0.0);
    EXPECT_LT(n.CasZalozenia, 1.0);
}

TEST_F(ObjednavkyTest, DeletingClosesTheGapAndIgnoresPositionsOutOfRange)
{
    Objednavky o;
    for (const char* m : {"a", "b", "c"}) {
        TObjednavka z;
        z.Meno = QString::fromLatin1(m);
        o.ZoznamObjednavok.append(z);
    }
    EXPECT_FALSE(o.ZmazObjednavku(3));
    EXPECT_FALSE(o.ZmazObjednavku(-1));
    EXPECT_TRUE(o.ZmazObjednavku(1));
    ASSERT_EQ(o.ZoznamObjednavok.size(), 2);
    EXPECT_EQ(o.ZoznamObjednavok[1].Meno, QStringLiteral("c"));
    EXPECT_FALSE(o.ZmazObjednavatela(0));
}

TEST_F(ObjednavkyTest, ClientsRoundTripByteForByte)
{
    const QByteArray subor = pocitany({objednavatel('\x01', "S\xFA" "d", 1), objednavatel('\xFF', "In\xE9", 4)});
    zapis(SuborKlientov, subor);
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavatelov());
    ASSERT_EQ(o.ZoznamObjednavatelov.size(), 2);
    EXPECT_EQ(o.ZoznamObjednavatelov[0].Meno, QStringLiteral("Súd"));
    ASSERT_TRUE(o.UlozObjednavatelov(cesta("Data/kopia.dat")));
    EXPECT_EQ(obsah("Data/kopia.dat"), subor);
    EXPECT_EQ(obsah("Data/kopia.dat").size(), 4 + 2 * 324);
}

TEST_F(ObjednavkyTest, MissingClientsFileIsSilentAndAShortOneIsReported)
{
    Objednavky o;
    EXPECT_TRUE(o.NacitajObjednavatelov());
    EXPECT_TRUE(o.ZoznamObjednavatelov.isEmpty());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());

    QByteArray subor = pocitany({objednavatel('\0', "A", 1), objednavatel('\0', "B", 2)});
    subor.chop(10);
    zapis(SuborKlientov, subor);
    EXPECT_FALSE(o.NacitajObjednavatelov());
    ASSERT_EQ(o.ZoznamObjednavatelov.size(), 2);
    EXPECT_EQ(o.ZoznamObjednavatelov[0].Meno, QStringLiteral("A"));
    EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(SuborKlientov))});
}

TEST_F(ObjednavkyTest, ConvertingOlderClientsFileRewritesItInTheCurrentLayout)
{
    const QList<QByteArray> stare = {staryObjednavatel('\0', "Jeden", 1), staryObjednavatel('\x44', "Dva", 2),
                                     staryObjednavatel('\0', "T\xF4i", 0)};
    zapis(SuborKlientov, pocitany(stare));
    Objednavky o;
    ASSERT_TRUE(o.PrevedObjednavatelov(cesta(SuborKlientov)));
    const QByteArray n = obsah(SuborKlientov);
    ASSERT_EQ(n.size(), 4 + 3 * 324);
    ASSERT_EQ(o.ZoznamObjednavatelov.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(n.mid(4 + i * 324, 260), stare[i]);
        const auto k = TObjednavatel::zObrazu(n.mid(4 + i * 324, 324));
        EXPECT_TRUE(k.ICO.isEmpty() && k.ICDPH.isEmpty() && k.DIC.isEmpty());
    }
    EXPECT_EQ(o.ZoznamObjednavatelov[1].Meno, QStringLiteral("Dva"));

    // Converting again (the transfer run twice) leaves the converted file alone.
    ASSERT_TRUE(o.PrevedObjednavatelov(cesta(SuborKlientov)));
    EXPECT_EQ(obsah(SuborKlientov), n);
    EXPECT_EQ(o.ZoznamObjednavatelov.size(), 3);
}

TEST_F(ObjednavkyTest, OlderClientsFileFoundAtStartIsReadConverted)
{
    zapis(SuborKlientov, pocitany({staryObjednavatel('\0', "Star\xFD", 3)}));
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavatelov());
    ASSERT_EQ(o.ZoznamObjednavatelov.size(), 1);
    EXPECT_EQ(o.ZoznamObjednavatelov[0].Meno, QStringLiteral("Starý"));
    EXPECT_EQ(o.ZoznamObjednavatelov[0].Kategoria, Exekutori);
    EXPECT_TRUE(o.ZoznamObjednavatelov[0].ICO.isEmpty());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(ObjednavkyTest, FailedClientsSaveKeepsTheOldFileAndSaysSo)
{
    zapis(SuborKlientov, pocitany({objednavatel('\0', "A", 1)}));
    Objednavky o;
    ASSERT_TRUE(o.NacitajObjednavatelov());
    o.ZoznamObjednavatelov.clear();
    const QByteArray stary = obsah(SuborKlientov);
    Subory::nastavPoruchuZapisu(Subory::PoruchaZapisu{2});
    EXPECT_FALSE(ohlas(o.UlozObjednavatelov(cesta(SuborKlientov))));
    Subory::nastavPoruchuZapisu(std::nullopt);
    EXPECT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_EQ(obsah(SuborKlientov), stary);
}
