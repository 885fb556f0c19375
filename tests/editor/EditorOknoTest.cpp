// Wiring of the entry editor, the payments tab and the date dialogs.

#include "ZnalecOdboru.h"
#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "editor/DokladyPanel.h"
#include "editor/TKontrolaForm.h"
#include "widgets/TCalendarFrm.h"
#include "word/RtfCitac.h"
#include "editor/TNastavSplatnostForm.h"
#include "editor/TVyplateneZnalecneForm.h"
#include "editor/TZnalecKevrotEditForm.h"
#include "editor/VyplatenieTab.h"
#include "store/Peniaze.h"
#include "widgets/PoleTextovehoZoznamu.h"
#include "store/Datum.h"
#include "kevrot/Udaje.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTableView>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

namespace {
double d(int r, int m, int den) { return QDateNaDatum(QDate(r, m, den)); }

class EditorOkno : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        NastavZnalcaOdboru(m_udaje);
        TNastavenia& n = m_udaje.nastavenia.Nastavenie;
        n.Splatnost = 14;
        n.SadzbaDPH = 20;
        n.PlatcaDPH = true;
    }

    UpravaZaznamu novy()
    {
        UpravaZaznamu u;
        u.novy = true;
        u.zaznam.PoradoveCislo = 5;
        u.zaznam.Rok = 2024;
        u.zaznam.DodaciePodmienky = QStringLiteral("neurčené");
        u.zaznam.SposobPlatby = QStringLiteral("neurčené");
        return u;
    }

    Udaje m_udaje;
};
}  // namespace

TEST_F(EditorOkno, NewEntryStartsWithDefaultsAndConfirmsWithAllValues)
{
    TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Editovanie znaleckého kevrota"));
    EXPECT_EQ(okno.cmbOdborJazyk->currentText(), QStringLiteral("370000 Strojárstvo"));
    EXPECT_EQ(okno.cmbOdvetvie->count(), 1);
    EXPECT_EQ(okno.cmbOdvetvie->currentIndex(), 0);  // the only branch is chosen
    EXPECT_EQ(okno.splatnost(), 14);
    EXPECT_EQ(okno.DPHEdit->text(), QStringLiteral("20,00"));
    EXPECT_FALSE(okno.DPHEdit->isHidden());
    EXPECT_EQ(okno.Edit19->text(), QStringLiteral("0308"));
    EXPECT_EQ(okno.ComboBox5->currentText(), QStringLiteral("0308 - Platby za služby"));
    EXPECT_EQ(okno.cmbDruhUkonu->polozky().size(), 6);
    EXPECT_TRUE(okno.btnZnalecne->isEnabled());

    okno.cmbOdvetvie->setCurrentIndex(0);
    // Due counts from the documents' issue date, not from the date of performance.
    okno.EditVystavenie->setText(QStringLiteral("1.3.2024"));
    okno.NastavVykonanie(d(2024, 2, 20));
    EXPECT_EQ(okno.Edit18->text(), QStringLiteral("15.3.2024"));
    okno.EditVystavenie->setText(QStringLiteral("5.3.2024"));
    okno.OpustilVystavenie();
    EXPECT_EQ(okno.Edit18->text(), QStringLiteral("19.3.2024"));
    okno.NastavVykonanie(d(2024, 3, 5));
    okno.Edit2->setText(QStringLiteral("Okresný súd"));
    okno.cmbPredmet->nastavText(QStringLiteral("Škoda Octavia"));
    okno.PodlaCisla();
    EXPECT_EQ(okno.Edit20->text(), QStringLiteral("52024"));
    okno.Potvrd();
    ASSERT_EQ(okno.result(), QDialog::Accepted);
    const TZnalKevrotZaznam& z = okno.uprava().zaznam;
    EXPECT_EQ(z.Odbor, QStringLiteral("370000"));
    EXPECT_EQ(z.Odvetvie, QStringLiteral("370900"));
    EXPECT_EQ(z.DatumVykonania, d(2024, 3, 5));
    EXPECT_EQ(z.DatumSplatnosti, d(2024, 3, 19));
    EXPECT_EQ(z.Splatnost, 14);
    EXPECT_DOUBLE_EQ(z.SadzbaDPH, 20);
    EXPECT_EQ(z.Predmet, QStringLiteral("Škoda Octavia"));
    EXPECT_EQ(z.KonstantnySymbol, QStringLiteral("0308"));
    EXPECT_EQ(z.VariabilnySymbol, QStringLiteral("52024"));
    EXPECT_FALSE(z.Vyplatene);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(EditorOkno, OkCollectsTheChecksAndRefusesATakenNumber)
{
    UpravaZaznamu u = novy();
    TZnalecKevrotEditForm okno(u, Zdroje(m_udaje));
    okno.Edit4->clear();
    okno.Potvrd();
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_EQ(m_spravy.spravy[0].text,
              QStringLiteral("Nie je vyplnené poradové číslo.\nNie je vyplnený dátum vykonania."));
    EXPECT_NE(okno.result(), QDialog::Accepted);

    TZnalKevrotZaznam iny;
    iny.PoradoveCislo = 5;
    iny.Rok = 2024;
    m_udaje.zurnal.ZaznamyKevrota = {RiadokKevrota::zoZaznamu(iny)};
    m_spravy.vymaz();
    okno.Edit4->setText(QStringLiteral("5"));
    okno.cmbOdvetvie->setCurrentIndex(0);
    okno.Edit17->setText(QStringLiteral("1.2.2024"));
    okno.Potvrd();
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Záznam s daným číslom existuje")});
    EXPECT_NE(okno.result(), QDialog::Accepted);
}

TEST_F(EditorOkno, InvalidDatesAndRatesNeverReachTheEntry)
{
    UpravaZaznamu u = novy();
    u.novy = false;
    u.zaznam.SadzbaDPH = 20;
    u.zaznam.Odbor = QStringLiteral("370000");
    u.zaznam.Odvetvie = QStringLiteral("370900");
    u.zaznam.DatumVykonania = d(2024, 1, 10);
    u.zaznam.Splatnost = 10;
    TZnalecKevrotEditForm okno(u, Zdroje(m_udaje));
    EXPECT_EQ(okno.cmbOdvetvie->currentText(), QStringLiteral("370900 Cestná doprava"));
    okno.EditVystavenie->setText(QStringLiteral("1.2.2024"));
    okno.show();
    okno.Edit17->setText(QStringLiteral("31.2.2024"));
    okno.OpustilVykonanie();
    EXPECT_EQ(okno.datumVykonania(), 0);
    okno.Edit17->setText(QStringLiteral("1.2.2024"));
    okno.OpustilVykonanie();
    EXPECT_EQ(okno.Edit18->text(), QStringLiteral("11.2.2024"));

    okno.DPHEdit->setText(QStringLiteral("-5"));
    okno.OpustilDPH();
    EXPECT_TRUE(okno.DPHEdit->text().isEmpty());
    okno.DPHEdit->setText(QStringLiteral("abc"));
    okno.OpustilDPH();
    EXPECT_DOUBLE_EQ(okno.sadzbaDPH(), 20);
    okno.DPHEdit->setText(QStringLiteral("10,5"));
    okno.OpustilDPH();
    EXPECT_DOUBLE_EQ(okno.sadzbaDPH(), 10.5);
    EXPECT_EQ(m_spravy.texty(), (QStringList{QStringLiteral("Neplatná hodnota."),
                                             QStringLiteral("Hodnota DPH musí byť kladná."),
                                             QStringLiteral("Neplatná hodnota")}));
    okno.Potvrd();
    ASSERT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(okno.uprava().zaznam.SadzbaDPH, 10.5);
    EXPECT_EQ(okno.uprava().zaznam.DatumSplatnosti, d(2024, 2, 11));
}

TEST_F(EditorOkno, PermanentTermChangesAndSavesTheSettings)
{
    TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
    okno.ZmenSplatnost(30, false);
    EXPECT_EQ(okno.splatnost(), 30);
    EXPECT_TRUE(okno.Edit18->text().isEmpty());  // no date of performance yet
    EXPECT_EQ(m_udaje.nastavenia.Nastavenie.Splatnost, 14);
    okno.EditVystavenie->setText(QStringLiteral("1.5.2024"));
    okno.NastavVykonanie(d(2024, 5, 1));
    okno.ZmenSplatnost(21, true);
    EXPECT_EQ(okno.Edit18->text(), QStringLiteral("22.5.2024"));
    EXPECT_EQ(m_udaje.nastavenia.Nastavenie.Splatnost, 21);
    Nastavenia nacitane;
    nacitane.NacitajNastavenia();
    EXPECT_EQ(nacitane.Nastavenie.Splatnost, 21);
}

TEST_F(EditorOkno, OrderFillsTheEntryAndFileMarkChecksStateBody)
{
    TObjednavatel policia;
    policia.Meno = QStringLiteral("Polícia");
    policia.Kategoria = Policajti;
    policia.ICO = QStringLiteral("00151866");
    m_udaje.objednavky.ZoznamObjednavatelov = {policia};
    TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
    okno.Edit8->setText(QStringLiteral("12345678"));
    TObjednavka o;
    o.Meno = QStringLiteral("Polícia");
    o.TypCisla = 0;
    o.StatnyOrgan = 1;
    o.Cislo = QStringLiteral("ČVS 1/2024");
    o.DatumVyziadania = d(2024, 2, 2);
    o.Predmet = QStringLiteral("vozidlo");
    okno.VytvorZObjednavky(o);
    EXPECT_EQ(okno.Edit2->text(), QStringLiteral("Polícia"));
    EXPECT_TRUE(okno.rbSO->isChecked());
    EXPECT_EQ(okno.Edit1->text(), QStringLiteral("2.2.2024"));
    EXPECT_EQ(okno.cmbPredmet->text(), QStringLiteral("vozidlo"));
    EXPECT_EQ(okno.Edit8->text(), QStringLiteral("00151866"));  // the client's, from the client list
    EXPECT_EQ(okno.cmbOdborJazyk->currentIndex(), 0);

    okno.cmbObjednavkaTyp->setCurrentIndex(1);
    EXPECT_TRUE(okno.rbSO->isChecked());
    okno.cmbObjednavkaTyp->setCurrentIndex(0);
    EXPECT_TRUE(okno.rbPFO->isChecked());
}

TEST_F(EditorOkno, StornoAsksAndNoKeepsTheWindowOpen)
{
    TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
    okno.show();
    m_spravy.odpovede = {false};
    okno.btnStorno->click();
    EXPECT_TRUE(okno.isVisible());
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_TRUE(m_spravy.spravy[0].text.startsWith(QStringLiteral("Chcete skutočne ukončiť editovanie záznamu?")));
    m_spravy.odpovede = {true};
    okno.btnStorno->click();
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(okno.result(), QDialog::Rejected);
}

TEST_F(EditorOkno, PaymentsInPartsThroughTheDialogAwardTheBilledAmounts)
{
    UpravaZaznamu u = novy();
    u.novy = false;
    u.zaznam.UctovanaOdmena = 100;
    u.zaznam.UctovaneVydavky = 50;
    TVyplatenie v;
    v.Suma = 100;
    v.Datum = d(2024, 3, 1);
    u.vyplatenia = {v};
    u.zaznam.Odbor = QStringLiteral("370000");
    u.zaznam.Odvetvie = QStringLiteral("370900");
    u.zaznam.DatumVykonania = d(2024, 2, 1);
    TZnalecKevrotEditForm okno(u, Zdroje(m_udaje));
    okno.show();
    VyplatenieTab* tab = okno.tabVyplatenie;
    QAbstractItemModel* platby = tab->StringGrid1->model();
    QAbstractItemModelTester tester(platby, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto riadky = [tab] { return tab->StringGrid1->verticalHeader()->count(); };  // as the grid shows
    EXPECT_TRUE(tab->chkPoCastiach->isChecked());
    EXPECT_EQ(riadky(), 1);
    EXPECT_FALSE(tab->lblZostatok->isHidden());
    EXPECT_FALSE(okno.lblCastOdmena->isHidden());

    ked_sa_otvori<TVyplateneZnalecneForm>([](TVyplateneZnalecneForm* dlg) {
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Vyplatené znalečné"));
        dlg->SumaEdit->setText(QStringLiteral("50"));
        emit dlg->SumaEdit->editingFinished();
        dlg->btnOK->click();
    });
    tab->Pridaj();
    EXPECT_EQ(riadky(), 2);
    EXPECT_EQ(platby->index(1, 1).data().toString(), SumaText(SymbolEuro, 50));
    EXPECT_EQ(tab->lblInfo->text(), QStringLiteral("vyplatené"));
    EXPECT_EQ(okno.Edit12->text(), QStringLiteral("100,00"));
    EXPECT_EQ(okno.Edit13->text(), QStringLiteral("50,00"));
    EXPECT_TRUE(okno.lblCastOdmena->isHidden());

    okno.Potvrd();
    ASSERT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.uprava().vyplatenia.size(), 2);
    EXPECT_DOUBLE_EQ(okno.uprava().zaznam.PriznanaOdmena, 100);
    EXPECT_TRUE(okno.uprava().zaznam.Vyplatene);

    tab->StringGrid1->setCurrentIndex(platby->index(0, 0));
    tab->Zmaz();
    ASSERT_EQ(riadky(), 1);
    EXPECT_EQ(platby->index(0, 1).data().toString(), SumaText(SymbolEuro, 50));
    tab->chkCelaCast->setChecked(true);  // its one payment is not listed
    EXPECT_EQ(riadky(), 0);
}

TEST_F(EditorOkno, WholePaymentStoresOnePaymentOnItsDate)
{
    UpravaZaznamu u = novy();
    u.zaznam.UctovanaOdmena = 80;
    TZnalecKevrotEditForm okno(u, Zdroje(m_udaje));
    VyplatenieTab* tab = okno.tabVyplatenie;
    EXPECT_TRUE(tab->panelCela->isHidden());
    tab->chkCelaCast->setChecked(true);
    EXPECT_EQ(tab->lblSumaCela->text(), SumaText(SymbolEuro, 80));  // what "celá časť" pays
    tab->txtVyplatenieALL->setText(QStringLiteral("3.4.2024"));
    tab->chkPoCastiach->setChecked(true);
    EXPECT_FALSE(tab->chkCelaCast->isChecked());
    tab->chkCelaCast->setChecked(true);
    EXPECT_FALSE(tab->chkPoCastiach->isChecked());
    okno.cmbOdvetvie->setCurrentIndex(0);
    okno.Edit17->setText(QStringLiteral("1.4.2024"));
    okno.Potvrd();
    ASSERT_EQ(okno.result(), QDialog::Accepted);
    ASSERT_EQ(okno.uprava().vyplatenia.size(), 1);
    EXPECT_DOUBLE_EQ(okno.uprava().vyplatenia[0].Suma, 80);
    EXPECT_EQ(okno.uprava().vyplatenia[0].Datum, d(2024, 4, 3));
    EXPECT_TRUE(okno.uprava().zaznam.Vyplatene);
}

TEST_F(EditorOkno, PagesScrollDownButNeverSidewaysOnA1280x800Screen)
{
    TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
    okno.resize(qMin(okno.sizeHint().width(), 1280 - 16), 800 - 48);
    okno.show();
    for (int i = 0; i < okno.Zalozky->count(); ++i) {
        okno.Zalozky->setCurrentIndex(i);
        QCoreApplication::processEvents();
        auto* s = qobject_cast<QScrollArea*>(okno.Zalozky->widget(i));
        ASSERT_TRUE(s) << i;
        EXPECT_EQ(s->horizontalScrollBar()->maximum(), 0) << okno.Zalozky->tabText(i).toStdString();
    }
}

TEST_F(EditorOkno, DatePickerAndTermDialog)
{
    TCalendarFrm kal(QDate(2023, 1, 31));
    kal.show();
    EXPECT_EQ(kal.DenEdit->text(), QStringLiteral("31"));
    kal.MesiacEdit->setText(QStringLiteral("4"));
    emit kal.MesiacEdit->editingFinished();
    EXPECT_EQ(kal.datum(), QDate(2023, 1, 31));
    kal.RokEdit->setText(QStringLiteral("2024"));
    emit kal.RokEdit->editingFinished();
    EXPECT_EQ(kal.datum(), QDate(2024, 1, 31));
    EXPECT_EQ(kal.MesiacEdit->text(), QStringLiteral("4"));  // the other edits are not rewritten
    EXPECT_TRUE(kal.Kalendar->verticalHeaderFormat() == QCalendarWidget::ISOWeekNumbers);

    TNastavSplatnostForm term(14);
    EXPECT_EQ(term.Edit1->text(), QStringLiteral("14"));
    term.Edit1->setText(QStringLiteral("0"));
    emit term.Edit1->editingFinished();
    EXPECT_EQ(term.splatnost(), 14);
    term.Edit1->setText(QStringLiteral("30"));
    emit term.Edit1->editingFinished();
    term.btnNastavTrvalo->click();
    EXPECT_EQ(term.result(), TNastavSplatnostForm::NastavTrvalo);
    EXPECT_EQ(term.splatnost(), 30);
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Hodnota musí byť väčšia ako 0")});
}

TEST_F(EditorOkno, PaymentDialogWholeAmountAndBadAmount)
{
    TVyplateneZnalecneForm dlg(d(2024, 1, 1), 0, 150, 7);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Vyplatené tlmočné"));
    EXPECT_EQ(dlg.SumaEdit->text(), QStringLiteral("0,00"));
    dlg.SumaEdit->setText(QStringLiteral("12"));
    emit dlg.SumaEdit->editingFinished();
    dlg.SumaEdit->setText(QStringLiteral("x"));
    emit dlg.SumaEdit->editingFinished();
    EXPECT_TRUE(dlg.SumaEdit->text().isEmpty());
    EXPECT_DOUBLE_EQ(dlg.suma(), 12);
    dlg.CelaSumaCheck->setChecked(true);
    EXPECT_DOUBLE_EQ(dlg.suma(), 150);
    EXPECT_EQ(dlg.SumaEdit->text(), QStringLiteral("150,00"));
    dlg.DatumEdit->setText(QStringLiteral("32.1.2024"));
    emit dlg.DatumEdit->editingFinished();
    EXPECT_EQ(dlg.datum(), 0);
    EXPECT_EQ(m_spravy.texty(), (QStringList{QStringLiteral("Neplatná hodnota"), QStringLiteral("Neplatná hodnota.")}));
}

TEST_F(EditorOkno, DocumentButtonsBuildFromTheFieldsAskWhenTheFileExistsAndMarkIt)
{
    QDir().mkpath(cesta(QStringLiteral("Tmp_doc")));
    UpravaZaznamu u = novy();
    TVydavok v;
    v.Druh = DruhVydavku::PausalnaOdmena;
    v.Nazov = QStringLiteral("Posudok");
    v.Cena = 100;
    v.Suma = 100;
    v.Rozpis.append(TRozpisPolozky{});
    v.Rozpis[0].Pocet = 1;
    u.vydavky = {v};
    TZnalecKevrotEditForm okno(u, Zdroje(m_udaje));
    okno.NastavVykonanie(d(2024, 3, 5));
    okno.Edit2->setText(QStringLiteral("Mestský úrad"));
    DokladyPanel& panel = *okno.panelDokladov;
    ASSERT_EQ(panel.tlacidla.size(), 4);
    EXPECT_EQ(panel.tlacidla[0]->text(), QStringLiteral("Tlač vyúčtovania"));
    EXPECT_TRUE(panel.znacky[0]->text().isEmpty());

    panel.tlacidla[0]->click();
    const QString subor = cesta(QStringLiteral("Tmp_doc/vyuctovanie.doc"));
    ASSERT_TRUE(QFile::exists(subor));
    EXPECT_FALSE(panel.znacky[0]->text().isEmpty());
    EXPECT_TRUE(panel.znacky[1]->text().isEmpty());
    QFile f(subor);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = RtfCitac::citaj(f.readAll()).dokument.text();
    EXPECT_TRUE(text.contains(QStringLiteral("Vec: Vyúčtovanie znaleckého úkonu: 5/2024"))) << text.toStdString();
    f.close();

    // The second time the question window asks; "Otvoriť dokument" leaves the file.
    QFile::resize(subor, 10);
    QString nazov;
    ked_sa_otvori<TKontrolaForm>([&](TKontrolaForm* k) {
        nazov = k->findChildren<QLabel*>().value(0)->text();
        k->btnOtvorit->click();
    });
    panel.tlacidla[0]->click();
    EXPECT_EQ(nazov, QStringLiteral("Vyúčtovanie"));
    EXPECT_EQ(QFileInfo(subor).size(), 10);
    EXPECT_EQ(m_spravy.otvoreneSubory, QStringList(2, subor));
    ked_sa_otvori<TKontrolaForm>([](TKontrolaForm* k) { k->btnVytvorit->click(); });
    panel.tlacidla[0]->click();
    EXPECT_GT(QFileInfo(subor).size(), 1000);
}
