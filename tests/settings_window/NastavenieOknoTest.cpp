// The settings window driven through its buttons: the settings command with its copies,
// banks, kinds, codes, vehicles, fonts, header, template lists and headings.

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "word/RtfCitac.h"
#include "widgets/RichEditForm.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "remuneration/TOdmenyVydavkyPreddefTexty.h"
#include "settings/Banky.h"
#include "settings/HodnotyNastavenia.h"
#include "store/Datum.h"
#include "store/SadzbyDPH.h"
#include "settings/Jazyky.h"
#include "settings/OdboryOdvetvia.h"
#include "settings/TBankaForm.h"
#include "settings/TJazykForm.h"
#include "settings/TNastaveniaEFakturyForm.h"
#include "settings/TVozidloEditForm.h"
#include "settings/TZapisaneJazykyForm.h"
#include "settings_window/TNastavenieForm.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QHeaderView>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>

namespace {

class NastavenieOkno : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        TNastavenia& n = m_nastavenia.Nastavenie;
        n.Meno = QStringLiteral("Ján");
        n.Priezvisko = QStringLiteral("Novák");
        n.Banka = QStringLiteral("0900");
        n.SadzbaDPH = 20;
        ASSERT_TRUE(m_jazyky.PridajJazyk(QStringLiteral("eng"), QStringLiteral("anglický")).isEmpty());
    }

    CiselnikyNastavenia ciselniky() { return {m_odbory, m_jazyky, m_preddef}; }

    // Runs the settings command; `akcia` drives the window.
    bool spusti(std::function<void(TNastavenieForm*)> akcia, std::optional<double> sadzba = std::nullopt)
    {
        ked_sa_otvori<TNastavenieForm>(akcia);
        return SpustiNastavenie(nullptr, m_nastavenia, m_vozidla, ciselniky(), sadzba);
    }

    TNastavenieForm* okno() { return new TNastavenieForm(HodnotyZNastaveni(m_nastavenia, {}), ciselniky()); }

    static QString text(const QString& cesta) { return RtfCitac::citajSubor(cesta).dokument.text().trimmed(); }

    Nastavenia m_nastavenia;
    Vozidla m_vozidla;
    OdboryOdvetvia m_odbory;
    Jazyky m_jazyky;
    PreddefinovaneTexty m_preddef;
};

}  // namespace

TEST_F(NastavenieOkno, CaptionsFollowTheKind)
{
    std::unique_ptr<TNastavenieForm> f(okno());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Nastavenie programu"));
    const struct {
        QRadioButton* TNastavenieForm::*radio;
        QString zalozka, skupina, meno, platca, tlacidlo;
    } pripady[] = {
        {&TNastavenieForm::rbTlmocnik, QStringLiteral("Nastavenie údajov o tlmočníkovi"),
         QStringLiteral("Údaje o tlmočníkovi"), QStringLiteral("Meno tlmočníka:"), QStringLiteral("tlmočník je platca DPH"),
         QStringLiteral("Zapísané jazyky")},
        {&TNastavenieForm::rbPrekladatel, QStringLiteral("Nastavenie údajov o prekladateľovi"),
         QStringLiteral("Údaje o prekladateľovi"), QStringLiteral("Meno prekladateľa:"),
         QStringLiteral("prekladateľ je platca DPH"), QStringLiteral("Zapísané jazyky")},
        {&TNastavenieForm::rbZnalec, QStringLiteral("Nastavenie údajov o znalcovi"), QStringLiteral("Údaje o znalcovi"),
         QStringLiteral("Meno znalca:"), QStringLiteral("znalec je platca DPH"),
         QStringLiteral("Zapísané odbory a odvetvia")},
    };
    for (const auto& p : pripady) {
        (f.get()->*p.radio)->click();
        EXPECT_EQ(f->Zalozky->tabText(0), p.zalozka);
        EXPECT_EQ(f->grpUdaje->title(), p.skupina);
        EXPECT_EQ(f->lblMeno->text(), p.meno);
        EXPECT_EQ(f->chkPlatca->text(), p.platca);
        EXPECT_EQ(f->btnZapisaneKody->text(), p.tlacidlo);
    }
    EXPECT_EQ(f->editMeno->text(), QStringLiteral("Ján Novák"));
    EXPECT_TRUE(f->editMeno->isReadOnly());
    EXPECT_EQ(f->cmbBanka->currentText(), QStringLiteral("0900 Slovenská sporiteľňa, a.s."));
    EXPECT_EQ(f->editSadzba->text(), QStringLiteral("20,00"));
}

TEST_F(NastavenieOkno, StornoKeepsTheNewBankButNoSetting)
{
    const bool ok = spusti([this](TNastavenieForm* f) {
        f->editAdresa->setText(QStringLiteral("Hlavná 1"));
        ked_sa_otvori<TBankaForm>([](TBankaForm* b) {
            b->editKod->setText(QStringLiteral("9999"));
            b->editNazov->setText(QStringLiteral("Nová banka"));
            b->btnOK->click();
        });
        f->btnPridajBanku->click();
        EXPECT_EQ(f->editKodBanky->text(), QStringLiteral("9999"));
        EXPECT_EQ(f->cmbBanka->currentText(), QStringLiteral("9999 Nová banka"));
        f->btnStorno->click();
    });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(m_nastavenia.Nastavenie.Adresa.isEmpty());
    EXPECT_EQ(m_nastavenia.Nastavenie.Banka, QStringLiteral("0900"));
    EXPECT_FALSE(QFile::exists(Nastavenia::SuborNastavenia()));
    const auto banky = NacitajBanky();
    ASSERT_TRUE(banky);
    EXPECT_EQ(banky->size(), VstavaneBanky().size() + 1);
    EXPECT_EQ(NazovBanky(QStringLiteral("9999")), QStringLiteral("Nová banka"));
}

TEST_F(NastavenieOkno, BankCodeAndListFollowEachOtherAndDeletingAsksFirst)
{
    m_nastavenia.Nastavenie.Banka = QStringLiteral("12345");  // in no item
    std::unique_ptr<TNastavenieForm> f(okno());
    EXPECT_EQ(f->cmbBanka->currentIndex(), -1);
    EXPECT_EQ(f->editKodBanky->text(), QStringLiteral("1234"));  // the field holds four
    f->ZvolenaBanka(3);
    EXPECT_EQ(f->editKodBanky->text(), QStringLiteral("1100"));
    f->NapisanyKodBanky(QStringLiteral("0720"));
    EXPECT_EQ(f->cmbBanka->currentIndex(), 1);
    m_spravy.odpovede = {false, true};
    f->btnZmazBanku->click();
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Skutočne si prajete vymazať banku: \r0720 Národná banka Slovenska?")});
    EXPECT_FALSE(QFile::exists(SuborBank()));
    f->btnZmazBanku->click();
    EXPECT_TRUE(f->editKodBanky->text().isEmpty());
    EXPECT_EQ(f->cmbBanka->count(), VstavaneBanky().size() - 1);
    EXPECT_EQ(NacitajBanky()->size(), VstavaneBanky().size() - 1);
}

TEST_F(NastavenieOkno, InterpreterWithLanguagesRateAndVehicleIsSavedOnOk)
{
    m_nastavenia.Nastavenie.Odbory = QStringLiteral("490000|");
    m_nastavenia.Nastavenie.Odvetvia = QStringLiteral("491500|");
    const bool ok = spusti([this](TNastavenieForm* f) {
        f->rbTlmocnik->click();
        ked_sa_otvori<TZapisaneJazykyForm>([](TZapisaneJazykyForm* z) {
            ked_sa_otvori<TJazykForm>([](TJazykForm* j) {
                j->cmbJazyk->setCurrentIndex(0);
                j->btnOK->click();
            });
            z->btnPridaj->click();
            z->btnOK->click();
        });
        f->btnZapisaneKody->click();
        f->editSadzba->setText(QStringLiteral("x"));
        f->OpustilSadzbu();
        EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Neplatná hodnota")});
        EXPECT_TRUE(f->editSadzba->text().isEmpty());
        // an emptied box is not taken silently: "OK" warns, the rate in force comes back
        f->btnOK->click();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(m_spravy.texty().size(), 2);
        EXPECT_EQ(f->editSadzba->text(), QStringLiteral("20,00"));
        f->editSadzba->setText(QStringLiteral("20,5"));
        ked_sa_otvori<TVozidloEditForm>([](TVozidloEditForm* v) {
            v->editNazov->setText(QStringLiteral("Škoda Octavia"));
            v->btnOK->click();
        });
        QAbstractItemModelTester tester(f->gridVozidla->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        f->btnNoveVozidlo->click();
        ASSERT_EQ(f->gridVozidla->verticalHeader()->count(), 1);  // as the grid shows
        f->gridVozidla->setCurrentIndex(f->gridVozidla->model()->index(0, 0));
        ked_sa_otvori<TVozidloEditForm>([](TVozidloEditForm* v) {
            v->editNazov->setText(v->editNazov->text() + QStringLiteral(" Combi"));
            v->btnOK->click();
        });
        f->btnEditujVozidlo->click();
        EXPECT_EQ(f->gridVozidla->model()->index(0, 0).data().toString(), QStringLiteral("Škoda Octavia Combi"));
        f->chkPlatca->click();
        f->rbBezDPH->click();
        f->chkDualne->setChecked(false);
        f->editCisloKevrota->setText(QStringLiteral("7"));
        f->chkTucne->setChecked(false);
        f->btnOK->click();
    });
    ASSERT_TRUE(ok);
    Nastavenia ulozene;
    ASSERT_TRUE(ulozene.NacitajVsetko());
    const TNastavenia& t = ulozene.Nastavenie;
    EXPECT_EQ(t.Druh, Tlmocnik);
    EXPECT_EQ(t.Odbory, QStringLiteral("eng|"));
    EXPECT_TRUE(t.Odvetvia.isEmpty());
    EXPECT_EQ(t.SadzbaDPH, 20.5);
    EXPECT_TRUE(t.PlatcaDPH);
    EXPECT_EQ(t.CestakBezDPH, 1);
    EXPECT_EQ(t.BasicFontName, QStringLiteral("Arial"));
    EXPECT_EQ(t.TitleFontStyle, 0x3001);
    EXPECT_EQ(t.StaryCestak.value(1), QStringLiteral("Škoda Octavia Combi"));
    EXPECT_EQ(ulozene.NastavenieTlac.KevrotCislo, 7);
    EXPECT_FALSE(ulozene.Dualne.DualneZobrazovanie);
    Vozidla v;
    ASSERT_TRUE(v.NacitajVozidla());
    EXPECT_EQ(v.NazvyVozidiel(), QStringList{QStringLiteral("Škoda Octavia Combi")});
}

TEST_F(NastavenieOkno, EntryEditorsRateFillsTheSlotAndBecomesTheDefault)
{
    ASSERT_TRUE(spusti(
        [](TNastavenieForm* f) {
            EXPECT_EQ(f->editSadzba->text(), QStringLiteral("10,00"));
            f->btnOK->click();
        },
        10.0));
    EXPECT_EQ(m_nastavenia.Nastavenie.SadzbaDPH, 10.0);
}

// A new VAT payer without a rate gets the standard rate in force today.
TEST_F(NastavenieOkno, TickingVatPayerWithoutARateTakesTheRateInForce)
{
    zapis("Data/dph.csv", "od;sadzba\n2011-01-01;20\n2025-01-01;23\n");
    zabudniSadzbyDPH();
    const QString dnes = TextSadzby(*sadzbyDPH().KDatumu(Dnes()));
    std::unique_ptr<TNastavenieForm> f(okno());
    f->editSadzba->setText(QStringLiteral("0"));
    f->OpustilSadzbu();
    f->chkPlatca->setChecked(true);
    EXPECT_EQ(f->editSadzba->text(), dnes);
    f->chkPlatca->setChecked(false);
    f->editSadzba->setText(QStringLiteral("21"));
    f->chkPlatca->setChecked(true);
    EXPECT_EQ(f->editSadzba->text(), QStringLiteral("21"));
    zabudniSadzbyDPH();
}

TEST_F(NastavenieOkno, HeaderFromTheAddressAndTheFooterInTheEditor)
{
    std::unique_ptr<TNastavenieForm> f(okno());
    f->editTitulPred->setText(QStringLiteral("Ing."));
    f->editAdresa->setText(QStringLiteral("Hlavná 1"));
    f->editPSC->setText(QStringLiteral("040 01"));
    f->editMesto->setText(QStringLiteral("Košice"));
    f->btnHlavickaZAdresy->click();
    // The full header: name, the registration in the list, the address.
    const QString hlavicka = QStringLiteral("Ing. Ján Novák\nzapísaný v zozname znalcov, tlmočníkov a prekladateľov vedenom "
                                            "Ministerstvom spravodlivosti Slovenskej republiky\nHlavná 1, 040 01 Košice");
    EXPECT_EQ(text(SablonyDruhu::suborHlavicky()), hlavicka);
    EXPECT_EQ(f->viewHlavicka->toPlainText().trimmed(), hlavicka);

    ked_sa_otvori<TRichEditForm>([](TRichEditForm* e) {
        EXPECT_EQ(e->windowTitle().contains(QStringLiteral("[Päta vyúčtovania]")), true);
        e->editor()->setPlainText(QStringLiteral("Ďakujem"));
        e->btnVlozClick();
    });
    f->btnEditujPatu->click();
    EXPECT_EQ(text(SablonyDruhu::suborPaty()), QStringLiteral("Ďakujem"));
    EXPECT_EQ(f->viewPata->toPlainText().trimmed(), QStringLiteral("Ďakujem"));

    // With the word processor the file opens on the desktop.
    if (!f->chkWord->isHidden()) {
        f->chkWord->setChecked(true);
        f->btnEditujHlavicku->click();
        EXPECT_EQ(m_spravy.otvoreneSubory, QStringList{SablonyDruhu::suborHlavicky()});
    }
}

TEST_F(NastavenieOkno, TemplateListsMakeOpenAndDeleteTextsOfTheChosenKind)
{
    std::unique_ptr<TNastavenieForm> f(okno());
    f->rbPrekladatel->click();
    auto& zoznam = f->sablony(SadaSablon::Vyuctovanie);
    ked_sa_otvori<TRichEditForm>([](TRichEditForm* e) {
        EXPECT_TRUE(e->windowTitle().contains(QStringLiteral("[Preklad.rtf]")));
        e->editor()->setPlainText(QStringLiteral("Prekladám"));
        e->btnVlozClick();
    });
    f->NovyText(SadaSablon::Vyuctovanie, QStringLiteral("Preklad"));
    const QString adresar = SablonyDruhu::adresar(SadaSablon::Vyuctovanie, Prekladatel);
    EXPECT_EQ(text(adresar + "Preklad.rtf"), QStringLiteral("Prekladám"));
    ASSERT_EQ(zoznam.zoznam->count(), 1);
    EXPECT_EQ(zoznam.zoznam->item(0)->text(), QStringLiteral("Preklad"));

    zoznam.zoznam->setCurrentRow(0);
    ked_sa_otvori<TRichEditForm>([](TRichEditForm* e) {
        EXPECT_EQ(e->editor()->toPlainText().trimmed(), QStringLiteral("Prekladám"));
    });
    emit zoznam.zoznam->itemDoubleClicked(zoznam.zoznam->item(0));

    // Cancelling the name asks nothing more.
    ked_sa_otvori<QInputDialog>([](QInputDialog* d) { d->reject(); });
    zoznam.novy->click();
    EXPECT_EQ(zoznam.zoznam->count(), 1);

    if (!f->chkWord->isHidden()) {
        f->chkWord->setChecked(true);
        f->NovyText(SadaSablon::Vyuctovanie, QStringLiteral("Vo Worde"));
        EXPECT_EQ(m_spravy.otvoreneSubory, QStringList{adresar + "Vo Worde.rtf"});
        EXPECT_EQ(zoznam.zoznam->count(), 1);  // until "Obnov"
        zoznam.obnov->click();
        EXPECT_EQ(zoznam.zoznam->count(), 2);
    }
    zoznam.zoznam->setCurrentRow(0);
    const QString prvy = zoznam.zoznam->item(0)->text();
    zoznam.vymaz->click();
    EXPECT_FALSE(QFile::exists(adresar + prvy + ".rtf"));
    EXPECT_EQ(zoznam.zoznam->findItems(prvy, Qt::MatchExactly).size(), 0);
}

TEST_F(NastavenieOkno, LegacyTextBecomesDefaultRtfAndHeadingsAreSavedAtOnce)
{
    m_nastavenia.Nastavenie.TextVyuctovania = QStringLiteral("Starý text");
    const QString predvoleny = SablonyDruhu::adresar(SadaSablon::Vyuctovanie, Znalec) + "default.rtf";
    ASSERT_TRUE(spusti([this](TNastavenieForm* f) {
        ASSERT_EQ(f->sablony(SadaSablon::Vyuctovanie).zoznam->count(), 1);
        ked_sa_otvori<TOdmenyVydavkyPreddefTexty>([](TOdmenyVydavkyPreddefTexty* d) {
            d->polia.at(0)->setPlainText(QStringLiteral("Odmena"));
            d->btnOK->click();
        });
        f->btnHlavickyOdmien->click();
        f->btnOK->click();
    }));
    EXPECT_EQ(text(predvoleny), QStringLiteral("Starý text"));
    EXPECT_TRUE(m_nastavenia.Nastavenie.TextVyuctovania.isEmpty());
    PreddefinovaneTexty ulozene;
    ASSERT_TRUE(ulozene.NacitajPreddefTexty());
    EXPECT_EQ(ulozene.HlavickaDruhu(2), QStringLiteral("Odmena"));

    QFile::remove(predvoleny);
    spusti([](TNastavenieForm* f) { f->btnStorno->click(); });
    EXPECT_FALSE(QFile::exists(predvoleny));
}

TEST_F(NastavenieOkno, EInvoiceSettingsOpenFromTheWindowWithTheAccountAsTyped)
{
    QString iban;
    ASSERT_FALSE(spusti([&](TNastavenieForm* f) {
        f->editCisloUctu->setText(QStringLiteral("2600000001"));
        ked_sa_otvori<TNastaveniaEFakturyForm>([&](TNastaveniaEFakturyForm* e) {
            iban = e->EditIBAN->placeholderText();
            e->btnStorno->click();
        });
        f->btnNastaveniaEFaktury->click();
        f->btnStorno->click();
    }));
    EXPECT_TRUE(iban.contains(QStringLiteral("2600000001"))) << iban.toStdString();
}
