// Settings records and their files: layouts, defaults, loading damaged files, savers.

#include "settings/Nastavenia.h"

#include "common/TestAppDir.h"
#include "store/Cesty.h"
#include "store/Peniaze.h"
#include "store/Subory.h"

#include <QDir>
#include <QFile>

#include <cstring>

namespace {

void str(QByteArray& b, int off, const QByteArray& text)
{
    b[off] = char(text.size());
    std::memcpy(b.data() + off + 1, text.constData(), size_t(text.size()));
}
void i32(QByteArray& b, int off, qint32 v) { std::memcpy(b.data() + off, &v, 4); }
void dbl(QByteArray& b, int off, double v) { std::memcpy(b.data() + off, &v, 8); }

// A nastavenia.dat written at the offsets of the format table, every other byte `vypln`.
QByteArray nastavenia(char vypln)
{
    QByteArray b(8692, vypln);
    str(b, 0, "J\xE1n");
    str(b, 201, "Nov\xE1k");
    str(b, 4022, "Times New Roman");
    i32(b, 4224, 13);
    for (int i = 0; i < 5; ++i)
        str(b, 4228 + i * 201, QByteArray("cestak") + char('1' + i));
    b[5233] = 1;
    i32(b, 5244, 1);
    str(b, 5252, "Courier");
    i32(b, 5456, 9);
    str(b, 5460, "Verdana");
    i32(b, 5664, 14);
    b[5668] = 0x01;
    b[5669] = 0x33;
    b[5869] = 1;
    b[5870] = 1;
    str(b, 5880, "Hlavn\xE1 5");
    str(b, 6282, "Ing.");
    str(b, 6483, "PhD.");
    str(b, 6684, "Ko\x9Aice");
    str(b, 6885, "01|02|");
    str(b, 7086, "0101|");
    str(b, 7287, "01");
    str(b, 7488, "0900");
    str(b, 7689, "123456789");
    i32(b, 7896, 14);
    str(b, 7900, "040 01");
    str(b, 7911, "912345");
    str(b, 7922, "12345678");
    str(b, 7933, "2020202020");
    str(b, 7944, "SK2020202020");
    dbl(b, 7960, 20.0);
    i32(b, 7968, 1);
    str(b, 7972, "star\xFD text");
    str(b, 8228, "s \xE8iastkou");
    i32(b, 8688, 2);
    return b;
}

}  // namespace

using NastaveniaTest = TestAppDir;

TEST(NastaveniaZaznamy, LayoutTablesCoverEveryRecordExactly)
{
    EXPECT_EQ(overRozlozenie(TNastavenia::rozlozenie(), TNastavenia::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TNastavenieTlac::rozlozenie(), TNastavenieTlac::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TNastavenieHlavicka::rozlozenie(), TNastavenieHlavicka::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TNastavenieManazer::rozlozenie(), TNastavenieManazer::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TNastaveniePodielOdmena::rozlozenie(), TNastaveniePodielOdmena::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TDualneZobrazovanie::rozlozenie(), TDualneZobrazovanie::VELKOST), QString());
    EXPECT_EQ(TNastavenia::VELKOST, 8692);
    EXPECT_EQ(TNastavenieTlac::VELKOST, 220);
}

TEST_F(NastaveniaTest, EveryFieldIsReadFromItsOffsetAndTheFileRoundTrips)
{
    const QByteArray subor = nastavenia('\xC3');
    zapis("nastavenia.dat", subor);
    Nastavenia n;
    ASSERT_TRUE(n.NacitajNastavenia());
    const TNastavenia& s = n.Nastavenie;
    EXPECT_EQ(s.Meno, QStringLiteral("Ján"));
    EXPECT_EQ(s.Priezvisko, QStringLiteral("Novák"));
    EXPECT_EQ(s.BasicFontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(s.BasicFontSize, 13);
    EXPECT_EQ(s.StaryCestak, (QStringList{"cestak1", "cestak2", "cestak3", "cestak4", "cestak5"}));
    EXPECT_TRUE(s.PlatcaDPH);
    EXPECT_EQ(s.PataZakladnymPismom, 1);
    EXPECT_EQ(s.TableFontName, QStringLiteral("Courier"));
    EXPECT_EQ(s.TableFontSize, 9);
    EXPECT_EQ(s.TitleFontName, QStringLiteral("Verdana"));
    EXPECT_EQ(s.TitleFontSize, 14);
    EXPECT_EQ(s.TitleFontStyle, 0x3301);
    EXPECT_TRUE(s.TitleFontStyleBold);
    EXPECT_TRUE(s.TitleFontStyleItalic);
    EXPECT_EQ(s.Adresa, QStringLiteral("Hlavná 5"));
    EXPECT_EQ(s.TitulPred, QStringLiteral("Ing."));
    EXPECT_EQ(s.TitulZa, QStringLiteral("PhD."));
    EXPECT_EQ(s.Mesto, QStringLiteral("Košice"));
    EXPECT_EQ(s.Odbory, QStringLiteral("01|02|"));
    EXPECT_EQ(s.Odvetvia, QStringLiteral("0101|"));
    EXPECT_EQ(s.NajpouzivanejsiOdbor, QStringLiteral("01"));
    EXPECT_EQ(s.Banka, QStringLiteral("0900"));
    EXPECT_EQ(s.CisloUctu, QStringLiteral("123456789"));
    EXPECT_EQ(s.Splatnost, 14);
    EXPECT_EQ(s.PSC, QStringLiteral("040 01"));
    EXPECT_EQ(s.EC, QStringLiteral("912345"));
    EXPECT_EQ(s.ICO, QStringLiteral("12345678"));
    EXPECT_EQ(s.DIC, QStringLiteral("2020202020"));
    EXPECT_EQ(s.ICDPH, QStringLiteral("SK2020202020"));
    EXPECT_EQ(s.SadzbaDPH, 20.0);
    EXPECT_EQ(s.CestakBezDPH, 1);
    EXPECT_EQ(s.TextVyuctovania, QStringLiteral("starý text"));
    EXPECT_EQ(s.TextVyuctovaniaCiastka, QStringLiteral("s čiastkou"));
    EXPECT_EQ(s.Druh, Prekladatel);

    ASSERT_TRUE(n.UlozNastavenia());
    EXPECT_EQ(obsah("nastavenia.dat"), subor);

    // A change touches its own bytes only.
    n.Nastavenie.Splatnost = 30;
    n.Nastavenie.TextVyuctovania.clear();
    ASSERT_TRUE(n.UlozNastavenia());
    QByteArray cakany = subor;
    i32(cakany, 7896, 30);
    cakany[7972] = 0;
    EXPECT_EQ(obsah("nastavenia.dat"), cakany);
}

TEST_F(NastaveniaTest, WithoutAnyFileTheDefaultsHoldAndNothingIsSaid)
{
    Nastavenia n;
    EXPECT_TRUE(n.NacitajVsetko());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    EXPECT_EQ(n.Nastavenie.Druh, Znalec);
    EXPECT_FALSE(n.Nastavenie.PlatcaDPH);
    EXPECT_EQ(n.Nastavenie.Splatnost, 14);  // a new installation's payment term in days
    EXPECT_EQ(n.NastavenieTlac.KevrotCislo, 1);
    EXPECT_FALSE(n.Dualne.DualneZobrazovanie) << "a new installation shows euro alone";
    EXPECT_EQ(n.PodielOdmena.SadzbaPozemky, 16.6);
    EXPECT_EQ(n.PodielOdmena.Verzia, 1);
    EXPECT_TRUE(n.NastavenieManazer.StlpceKevrota.isEmpty());

    // Defaults are what is written when nothing was loaded.
    ASSERT_TRUE(n.UlozNastavenieTlac());
    ASSERT_TRUE(n.UlozDualneZobrazovanie());
    ASSERT_TRUE(n.UlozNastavenia());
    QByteArray tlac(220, '\0');
    tlac[0] = 1;
    EXPECT_EQ(obsah("Data/znalec_kevrot_nastavenie_tlac.dat"), tlac);
    EXPECT_EQ(obsah("Data/nastavenie_dualneZobrazovanie.dat"), QByteArray(1, '\0'));
    QByteArray nastavenia(8692, '\0');
    nastavenia[7896] = 14;
    EXPECT_EQ(obsah("nastavenia.dat"), nastavenia);
}

TEST_F(NastaveniaTest, DefaultFontsFillOnlyFontsWithoutAName)
{
    Nastavenia n;
    n.DoplnPredvoleneFonty();
    EXPECT_EQ(n.Nastavenie.BasicFontName, QStringLiteral("Arial"));
    EXPECT_EQ(n.Nastavenie.BasicFontSize, 11);
    EXPECT_EQ(n.Nastavenie.TableFontName, QStringLiteral("Arial"));
    EXPECT_EQ(n.Nastavenie.TableFontSize, 10);
    EXPECT_EQ(n.Nastavenie.TitleFontName, QStringLiteral("Arial"));
    EXPECT_EQ(n.Nastavenie.TitleFontSize, 12);
    EXPECT_TRUE(n.Nastavenie.TitleFontStyleBold);
    EXPECT_FALSE(n.Nastavenie.TitleFontStyleItalic);

    Nastavenia m;
    m.Nastavenie.TableFontName = QStringLiteral("Courier");  // size 0 stays
    m.Nastavenie.TitleFontName = QStringLiteral("Verdana");
    m.Nastavenie.TitleFontStyleItalic = true;
    m.DoplnPredvoleneFonty();
    EXPECT_EQ(m.Nastavenie.BasicFontName, QStringLiteral("Arial"));
    EXPECT_EQ(m.Nastavenie.TableFontName, QStringLiteral("Courier"));
    EXPECT_EQ(m.Nastavenie.TableFontSize, 0);
    EXPECT_EQ(m.Nastavenie.TitleFontSize, 0);
    EXPECT_FALSE(m.Nastavenie.TitleFontStyleBold);
    EXPECT_TRUE(m.Nastavenie.TitleFontStyleItalic);
}

TEST_F(NastaveniaTest, ShortFilesAreReportedAndKeepTheBytesThatWereThere)
{
    zapis("nastavenia.dat", nastavenia('\0').left(500));
    QByteArray tlac(6, '\0');
    tlac[0] = 7;
    tlac[4] = 50;  // a name cut off after its first character
    tlac[5] = 'M';
    zapis("Data/znalec_kevrot_nastavenie_tlac.dat", tlac);
    zapis("Data/nastavenie_dualneZobrazovanie.dat", QByteArray());
    zapis("Data/znalec_kevrot_nastavenie_podiel_odmena.dat", QByteArray(6, '\0'));
    Nastavenia n;
    EXPECT_FALSE(n.NacitajVsetko());
    EXPECT_EQ(n.Nastavenie.Meno, QStringLiteral("Ján"));
    EXPECT_EQ(n.Nastavenie.Priezvisko, QStringLiteral("Novák"));
    EXPECT_TRUE(n.Nastavenie.Mesto.isEmpty());
    EXPECT_EQ(n.NastavenieTlac.KevrotCislo, 7);
    EXPECT_TRUE(n.NastavenieTlac.KevrotVymenovanie.isEmpty());
    EXPECT_FALSE(n.Dualne.DualneZobrazovanie);
    EXPECT_EQ(n.PodielOdmena.Verzia, 0);
    EXPECT_EQ(n.PodielOdmena.SadzbaPozemky, 16.6) << "the double was not there whole";
    EXPECT_EQ(m_spravy.texty(),
              (QStringList{textProblemSoSuborom(Nastavenia::SuborNastavenia()),
                           textProblemSoSuborom(Nastavenia::SuborNastavenieTlac()),
                           textProblemSoSuborom(Nastavenia::SuborDualneZobrazovanie()),
                           textProblemSoSuborom(Nastavenia::SuborPodielOdmena())}));
}

TEST_F(NastaveniaTest, DualDisplaySwitchReadsAnyNonZeroByteAsOn)
{
    Nastavenia n;
    zapis("Data/nastavenie_dualneZobrazovanie.dat", QByteArray(1, '\0'));
    ASSERT_TRUE(n.NacitajDualneZobrazovanie());
    EXPECT_FALSE(n.Dualne.DualneZobrazovanie);
    EXPECT_FALSE(DualneZobrazovanie()) << "money texts follow the loaded switch";
    zapis("Data/nastavenie_dualneZobrazovanie.dat", QByteArray(1, '\2'));
    ASSERT_TRUE(n.NacitajDualneZobrazovanie());
    EXPECT_TRUE(n.Dualne.DualneZobrazovanie);
    EXPECT_TRUE(DualneZobrazovanie());
    n.Dualne.DualneZobrazovanie = false;
    ASSERT_TRUE(n.UlozDualneZobrazovanie());
    EXPECT_FALSE(DualneZobrazovanie()) << "and the saved one";
    EXPECT_EQ(obsah("Data/nastavenie_dualneZobrazovanie.dat"), QByteArray(1, '\0'));
    nastavDualneZobrazovanie(true);
}

TEST_F(NastaveniaTest, ProportionalRemunerationIsPackedAndAlwaysSavedAsVersionOne)
{
    QByteArray b(12, '\0');
    i32(b, 0, 7);
    dbl(b, 4, 20.5);
    zapis("Data/znalec_kevrot_nastavenie_podiel_odmena.dat", b);
    Nastavenia n;
    ASSERT_TRUE(n.NacitajPodielOdmena());
    EXPECT_EQ(n.PodielOdmena.Verzia, 7);
    EXPECT_EQ(n.PodielOdmena.SadzbaPozemky, 20.5);
    ASSERT_TRUE(n.UlozPodielOdmena());
    i32(b, 0, 1);
    EXPECT_EQ(obsah("Data/znalec_kevrot_nastavenie_podiel_odmena.dat"), b);
}

TEST_F(NastaveniaTest, PrintAndLayoutRecordsRoundTripWithTheirPadding)
{
    QByteArray tlac(220, '\x5C');
    i32(tlac, 0, 3);
    str(tlac, 4, "Ministerstvo spravodlivosti SR");
    str(tlac, 105, "1.2.2005");
    str(tlac, 116, "123/2005");
    zapis("Data/znalec_kevrot_nastavenie_tlac.dat", tlac);
    QByteArray manazer(402, '\x11');
    str(manazer, 0, "(0)58|(1)112|");
    str(manazer, 201, "(2)90|");
    zapis("Data/znalec_kevrot_nastavenie_manazer.dat", manazer);

    Nastavenia n;
    ASSERT_TRUE(n.NacitajNastavenieTlac());
    ASSERT_TRUE(n.NacitajNastavenieManazer());
    EXPECT_EQ(n.NastavenieTlac.KevrotCislo, 3);
    EXPECT_EQ(n.NastavenieTlac.KevrotVymenovanie, QStringLiteral("Ministerstvo spravodlivosti SR"));
    EXPECT_EQ(n.NastavenieTlac.KevrotVymenovanieDna, QStringLiteral("1.2.2005"));
    EXPECT_EQ(n.NastavenieTlac.KevrotVymenovanieCislo, QStringLiteral("123/2005"));
    EXPECT_EQ(n.NastavenieManazer.StlpceKevrota, QStringLiteral("(0)58|(1)112|"));
    EXPECT_EQ(n.NastavenieManazer.StlpceObjednavok, QStringLiteral("(2)90|"));

    QFile::remove(cesta("Data/znalec_kevrot_nastavenie_tlac.dat"));
    QFile::remove(cesta("Data/znalec_kevrot_nastavenie_manazer.dat"));
    ASSERT_TRUE(n.UlozNastavenieTlac());
    ASSERT_TRUE(n.UlozNastavenieManazer());
    EXPECT_EQ(obsah("Data/znalec_kevrot_nastavenie_tlac.dat"), tlac);
    EXPECT_EQ(obsah("Data/znalec_kevrot_nastavenie_manazer.dat"), manazer);
}

TEST_F(NastaveniaTest, LegacyHeaderIsWrittenButNeverRead)
{
    QByteArray h(402, '\0');
    str(h, 0, "Star\xE1 hlavi\xE8ka");
    zapis("Data/znalec_kevrot_nastavenie.dat", h);
    Nastavenia n;
    ASSERT_TRUE(n.NacitajVsetko());
    EXPECT_TRUE(n.NastavenieHlavicka.HlavickaText.isEmpty());
    ASSERT_TRUE(n.UlozNastavenieHlavicka());
    EXPECT_EQ(obsah("Data/znalec_kevrot_nastavenie.dat"), QByteArray(402, '\0'));
}

TEST_F(NastaveniaTest, LongCodeListIsCutToItsCapacity)
{
    Nastavenia n;
    QString odvetvia;
    while (odvetvia.size() < 203)
        odvetvia += QStringLiteral("0101|");
    odvetvia.truncate(203);
    n.Nastavenie.Odvetvia = odvetvia;
    n.Nastavenie.Meno = QStringLiteral("Ľubomír");
    ASSERT_TRUE(n.UlozNastavenia());
    Nastavenia m;
    ASSERT_TRUE(m.NacitajNastavenia());
    EXPECT_EQ(m.Nastavenie.Odvetvia, odvetvia.left(200));
    EXPECT_EQ(m.Nastavenie.NajpouzivanejsiOdbor, QString()) << "the next field is not overrun";
    EXPECT_EQ(m.Nastavenie.Meno, QStringLiteral("Ľubomír"));
}

TEST_F(NastaveniaTest, FailedSaveIsReportedAndKeepsTheOldFiles)
{
    Nastavenia n;
    ASSERT_TRUE(n.UlozNastavenieTlac());
    ASSERT_TRUE(n.UlozNastavenieManazer());
    const auto subory = QDir(cesta("Data")).entryList(QDir::Files);
    QList<QByteArray> stare;
    for (const auto& s : subory)
        stare.append(obsah("Data/" + s));
    Subory::nastavPoruchuZapisu(Subory::PoruchaZapisu{10});
    EXPECT_FALSE(ohlas(n.UlozNastavenieTlac()));
    EXPECT_FALSE(ohlas(n.UlozNastavenieManazer()));
    Subory::nastavPoruchuZapisu(std::nullopt);
    EXPECT_EQ(m_spravy.spravy.size(), 2);
    EXPECT_EQ(m_spravy.spravy[0].druh, Spravy::Druh::Chyba);
    ASSERT_EQ(QDir(cesta("Data")).entryList(QDir::Files), subory);
    for (int i = 0; i < subory.size(); ++i)
        EXPECT_EQ(obsah("Data/" + subory[i]), stare[i]) << subory[i].toStdString();
}

TEST(StaryCestak, TakesTheLastVehicleAndWritesNumbersInFiveCharacters)
{
    Nastavenia n;
    n.Nastavenie.StaryCestak = {"x", "auto", "BA123", "1", "2"};
    n.UlozStaryCestak({});
    EXPECT_EQ(n.Nastavenie.StaryCestak, (QStringList{" 0,00", "auto", "BA123", "1", "2"}));

    auto vozidlo = [](const char* nazov, const char* ecv, double spotreba, double opotrebenie) {
        TVozidlo v;
        v.Nazov = QString::fromUtf8(nazov);
        v.EvidencneCislo = QString::fromLatin1(ecv);
        v.Spotreba = spotreba;
        v.Opotrebenie = opotrebenie;
        return v;
    };
    n.UlozStaryCestak({vozidlo("Škoda", "KE111AA", 6.5, 0.1), vozidlo("Fiat", "NR222BB", 123.456, 7)});
    EXPECT_EQ(n.Nastavenie.StaryCestak, (QStringList{" 0,00", "Fiat", "NR222BB", "123,46", " 7,00"}));

    // A record never loaded has no texts yet: all five appear.
    Nastavenia m;
    m.Nastavenie.StaryCestak.clear();
    m.UlozStaryCestak({});
    EXPECT_EQ(m.Nastavenie.StaryCestak.size(), 5);
}

TEST(StylNadpisu, CodeFollowsTheBoldAndItalicFlags)
{
    EXPECT_EQ(Nastavenia::KodStyluNadpisu(false, false), 0x3001);
    EXPECT_EQ(Nastavenia::KodStyluNadpisu(true, false), 0x3101);
    EXPECT_EQ(Nastavenia::KodStyluNadpisu(false, true), 0x3201);
    EXPECT_EQ(Nastavenia::KodStyluNadpisu(true, true), 0x3301);
    Nastavenia n;
    n.Nastavenie.TitleFontStyleItalic = true;
    n.NastavStylNadpisu();
    EXPECT_EQ(n.Nastavenie.TitleFontStyle, 0x3201);
}
