// The settings window's copies: what goes back into the records on OK, how typed numbers are
// read, the header line, and the saves after OK.

#include "common/TestAppDir.h"

#include "settings/HodnotyNastavenia.h"

#include <QDir>
#include <QFile>

namespace {

class HodnotyNastaveniaTest : public TestAppDir {};

TZapisaneKody odboryZnalca() { return {QStringLiteral("490000|"), QStringLiteral("491500|"), QStringLiteral("490000")}; }
TZapisaneJazykyText jazyky() { return {QStringLiteral("eng|deu|"), QStringLiteral("deu")}; }

}  // namespace

TEST_F(HodnotyNastaveniaTest, KindDecidesWhichCodeTextsAreStored)
{
    struct Pripad {
        qint32 druh;
        QString odbory, odvetvia, najpouzivanejsi;
    };
    const Pripad pripady[] = {
        {Znalec, QStringLiteral("490000|"), QStringLiteral("491500|"), QStringLiteral("490000")},
        {Tlmocnik, QStringLiteral("eng|deu|"), QString(), QStringLiteral("deu")},
        {Prekladatel, QStringLiteral("eng|deu|"), QString(), QStringLiteral("deu")},
    };
    for (const auto& p : pripady) {
        Nastavenia n;
        n.Nastavenie.Odvetvia = QStringLiteral("370900|");
        HodnotyNastavenia h = HodnotyZNastaveni(n, {});
        h.nastavenie.Druh = p.druh;
        h.odbory = odboryZnalca();
        h.jazyky = jazyky();
        QList<TVozidlo> vozidla;
        PrevezmiHodnoty(h, n, vozidla);
        EXPECT_EQ(n.Nastavenie.Druh, p.druh);
        EXPECT_EQ(n.Nastavenie.Odbory, p.odbory) << p.druh;
        EXPECT_EQ(n.Nastavenie.Odvetvia, p.odvetvia) << p.druh;
        EXPECT_EQ(n.Nastavenie.NajpouzivanejsiOdbor, p.najpouzivanejsi) << p.druh;
    }
}

TEST_F(HodnotyNastaveniaTest, TheEntryEditorNamesTheKindOfActInTheKindsOwnWords)
{
    for (const auto& [druh, typ] : {std::pair{Znalec, "Typ posudku:"}, {Tlmocnik, "Typ tlmočenia:"},
                                    {Prekladatel, "Typ prekladu:"}})
        EXPECT_EQ(PopisyPreDruh(druh).typUkonu, QString::fromUtf8(typ)) << druh;
}

TEST_F(HodnotyNastaveniaTest, InterpreterSettingsReachTheWindowsLanguageSlots)
{
    Nastavenia n;
    n.Nastavenie.Druh = Tlmocnik;
    n.Nastavenie.Odbory = QStringLiteral("eng|");
    n.Nastavenie.NajpouzivanejsiOdbor = QStringLiteral("eng");
    n.Nastavenie.SadzbaDPH = 20;
    const HodnotyNastavenia h = HodnotyZNastaveni(n, {}, 10.0);
    EXPECT_EQ(h.jazyky.Jazyky, QStringLiteral("eng|"));
    EXPECT_EQ(h.jazyky.Najpouzivanejsi, QStringLiteral("eng"));
    EXPECT_TRUE(h.odbory.Odbory.isEmpty());
    EXPECT_EQ(h.nastavenie.SadzbaDPH, 10.0);  // the entry editor's rate in the slot
}

TEST_F(HodnotyNastaveniaTest, TypedTextsAreCutToCapacityAndLegacyTextsComeBackEmpty)
{
    Nastavenia n;
    n.Nastavenie.TextVyuctovania = QStringLiteral("starý text");
    n.Nastavenie.TextVyuctovaniaCiastka = QStringLiteral("starý text s čiastkou");
    n.NastavenieHlavicka.HlavickaText = QStringLiteral("stará hlavička");
    HodnotyNastavenia h = HodnotyZNastaveni(n, {});
    h.nastavenie.Adresa = QString(250, u'a');
    h.nastavenie.Mesto = QStringLiteral("Košice 字");
    h.nastavenie.ICDPH = QStringLiteral("SK12345678901234567");
    h.odbory.Odvetvia = QStringLiteral("491500|").repeated(29);  // 203 characters
    h.tlac.KevrotVymenovanie = QString(120, u'x');
    TVozidlo v;
    v.Nazov = QString(210, u'v');
    h.vozidla = {v};
    QList<TVozidlo> vozidla;
    PrevezmiHodnoty(h, n, vozidla);
    const TNastavenia& t = n.Nastavenie;
    EXPECT_EQ(t.Adresa, QString(200, u'a'));
    EXPECT_EQ(t.Mesto, QStringLiteral("Košice ?"));
    EXPECT_EQ(t.ICDPH, QStringLiteral("SK1234567890123"));
    EXPECT_EQ(t.Odvetvia.size(), 200);
    EXPECT_EQ(n.NastavenieTlac.KevrotVymenovanie.size(), 100);
    ASSERT_EQ(vozidla.size(), 1);
    EXPECT_EQ(vozidla.at(0).Nazov.size(), 200);
    EXPECT_TRUE(t.TextVyuctovania.isEmpty());
    EXPECT_TRUE(t.TextVyuctovaniaCiastka.isEmpty());
    EXPECT_TRUE(n.NastavenieHlavicka.HlavickaText.isEmpty());
}

TEST_F(HodnotyNastaveniaTest, VatRateAndJournalNumberAsTyped)
{
    const struct {
        QString text;
        std::optional<double> sadzba;
    } sadzby[] = {
        {QStringLiteral("20,5"), 20.5}, {QStringLiteral(" 20.00"), 20.0}, {QStringLiteral("0"), 0.0},
        {QStringLiteral("20 %"), std::nullopt}, {QStringLiteral("-5"), std::nullopt}, {QString(), std::nullopt},
    };
    for (const auto& s : sadzby)
        EXPECT_EQ(CitajSadzbu(s.text), s.sadzba) << s.text.toStdString();
    EXPECT_EQ(TextSadzby(5), QStringLiteral("5,00"));
    EXPECT_EQ(TextSadzby(20.5), QStringLiteral("20,50"));
    EXPECT_EQ(CitajCisloKevrota(QStringLiteral("12")), 12);
    EXPECT_EQ(CitajCisloKevrota(QStringLiteral("1,5")), std::nullopt);
}

TEST_F(HodnotyNastaveniaTest, HeaderLineFromTheAddress)
{
    TNastavenia n;
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QStringLiteral("Novák");
    n.Adresa = QStringLiteral("Hlavná 1");
    n.PSC = QStringLiteral("040 01");
    n.Mesto = QStringLiteral("Košice");
    EXPECT_EQ(HlavickaZAdresy(n), QStringLiteral(" Ján Novák, Hlavná 1, 040 01 Košice"));
    n.TitulPred = QStringLiteral("Ing.");
    n.TitulZa = QStringLiteral("PhD.");
    EXPECT_EQ(HlavickaZAdresy(n), QStringLiteral("Ing. Ján Novák, PhD., Hlavná 1, 040 01 Košice"));
}

TEST_F(HodnotyNastaveniaTest, SavesStopAtTheFirstFileThatCannotBeWritten)
{
    Nastavenia n;
    Vozidla v;
    n.Nastavenie.Meno = QStringLiteral("Ján");
    ASSERT_TRUE(UlozPoNastaveni(n, v));
    EXPECT_TRUE(QFile::exists(cesta(QStringLiteral("nastavenia.dat"))));
    EXPECT_TRUE(QFile::exists(cesta(QStringLiteral("Data/znalec_kevrot_nastavenie_tlac.dat"))));
    EXPECT_EQ(n.Nastavenie.TitleFontStyle, 0x3001);

    // "Data" a file: the vehicle list cannot be saved, so nothing after it is either.
    QFile::remove(cesta(QStringLiteral("nastavenia.dat")));
    QDir(cesta(QStringLiteral("Data"))).removeRecursively();
    zapis(QStringLiteral("Data"), "x");
    m_spravy.vymaz();
    EXPECT_FALSE(ohlas(UlozPoNastaveni(n, v)));
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("nastavenia.dat"))));
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

TEST_F(HodnotyNastaveniaTest, AnIbanPastedIntoTheAccountMovesToItsFieldWhole)
{
    // A pasted Slovak IBAN keeps all its digits: it gives the account and the bank code.
    const PoliaUctu p = UpravPoliaUctu({QStringLiteral("SK63 0800 0000 1920 0014 5399"), QString(), QString()});
    EXPECT_EQ(p, (PoliaUctu{QStringLiteral("19-2000145399"), QStringLiteral("0800"),
                            QStringLiteral("SK6308000000192000145399")}));
    EXPECT_TRUE(ChybaPoliUctu(p).isEmpty());
    // A foreign IBAN has no Slovak account.
    const PoliaUctu cudzi = UpravPoliaUctu({QStringLiteral("de89370400440532013000"), QStringLiteral("0800"), {}});
    EXPECT_EQ(cudzi.iban, QStringLiteral("DE89370400440532013000"));
    EXPECT_TRUE(cudzi.cisloUctu.isEmpty());
    EXPECT_TRUE(ChybaPoliUctu(cudzi).isEmpty());
}

TEST_F(HodnotyNastaveniaTest, AccountAndIbanFailingTheirChecksAreNamed)
{
    const struct {
        PoliaUctu polia;
        const char* chyba;  // part of the message; "" = accepted
    } pripady[] = {
        {{"19-2000145399", "0800", ""}, ""},
        {{"", "", ""}, ""},
        {{"19-2000145398", "0800", ""}, "Číslo účtu nie je platné"},    // mod 11 of the number
        {{"18-2000145399", "0800", ""}, "Číslo účtu nie je platné"},    // mod 11 of the prefix
        {{"19-2000145399", "080", ""}, "Kód banky nie je platný"},
        {{"", "", "SK6308000000192000145398"}, "kontrolné číslice nesúhlasia"},  // mod 97
        {{"", "", "SK63080000001920001453"}, "má mať 24 znakov"},
        {{"", "", "123"}, "nemá správny tvar"},
        {{"2000145399", "0800", "SK6308000000192000145399"}, "nepatrí k účtu"},
    };
    for (const auto& c : pripady) {
        const QString chyba = ChybaPoliUctu(c.polia);
        if (*c.chyba)
            EXPECT_TRUE(chyba.contains(QString::fromUtf8(c.chyba))) << chyba.toStdString();
        else
            EXPECT_TRUE(chyba.isEmpty()) << chyba.toStdString();
    }
}
