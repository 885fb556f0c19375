// Files the settings window works on: legacy texts turned into templates once, the header
// made from the address, templates deleted.

#include "common/TestAppDir.h"

#include "word/RtfCitac.h"
#include "settings/HodnotyNastavenia.h"
#include "settings/NastaveniaEFaktury.h"
#include "settings/SablonyDruhu.h"
#include "word/NastavenieSubory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
class NastavenieSuboryTest : public TestAppDir {
protected:
    static QString text(const QString& cesta) { return RtfCitac::citajSubor(cesta).dokument.text().trimmed(); }
};
}  // namespace

TEST_F(NastavenieSuboryTest, LegacyTextsBecomeTemplatesOnceAndTheMissingHeaderIsMade)
{
    Nastavenia n;
    n.Nastavenie.TextVyuctovania = QStringLiteral("Účtujem úkon");
    n.Nastavenie.TextVyuctovaniaCiastka = QStringLiteral("Suma {na} účet");
    n.NastavenieHlavicka.HlavickaText = QStringLiteral("Ing. Ján Novák");
    n.DoplnPredvoleneFonty();
    HodnotyNastavenia h = HodnotyZNastaveni(n, {});
    ASSERT_TRUE(NastavenieSubory::PrevedStareTexty(h).ok());
    const QString vyuctovanie = SablonyDruhu::adresar(SadaSablon::Vyuctovanie, Znalec) + "default.rtf";
    const QString ciastka = SablonyDruhu::adresar(SadaSablon::FinancnaCiastka, Znalec) + "default.rtf";
    EXPECT_EQ(text(vyuctovanie), QStringLiteral("Účtujem úkon"));
    EXPECT_EQ(text(ciastka), QStringLiteral("Suma {na} účet"));
    EXPECT_EQ(text(SablonyDruhu::suborHlavicky()), QStringLiteral("Ing. Ján Novák"));
    EXPECT_TRUE(QDir(SablonyDruhu::adresar(SadaSablon::Korespondencia, Znalec)).exists());

    // After OK the legacy texts are empty: the next opening makes nothing, and an existing
    // header is not replaced.
    QList<TVozidlo> vozidla;
    PrevezmiHodnoty(h, n, vozidla);
    QFile::remove(vyuctovanie);
    zapis(QStringLiteral("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"), "{\\rtf1 Moja\\par}");
    ASSERT_TRUE(NastavenieSubory::PrevedStareTexty(HodnotyZNastaveni(n, {})).ok());
    EXPECT_FALSE(QFile::exists(vyuctovanie));
    EXPECT_EQ(text(SablonyDruhu::suborHlavicky()), QStringLiteral("Moja"));
}

TEST_F(NastavenieSuboryTest, HeaderFromTheAddressKeepsRichTextCharactersAsText)
{
    TNastavenia n;
    n.TitulPred = QStringLiteral("{\\b Ing.}");
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QStringLiteral("Novák\\par");
    n.Adresa = QStringLiteral("Hlavná 1");
    n.PSC = QStringLiteral("040 01");
    n.Mesto = QStringLiteral("Košice");
    n.BasicFontName = QStringLiteral("Arial");
    n.BasicFontSize = 11;
    n.EC = QStringLiteral("912345");
    n.ICO = QStringLiteral("12345678");
    n.CisloUctu = QStringLiteral("19-2000145399");
    n.Banka = QStringLiteral("0800");
    NastaveniaEFaktury e;
    e.Telefon = QStringLiteral("0905 123 456");
    e.Email = QStringLiteral("novak@example.sk");
    ASSERT_TRUE(NastavenieSubory::VytvorHlavickuZAdresy(n, e).ok());
    EXPECT_EQ(text(SablonyDruhu::suborHlavicky()),
              QStringLiteral("{\\b Ing.} Ján Novák\\par\nzapísaný v zozname znalcov, tlmočníkov a prekladateľov vedenom "
                             "Ministerstvom spravodlivosti Slovenskej republiky, evidenčné číslo 912345\n"
                             "Hlavná 1, 040 01 Košice • tel.: 0905 123 456 • e-mail: novak@example.sk"));
    ASSERT_TRUE(NastavenieSubory::VytvorPatuZNastaveni(n, e).ok());
    EXPECT_EQ(text(SablonyDruhu::suborPaty()),
              QStringLiteral("Bankové spojenie: IBAN: SK63 0800 0000 1920 0014 5399 • IČO: 12345678"));
}

TEST_F(NastavenieSuboryTest, TemplateNamesAreFilesOfTheirFolder)
{
    const QString a = SablonyDruhu::adresar(SadaSablon::Korespondencia, Tlmocnik);
    EXPECT_TRUE(a.endsWith(QStringLiteral("Korespondencia - objednavky (tlmocnik)/")));
    EXPECT_EQ(NastavenieSubory::suborSablony(a, QStringLiteral("List")), a + "List.rtf");
    for (const QString& zly : {QString(), QStringLiteral(" "), QStringLiteral("../x"), QStringLiteral("a\\b"),
                               QStringLiteral("..")})
        EXPECT_TRUE(NastavenieSubory::suborSablony(a, zly).isEmpty()) << zly.toStdString();
}

TEST_F(NastavenieSuboryTest, DeletingATemplateReportsWhatCouldNotBeDeleted)
{
    const QString a = SablonyDruhu::adresar(SadaSablon::Vyuctovanie, Znalec);
    ASSERT_TRUE(QDir().mkpath(a + "Priečinok.rtf/vnutri"));
    zapis(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania/List.rtf"), "{\\rtf1 a\\par}");
    zapis(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania/Dovoz.RTF"), "{\\rtf1 b\\par}");
    const struct {
        QString nazov, subor;
        bool chyba;
    } pripady[] = {
        {QStringLiteral("List"), a + "List.rtf", false},
        {QStringLiteral("Dovoz"), a + "Dovoz.RTF", false},  // as an import brought it
        {QStringLiteral("Chýba"), a + "Chýba.rtf", false},
        {QStringLiteral("Priečinok"), a + "Priečinok.rtf", true},
    };
    for (const auto& p : pripady) {
        const QString chyba = NastavenieSubory::VymazSablonu(a, p.nazov).dovod();
        EXPECT_EQ(chyba.startsWith(QStringLiteral("Nepodarilo sa vymazať súbor: ") + QDir::toNativeSeparators(p.subor)),
                  p.chyba)
            << p.nazov.toStdString() << ": " << chyba.toStdString();
        EXPECT_EQ(QFileInfo::exists(p.subor), p.chyba) << p.nazov.toStdString();
    }
}
