// The vehicle record and the vehicle file: layout, round trip, bad files, failed saves.

#include "settings/Vozidla.h"
#include "store/Subory.h"

#include "common/TestAppDir.h"

#include <QDir>

#include <cstring>

namespace {
const char* const Subor = "Data/znalec_kevrot_nastavenie_vozidlo.dat";

TVozidlo vozidlo(const QString& nazov, const QString& ec, double spotreba, double opotrebenie)
{
    TVozidlo v;
    v.Nazov = nazov;
    v.EvidencneCislo = ec;
    v.Spotreba = spotreba;
    v.Opotrebenie = opotrebenie;
    return v;
}

double dbl(const QByteArray& b, int off)
{
    double d;
    std::memcpy(&d, b.constData() + off, 8);
    return d;
}

QByteArray pocet(qint32 n)
{
    QByteArray b;
    Subory::pridajInt32(b, n);
    return b;
}
}  // namespace

using VozidlaTest = TestAppDir;

TEST(TVozidlo, LayoutCoversTheRecord)
{
    EXPECT_EQ(overRozlozenie(TVozidlo::rozlozenie(), TVozidlo::VELKOST), QString());
    EXPECT_EQ(TVozidlo::VELKOST, 240);
}

TEST_F(VozidlaTest, MissingFileIsAnEmptyListSilently)
{
    Vozidla v;
    v.ZoznamVozidiel.append(vozidlo("stare", "", 1, 1));
    EXPECT_TRUE(v.NacitajVozidla());
    EXPECT_TRUE(v.ZoznamVozidiel.isEmpty());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    EXPECT_EQ(Vozidla::SuborVozidiel(), cesta(Subor));
}

TEST_F(VozidlaTest, SavedListHasTheFileLayoutAndReadsBack)
{
    Vozidla v;
    v.ZoznamVozidiel = {vozidlo("Škoda Octavia", "BA-123ČD", 6.5, 0.183),
                        vozidlo("Dacia", "NR-1", 5.25, 0.2)};
    ASSERT_TRUE(v.UlozVozidla());
    const QByteArray b = obsah(Subor);
    ASSERT_EQ(b.size(), 4 + 2 * 240);
    EXPECT_EQ(b.left(4), pocet(2));
    EXPECT_EQ(quint8(b[4]), 13);                         // length of the name
    EXPECT_EQ(quint8(b[5]), 0x8A);                       // "Š" in Windows-1250
    EXPECT_EQ(quint8(b[4 + 201]), 8);                    // length of the registration number
    EXPECT_EQ(b.mid(4 + 202, 8), QByteArray("BA-123\xC8" "D"));
    EXPECT_DOUBLE_EQ(dbl(b, 4 + 224), 6.5);
    EXPECT_DOUBLE_EQ(dbl(b, 4 + 232), 0.183);
    EXPECT_DOUBLE_EQ(dbl(b, 4 + 240 + 224), 5.25);

    Vozidla n;
    ASSERT_TRUE(n.NacitajVozidla());
    ASSERT_EQ(n.ZoznamVozidiel.size(), 2);
    EXPECT_EQ(n.ZoznamVozidiel[0].Nazov, "Škoda Octavia");
    EXPECT_EQ(n.ZoznamVozidiel[0].EvidencneCislo, "BA-123ČD");
    EXPECT_DOUBLE_EQ(n.ZoznamVozidiel[1].Opotrebenie, 0.2);
    EXPECT_EQ(n.NazvyVozidiel(), QStringList({"Škoda Octavia", "Dacia"}));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(VozidlaTest, TextsAreCutToTheirFieldsAndPaddingRoundTrips)
{
    QByteArray r(240, '\0');
    r[222] = '\x5A';
    r[223] = '\xA5';
    r[0] = char(200);          // a name of the full 200 characters
    std::memset(r.data() + 1, 'a', 200);
    r[201] = char(255);        // a length byte above the capacity of 20
    std::memset(r.data() + 202, 'b', 20);
    zapis(Subor, pocet(1) + r);

    Vozidla v;
    ASSERT_TRUE(v.NacitajVozidla());
    ASSERT_EQ(v.ZoznamVozidiel.size(), 1);
    EXPECT_EQ(v.ZoznamVozidiel[0].Nazov.size(), 200);
    EXPECT_EQ(v.ZoznamVozidiel[0].EvidencneCislo, QString(20, u'b'));

    v.ZoznamVozidiel[0].Spotreba = 7.1;
    v.ZoznamVozidiel[0].EvidencneCislo = QString(30, u'x');
    v.ZoznamVozidiel[0].Nazov = QString(250, u'n');
    ASSERT_TRUE(v.UlozVozidla());
    const QByteArray b = obsah(Subor);
    ASSERT_EQ(b.size(), 244);
    EXPECT_EQ(b.mid(4 + 222, 2), QByteArray("\x5A\xA5"));
    EXPECT_EQ(quint8(b[4]), 200);
    EXPECT_EQ(quint8(b[4 + 201]), 20);
    EXPECT_DOUBLE_EQ(dbl(b, 4 + 224), 7.1);
}

TEST_F(VozidlaTest, ShortFileGivesOnlyTheVehiclesItHolds)
{
    QByteArray r(240, '\0');
    r[0] = 3;
    r[1] = 'A';
    r[2] = 'u';
    r[3] = 't';
    zapis(Subor, pocet(3) + r + QByteArray(100, '\x01'));
    Vozidla v;
    EXPECT_FALSE(v.NacitajVozidla());
    ASSERT_EQ(v.ZoznamVozidiel.size(), 1);
    EXPECT_EQ(v.ZoznamVozidiel[0].Nazov, "Aut");
    EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(Subor))});

    // Saving afterwards writes the one vehicle, not phantoms.
    ASSERT_TRUE(v.UlozVozidla());
    EXPECT_EQ(obsah(Subor).size(), 244);
}

TEST_F(VozidlaTest, ImpossibleCountsAndStubsAreReported)
{
    for (const QByteArray& b : {pocet(-1) + QByteArray(240, '\0'), pocet(0x7FFFFFFF),
                                QByteArray("\x01\x00", 2)}) {
        m_spravy.vymaz();
        zapis(Subor, b);
        Vozidla v;
        EXPECT_FALSE(v.NacitajVozidla());
        EXPECT_TRUE(v.ZoznamVozidiel.isEmpty());
        EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(Subor))});
    }
}

TEST_F(VozidlaTest, FailedSaveIsReported)
{
    // "Data" is a file, so nothing can be written below it.
    ASSERT_TRUE(QDir(cesta("Data")).removeRecursively());
    zapis("Data", "x");
    Vozidla v;
    v.ZoznamVozidiel = {vozidlo("A", "", 1, 1)};
    EXPECT_FALSE(ohlas(v.UlozVozidla()));
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_EQ(m_spravy.spravy[0].druh, Spravy::Druh::Chyba);
    EXPECT_TRUE(m_spravy.spravy[0].text.contains("znalec_kevrot_nastavenie_vozidlo.dat"));
    EXPECT_EQ(obsah("Data"), "x");
}

TEST(Vozidla, DialogRequiresAName)
{
    EXPECT_EQ(OverVozidlo(""), "Nie je zadané žiadne vozidlo.");
    EXPECT_EQ(OverVozidlo("Škoda"), QString());
}
