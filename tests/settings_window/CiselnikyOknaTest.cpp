// The dialogs of the code lists, the bank editor, the vehicle and the headings, driven
// through their buttons.

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "remuneration/PreddefinovaneTexty.h"
#include "remuneration/TOdmenyVydavkyPreddefTexty.h"
#include "settings/Jazyky.h"
#include "settings/OdboryOdvetvia.h"
#include "settings/TBankaForm.h"
#include "settings/TJazykForm.h"
#include "settings/TKodNazovForm.h"
#include "settings/TNajpouzivanejsiForm.h"
#include "settings/TOdborOdvetvieForm.h"
#include "settings/TVozidloEditForm.h"
#include "settings/TZapisaneJazykyForm.h"
#include "settings/TZapisaneOdboryForm.h"
#include "store/Datum.h"
#include "store/SadzbyNahrad.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

class CiselnikyOkna : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        ASSERT_TRUE(m_odbory.PridajOdbor(QStringLiteral("490000"), QStringLiteral("Ekonómia")).isEmpty());
        ASSERT_TRUE(m_odbory.PridajOdvetvie(QStringLiteral("490000"), QStringLiteral("491500"),
                                            QStringLiteral("Oceňovanie"))
                        .isEmpty());
        ASSERT_TRUE(m_jazyky.PridajJazyk(QStringLiteral("eng"), QStringLiteral("anglický")).isEmpty());
        ASSERT_TRUE(m_jazyky.PridajJazyk(QStringLiteral("deu"), QStringLiteral("nemecký")).isEmpty());
    }

    // The code-and-name form that opens next gets these texts and OK.
    static void vyplnKodNazov(const QString& kod, const QString& nazov)
    {
        ked_sa_otvori<TKodNazovForm>([=](TKodNazovForm* f) {
            f->editKod->setText(kod);
            f->editNazov->setText(nazov);
            f->btnOK->click();
        });
    }

    OdboryOdvetvia m_odbory;
    Jazyky m_jazyky;
};

}  // namespace

TEST_F(CiselnikyOkna, BranchNumberMustBelongToItsField)
{
    const struct {
        QString odbor, odvetvie, chyba;
    } pripady[] = {
        {QStringLiteral("490000"), QStringLiteral("4915"), QString()},
        {QStringLiteral("490000"), QStringLiteral("49"), QStringLiteral("Zadané číslo odvetvia je príliš krátke.")},
        {QStringLiteral("330000"), QStringLiteral("491500"),
         QStringLiteral("Zadané číslo odvetvia nezodpovedá číslu odboru.")},
    };
    for (const auto& p : pripady) {
        m_spravy.vymaz();
        TKodNazovForm f(QStringLiteral("Pridanie nového odvetvia"), {}, {}, true, p.odbor);
        f.editKod->setText(p.odvetvie);
        f.btnOK->click();
        EXPECT_EQ(f.result(), p.chyba.isEmpty() ? QDialog::Accepted : QDialog::Rejected) << p.odvetvie.toStdString();
        EXPECT_EQ(m_spravy.texty(), p.chyba.isEmpty() ? QStringList() : QStringList{p.chyba});
    }
}

TEST_F(CiselnikyOkna, FieldAddedInACancelledChoiceIsSavedFirstAndCutToSixCharacters)
{
    TZapisaneOdboryForm okno(m_odbory, {});
    ked_sa_otvori<TOdborOdvetvieForm>([this](TOdborOdvetvieForm* f) {
        vyplnKodNazov(QStringLiteral("3300001"), QStringLiteral("Stavebníctvo"));
        f->btnPridajOdbor->click();
        EXPECT_EQ(f->cmbOdbor->itemData(0).toString(), QStringLiteral("330000"));
        EXPECT_EQ(f->cmbOdbor->currentIndex(), 0);
        EXPECT_EQ(f->cmbOdvetvie->count(), 0);
        // a branch just added (the field's only one) is the choice
        vyplnKodNazov(QStringLiteral("330100"), QStringLiteral("Pozemné stavby"));
        f->btnPridajOdvetvie->click();
        EXPECT_EQ(f->cmbOdvetvie->currentData().toString(), QStringLiteral("330100"));
        // The same field again is refused.
        vyplnKodNazov(QStringLiteral("330000"), QStringLiteral("Iný"));
        f->btnPridajOdbor->click();
        EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Odbor s daným číslo už existuje.")});
        f->btnStorno->click();
    });
    okno.btnPridaj->click();
    EXPECT_EQ(okno.Grid->rowCount(), 0);
    OdboryOdvetvia ulozene;
    ASSERT_TRUE(ulozene.NacitajOdboryOdvetvia());
    ASSERT_EQ(ulozene.Odbory.size(), 2);
    EXPECT_EQ(ulozene.Odbory.at(0).Kod, QStringLiteral("330000"));
    EXPECT_EQ(ulozene.Odvetvia.size(), 2);
}

TEST_F(CiselnikyOkna, RegisteredBranchesAddedTwiceRemovedAndTheMostUsedField)
{
    TZapisaneOdboryForm okno(m_odbory, {});
    for (int i = 0; i < 2; ++i) {
        ked_sa_otvori<TOdborOdvetvieForm>([](TOdborOdvetvieForm* f) {
            f->btnOK->click();  // nothing chosen: refused
            f->cmbOdbor->setCurrentIndex(0);
            f->cmbOdvetvie->setCurrentIndex(0);
            f->btnOK->click();
        });
        okno.btnPridaj->click();
    }
    EXPECT_EQ(m_spravy.texty(), QStringList(2, QStringLiteral("Nie sú vybraté odbory a odvetvia")));
    ASSERT_EQ(okno.Grid->rowCount(), 3);
    EXPECT_EQ(okno.Grid->item(0, 1)->text(), QStringLiteral("Ekonómia"));
    EXPECT_EQ(okno.Grid->item(2, 1)->text(), QStringLiteral("Oceňovanie"));
    ked_sa_otvori<TNajpouzivanejsiForm>([](TNajpouzivanejsiForm* f) {
        EXPECT_EQ(f->cmbPolozky->itemText(0), QStringLiteral("490000 - Ekonómia"));
        f->cmbPolozky->setCurrentIndex(0);
        f->btnOK->click();
    });
    okno.btnNajpouzivanejsi->click();
    EXPECT_TRUE(okno.Grid->item(0, 0)->font().underline());
    EXPECT_EQ(okno.kody().Odvetvia, QStringLiteral("491500|491500|"));
    EXPECT_EQ(okno.kody().Najpouzivanejsi, QStringLiteral("490000"));

    okno.DvojklikRiadka(0);  // collapsed: the field row alone
    EXPECT_EQ(okno.Grid->rowCount(), 1);
    okno.DvojklikRiadka(0);
    okno.Grid->setCurrentCell(0, 0);
    okno.btnZmaz->click();  // a field row: nothing
    EXPECT_EQ(okno.Grid->rowCount(), 3);
    for (int i = 0; i < 2; ++i) {
        okno.Grid->setCurrentCell(1, 0);
        okno.btnZmaz->click();
    }
    EXPECT_EQ(okno.Grid->rowCount(), 0);
    EXPECT_TRUE(okno.kody().Odbory.isEmpty());
}

TEST_F(CiselnikyOkna, LanguageAddedInTheChoiceAppearsInCodeOrderAndIsSavedAtOnce)
{
    TZapisaneJazykyForm okno(m_jazyky, {QStringLiteral("eng|"), QString()});
    ked_sa_otvori<TJazykForm>([](TJazykForm* f) {
        vyplnKodNazov(QStringLiteral("bul"), QStringLiteral("bulharský"));
        f->btnPridaj->click();
        EXPECT_EQ(f->cmbJazyk->currentIndex(), 0);
        EXPECT_EQ(f->cmbJazyk->currentText(), QStringLiteral("bul bulharský"));
        f->btnOK->click();
    });
    okno.btnPridaj->click();
    ASSERT_EQ(okno.Grid->rowCount(), 2);
    EXPECT_EQ(okno.Grid->item(1, 1)->text(), QStringLiteral("bulharský"));
    Jazyky ulozene;
    ASSERT_TRUE(ulozene.NacitajJazyky());
    EXPECT_EQ(ulozene.ZoznamJazykov.size(), 3);

    ked_sa_otvori<TNajpouzivanejsiForm>([](TNajpouzivanejsiForm* f) {
        f->cmbPolozky->setCurrentIndex(1);
        f->btnOK->click();
    });
    okno.btnNajpouzivanejsi->click();
    EXPECT_EQ(okno.texty().Jazyky, QStringLiteral("eng|bul|"));
    EXPECT_EQ(okno.texty().Najpouzivanejsi, QStringLiteral("bul"));

    // "Storno" after adding one: neither the list nor its file changes
    ked_sa_otvori<TJazykForm>([](TJazykForm* f) {
        vyplnKodNazov(QStringLiteral("hun"), QStringLiteral("maďarský"));
        f->btnPridaj->click();
        f->btnStorno->click();
    });
    okno.btnPridaj->click();
    EXPECT_EQ(okno.Grid->rowCount(), 2);
    EXPECT_EQ(m_jazyky.ZoznamJazykov.size(), 3);
    Jazyky znova;
    ASSERT_TRUE(znova.NacitajJazyky());
    EXPECT_EQ(znova.ZoznamJazykov.size(), 3);
}

TEST_F(CiselnikyOkna, BankEditorWantsFourCharactersAndAName)
{
    const struct {
        QString kod, nazov, chyba;
    } pripady[] = {
        {QStringLiteral("090"), QStringLiteral("Banka"), QStringLiteral("Nesprávne vyplnený kód banky.")},
        {QStringLiteral("AB12"), QString(), QStringLiteral("Nesprávne vyplnený názov banky.")},
        {QStringLiteral("AB12"), QStringLiteral("Moja banka"), QString()},
    };
    for (const auto& p : pripady) {
        m_spravy.vymaz();
        TBankaForm f;
        f.editKod->setText(p.kod);
        f.editNazov->setText(p.nazov);
        f.btnOK->click();
        EXPECT_EQ(m_spravy.texty(), p.chyba.isEmpty() ? QStringList() : QStringList{p.chyba});
        EXPECT_EQ(f.result(), p.chyba.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
    }
    TBankaForm oprava(QStringLiteral("0900 Slovenská sporitelna, a.s."));
    EXPECT_EQ(oprava.editKod->text(), QStringLiteral("0900"));
    EXPECT_EQ(oprava.editNazov->text(), QStringLiteral("Slovenská sporitelna, a.s."));
}

TEST_F(CiselnikyOkna, VehicleDialogKeepsValuesOnBadNumbersAndWantsAName)
{
    // The wear rate offered is the shipped one in force today.
    zapis(QStringLiteral("Data/stravne.csv"), "od;a;b;c\n2009-01-01;3.30;5.00;7.70\n");
    zapis(QStringLiteral("Data/opotrebenie.csv"), "od;km\n2009-01-01;0.183\n2026-01-01;0.313\n");
    zabudniSadzbyNahrad();
    const QString dnes = QString::number(sadzbyNahrad().OpotrebenieKDatumu(Dnes()), 'f', 3).replace(u'.', u',');
    TVozidlo v;
    v.Spotreba = 6.5;
    TVozidloEditForm f(v);
    EXPECT_EQ(f.editSpotreba->text(), QStringLiteral(" 6,50"));
    f.editSpotreba->setText(QStringLiteral("sedem"));
    f.OpustilSpotrebu();
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Neplatná hodnota")});
    EXPECT_TRUE(f.editSpotreba->text().isEmpty());
    f.editOpotrebenie->setText(QStringLiteral("0,2"));
    f.btnOK->click();
    EXPECT_EQ(m_spravy.texty().last(), QStringLiteral("Nie je zadané žiadne vozidlo."));
    EXPECT_EQ(f.result(), QDialog::Rejected);
    f.editNazov->setText(QStringLiteral("Škoda Octavia"));
    f.editEC->setText(QStringLiteral("KE-123AB"));
    f.btnOK->click();
    ASSERT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.vozidlo().Nazov, QStringLiteral("Škoda Octavia"));
    EXPECT_EQ(f.vozidlo().Spotreba, 6.5);
    EXPECT_DOUBLE_EQ(f.vozidlo().Opotrebenie, 0.2);
    EXPECT_EQ(f.btnAktualna->text(), QStringLiteral("Aktuálna hodnota ") + dnes);
    f.btnAktualna->click();
    EXPECT_EQ(f.editOpotrebenie->text(), dnes);
    EXPECT_NE(dnes, QStringLiteral("0,183"));
    zabudniSadzbyNahrad();
}

TEST_F(CiselnikyOkna, HeadingsDialogReplacesTheTableWithSevenCutTexts)
{
    PreddefinovaneTexty t;
    t.NastavHlavicky({QStringLiteral("Paušál")});
    TOdmenyVydavkyPreddefTexty storno(t);
    storno.polia.at(1)->setPlainText(QStringLiteral("zmena"));
    storno.btnStorno->click();
    EXPECT_EQ(t.HlavickaDruhu(7), QString());

    TOdmenyVydavkyPreddefTexty f(t);
    ASSERT_EQ(f.polia.size(), 7);
    EXPECT_EQ(f.polia.at(0)->toPlainText(), QStringLiteral("Paušál"));
    f.polia.at(1)->setPlainText(QStringLiteral("Zmluvná\nodmena"));
    f.polia.at(6)->setPlainText(QString(300, u'c'));
    f.btnOK->click();
    ASSERT_EQ(t.Texty.size(), 7);
    EXPECT_EQ(t.HlavickaDruhu(7), QStringLiteral("Zmluvná\r\nodmena"));
    EXPECT_EQ(t.HlavickaDruhu(DruhCestovneNahrady).size(), 255);
}

TEST_F(CiselnikyOkna, MostUsedChoiceOfASingleItemIsPreselected)
{
    TNajpouzivanejsiForm jedna(QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("OK"),
                               {QStringLiteral("eng anglický")}, -1);
    EXPECT_EQ(jedna.cmbPolozky->currentIndex(), 0);
    TNajpouzivanejsiForm dve(QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("OK"),
                             {QStringLiteral("eng anglický"), QStringLiteral("deu nemecký")}, -1);
    EXPECT_EQ(dve.cmbPolozky->currentIndex(), -1);
}
