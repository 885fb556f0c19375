// Wiring of the client list window and the text-list window.

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "orders/TObjednavatelEditForm.h"
#include "orders/TObjednavatelZoznamForm.h"
#include "widgets/TZoznamTextAddForm.h"
#include "widgets/TZoznamTextForm.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {
class OknaZoznamov : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
    }
};

TObjednavatel klient(const QString& meno, qint32 kategoria)
{
    TObjednavatel o;
    o.Meno = meno;
    o.Adresa = meno + QStringLiteral(" adresa");
    o.Kategoria = kategoria;
    return o;
}

QStringList stlpec(QTableWidget* t, int s)
{
    QStringList r;
    for (int i = 0; i < t->rowCount(); ++i)
        r << (t->item(i, s) ? t->item(i, s)->text() : QString());
    return r;
}
}  // namespace

TEST_F(OknaZoznamov, ClientListShowsFiltersSortsAndPicks)
{
    QList<TObjednavatel> z{klient(QStringLiteral("Súd A"), Sudy), klient(QStringLiteral("Polícia"), Policajti),
                           klient(QStringLiteral("Súd B"), Sudy)};
    TObjednavatelZoznamForm okno(z);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Zoznam objednávateľov"));
    EXPECT_TRUE(okno.rbVsetci->isChecked());
    EXPECT_TRUE(okno.StringGrid1->isColumnHidden(2));
    EXPECT_EQ(stlpec(okno.StringGrid1, 0), (QStringList{"Súd A", "Polícia", "Súd B"}));

    okno.rbSudy->click();
    EXPECT_EQ(stlpec(okno.StringGrid1, 0), (QStringList{"Súd A", "Súd B"}));
    EXPECT_EQ(stlpec(okno.StringGrid1, 2), (QStringList{"0", "2"}));

    emit okno.StringGrid1->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(stlpec(okno.StringGrid1, 0), (QStringList{"Súd B", "Súd A"}));
    EXPECT_EQ(okno.StringGrid1->horizontalHeaderItem(0)->foreground().color(), QColor(Qt::red));
    emit okno.StringGrid1->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(okno.StringGrid1->horizontalHeaderItem(0)->foreground().color(), QColor(Qt::blue));

    okno.StringGrid1->selectRow(1);
    okno.btnOK->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(okno.vysledok().Meno, QStringLiteral("Súd B"));
    EXPECT_TRUE(okno.vysledok().StatnyOrgan);
    EXPECT_FALSE(okno.zmeneny());
}

TEST_F(OknaZoznamov, EmptyViewShowsOneEmptyRowAndOkGivesNothing)
{
    QList<TObjednavatel> z;
    TObjednavatelZoznamForm okno(z);
    EXPECT_EQ(okno.StringGrid1->rowCount(), 1);
    okno.StringGrid1->setCurrentCell(0, 0);
    okno.btnOK->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_FALSE(okno.vysledok().vybrany);
    EXPECT_TRUE(okno.vysledok().Meno.isEmpty());
}

TEST_F(OknaZoznamov, ClientListAddsThroughTheDialogAndDeletesInPlace)
{
    QList<TObjednavatel> z{klient(QStringLiteral("Súd A"), Sudy), klient(QStringLiteral("Polícia"), Policajti)};
    TObjednavatelZoznamForm okno(z);
    okno.show();
    okno.rbPolicajti->click();
    ked_sa_otvori<TObjednavatelEditForm>([](TObjednavatelEditForm* d) {
        EXPECT_EQ(d->cmbKategoria->currentText(), QStringLiteral("policajti"));
        d->MenoEdit->setText(QStringLiteral("OO PZ Senec"));
        d->ICOEdit->setText(QStringLiteral("123456789012345678901234"));
        d->btnOK->click();
    });
    okno.Pridaj();
    ASSERT_EQ(z.size(), 3);
    EXPECT_EQ(z[2].Meno, QStringLiteral("OO PZ Senec"));
    EXPECT_EQ(z[2].Kategoria, Policajti);
    EXPECT_EQ(z[2].ICO.size(), 20);
    EXPECT_TRUE(okno.zmeneny());
    EXPECT_EQ(stlpec(okno.StringGrid1, 0), (QStringList{"Polícia", "OO PZ Senec"}));

    okno.StringGrid1->setCurrentCell(0, 0);
    okno.btnZmaz->click();
    EXPECT_EQ(z.size(), 2);
    EXPECT_EQ(stlpec(okno.StringGrid1, 0), QStringList{"OO PZ Senec"});
    okno.btnStorno->click();
    EXPECT_EQ(okno.result(), QDialog::Rejected);
}

TEST_F(OknaZoznamov, TextListAddsEditsDeletesAndRefusesWithoutSelection)
{
    TZoznamTextForm okno({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    okno.show();
    EXPECT_TRUE(okno.btnOprav->isEnabled());
    okno.StringGrid1->selectRow(1);
    okno.btnZmaz->click();
    EXPECT_EQ(okno.polozky(), (QStringList{"a", "c"}));

    ked_sa_otvori<TZoznamTextAddForm>([](TZoznamTextAddForm* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Pridanie nového záznamu"));
        d->btnOk->click();  // empty: refused, stays open
        EXPECT_TRUE(d->isVisible());
        d->Edit1->setText(QStringLiteral("nový"));
        d->btnOk->click();
    });
    okno.Pridaj();
    EXPECT_EQ(okno.polozky(), (QStringList{"a", "c", "nový"}));
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Záznam nie je vyplnený.")});

    okno.StringGrid1->selectRow(0);
    ked_sa_otvori<TZoznamTextAddForm>([](TZoznamTextAddForm* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Oprava záznamu"));
        EXPECT_EQ(d->text(), QStringLiteral("a"));
        d->Edit1->setText(QStringLiteral("A2"));
        d->btnOk->click();
    });
    okno.Oprav();
    EXPECT_EQ(okno.polozky(), (QStringList{"A2", "c", "nový"}));

    m_spravy.vymaz();
    okno.StringGrid1->clearSelection();
    okno.Zmaz();
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Nie je označený žiaden riadok")});
    EXPECT_EQ(okno.polozky().size(), 3);
}

TEST_F(OknaZoznamov, EmptyTextListDisablesEditAndDelete)
{
    TZoznamTextForm okno({});
    EXPECT_EQ(okno.StringGrid1->rowCount(), 1);
    EXPECT_FALSE(okno.btnOprav->isEnabled());
    EXPECT_FALSE(okno.btnZmaz->isEnabled());
    okno.show();
    ked_sa_otvori<TZoznamTextAddForm>([](TZoznamTextAddForm* d) {
        d->Edit1->setText(QStringLiteral("x"));
        d->btnOk->click();
    });
    okno.Pridaj();
    EXPECT_TRUE(okno.btnOprav->isEnabled());
    EXPECT_TRUE(okno.btnZmaz->isEnabled());
}

TEST_F(OknaZoznamov, ClientListKeepsTheFocusOnTheNeighbourAfterDelete)
{
    QList<TObjednavatel> z{klient(QStringLiteral("A"), Sudy), klient(QStringLiteral("B"), Sudy),
                           klient(QStringLiteral("C"), Sudy)};
    TObjednavatelZoznamForm okno(z);
    okno.show();
    okno.StringGrid1->setCurrentCell(1, 0);
    // a mouse click on the button takes the focus there
    okno.btnZmaz->setFocus();
    okno.btnZmaz->click();
    EXPECT_EQ(stlpec(okno.StringGrid1, 0), (QStringList{"A", "C"}));
    EXPECT_EQ(okno.focusWidget(), okno.StringGrid1);
    EXPECT_EQ(okno.StringGrid1->currentRow(), 1);
    okno.btnZmaz->click();
    EXPECT_EQ(okno.StringGrid1->currentRow(), 0);
    EXPECT_EQ(okno.StringGrid1->selectedItems().value(0)->text(), QStringLiteral("A"));
}
