// The program as a user drives it: the main window on an installation with the shipped
// code lists, every command started by its button and every dialog answered through its
// own controls, so that a broken hook-up between the windows shows.

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "GeneratorDat.h"
#include "editor/TVyplateneZnalecneForm.h"
#include "editor/TZnalecKevrotEditForm.h"
#include "editor/VyplatenieTab.h"
#include "journal/KevrotPrikazy.h"
#include "journal/KevrotZalozka.h"
#include "journal/ObjednavkyZalozka.h"
#include "journal/TStartForm.h"
#include "journal/TVyhladavanieKevrotForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "widgets/PoleTextovehoZoznamu.h"
#include "orders/TObjednavatelEditForm.h"
#include "orders/TObjednavatelZoznamForm.h"
#include "orders/TObjednavkyForm.h"
#include "orders/TZnalecKevrotObjednavkaEditForm.h"
#include "store/Datum.h"
#include "store/Objednavky.h"
#include "store/Zurnal.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QImage>
#include <QMouseEvent>

namespace {

const int kRok = QDate::currentDate().year();

class PouzitieProgramu : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        TStartForm::Pauza = 0;
        // a dialog left open by a failed step is closed by its Storno question
        m_spravy.predvolenaOdpoved = true;
        QStringList chyby;
        ASSERT_TRUE(GeneratorDat::Generuj(QStringLiteral(KEVROT_DATA_CSV), cesta(QStringLiteral("Data")), chyby))
            << chyby.join(QLatin1Char('\n')).toStdString();
    }

    // The main window as the program entry shows it, first activation done.
    std::unique_ptr<TZnalecKevrotForm> spusti(const QStringList& argumenty = {})
    {
        auto f = std::make_unique<TZnalecKevrotForm>(argumenty);
        f->show();
        QCoreApplication::processEvents();
        f->PrvaAktivacia();
        return f;
    }

    // Fills what the editor requires of a new entry: the first field with its first
    // branch and today as the date of performance.
    static void vyplnPovinne(TZnalecKevrotEditForm* e)
    {
        ASSERT_GT(e->cmbOdborJazyk->count(), 0);
        e->cmbOdborJazyk->setCurrentIndex(0);
        ASSERT_GT(e->cmbOdvetvie->count(), 0);
        e->cmbOdvetvie->setCurrentIndex(0);
        e->btnDnesVykonanie->click();
    }

    // "Pridaj" of the journal with an entry for this requester.
    void pridajZaznam(TZnalecKevrotForm& f, const QString& meno, const QString& predmet = {})
    {
        ked_sa_otvori<TZnalecKevrotEditForm>([&](TZnalecKevrotEditForm* e) {
            vyplnPovinne(e);
            e->Edit2->setText(meno);
            e->cmbPredmet->nastavText(predmet);
            e->btnOK->click();
        });
        f.kevrot()->btnPridaj->click();
    }

    // A left click released over a point of the header row.
    static void klikNaHlavicku(QHeaderView* h, const QPoint& kde)
    {
        const QPointF bod(kde);
        QMouseEvent stlacenie(QEvent::MouseButtonPress, bod, h->viewport()->mapToGlobal(bod), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
        QMouseEvent pustenie(QEvent::MouseButtonRelease, bod, h->viewport()->mapToGlobal(bod), Qt::LeftButton,
                             Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(h->viewport(), &stlacenie);
        QApplication::sendEvent(h->viewport(), &pustenie);
    }

    static int tmavychBodov(const QImage& obraz)
    {
        int n = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                n += QColor(obraz.pixel(x, y)).lightness() < 80;
        return n;
    }

    static QString bunka(QTableView* v, int riadok, int stlpec)
    {
        return v->model()->index(riadok, stlpec).data().toString();
    }

    static void dvojklik(QTableView* v, int riadok)
    {
        const QModelIndex i = v->model()->index(riadok, 0);
        emit v->doubleClicked(i);
    }

    // The entry as the next start reads it from its file.
    TZnalKevrotZaznam zoSuboru(int cislo)
    {
        Zurnal z;
        z.NacitajRok(kRok);
        for (int i = 0; i < z.ZaznamyKevrota.size(); ++i)
            if (z.ZaznamyKevrota[i].PoradoveCislo == cislo)
                return z.CelyZaznam(i).value_or(TZnalKevrotZaznam());
        ADD_FAILURE() << "entry " << cislo << " is not on disk";
        return {};
    }
};

}  // namespace

TEST_F(PouzitieProgramu, NewInstallationStartsSilentlyWithEmptyRegistersAndWholeHeaders)
{
    auto f = spusti();
    EXPECT_TRUE(m_spravy.texty().isEmpty()) << m_spravy.texty().join(QLatin1Char('|')).toStdString();
    for (QTableView* v : {f->kevrot()->StringGrid1, f->objednavky()->StringGrid1}) {
        EXPECT_EQ(v->model()->rowCount(), 0);
        const QFontMetrics pismo(v->horizontalHeader()->font());
        for (int c = 0; c < v->model()->columnCount(); ++c) {
            if (v->isColumnHidden(c))
                continue;
            const QString text = v->model()->headerData(c, Qt::Horizontal).toString();
            EXPECT_GT(v->columnWidth(c), pismo.horizontalAdvance(text)) << text.toStdString();
        }
    }
}

TEST_F(PouzitieProgramu, AnEntryIsAddedThroughTheEditorWithoutRegisteredFieldsAndSaved)
{
    auto f = spusti();
    pridajZaznam(*f, QStringLiteral("Okresný súd Žilina"), QStringLiteral("Škoda Octavia"));
    QTableView* v = f->kevrot()->StringGrid1;
    ASSERT_EQ(v->model()->rowCount(), 1);
    EXPECT_EQ(bunka(v, 0, 0), QStringLiteral("1/%1").arg(kRok));
    EXPECT_EQ(bunka(v, 0, 1), QStringLiteral("Okresný súd Žilina "));
    EXPECT_EQ(bunka(v, 0, 4), DnesText());
    EXPECT_TRUE(QFile::exists(cesta(QStringLiteral("ZnalKevrot%1/1-%1.kvd").arg(kRok))));
    const TZnalKevrotZaznam z = zoSuboru(1);
    EXPECT_EQ(z.Predmet, QStringLiteral("Škoda Octavia"));
    EXPECT_FALSE(z.Odbor.isEmpty());
    EXPECT_FALSE(z.Odvetvie.isEmpty());
    EXPECT_TRUE(m_spravy.texty().isEmpty()) << m_spravy.texty().join(QLatin1Char('|')).toStdString();

    // the next one gets the next number; Storno (confirmed) adds nothing
    m_spravy.odpovede = {true};
    ked_sa_otvori<TZnalecKevrotEditForm>([](TZnalecKevrotEditForm* e) {
        EXPECT_EQ(e->Edit4->text(), QStringLiteral("2"));
        e->btnStorno->click();
    });
    f->kevrot()->btnPridaj->click();
    EXPECT_EQ(v->model()->rowCount(), 1);
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("ZnalKevrot%1/2-%1.kvd").arg(kRok))));
}

TEST_F(PouzitieProgramu, AnEntryIsEditedAndPaidInOneSumThenInParts)
{
    auto f = spusti();
    pridajZaznam(*f, QStringLiteral("Novák"));
    QTableView* v = f->kevrot()->StringGrid1;

    ked_sa_otvori<TZnalecKevrotEditForm>([](TZnalecKevrotEditForm* e) {
        EXPECT_EQ(e->Edit2->text(), QStringLiteral("Novák"));
        e->Edit2->setText(QStringLiteral("Horváth"));
        e->tabVyplatenie->chkCelaCast->setChecked(true);
        e->tabVyplatenie->btnDnes->click();
        e->btnOK->click();
    });
    dvojklik(v, 0);
    EXPECT_EQ(bunka(v, 0, 1), QStringLiteral("Horváth "));
    EXPECT_EQ(bunka(v, 0, 8), DnesText());
    TZnalKevrotZaznam z = zoSuboru(1);
    EXPECT_EQ(z.Meno, QStringLiteral("Horváth"));
    EXPECT_TRUE(z.Vyplatene);
    EXPECT_EQ(z.PocetVyplateni, 1);

    // the paid entry leaves the "nevyplatené" view
    f->kevrot()->rbNevyplatene->click();
    EXPECT_EQ(v->model()->rowCount(), 0);
    f->kevrot()->rbVsetky->click();
    ASSERT_EQ(v->model()->rowCount(), 1);

    // two payments in parts, entered through the payment dialog
    ked_sa_otvori<TZnalecKevrotEditForm>([](TZnalecKevrotEditForm* e) {
        VyplatenieTab* t = e->tabVyplatenie;
        EXPECT_TRUE(t->chkCelaCast->isChecked());
        t->chkPoCastiach->setChecked(true);
        for (const char* suma : {"40,50", "9.50"}) {
            ked_sa_otvori<TVyplateneZnalecneForm>([suma](TVyplateneZnalecneForm* d) {
                d->SumaEdit->setText(QString::fromLatin1(suma));
                d->SumaEdit->editingFinished();
                d->DatumEdit->setText(QStringLiteral("3.2.%1").arg(kRok));
                d->DatumEdit->editingFinished();
                d->btnOK->click();
            });
            t->btnPridaj->click();
        }
        EXPECT_EQ(t->StringGrid1->model()->index(1, 1).data().toString(), QStringLiteral("9,50\u00a0€"));
        e->btnOK->click();
    });
    dvojklik(v, 0);
    z = zoSuboru(1);
    EXPECT_EQ(z.PocetVyplateni, 2);
    EXPECT_EQ(bunka(v, 0, 8), QStringLiteral("3.2.%1, 3.2.%1").arg(kRok));
    Zurnal zurnal;
    zurnal.NacitajRok(kRok);
    ASSERT_TRUE(zurnal.NacitajZaznam(1, kRok));
    ASSERT_EQ(zurnal.VyplateniaZaznamu.size(), 2);
    EXPECT_DOUBLE_EQ(zurnal.VyplateniaZaznamu[0].Suma, 40.5);
    EXPECT_DOUBLE_EQ(zurnal.VyplateniaZaznamu[1].Suma, 9.5);
}

TEST_F(PouzitieProgramu, EntriesAreCopiedDeletedSearchedAndSortedFromTheirButtons)
{
    auto f = spusti();
    pridajZaznam(*f, QStringLiteral("Beta"), QStringLiteral("auto"));
    pridajZaznam(*f, QStringLiteral("Alfa"), QStringLiteral("dom"));
    KevrotZalozka* k = f->kevrot();
    QTableView* v = k->StringGrid1;
    ASSERT_EQ(v->model()->rowCount(), 2);

    k->VyberRiadok(0);
    k->btnVytvorKopiu->click();
    ASSERT_EQ(v->model()->rowCount(), 3);
    EXPECT_EQ(bunka(v, 2, 0), QStringLiteral("3/%1").arg(kRok));
    EXPECT_EQ(bunka(v, 2, 1), QStringLiteral("Beta "));

    // "Zmaž" answered No keeps it, Yes removes the file
    k->VyberRiadok(2);
    m_spravy.odpovede = {false};
    k->btnZmaz->click();
    EXPECT_EQ(v->model()->rowCount(), 3);
    m_spravy.odpovede = {true};
    k->btnZmaz->click();
    EXPECT_EQ(v->model()->rowCount(), 2);
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("ZnalKevrot%1/3-%1.kvd").arg(kRok))));

    // search by requester through the dialog, then clear
    ked_sa_otvori<TVyhladavanieKevrotForm>([](TVyhladavanieKevrotForm* d) {
        d->ZadavatelEdit->setText(QStringLiteral("Alf"));
        d->btnHladaj->click();
    });
    k->btnVyhladaj->click();
    ASSERT_EQ(v->model()->rowCount(), 1);
    EXPECT_EQ(bunka(v, 0, 1), QStringLiteral("Alfa "));
    EXPECT_FALSE(k->FilterMemo->toPlainText().isEmpty());
    k->btnVycistiFilter->click();
    EXPECT_EQ(v->model()->rowCount(), 2);
    EXPECT_TRUE(k->FilterMemo->toPlainText().isEmpty());

    // a click on the header "Zadávateľ": descending (red), then ascending (blue)
    QHeaderView* h = v->horizontalHeader();
    const QPoint stred(h->sectionViewportPosition(1) + h->sectionSize(1) / 2, h->height() / 2);
    klikNaHlavicku(h, stred);
    EXPECT_EQ(bunka(v, 0, 1), QStringLiteral("Beta "));
    EXPECT_EQ(v->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    klikNaHlavicku(h, stred);
    EXPECT_EQ(bunka(v, 0, 1), QStringLiteral("Alfa "));
    EXPECT_EQ(v->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
}

TEST_F(PouzitieProgramu, OrdersAreAddedEditedDeletedAndTurnedIntoAnEntry)
{
    auto f = spusti();
    ObjednavkyZalozka* o = f->objednavky();
    QTableView* v = o->StringGrid1;
    for (const QString& meno : {QStringLiteral("Polícia Trnava"), QStringLiteral("Exekútor Kováč")}) {
        ked_sa_otvori<TZnalecKevrotObjednavkaEditForm>([meno](TZnalecKevrotObjednavkaEditForm* d) {
            d->Edit2->setText(meno);
            d->Edit3->setText(QStringLiteral("Hlavná 1"));
            d->Edit5->setText(QStringLiteral("ČVS:123/2026"));
            d->cmbPredmet->nastavText(QStringLiteral("VW Golf"));
            d->btnOK->click();
        });
        o->btnPridaj->click();
    }
    ASSERT_EQ(v->model()->rowCount(), 2);
    EXPECT_EQ(bunka(v, 0, 0), DnesText());

    ked_sa_otvori<TZnalecKevrotObjednavkaEditForm>([](TZnalecKevrotObjednavkaEditForm* d) {
        EXPECT_EQ(d->Edit2->text(), QStringLiteral("Exekútor Kováč"));
        d->Edit5->setText(QStringLiteral("EX 77/26"));
        d->btnOK->click();
    });
    dvojklik(v, 1);
    EXPECT_EQ(bunka(v, 1, 2), QStringLiteral("EX 77/26"));

    // "Zmaž" asks first: No keeps the order
    o->VyberRiadok(0);
    m_spravy.odpovede = {false};
    o->btnZmaz->click();
    ASSERT_EQ(v->model()->rowCount(), 2);
    EXPECT_EQ(m_spravy.texty().last(), QString::fromUtf8(KevrotPrikazy::OtazkaZmazat));
    m_spravy.odpovede = {true};
    o->btnZmaz->click();
    ASSERT_EQ(v->model()->rowCount(), 1);
    Objednavky ulozene;
    ulozene.NacitajObjednavky(kRok);
    ASSERT_EQ(ulozene.ZoznamObjednavok.size(), 1);
    EXPECT_EQ(ulozene.ZoznamObjednavok[0].Cislo, QStringLiteral("EX 77/26"));

    // "Vytvor záznam na základe objednávky" in a new entry
    ked_sa_otvori<TZnalecKevrotEditForm>([](TZnalecKevrotEditForm* e) {
        ked_sa_otvori<TObjednavkyForm>([](TObjednavkyForm* p) {
            ASSERT_EQ(p->StringGrid1->item(0, 1)->text(), QStringLiteral("Exekútor Kováč Hlavná 1"));
            p->StringGrid1->selectRow(0);
            // the selected row is drawn readable: dark text on its grey background
            const QRect r = p->StringGrid1->visualItemRect(p->StringGrid1->item(0, 1));
            EXPECT_GT(tmavychBodov(p->StringGrid1->viewport()->grab(r).toImage()), 10);
            p->btnOK->click();
        });
        e->btnObjednavka->click();
        EXPECT_EQ(e->Edit2->text(), QStringLiteral("Exekútor Kováč"));
        vyplnPovinne(e);
        e->btnOK->click();
    });
    f->kevrot()->btnPridaj->click();
    const TZnalKevrotZaznam z = zoSuboru(1);
    EXPECT_EQ(z.Meno, QStringLiteral("Exekútor Kováč"));
    EXPECT_EQ(z.CisloObjednavky, QStringLiteral("EX 77/26"));
    EXPECT_EQ(z.Predmet, QStringLiteral("VW Golf"));
    EXPECT_EQ(f->kevrot()->StringGrid1->model()->rowCount(), 1);
}

TEST_F(PouzitieProgramu, ClientsAreAddedChangedPickedAndDeletedFromTheEditor)
{
    auto f = spusti();
    auto vKlientoch = [](std::function<void(TObjednavatelZoznamForm*)> akcia) {
        ked_sa_otvori<TZnalecKevrotEditForm>([akcia](TZnalecKevrotEditForm* e) {
            ked_sa_otvori<TObjednavatelZoznamForm>(akcia);
            e->btnZoznam->click();
            vyplnPovinne(e);
            e->btnOK->click();
        });
    };

    vKlientoch([](TObjednavatelZoznamForm* z) {
        z->rbSudy->click();
        auto pridaj = [z](const QString& meno, const QString& ico) {
            ked_sa_otvori<TObjednavatelEditForm>([meno, ico](TObjednavatelEditForm* d) {
                d->MenoEdit->setText(meno);
                d->AdresaEdit->setText(QStringLiteral("Súdna 2"));
                d->ICOEdit->setText(ico);
                d->btnOK->click();
            });
            z->btnPridaj->click();
        };
        pridaj(QStringLiteral("Krajský súd"), QStringLiteral("00165000"));
        ASSERT_EQ(z->StringGrid1->item(0, 0)->text(), QStringLiteral("Krajský súd"));
        // a change through a double click on the row
        ked_sa_otvori<TObjednavatelEditForm>([](TObjednavatelEditForm* d) {
            EXPECT_EQ(d->MenoEdit->text(), QStringLiteral("Krajský súd"));
            d->MenoEdit->setText(QStringLiteral("Krajský súd Nitra"));
            d->btnOK->click();
        });
        emit z->StringGrid1->cellDoubleClicked(0, 0);
        EXPECT_EQ(z->StringGrid1->item(0, 0)->text(), QStringLiteral("Krajský súd Nitra"));
        // a client just added is the one "OK" picks
        pridaj(QStringLiteral("Okresný súd Nitra"), QStringLiteral("00166000"));
        EXPECT_EQ(z->StringGrid1->currentRow(), 1);
        z->btnOK->click();
    });
    f->kevrot()->btnPridaj->click();
    TZnalKevrotZaznam e = zoSuboru(1);
    EXPECT_EQ(e.Meno, QStringLiteral("Okresný súd Nitra"));
    EXPECT_EQ(e.Adresa, QStringLiteral("Súdna 2"));
    EXPECT_EQ(e.ICO, QStringLiteral("00166000"));
    EXPECT_EQ(e.StatnyOrgan, 1);
    Objednavky klienti;
    klienti.NacitajObjednavatelov();
    ASSERT_EQ(klienti.ZoznamObjednavatelov.size(), 2);
    EXPECT_EQ(klienti.ZoznamObjednavatelov[0].Meno, QStringLiteral("Krajský súd Nitra"));

    // deleted from the list and the window cancelled: the file follows all the same
    vKlientoch([](TObjednavatelZoznamForm* z) {
        z->StringGrid1->setCurrentCell(0, 0);
        z->btnZmaz->click();
        z->btnStorno->click();
    });
    f->kevrot()->btnPridaj->click();
    klienti.NacitajObjednavatelov();
    ASSERT_EQ(klienti.ZoznamObjednavatelov.size(), 1);
    EXPECT_EQ(klienti.ZoznamObjednavatelov[0].Meno, QStringLiteral("Okresný súd Nitra"));
}

TEST_F(PouzitieProgramu, TheColumnLayoutSurvivesCloseProgramAndDashObjOpensTheOrders)
{
    {
        auto f = spusti();
        f->kevrot()->StringGrid1->setColumnWidth(2, 211);
        f->objednavky()->StringGrid1->setColumnWidth(5, 177);
        f->btnZavriet->click();
        EXPECT_FALSE(f->isVisible());
    }
    auto g = spusti({QStringLiteral("-obj")});
    EXPECT_EQ(g->PageControl1->currentWidget(), g->objednavky());
    EXPECT_EQ(g->kevrot()->StringGrid1->columnWidth(2), 211);
    EXPECT_EQ(g->objednavky()->StringGrid1->columnWidth(5), 177);
    EXPECT_TRUE(m_spravy.texty().isEmpty()) << m_spravy.texty().join(QLatin1Char('|')).toStdString();
}

TEST_F(PouzitieProgramu, AFailedSaveIsReportedAndTheEntryStaysOnScreen)
{
    // a file where the year's directory belongs: nothing can be written there
    zapis(QStringLiteral("ZnalKevrot%1").arg(kRok), QByteArray("x"));
    auto f = spusti();
    m_spravy.vymaz();
    pridajZaznam(*f, QStringLiteral("Novák"));
    ASSERT_EQ(m_spravy.texty().size(), 1);
    EXPECT_TRUE(m_spravy.texty()[0].startsWith(QStringLiteral("Nepodarilo sa vytvoriť adresár: ")));
    ASSERT_EQ(f->kevrot()->StringGrid1->model()->rowCount(), 1);
    EXPECT_EQ(bunka(f->kevrot()->StringGrid1, 0, 1), QStringLiteral("Novák "));
}

TEST_F(PouzitieProgramu, CopyModeCarriesAColumnThroughThePopUpMenu)
{
    auto f = spusti();
    pridajZaznam(*f, QStringLiteral("Alfa"), QStringLiteral("auto"));
    pridajZaznam(*f, QStringLiteral("Beta"), QStringLiteral("dom"));
    KevrotZalozka* k = f->kevrot();
    QAction* kopiruj = k->PopupMenu->actions().value(0);
    QAction* vloz = k->PopupMenu->actions().value(1);
    ASSERT_TRUE(kopiruj && vloz);
    EXPECT_EQ(kopiruj->text(), QStringLiteral("Kopiruj"));
    EXPECT_EQ(vloz->text(), QStringLiteral("Vloz"));

    f->btnKopirovanie->click();
    ASSERT_TRUE(f->btnKopirovanie->isChecked());
    k->VyberRiadok(1, 5);
    vloz->trigger();  // nothing copied yet: nothing changes
    EXPECT_EQ(zoSuboru(2).Predmet, QStringLiteral("dom"));

    k->VyberRiadok(0, 1);
    kopiruj->trigger();
    k->VyberRiadok(1, 5);
    vloz->trigger();
    EXPECT_EQ(bunka(k->StringGrid1, 1, 5), QStringLiteral("auto"));
    EXPECT_EQ(zoSuboru(2).Predmet, QStringLiteral("auto"));
    EXPECT_EQ(zoSuboru(2).Meno, QStringLiteral("Beta"));

    // copy mode off: the pop-up commands do nothing
    f->btnKopirovanie->click();
    k->VyberRiadok(1, 1);
    vloz->trigger();
    EXPECT_EQ(zoSuboru(2).Meno, QStringLiteral("Beta"));
}

TEST_F(PouzitieProgramu, ANewEntryMayNotTakeTheNumberOfAnEntryOfAnotherYear)
{
    {
        Zurnal minuly;
        UpravaZaznamu u = KevrotPrikazy::NovyZaznam(minuly, kRok - 1, 0);
        u.zaznam.Meno = QStringLiteral("Starý");
        ASSERT_GE(KevrotPrikazy::PridajZaznam(minuly, u), 0);
    }
    const QByteArray predtym = obsah(QStringLiteral("ZnalKevrot%1/1-%1.kvd").arg(kRok - 1));
    auto f = spusti();
    ked_sa_otvori<TZnalecKevrotEditForm>([](TZnalecKevrotEditForm* e) {
        vyplnPovinne(e);
        e->Edit2->setText(QStringLiteral("Nový"));
        e->Edit16->setText(QString::number(kRok - 1));
        e->btnOK->click();
        EXPECT_TRUE(e->isVisible());  // refused: the editor stays open
        e->btnStorno->click();
    });
    f->kevrot()->btnPridaj->click();
    EXPECT_TRUE(m_spravy.texty().contains(QStringLiteral("Záznam s daným číslom existuje")));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot%1/1-%1.kvd").arg(kRok - 1)), predtym);
}

TEST_F(PouzitieProgramu, AnInterpreterWithoutRegisteredLanguagesChoosesFromAllLanguages)
{
    auto f = spusti();
    f->udaje().nastavenia.Nastavenie.Druh = 1;
    const int jazykov = int(f->udaje().jazyky.ZoznamJazykov.size());
    ASSERT_GT(jazykov, 0);
    ked_sa_otvori<TZnalecKevrotEditForm>([jazykov](TZnalecKevrotEditForm* e) {
        EXPECT_EQ(e->lblOdborJazyk->text(), QStringLiteral("Jazyk:"));
        EXPECT_EQ(e->cmbOdborJazyk->count(), jazykov);
        EXPECT_EQ(e->cmbOdborJazyk->currentIndex(), -1);  // none is the default
        e->cmbOdborJazyk->setCurrentIndex(0);
        e->btnDnesVykonanie->click();
        e->btnOK->click();
    });
    f->kevrot()->btnPridaj->click();
    const TZnalKevrotZaznam z = zoSuboru(1);
    EXPECT_EQ(z.Jazyk, f->udaje().jazyky.ZoznamJazykov[0].Kod);
    EXPECT_TRUE(z.Odbor.isEmpty());
}
