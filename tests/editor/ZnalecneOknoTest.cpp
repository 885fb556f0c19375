// "Znalečné" / "Tlmočné" of the entry editor: the checks, the window, the billed amounts.

#include "ZnalecOdboru.h"
#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "editor/TVyplateneZnalecneForm.h"
#include "editor/TZnalecKevrotEditForm.h"
#include "editor/VyplatenieTab.h"
#include "remuneration/PolePopisu.h"
#include "remuneration/TVydavkyForm.h"
#include "remuneration/TZmluvnaOdmenaForm.h"
#include "settings/Jazyk.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/SadzbyDPH.h"
#include "store/Zurnal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

class ZnalecneOkno : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        nastavDualneZobrazovanie(false);
        NastavZnalcaOdboru(m_udaje);
        m_udaje.nastavenia.Nastavenie.SadzbaDPH = 20;
        m_udaje.nastavenia.Nastavenie.PlatcaDPH = true;
        TPolozkaCiselnika p;
        p.Skupina = 1;
        p.Druh = 4;
        p.Nazov = QStringLiteral("Kopírovanie");
        p.Cena = 0.5;
        m_udaje.polozky.PolozkyCiselnika = {p};
    }
    void TearDown() override
    {
        nastavDualneZobrazovanie(true);
        TestAppDir::TearDown();
    }

    UpravaZaznamu zaznam()
    {
        UpravaZaznamu u;
        u.novy = true;
        u.zaznam.PoradoveCislo = 5;
        u.zaznam.Rok = 2024;
        return u;
    }

    // Adds a contractual item of 3 acts at 120 in the window and confirms it.
    static void pridajZmluvnu()
    {
        ked_sa_otvori<TVydavkyForm>([](TVydavkyForm* o) {
            ked_sa_otvori<TZmluvnaOdmenaForm>([](TZmluvnaOdmenaForm* d) {
                d->CenaEdit->setText(QStringLiteral("120"));
                d->OpustilCenu();
                d->PocetSpin->setValue(3);
                d->btnOK->click();
            });
            o->tlacidlo(ZalozkaVydavkov::Zmluvna, 0)->click();
            o->chkZaradit->setChecked(true);
            o->btnOK->click();
        });
    }

    Udaje m_udaje;
};

}  // namespace

TEST_F(ZnalecneOkno, ExpertEntryTakesItemsTravelAndBilledAmountsWithVat)
{
    TZnalecKevrotEditForm okno(zaznam(), Zdroje(m_udaje));
    okno.cmbOdvetvie->setCurrentIndex(-1);
    okno.btnZnalecne->click();
    okno.cmbOdvetvie->setCurrentIndex(0);
    okno.btnZnalecne->click();
    EXPECT_EQ(m_spravy.texty(),
              QStringList({"Nie je zadaný odbor a odvetvie.",
                           "Nie je zadaný dátum vykonania.\nJe nutný pre určenie spôsobu výpočtu DPH."}));
    okno.NastavVykonanie(QDateNaDatum(QDate(2024, 3, 5)));

    pridajZmluvnu();
    okno.btnZnalecne->click();
    const UpravaZaznamu& u = okno.uprava();
    ASSERT_EQ(u.vydavky.size(), 2);  // the pre-filled flat expense and the contract
    EXPECT_EQ(u.vydavky[0].Nazov, QStringLiteral("Kopírovanie"));
    EXPECT_EQ(u.vydavky[1].PocetRozpisov, 1);
    EXPECT_DOUBLE_EQ(u.zaznam.UctovanaOdmena, 432);  // 360 with 20 % VAT
    EXPECT_EQ(okno.lblUctavanaOdmena->text(), SumaTextSk(SymbolEuro, 432));
    EXPECT_TRUE(okno.CheckBoxVlozeneDoZoznamuVyuctovani->isChecked());
    EXPECT_GT(u.zaznam.CestovneNahrady.VyuctovaneDna, 0);  // defaults of a new block

    // The payment dialog offers the full amount billed.
    ked_sa_otvori<TVyplateneZnalecneForm>([](TVyplateneZnalecneForm* d) {
        d->CelaSumaCheck->setChecked(true);
        EXPECT_EQ(d->SumaEdit->text(), QStringLiteral("432,00"));
    });
    okno.tabVyplatenie->Pridaj();

    // Cancelling the window changes nothing.
    ked_sa_otvori<TVydavkyForm>([](TVydavkyForm* o) {
        o->tlacidlo(ZalozkaVydavkov::Zmluvna, 2)->click();
        o->reject();
    });
    m_spravy.predvolenaOdpoved = true;
    okno.btnZnalecne->click();
    EXPECT_EQ(okno.uprava().vydavky.size(), 2);

    // What the entry file stores reads back the same, byte for byte.
    const QByteArray subor = Zurnal::ObsahSuboru(u.zaznam, u.vydavky, u.vyplatenia);
    ObsahZaznamu precitane;
    ASSERT_TRUE(Zurnal::RozoberSubor(subor, precitane));
    EXPECT_EQ(precitane.vydavky.size(), 2);
    EXPECT_DOUBLE_EQ(precitane.zaznam.UctovanaOdmena, 432);
    EXPECT_EQ(Zurnal::ObsahSuboru(precitane.zaznam, precitane.vydavky, precitane.vyplatenia), subor);
}

TEST_F(ZnalecneOkno, InterpreterEntryNeedsALanguageAndShowsTlmocne)
{
    m_udaje.nastavenia.Nastavenie.Druh = Tlmocnik;
    m_udaje.nastavenia.Nastavenie.PlatcaDPH = false;
    TJazyk j;
    j.Kod = QStringLiteral("deu");
    j.Nazov = QStringLiteral("nemecký");
    m_udaje.jazyky.ZoznamJazykov = {j};
    TZnalecKevrotEditForm okno(zaznam(), Zdroje(m_udaje));
    EXPECT_EQ(okno.btnZnalecne->text(), QStringLiteral("Tlmočné"));
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Editovanie tlmočníckeho kevrota"));
    EXPECT_EQ(okno.lblTypPosudku->text(), QStringLiteral("Typ tlmočenia:"));
    okno.NastavVykonanie(QDateNaDatum(QDate(2024, 3, 5)));
    okno.cmbOdborJazyk->setCurrentIndex(-1);
    okno.btnZnalecne->click();
    EXPECT_EQ(m_spravy.texty(), QStringList({"Nie je zadaný jazyk."}));
    okno.cmbOdborJazyk->setCurrentIndex(0);
    ked_sa_otvori<TVydavkyForm>([](TVydavkyForm* o) {
        EXPECT_EQ(o->windowTitle(), QStringLiteral("Tlmočné výdavky"));
        ked_sa_otvori<TZmluvnaOdmenaForm>([](TZmluvnaOdmenaForm* d) {
            d->CenaEdit->setText(QStringLiteral("50"));
            d->OpustilCenu();
            d->btnOK->click();
        });
        o->tlacidlo(ZalozkaVydavkov::Zmluvna, 0)->click();
        o->btnOK->click();
    });
    okno.btnZnalecne->click();
    EXPECT_DOUBLE_EQ(okno.uprava().zaznam.UctovanaOdmena, 50);  // no VAT for a non-payer
    EXPECT_EQ(okno.lblUctavanaOdmena->text(), SumaTextSk(SymbolEuro, 50));
}

// The billed amounts follow the date of performance and the rate at once; the rate in
// force comes from the shipped table, a typed other one is named.
TEST_F(ZnalecneOkno, BilledAmountsFollowTheDateAndTheRate)
{
    zapis(QStringLiteral("Data/dph.csv"), "od;sadzba\n2004-01-01;19\n2011-01-01;20\n2025-01-01;23\n");
    zabudniSadzbyDPH();
    TZnalecKevrotEditForm okno(zaznam(), Zdroje(m_udaje));
    okno.cmbOdvetvie->setCurrentIndex(0);
    okno.NastavVykonanie(QDateNaDatum(QDate(2024, 3, 5)));
    pridajZmluvnu();
    okno.btnZnalecne->click();
    EXPECT_DOUBLE_EQ(okno.uprava().zaznam.UctovanaOdmena, 432);

    okno.NastavVykonanie(QDateNaDatum(QDate(2025, 3, 5)));
    EXPECT_EQ(okno.DPHEdit->text(), QStringLiteral("23,00"));
    EXPECT_DOUBLE_EQ(okno.uprava().zaznam.UctovanaOdmena, 442.8);
    EXPECT_EQ(okno.lblUctavanaOdmena->text(), SumaTextSk(SymbolEuro, 442.8));
    EXPECT_TRUE(okno.lblOdlisnaDPH->text().isEmpty());

    okno.DPHEdit->setText(QStringLiteral("20"));
    okno.OpustilDPH();
    EXPECT_DOUBLE_EQ(okno.uprava().zaznam.UctovanaOdmena, 432);
    EXPECT_EQ(okno.lblOdlisnaDPH->text(), QStringLiteral("iná ako zákonná sadzba 23 %"));
    zabudniSadzbyDPH();
}
