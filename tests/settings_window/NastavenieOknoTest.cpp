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
#include "settings_window/StrankaCisloKevrota.h"
#include "settings_window/StrankaHlavickaPata.h"
#include "settings_window/StrankaTlac.h"
#include "settings_window/StrankaUdaje.h"
#include "settings_window/ZoznamSablon.h"

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
        QRadioButton* StrankaUdaje::*radio;
        QString zalozka, skupina, meno, platca, tlacidlo;
    } pripady[] = {
        {&StrankaUdaje::rbTlmocnik, QStringLiteral("Nastavenie údajov o tlmočníkovi"),
         QStringLiteral("Údaje o tlmočníkovi"), QStringLiteral("Meno tlmočníka:"), QStringLiteral("tlmočník je platca DPH"),
         QStringLiteral("Zapísané jazyky")},
        {&StrankaUdaje::rbPrekladatel, QStringLiteral("Nastavenie údajov o prekladateľovi"),
         QStringLiteral("Údaje o prekladateľovi"), QStringLiteral("Meno prekladateľa:"),
         QStringLiteral("prekladateľ je platca DPH"), QStringLiteral("Zapísané jazyky")},
        {&StrankaUdaje::rbZnalec, QStringLiteral("Nastavenie údajov o znalcovi"), QStringLiteral("Údaje o znalcovi"),
         QStringLiteral("Meno znalca:"), QStringLiteral("znalec je platca DPH"),
         QStringLiteral("Zapísané odbory a odvetvia")},
    };
    for (const auto& p : pripady) {
        (f->udaje->*p.radio)->click();
        EXPECT_EQ(f->Zalozky->tabText(0), p.zalozka);
        EXPECT_EQ(f->udaje->grpUdaje->title(), p.skupina);
        EXPECT_EQ(f->udaje->lblMeno->text(), p.meno);
        EXPECT_EQ(f->udaje->chkPlatca->text(), p.platca);
        EXPECT_EQ(f->udaje->btnZapisaneKody->text(), p.tlacidlo);
    }
    EXPECT_EQ(f->udaje->editMeno->text(), QStringLiteral("Ján Novák"));
    EXPECT_TRUE(f->udaje->editMeno->isReadOnly());
    EXPECT_EQ(f->udaje->cmbBanka->currentText(), QStringLiteral("0900 Slovenská sporiteľňa, a.s."));
    EXPECT_EQ(f->udaje->editSadzba->text(), QStringLiteral("20,00"));
}

TEST_F(NastavenieOkno, StornoKeepsTheNewBankButNoSetting)
{
    const bool ok = spusti([this](TNastavenieForm* f) {
        f->udaje->editAdresa->setText(QStringLiteral("Hlavná 1"));
        ked_sa_otvori<TBankaForm>([](TBankaForm* b) {
            b->editKod->setText(QStringLiteral("9999"));
            b->editNazov->setText(QStringLiteral("Nová banka"));
            b->btnOK->click();
        });
        f->udaje->btnPridajBanku->click();
        EXPECT_EQ(f->udaje->editKodBanky->text(), QStringLiteral("9999"));
        EXPECT_EQ(f->udaje->cmbBanka->currentText(), QStringLiteral("9999 Nová banka"));
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
    EXPECT_EQ(f->udaje->cmbBanka->currentIndex(), -1);
    EXPECT_EQ(f->udaje->editKodBanky->text(), QStringLiteral("1234"));  // the field holds four
    f->udaje->ZvolenaBanka(3);
    EXPECT_EQ(f->udaje->editKodBanky->text(), QStringLiteral("1100"));
    f->udaje->NapisanyKodBanky(QStringLiteral("0720"));
    EXPECT_EQ(f->udaje->cmbBanka->currentIndex(), 1);
    m_spravy.odpovede = {false, true};
    f->udaje->btnZmazBanku->click();
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Skutočne si prajete vymazať banku: \r0720 Národná banka Slovenska?")});
    EXPECT_FALSE(QFile::exists(SuborBank()));
    f->udaje->btnZmazBanku->click();
    EXPECT_TRUE(f->udaje->editKodBanky->text().isEmpty());
    EXPECT_EQ(f->udaje->cmbBanka->count(), VstavaneBanky().size() - 1);
    EXPECT_EQ(NacitajBanky()->size(), VstavaneBanky().size() - 1);
}

TEST_F(NastavenieOkno, InterpreterWithLanguagesRateAndVehicleIsSavedOnOk)
{
    m_nastavenia.Nastavenie.Odbory = QStringLiteral("490000|");
    m_nastavenia.Nastavenie.Odvetvia = QStringLiteral("491500|");
    const bool ok = spusti([this](TNastavenieForm* f) {
        f->udaje->rbTlmocnik->click();
        ked_sa_otvori<TZapisaneJazykyForm>([](TZapisaneJazykyForm* z) {
            ked_sa_otvori<TJazykForm>([](TJazykForm* j) {
                j->cmbJazyk->setCurrentIndex(0);
                j->btnOK->click();
            });
            z->btnPridaj->click();
            z->btnOK->click();
        });
        f->udaje->btnZapisaneKody->click();
        f->udaje->editSadzba->setText(QStringLiteral("x"));
        f->udaje->OpustilSadzbu();
        EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Neplatná hodnota")});
        EXPECT_TRUE(f->udaje->editSadzba->text().isEmpty());
        // an emptied box is not taken silently: "OK" warns, the rate in force comes back
        f->btnOK->click();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(m_spravy.texty().size(), 2);
        EXPECT_EQ(f->udaje->editSadzba->text(), QStringLiteral("20,00"));
        f->udaje->editSadzba->setText(QStringLiteral("20,5"));
        ked_sa_otvori<TVozidloEditForm>([](TVozidloEditForm* v) {
            v->editNazov->setText(QStringLiteral("Škoda Octavia"));
            v->btnOK->click();
        });
        QAbstractItemModelTester tester(f->udaje->gridVozidla->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        f->udaje->btnNoveVozidlo->click();
        ASSERT_EQ(f->udaje->gridVozidla->verticalHeader()->count(), 1);  // as the grid shows
        f->udaje->gridVozidla->setCurrentIndex(f->udaje->gridVozidla->model()->index(0, 0));
        ked_sa_otvori<TVozidloEditForm>([](TVozidloEditForm* v) {
            v->editNazov->setText(v->editNazov->text() + QStringLiteral(" Combi"));
            v->btnOK->click();
        });
        f->udaje->btnEditujVozidlo->click();
        EXPECT_EQ(f->udaje->gridVozidla->model()->index(0, 0).data().toString(), QStringLiteral("Škoda Octavia Combi"));
        f->udaje->chkPlatca->click();
        f->udaje->rbBezDPH->click();
        f->udaje->chkDualne->setChecked(false);
        f->cisloKevrota->editCisloKevrota->setText(QStringLiteral("7"));
        f->tlac->chkTucne->setChecked(false);
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
            EXPECT_EQ(f->udaje->editSadzba->text(), QStringLiteral("10,00"));
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
    f->udaje->editSadzba->setText(QStringLiteral("0"));
    f->udaje->OpustilSadzbu();
    f->udaje->chkPlatca->setChecked(true);
    EXPECT_EQ(f->udaje->editSadzba->text(), dnes);
    f->udaje->chkPlatca->setChecked(false);
    f->udaje->editSadzba->setText(QStringLiteral("21"));
    f->udaje->chkPlatca->setChecked(true);
    EXPECT_EQ(f->udaje->editSadzba->text(), QStringLiteral("21"));
    zabudniSadzbyDPH();
}

TEST_F(NastavenieOkno, HeaderFromTheAddressAndTheFooterInTheEditor)
{
    std::unique_ptr<TNastavenieForm> f(okno());
    f->udaje->editTitulPred->setText(QStringLiteral("Ing."));
    f->udaje->editAdresa->setText(QStringLiteral("Hlavná 1"));
    f->udaje->editPSC->setText(QStringLiteral("040 01"));
    f->udaje->editMesto->setText(QStringLiteral("Košice"));
    f->hlavickaPata->btnHlavickaZAdresy->click();
    // The full header: name, the registration in the list, the address.
    const QString hlavicka = QStringLiteral("Ing. Ján Novák\nzapísaný v zozname znalcov, tlmočníkov a prekladateľov vedenom "
                                            "Ministerstvom spravodlivosti Slovenskej republiky\nHlavná 1, 040 01 Košice");
    EXPECT_EQ(text(SablonyDruhu::suborHlavicky()), hlavicka);
    EXPECT_EQ(f->hlavickaPata->viewHlavicka->toPlainText().trimmed(), hlavicka);

    ked_sa_otvori<TRichEditForm>([](TRichEditForm* e) {
        EXPECT_EQ(e->windowTitle().contains(QStringLiteral("[Päta vyúčtovania]")), true);
        e->editor()->setPlainText(QStringLiteral("Ďakujem"));
        e->btnVlozClick();
    });
    f->hlavickaPata->btnEditujPatu->click();
    EXPECT_EQ(text(SablonyDruhu::suborPaty()), QStringLiteral("Ďakujem"));
    EXPECT_EQ(f->hlavickaPata->viewPata->toPlainText().trimmed(), QStringLiteral("Ďakujem"));

    // With the word processor the file opens on the desktop.
    if (!f->hlavickaPata->chkWord->isHidden()) {
        f->hlavickaPata->chkWord->setChecked(true);
        f->hlavickaPata->btnEditujHlavicku->click();
        EXPECT_EQ(m_spravy.otvoreneSubory, QStringList{SablonyDruhu::suborHlavicky()});
    }
}

TEST_F(NastavenieOkno, TemplateListsMakeOpenAndDeleteTextsOfTheChosenKind)
{
    std::unique_ptr<TNastavenieForm> f(okno());
    f->udaje->rbPrekladatel->click();
    auto& zoznam = f->sablony(SadaSablon::Vyuctovanie);
    ked_sa_otvori<TRichEditForm>([](TRichEditForm* e) {
        EXPECT_TRUE(e->windowTitle().contains(QStringLiteral("[Preklad.rtf]")));
        e->editor()->setPlainText(QStringLiteral("Prekladám"));
        e->btnVlozClick();
    });
    f->sablony(SadaSablon::Vyuctovanie).NovyText(QStringLiteral("Preklad"));
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

    if (!f->hlavickaPata->chkWord->isHidden()) {
        f->hlavickaPata->chkWord->setChecked(true);
        f->sablony(SadaSablon::Vyuctovanie).NovyText(QStringLiteral("Vo Worde"));
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
        f->udaje->editCisloUctu->setText(QStringLiteral("2600000001"));
        ked_sa_otvori<TNastaveniaEFakturyForm>([&](TNastaveniaEFakturyForm* e) {
            iban = e->EditIBAN->placeholderText();
            e->btnStorno->click();
        });
        f->btnNastaveniaEFaktury->click();
        f->btnStorno->click();
    }));
    EXPECT_TRUE(iban.contains(QStringLiteral("2600000001"))) << iban.toStdString();
}

// Every page gives back, unchanged, the part of the values it was given.
TEST_F(NastavenieOkno, EachPageTakesBackWhatItWasGiven)
{
    TNastavenia& n = m_nastavenia.Nastavenie;
    n.Druh = Prekladatel;
    n.TitulPred = QStringLiteral("Ing.");
    n.TitulZa = QStringLiteral("PhD.");
    n.Adresa = QStringLiteral("Hlavná 1");
    n.Mesto = QStringLiteral("Košice");
    n.PSC = QStringLiteral("040 01");
    n.EC = QStringLiteral("912345");
    n.CisloUctu = QStringLiteral("2000145399");
    n.ICO = QStringLiteral("12345678");
    n.DIC = QStringLiteral("1020304050");
    n.ICDPH = QStringLiteral("SK1020304050");
    n.PlatcaDPH = true;
    n.SadzbaDPH = 23;
    n.CestakBezDPH = 1;
    n.BasicFontName = QStringLiteral("Arial");
    n.BasicFontSize = 11;
    n.TableFontName = QStringLiteral("Times New Roman");
    n.TableFontSize = 9;
    n.TitleFontName = QStringLiteral("Verdana");
    n.TitleFontSize = 14;
    n.TitleFontStyleBold = true;
    n.TitleFontStyleItalic = true;
    n.Odbory = QStringLiteral("eng|deu|");
    n.NajpouzivanejsiOdbor = QStringLiteral("deu");
    m_nastavenia.NastavenieTlac.KevrotCislo = 42;
    TVozidlo v;
    v.Nazov = QStringLiteral("Škoda Octavia");
    v.EvidencneCislo = QStringLiteral("KE123AB");
    HodnotyNastavenia h = HodnotyZNastaveni(m_nastavenia, {v});
    h.dualne = false;
    h.eFaktura.IBAN = QStringLiteral("SK3109000000002000145399");
    h.eFaktura.BIC = QStringLiteral("GIBASKBX");
    h.eFaktura.Telefon = QStringLiteral("0905 123 456");
    h.eFaktura.Email = QStringLiteral("novak@example.sk");

    const struct {
        const char* stranka;
        std::function<StrankaNastavenia*()> nova;
        std::function<QString(const HodnotyNastavenia&)> cast;
    } pripady[] = {
        {"udaje", [this] { return new StrankaUdaje(ciselniky()); },
         [](const HodnotyNastavenia& x) {
             const TNastavenia& t = x.nastavenie;
             return QStringList{QString::number(t.Druh), t.Meno, t.Priezvisko, t.TitulPred, t.TitulZa, t.Adresa,
                                      t.Mesto, t.PSC, t.EC, t.Banka, t.CisloUctu, t.ICO, t.DIC, t.ICDPH,
                                      QString::number(t.PlatcaDPH), QString::number(t.SadzbaDPH),
                                      QString::number(t.CestakBezDPH), QString::number(x.dualne), x.eFaktura.IBAN,
                                      x.eFaktura.BIC, x.eFaktura.Telefon, x.eFaktura.Email,
                                      x.vozidla.value(0).Nazov + x.vozidla.value(0).EvidencneCislo,
                                      x.jazyky.Jazyky + x.jazyky.Najpouzivanejsi}
                 .join(u';');
         }},
        {"tlac", [] { return new StrankaTlac; },
         [](const HodnotyNastavenia& x) {
             const TNastavenia& t = x.nastavenie;
             return QStringList{t.BasicFontName, QString::number(t.BasicFontSize), t.TableFontName,
                                      QString::number(t.TableFontSize), t.TitleFontName, QString::number(t.TitleFontSize),
                                      QString::number(t.TitleFontStyleBold), QString::number(t.TitleFontStyleItalic)}
                 .join(u';');
         }},
        {"cisloKevrota", [] { return new StrankaCisloKevrota; },
         [](const HodnotyNastavenia& x) { return QString::number(x.tlac.KevrotCislo); }},
    };
    for (const auto& p : pripady) {
        std::unique_ptr<StrankaNastavenia> s(p.nova());
        s->nacitaj(h);
        HodnotyNastavenia spat;
        s->zober(spat);
        EXPECT_NE(p.cast(HodnotyNastavenia()), p.cast(h)) << p.stranka;
        EXPECT_EQ(p.cast(spat).toStdString(), p.cast(h).toStdString()) << p.stranka;
    }
}
