// The order editor, its fields, the order picker and the text-list fields.

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "widgets/PoleTextovehoZoznamu.h"
#include "orders/PoliaObjednavky.h"
#include "orders/TObjednavkyForm.h"
#include "orders/TZnalecKevrotObjednavkaEditForm.h"
#include "orders/VyberObjednavky.h"
#include "store/Datum.h"
#include "store/Objednavky.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

namespace {
class ObjednavkaOkno : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
    }
};

TObjednavka objednavka(const QString& meno, qint32 stav)
{
    TObjednavka o = Objednavky::NovaObjednavka();
    o.Meno = meno;
    o.Adresa = QStringLiteral("Nitra");
    o.Stav = stav;
    o.Poznamka = QStringLiteral("poznámka");
    o.Cislo = QStringLiteral("5C 12/2024");
    o.DatumVyziadania = QDateNaDatum(QDate(2024, 3, 5));
    return o;
}
}  // namespace

TEST_F(ObjednavkaOkno, FieldsRequireAValidDateAndCarryTheRestThrough)
{
    TObjednavka o = objednavka(QStringLiteral("Súd"), Rozpracovane);
    PoliaObjednavky p = ZobrazObjednavku(o);
    EXPECT_EQ(p.Den + p.Mesiac + p.Rok, QStringLiteral("532024"));
    p.Den = QStringLiteral("31");
    p.Mesiac = QStringLiteral("2");
    p.Meno = QStringLiteral("Iný");
    EXPECT_FALSE(PrevezmiPoliaObjednavky(p, o));
    EXPECT_EQ(o.Meno, QStringLiteral("Súd"));
    p.Den = QStringLiteral("x");
    p.Mesiac = QStringLiteral("3");
    EXPECT_FALSE(PrevezmiPoliaObjednavky(p, o));
    p.Den = QStringLiteral("29");
    p.Mesiac = QStringLiteral("2");
    p.Predmet = QString(300, QLatin1Char('p'));
    ASSERT_TRUE(PrevezmiPoliaObjednavky(p, o));
    EXPECT_EQ(o.DatumVyziadania, QDateNaDatum(QDate(2024, 2, 29)));
    EXPECT_EQ(o.Meno, QStringLiteral("Iný"));
    EXPECT_EQ(o.Predmet.size(), 200);
    EXPECT_EQ(o.Poznamka, QStringLiteral("poznámka"));
    EXPECT_EQ(o.Stav, Rozpracovane);
}

TEST_F(ObjednavkaOkno, EditorRefusesABadDateAndReturnsTheEditedOrder)
{
    Objednavky objednavky;
    TZnalecKevrotObjednavkaEditForm okno(objednavka(QStringLiteral("Súd"), 0), objednavky);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Zadanie objednávky"));
    EXPECT_EQ(okno.DenEdit->text(), QStringLiteral("5"));
    EXPECT_EQ(okno.DenEdit->maxLength(), 2);
    EXPECT_EQ(okno.RokEdit->maxLength(), 4);
    okno.DenEdit->setText(QStringLiteral("31"));
    okno.MesiacEdit->setText(QStringLiteral("2"));
    okno.Potvrd();
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Neplatný dátum vyžiadania.")});
    EXPECT_NE(okno.result(), QDialog::Accepted);

    okno.Dnes();
    okno.rbSO->setChecked(true);
    okno.cmbObjednavkaTyp->setCurrentIndex(1);
    okno.Edit5->setText(QStringLiteral("5C 1/2024"));
    okno.cmbUcel->nastavText(QStringLiteral("pre súd"));
    okno.Potvrd();
    ASSERT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.objednavka().DatumVyziadania, Dnes());
    EXPECT_EQ(okno.objednavka().StatnyOrgan, 1);
    EXPECT_EQ(okno.objednavka().TypCisla, 1);
    EXPECT_EQ(okno.objednavka().Cislo, QStringLiteral("5C 1/2024"));
    EXPECT_EQ(okno.objednavka().Ucel, QStringLiteral("pre súd"));
}

TEST_F(ObjednavkaOkno, TextListFieldAddsOnceAndWritesTheFile)
{
    PoleTextovehoZoznamu pole(TextoveZoznamy::Predmet, {}, 200);
    pole.nacitaj();
    EXPECT_TRUE(pole.polozky().isEmpty());
    pole.nastavText(QStringLiteral("vozidlo"));
    pole.btnPlus->click();
    pole.nastavText(QStringLiteral("Vozidlo"));
    pole.btnPlus->click();
    EXPECT_EQ(pole.polozky(), QStringList{QStringLiteral("vozidlo")});
    EXPECT_EQ(obsah(QStringLiteral("Data/kevrot_predmet.kvz")), QByteArray("vozidlo\r\n"));
    EXPECT_EQ(pole.text(), QStringLiteral("Vozidlo"));  // the typed text stays
}

TEST_F(ObjednavkaOkno, PickerReadsTheYearIntoItsOwnListAndReturnsTheChosenOrder)
{
    Objednavky register2023;
    register2023.ZoznamObjednavok = {objednavka(QStringLiteral("Starý"), 0)};
    ASSERT_TRUE(register2023.UlozObjednavky(2023));

    Objednavky tento;
    tento.ZoznamObjednavok = {objednavka(QStringLiteral("Prvá"), Nerozpracovane),
                              objednavka(QStringLiteral("Druhá"), Vypracovane)};
    ASSERT_TRUE(tento.UlozObjednavky(2024));

    const QList<TObjednavka> zoznam = ObjednavkyNaVyber(2024);
    ASSERT_EQ(zoznam.size(), 2);
    EXPECT_EQ(register2023.ZoznamObjednavok.size(), 1);  // the register's list is untouched
    EXPECT_EQ(RiadokVyberu(zoznam[0]),
              (QStringList{"5.3.2024", "Prvá Nitra", "5C 12/2024", "", "", "poznámka", "", "", ""}));
    EXPECT_FALSE(JeRozpracovana(zoznam[0]));
    EXPECT_TRUE(JeRozpracovana(zoznam[1]));

    TObjednavkyForm okno(zoznam);
    EXPECT_EQ(okno.StringGrid1->columnCount(), 10);
    EXPECT_TRUE(okno.StringGrid1->isColumnHidden(9));
    EXPECT_EQ(okno.StringGrid1->horizontalHeaderItem(8)->text(), QStringLiteral("Účel"));
    EXPECT_EQ(okno.StringGrid1->item(1, 0)->foreground().color(), QColor(Qt::red));
    okno.StringGrid1->selectRow(1);
    ASSERT_TRUE(okno.vybrana());
    EXPECT_EQ(okno.vybrana()->Meno, QStringLiteral("Druhá"));

    TObjednavkyForm prazdne({});
    EXPECT_EQ(prazdne.StringGrid1->rowCount(), 1);
    EXPECT_FALSE(prazdne.vybrana());
}
