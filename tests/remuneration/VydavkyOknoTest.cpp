// The remuneration window driven through its dialogs' buttons.

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "remuneration/CestovneTab.h"
#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/PolePopisu.h"
#include "remuneration/TNastavSadzbuPozemkyPodielovaOdmena.h"
#include "remuneration/TPodielovaOdmenaEditForm.h"
#include "remuneration/TStravneForm.h"
#include "remuneration/TVsetkyPolozkyForm.h"
#include "remuneration/TVydavkyEditForm.h"
#include "remuneration/TVydavkyForm.h"
#include "remuneration/TVydavkyIneEditForm.h"
#include "remuneration/TVydavkyPopisEditForm.h"
#include "remuneration/TVydavkyTarifEditForm.h"
#include "remuneration/TZmluvnaOdmenaForm.h"
#include "settings/Vozidla.h"
#include "settings/Nastavenia.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/SadzbyNahrad.h"

#include <QLabel>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTableWidget>

namespace {

using Z = ZalozkaVydavkov;

TPolozkaCiselnika zaznam(qint32 druh, const QString& nazov, double cena, double p1 = 0, double p2 = 0)
{
    TPolozkaCiselnika p;
    p.Skupina = 1;
    p.Druh = druh;
    p.Nazov = nazov;
    p.MJ = QStringLiteral("hod");
    p.Cena = cena;
    p.Priplatok1Max = p1;
    p.Priplatok1Text = QStringLiteral("bezodkladne");
    p.Priplatok2Max = p2;
    p.Priplatok2Text = QStringLiteral("obťažné");
    return p;
}

class VydavkyOkno : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        nastavDualneZobrazovanie(false);
        zapis(QStringLiteral("Data/stravne.csv"), "platnost_od;a;b;c\n2012-09-01;4.00;6.00;9.30\n");
        zapis(QStringLiteral("Data/opotrebenie.csv"), "platnost_od;s\n2009-01-01;0.183\n");
        zabudniSadzbyNahrad();
        m_ciselnik.PolozkyCiselnika = {zaznam(1, QStringLiteral("Hodina"), 10, 50, 100),
                                       zaznam(2, QStringLiteral("Posudok"), 100)};
        TVozidlo v;
        v.Nazov = QStringLiteral("Octavia");
        v.EvidencneCislo = QStringLiteral("NR123AB");
        v.Spotreba = 6.5;
        v.Opotrebenie = 0.183;
        m_vozidla = {v};
        m_nastavenia.Nastavenie.Meno = QStringLiteral("Ján");
        m_nastavenia.Nastavenie.Priezvisko = QStringLiteral("Novák");
        m_u.skupina = 1;
        m_u.datumVykonania = QDateNaDatum(QDate(2012, 5, 1));
        m_u.sadzbaDPH = 20;
    }
    void TearDown() override
    {
        zabudniSadzbyNahrad();
        nastavDualneZobrazovanie(true);
        TestAppDir::TearDown();
    }
    ZdrojeVydavkov zdroje() { return {m_ciselnik, m_nastavenia, m_vozidla, m_ulozene, {}}; }

    CiselnikPoloziek m_ciselnik;
    Nastavenia m_nastavenia;
    QList<TVozidlo> m_vozidla;
    QList<TCiselnikVydavok> m_ulozene;
    UpravaVydavkov m_u;
};

QModelIndex bunka(TVydavkyForm& o, Z z, int r, int s) { return o.grid(z)->model()->index(r, s); }
void vyberRiadok(TVydavkyForm& o, Z z, int r) { o.grid(z)->setCurrentIndex(bunka(o, z, r, 1)); }

}  // namespace

TEST_F(VydavkyOkno, EveryKindOfItemThroughItsDialogAndTheTotals)
{
    TVydavkyForm o(m_u, zdroje());
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Znalečné výdavky"));

    // Tariff with both surcharges: 10 + 50 % + 100 % = 25; the hours typed in the dialog
    // itself (1,5 h), not in a sub-item dialog.
    ked_sa_otvori<TVydavkyTarifEditForm>([](TVydavkyTarifEditForm* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Editovanie tarifnej odmeny"));
        d->chkPriplatok[0]->setChecked(true);
        d->chkPriplatok[1]->setChecked(true);
        EXPECT_EQ(d->PocetEdit->text(), QStringLiteral("1.00"));
        d->PocetEdit->setText(QStringLiteral("1,5"));
        d->OpustilPocet();
        EXPECT_EQ(d->lblCelkovaCena->text(), SumaText(SymbolEuro, 37.5));
        d->PocetEdit->setText(QStringLiteral("2"));
        d->OpustilPocet();
        EXPECT_EQ(d->lblCelkovaCena->text(), SumaText(SymbolEuro, 50));
        d->PocetEdit->setText(QStringLiteral("1"));
        d->OpustilPocet();
        d->btnOK->click();
    });
    o.tlacidlo(Z::Tarifna, 0)->click();

    // Flat remuneration, raised by VAT for 2012, broken into two sub-items.
    ked_sa_otvori<TVydavkyTarifEditForm>([](TVydavkyTarifEditForm* d) { d->btnOK->click(); });
    o.tlacidlo(Z::Pausalna, 0)->click();
    // a count that can be typed in the grid is shown so; the tariff's is not
    const QModelIndex pocet = bunka(o, Z::Pausalna, 0, StlpecVydavku::Pocet);
    EXPECT_TRUE(pocet.flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(pocet.data(Qt::ToolTipRole).toString().isEmpty());
    EXPECT_FALSE(bunka(o, Z::Tarifna, 0, StlpecVydavku::Pocet).flags() & Qt::ItemIsEditable);
    vyberRiadok(o, Z::Pausalna, 0);
    ked_sa_otvori<TVydavkyEditForm>([](TVydavkyEditForm* d) {
        EXPECT_TRUE(d->NazovEdit->isReadOnly());
        ked_sa_otvori<TVydavkyPopisEditForm>([](TVydavkyPopisEditForm* p) {
            p->PocetEdit->setText(QStringLiteral("2"));
            p->OpustilPocet();
            p->Popis->nastavText(QStringLiteral("kópia"));
            p->btnOK->click();
        });
        d->btnPridaj->click();
        d->btnOK->click();
    });
    o.DvojklikRiadku(Z::Pausalna);

    ked_sa_otvori<TZmluvnaOdmenaForm>([](TZmluvnaOdmenaForm* d) {
        d->Popis->nastavText(QStringLiteral("dohoda"));
        d->CenaEdit->setText(QStringLiteral("120"));
        d->OpustilCenu();
        d->PocetSpin->setValue(3);
        d->btnOK->click();
    });
    o.tlacidlo(Z::Zmluvna, 0)->click();

    ked_sa_otvori<TPodielovaOdmenaEditForm>([](TPodielovaOdmenaEditForm* d) {
        d->HodnotaEdit->setText(QStringLiteral("500"));
        d->OpustilHodnotu();
        d->btnOK->click();  // no type yet: refused
        d->ZvolTyp(3);
        d->btnOK->click();
    });
    o.tlacidlo(Z::Podielova, 0)->click();

    ked_sa_otvori<TVydavkyEditForm>([](TVydavkyEditForm* d) {
        d->NazovEdit->setText(QStringLiteral("Poštovné"));
        d->CenaEdit->setText(QStringLiteral("15"));
        d->OpustilCenu();
        ked_sa_otvori<TVydavkyPopisEditForm>([](TVydavkyPopisEditForm* p) {
            p->PocetSpin->setValue(2);  // steps the quantity by 2
            p->btnOK->click();
        });
        d->btnOprav->click();
        d->btnOK->click();
    });
    o.tlacidlo(Z::PausalneVydavky, 0)->click();

    ked_sa_otvori<TVydavkyIneEditForm>([](TVydavkyIneEditForm* d) {
        d->Popis->nastavText(QStringLiteral("kolok"));
        d->CenaEdit->setText(QStringLiteral("5"));
        d->OpustilCenu();
        d->PocetSpin->setValue(2);
        d->btnOK->click();
    });
    o.tlacidlo(Z::Hotove, 0)->click();

    EXPECT_EQ(m_spravy.texty(), QStringList({"Nie je zadaný typ podielovej odmeny."}));
    const auto& p = o.uprava().polozky;
    ASSERT_EQ(p.size(), 6);
    EXPECT_DOUBLE_EQ(p[0].Suma, 25);
    EXPECT_EQ(p[1].Rozpis.size(), 2);
    EXPECT_DOUBLE_EQ(p[1].Suma, 100 * 3);  // 1 + 2 units at the net code-list price
    EXPECT_EQ(p[2].MJ, QStringLiteral("úkon"));
    EXPECT_DOUBLE_EQ(p[2].Suma, 360);
    EXPECT_DOUBLE_EQ(p[3].Suma, 35);
    EXPECT_EQ(p[4].Druh, 4);
    EXPECT_DOUBLE_EQ(p[4].Suma, 30);
    EXPECT_DOUBLE_EQ(p[5].Suma, 10);
    EXPECT_EQ(bunka(o, Z::Pausalna, 0, 6).data().toString(), QStringLiteral("počet položiek: 2"));
    EXPECT_EQ(o.textSuctu(QStringLiteral("Celková odmena:")), SumaText(SymbolEuro, 25 + 300 + 360 + 35));
    EXPECT_EQ(o.textSuctu(QStringLiteral("Celkové výdavky:")), SumaText(SymbolEuro, 40));

    // A count typed into a one-sub-item cash row (F2, Enter); the totals follow.
    o.show();
    o.Zalozky->setCurrentIndex(int(Z::Hotove));
    o.grid(Z::Hotove)->setCurrentIndex(bunka(o, Z::Hotove, 0, 4));
    QTest::keyClick(o.grid(Z::Hotove), Qt::Key_F2);
    auto* editor = o.grid(Z::Hotove)->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "2,5");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the grid takes the value queued
    EXPECT_DOUBLE_EQ(o.uprava().polozky[5].Suma, 12.5);
    EXPECT_EQ(o.textSuctu(QStringLiteral("Celkové výdavky:")), SumaText(SymbolEuro, 42.5));
    // several sub-items: the cell does not open, a value put in is refused
    o.Zalozky->setCurrentIndex(int(Z::Pausalna));
    o.grid(Z::Pausalna)->setCurrentIndex(bunka(o, Z::Pausalna, 0, 4));
    QTest::keyClick(o.grid(Z::Pausalna), Qt::Key_F2);
    EXPECT_FALSE(o.grid(Z::Pausalna)->viewport()->findChild<QLineEdit*>());
    o.grid(Z::Pausalna)->model()->setData(bunka(o, Z::Pausalna, 0, 4), QStringLiteral("9"));
    EXPECT_EQ(bunka(o, Z::Pausalna, 0, 4).data().toString(), QStringLiteral(" 3,00"));

    vyberRiadok(o, Z::Zmluvna, 0);
    o.tlacidlo(Z::Zmluvna, 2)->click();
    EXPECT_EQ(o.uprava().polozky.size(), 5);
    EXPECT_EQ(o.grid(Z::Zmluvna)->model()->rowCount(), 0);
    // the rows after it still name their items
    vyberRiadok(o, Z::Hotove, 0);
    o.tlacidlo(Z::Hotove, 2)->click();
    EXPECT_EQ(o.uprava().polozky.size(), 4);
    EXPECT_EQ(o.uprava().polozky.last().Druh, 4);
}

TEST_F(VydavkyOkno, JourneyTimesGiveTheDaysMealAllowance)
{
    TVydavkyForm o(m_u, zdroje());
    CestovneTab* t = o.tabCestovne;
    t->gridCesta->item(0, 0)->setText(QStringLiteral("Nitra, 3.5.2012 8:00"));
    t->gridCesta->item(0, 3)->setText(QStringLiteral("Nitra, 3.5.2012 21:00"));  // 13 hours
    EXPECT_EQ(t->gridStravne->item(0, 0)->text(), QStringLiteral("3.5.2012"));
    EXPECT_EQ(t->lblStravne->text(), SumaTextSk(SymbolEuro, 6));
    t->gridStravne->item(0, 1)->setText(QStringLiteral("4"));  // the user's amount stays
    EXPECT_EQ(t->lblStravne->text(), SumaTextSk(SymbolEuro, 4));
}

TEST_F(VydavkyOkno, TravelTabWithVehicleJourneyAndTwoDays)
{
    m_u.cesta.nastavTextCesty(4, 3, QStringLiteral("Nitra 18:00"));
    TVydavkyForm o(m_u, zdroje());
    CestovneTab* t = o.tabCestovne;
    EXPECT_EQ(t->EditMeno->text(), QStringLiteral(" Ján Novák"));
    t->cmbVozidlo->setCurrentIndex(0);
    t->ZvolVozidlo(0);
    EXPECT_EQ(t->EditEC->text(), QStringLiteral("NR123AB"));
    t->EditKM->setText(QStringLiteral("12,5"));
    t->OpustilKM();
    t->EditKM->setText(QStringLiteral("250"));
    t->OpustilKM();
    t->EditCenaPHM->setText(QStringLiteral("1,45"));
    t->OpustilCislo(t->EditCenaPHM);
    t->gridCesta->item(0, 0)->setText(QStringLiteral("Nitra 8:00"));
    t->gridStravne->item(0, 0)->setText(QStringLiteral("3.5.2012"));
    ked_sa_otvori<TStravneForm>([](TStravneForm* d) {
        EXPECT_EQ(d->Tlacidla[1]->text(), QStringLiteral("12 - 18 hodín - 6,00\u00a0€"));
        d->Tlacidla[1]->click();
    });
    t->VyberStravne(1);
    ked_sa_otvori<TStravneForm>([](TStravneForm* d) { d->Tlacidla[2]->click(); });
    t->VyberStravne(2);
    t->gridNoclazne->item(0, 0)->setText(QStringLiteral("40"));
    t->gridNoclazne->item(1, 1)->setText(QStringLiteral("3,20"));
    t->gridNoclazne->item(2, 1)->setText(QStringLiteral("x"));
    EXPECT_EQ(t->gridNoclazne->item(2, 1)->text(), QString());
    o.btnOK->click();

    EXPECT_EQ(m_spravy.texty(), QStringList({"Neplatná hodnota."}));
    const TCestovneNahrady& c = o.uprava().cesta;
    EXPECT_DOUBLE_EQ(c.PHM_celkom, 23.56);  // rounded to cents once
    EXPECT_DOUBLE_EQ(c.Cestovne, 45.75);
    EXPECT_DOUBLE_EQ(c.Stravne, 15.3);
    EXPECT_DOUBLE_EQ(c.OstatneNaklady, 43.2);
    EXPECT_EQ(c.Vozidlo, QStringLiteral("Octavia"));
    EXPECT_EQ(c.textCesty(1, 0), QStringLiteral("Nitra 8:00"));
    EXPECT_EQ(c.textCesty(4, 3), QStringLiteral("Nitra 18:00"));
    EXPECT_EQ(c.Datum1, QStringLiteral("3.5.2012"));
    EXPECT_EQ(o.textSuctu(QStringLiteral("Cestovné náhrady:")), SumaText(SymbolEuro, c.SpoluNaklady));
}

TEST_F(VydavkyOkno, StoredBillingAsTemplateAndTheCloseQuestion)
{
    TCiselnikVydavok vzor;
    vzor.Nazov = QStringLiteral("3/2012 - Octavia (Súd)");
    TVydavok v;
    v.Nazov = QStringLiteral("Vzorová položka");
    v.Druh = 2;
    v.Cena = 50;
    v.Rozpis = {TRozpisPolozky{}};
    v.Rozpis[0].Pocet = 2;
    TCiselnikVydavokItem i(v);
    i.Suma = 100;
    vzor.Polozky = {i};
    vzor.Odmena = 100;
    vzor.CestovneNahrady.Stravne1 = 7;
    vzor.CestovneNahrady.SpoluNaklady = 7;
    m_ulozene = {vzor};
    m_u.polozky = {v};
    m_u.polozky[0].Nazov = QStringLiteral("vlastná");

    TVydavkyForm o(m_u, zdroje());
    m_spravy.odpovede = {false};
    ked_sa_otvori<TVsetkyPolozkyForm>([](TVsetkyPolozkyForm* d) {
        EXPECT_EQ(d->cmbPolozka->currentText(),
                  QStringLiteral("3/2012 - Octavia (Súd) - odmena: 100,00\u00a0€, výdavky: 0,00\u00a0€"));
        EXPECT_EQ(d->StringGrid1->rowCount(), 2);
        d->Prepni(0);
        EXPECT_EQ(d->StringGrid1->rowCount(), 1);
        d->btnOK->click();
    });
    o.btnUlozene->click();
    EXPECT_EQ(o.uprava().polozky[0].Nazov, QStringLiteral("vlastná"));

    m_spravy.odpovede = {true};
    ked_sa_otvori<TVsetkyPolozkyForm>([](TVsetkyPolozkyForm* d) { d->btnOK->click(); });
    o.btnUlozene->click();
    EXPECT_EQ(o.uprava().polozky[0].Nazov, QStringLiteral("Vzorová položka"));
    EXPECT_EQ(o.uprava().cesta.SpoluNaklady, 7);
    EXPECT_EQ(m_spravy.texty().last(), QStringLiteral("Chcete vytvoriť nové znalečné podľa zvoleného vzoru?"));

    m_spravy.odpovede = {false};
    o.btnStorno->click();
    EXPECT_EQ(m_spravy.texty().last(),
              QStringLiteral("Chcete skutočne ukončiť editovanie záznamu?\nZmeny nebudú uložené."));
}

TEST_F(VydavkyOkno, InterpreterCaptionsAndNoProportionalTab)
{
    m_u.skupina = 6;
    m_u.podielova = false;
    TVydavkyForm o(m_u, zdroje());
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Tlmočné výdavky"));
    EXPECT_EQ(o.chkZaradit->text(), QStringLiteral("vložiť tlmočné do zoznamu uložených vyúčtovaní"));
    EXPECT_FALSE(o.Zalozky->isTabVisible(int(Z::Podielova)));
}

TEST_F(VydavkyOkno, LandRateSetForGoodIsStoredAndUsed)
{
    TPodielovaOdmenaEditForm d({}, 500, 3, 0, m_nastavenia);
    EXPECT_EQ(d.odmena(), 35);
    ked_sa_otvori<TNastavSadzbuPozemkyPodielovaOdmena>([](TNastavSadzbuPozemkyPodielovaOdmena* s) {
        s->SadzbaEdit->setText(QStringLiteral("20"));
        s->OpustilSadzbu();
        s->btnNastavTrvalo->click();
    });
    d.btnZmenitSadzbu->click();
    EXPECT_EQ(d.odmena(), 39);  // V = 10 000
    EXPECT_EQ(m_nastavenia.PodielOdmena.SadzbaPozemky, 20);
    Nastavenia znova;
    znova.NacitajPodielOdmena();
    EXPECT_EQ(znova.PodielOdmena.SadzbaPozemky, 20);
}

TEST_F(VydavkyOkno, FlatExpenseCountIsTypedInItsDialog)
{
    TVydavkyEditForm d(4, 1, nullptr);
    d.CenaEdit->setText(QStringLiteral("10"));
    d.OpustilCenu();
    d.PocetEdit->setText(QStringLiteral("3"));
    d.OpustilPocet();
    EXPECT_EQ(d.lblCelkovaCena->text(), SumaText(SymbolEuro, 30));
    ASSERT_EQ(d.rozpis().size(), 1);
    EXPECT_EQ(d.rozpis()[0].Pocet, 3);
    d.PocetEdit->setText(QStringLiteral("x"));
    d.OpustilPocet();
    EXPECT_EQ(m_spravy.texty().last(), QStringLiteral("Neplatná hodnota"));
    EXPECT_EQ(d.PocetEdit->text(), QStringLiteral("3.00"));
}

TEST_F(VydavkyOkno, TariffSurchargesLieInTheTabOrderBetweenPriceAndCount)
{
    TVydavkyTarifEditForm d(UpravaTarifu(1, 1, m_ciselnik.PolozkyCiselnika), nullptr);
    ASSERT_TRUE(d.chkPriplatok[1]->isVisibleTo(&d));
    // the next widget Tab reaches: focusable, shown, not a part of the widget left
    const auto dalsi = [&d](QWidget* w) {
        QWidget* z = w;
        do
            w = w->nextInFocusChain();
        while (w != z && (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&d) || z->isAncestorOf(w)));
        return w;
    };
    QWidget* w = d.CenaEdit;
    for (QWidget* ocakavany : {static_cast<QWidget*>(d.chkPriplatok[0]), static_cast<QWidget*>(d.spinPriplatok[0]),
                               static_cast<QWidget*>(d.chkPriplatok[1]), static_cast<QWidget*>(d.spinPriplatok[1]),
                               static_cast<QWidget*>(d.PocetEdit)}) {
        w = dalsi(w);
        EXPECT_TRUE(w == ocakavany || ocakavany->isAncestorOf(w)) << w->metaObject()->className();
        w = ocakavany;
    }
}
