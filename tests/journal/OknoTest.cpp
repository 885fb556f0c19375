// The main window's wiring on the offscreen platform: start on an empty installation,
// "-obj", year fields, commands of the registers, the saved layout and the documents.

#include "journal/DokumentyZalozka.h"
#include "journal/KevrotZalozka.h"
#include "journal/ObjednavkyZalozka.h"
#include "journal/TStartForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "journal/KevrotPrikazy.h"
#include "journal/SirkyStlpcov.h"
#include "settings_window/TNastavenieForm.h"
#include "settings_window/StrankaUdaje.h"
#include "store/TChybyNacitaniaForm.h"
#include "store/Zurnal.h"

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

#include <QDate>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

class OknoTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        TStartForm::Pauza = 0;
    }
    void zaznam(int cislo, const QString& meno)
    {
        Zurnal z;
        UpravaZaznamu u = KevrotPrikazy::NovyZaznam(z, QDate::currentDate().year(), 0);
        u.zaznam.PoradoveCislo = cislo;
        u.zaznam.Meno = meno;
        ASSERT_GE(KevrotPrikazy::PridajZaznam(z, u), 0);
    }
};

TEST_F(OknoTest, StartOnAnEmptyInstallationShowsEmptyRegistersOnTheJournalTab)
{
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Znalecký kevrot"));
    EXPECT_EQ(f.PageControl1->currentWidget(), f.kevrot());
    EXPECT_EQ(f.kevrot()->StringGrid1->model()->rowCount(), 0);
    EXPECT_EQ(f.objednavky()->StringGrid1->model()->rowCount(), 0);
    EXPECT_EQ(f.kevrot()->rok(), QDate::currentDate().year());
    EXPECT_EQ(f.objednavky()->rok(), QDate::currentDate().year());
    EXPECT_EQ(f.PageControl1->tabText(2), QStringLiteral("Dokumenty"));
    EXPECT_TRUE(f.kevrot()->btnVytlacExcel->isEnabled());
    EXPECT_TRUE(f.kevrot()->btnStavFinancii->isEnabled());
    EXPECT_TRUE(f.btnNastavenie->isEnabled());
    EXPECT_TRUE(f.kevrot()->btnVypis->isEnabled());
    // the shipped code lists are not in a bare test directory: only their messages
    for (const auto& t : m_spravy.texty())
        EXPECT_TRUE(t.startsWith(QStringLiteral("Problém s otvorením súboru: "))) << t.toStdString();
}

TEST_F(OknoTest, StartWithoutSettingsOpensTheSettingsOnTheIdentityTabOnce)
{
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    int otvorene = 0;
    auto vypln = [&](TNastavenieForm* n) {
        ++otvorene;
        EXPECT_EQ(n->Zalozky->currentIndex(), 0);
        EXPECT_FALSE(n->udaje->lblPrvySpustenie->isHidden());
        n->udaje->rbTlmocnik->click();
        n->udaje->editKrstneMeno->setText(QStringLiteral("Eva"));
        n->udaje->editPriezvisko->setText(QStringLiteral("Malá"));
        n->btnOK->click();
    };
    ked_sa_otvori<TNastavenieForm>(vypln);
    f.PrvySpustenie();
    ked_sa_otvori<TNastavenieForm>(vypln);
    f.PrvySpustenie();
    QCoreApplication::processEvents();
    EXPECT_EQ(otvorene, 1);
    Nastavenia ulozene;
    ASSERT_TRUE(ulozene.NacitajNastavenia());
    EXPECT_EQ(ulozene.Nastavenie.Meno, QStringLiteral("Eva"));
    EXPECT_EQ(ulozene.Nastavenie.Druh, Tlmocnik);
    EXPECT_EQ(f.udaje().nastavenia.Nastavenie.Priezvisko, QStringLiteral("Malá"));
}

TEST_F(OknoTest, DashObjOpensOnTheOrdersTab)
{
    TZnalecKevrotForm f({QStringLiteral("-obj")});
    EXPECT_EQ(f.PageControl1->currentWidget(), f.objednavky());
    TZnalecKevrotForm g({QStringLiteral("-OBJ")});
    EXPECT_EQ(g.PageControl1->currentWidget(), g.kevrot());
}

TEST_F(OknoTest, JournalShowsTheYearsEntriesAndYearFieldReloads)
{
    zaznam(1, QStringLiteral("Novák"));
    zaznam(2, QStringLiteral("Horváth"));
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    auto* k = f.kevrot();
    ASSERT_EQ(k->StringGrid1->model()->rowCount(), 2);
    k->NastavRok(2001);
    EXPECT_EQ(k->StringGrid1->model()->rowCount(), 0);
    k->NastavRok(QDate::currentDate().year());
    EXPECT_EQ(k->StringGrid1->model()->rowCount(), 2);
    // a second activation does not reload or reset the year
    k->NastavRok(2001);
    f.PrvaAktivacia();
    EXPECT_EQ(k->rok(), 2001);
}

TEST_F(OknoTest, DeleteAndCopyFromTheSelectedRow)
{
    zaznam(1, QStringLiteral("Novák"));
    zaznam(2, QStringLiteral("Horváth"));
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    auto* k = f.kevrot();
    k->VyberRiadok(0);
    k->VytvorKopiu();
    EXPECT_EQ(k->StringGrid1->model()->rowCount(), 3);
    m_spravy.odpovede = {true};
    k->VyberRiadok(0);
    k->Zmaz();
    EXPECT_EQ(k->StringGrid1->model()->rowCount(), 2);
}

// The register's numbers top to bottom, and the number of the selected row.
QStringList cislaRiadkov(KevrotZalozka* k)
{
    QStringList r;
    for (int i = 0; i < k->tabulka().rowCount(); ++i)
        r << k->tabulka().Text(i, 0).section(QLatin1Char('/'), 0, 0);
    return r;
}
QString vybraneCislo(KevrotZalozka* k)
{
    return k->tabulka().Text(k->StringGrid1->currentIndex().row(), 0).section(QLatin1Char('/'), 0, 0);
}

TEST_F(OknoTest, CopyDeleteAndYearChangeKeepTheHeadersSortAndTheSelectedEntry)
{
    for (int c : {1, 2, 3})
        zaznam(c, QStringLiteral("Meno %1").arg(c));
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    auto* k = f.kevrot();
    k->tabulka().KlikNaHlavicku(0);  // descending
    ASSERT_EQ(cislaRiadkov(k), (QStringList{"3", "2", "1"}));
    k->VyberRiadok(1);
    k->VytvorKopiu();
    EXPECT_EQ(cislaRiadkov(k), (QStringList{"4", "3", "2", "1"}));
    EXPECT_EQ(vybraneCislo(k), QStringLiteral("2"));
    const auto& zz = f.udaje().zurnal.ZaznamyKevrota;
    const auto kopia = std::find_if(zz.begin(), zz.end(), [](const auto& z) { return z.PoradoveCislo == 4; });
    ASSERT_NE(kopia, zz.end());
    EXPECT_EQ(kopia->Meno(), QStringLiteral("Meno 2"));

    m_spravy.odpovede = {true};
    k->Zmaz();
    EXPECT_EQ(cislaRiadkov(k), (QStringList{"4", "3", "1"}));
    EXPECT_EQ(vybraneCislo(k), QStringLiteral("1"));

    k->NastavRok(2001);
    k->NastavRok(QDate::currentDate().year());
    EXPECT_EQ(cislaRiadkov(k), (QStringList{"4", "3", "1"}));
}

TEST_F(OknoTest, ExcelExportLeavesTheScreensOrder)
{
    for (int c : {1, 2, 3})
        zaznam(c, QStringLiteral("Meno %1").arg(c));
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    auto* k = f.kevrot();
    k->tabulka().KlikNaHlavicku(0);  // descending
    k->btnVytlacExcel->click();
    EXPECT_EQ(m_spravy.otvoreneSubory.size(), 1);
    EXPECT_EQ(cislaRiadkov(k), (QStringList{"3", "2", "1"}));
}

TEST(SirkyStlpcov, FreeWidthGoesToTheTextColumnsByTheirShares)
{
    EXPECT_EQ(SirkySVolnymMiestom({100, 50, 0, 30}, {0, 1, 0, 1}, 281), (QList<int>{100, 101, 0, 80}));
    EXPECT_EQ(SirkySVolnymMiestom({100, 50, 0, 30}, {0, 1, 0, 3}, 281), (QList<int>{100, 76, 0, 105}));
    EXPECT_EQ(SirkySVolnymMiestom({100, 50, 0, 30}, {0, 1, 0, 1}, 150), (QList<int>{100, 50, 0, 30}));  // no room
    EXPECT_EQ(SirkySVolnymMiestom({100, 50}, {0, 0}, 500), (QList<int>{100, 50}));
}

TEST_F(OknoTest, TextColumnsTakeTheFreeWidthUntilTheUserSetsWidths)
{
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    f.resize(1280, 800);
    f.show();
    QCoreApplication::processEvents();
    QTableView* g = f.kevrot()->StringGrid1;
    EXPECT_GT(g->columnWidth(1), 112);  // "Zadávateľ"
    EXPECT_GT(g->columnWidth(5), 92);   // "Predmet"
    EXPECT_GT(g->columnWidth(5) - 92, 2 * (g->columnWidth(1) - 112));  // the subject takes most of it
    int spolu = 0;
    for (int c = 0; c < g->model()->columnCount(); ++c)
        spolu += g->isColumnHidden(c) ? 0 : g->columnWidth(c);
    EXPECT_NEAR(spolu, g->viewport()->width(), 2);
    g->setColumnWidth(1, 60);  // as a drag of the header does
    f.resize(1200, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(g->columnWidth(1), 60);
}

TEST_F(OknoTest, SearchBoxAndClearFilter)
{
    zaznam(1, QStringLiteral("Novák"));
    zaznam(2, QStringLiteral("Horváth"));
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    auto* k = f.kevrot();
    k->tabulka().filter().Zadavatel = QStringLiteral("Hor");
    k->FilterMemo->setPlainText(k->tabulka().filter().ObnovTextAStlpce());
    k->tabulka().Obnov();
    EXPECT_EQ(k->StringGrid1->model()->rowCount(), 1);
    k->btnVycistiFilter->click();
    EXPECT_EQ(k->FilterMemo->toPlainText(), QString());
    EXPECT_EQ(k->StringGrid1->model()->rowCount(), 2);
}

TEST_F(OknoTest, CopyModeSwitchChangesSelectionAndBlocksTheEditor)
{
    zaznam(1, QStringLiteral("Novák"));
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    auto* k = f.kevrot();
    f.btnKopirovanie->click();
    EXPECT_TRUE(k->kopirovanie().zapnuty());
    EXPECT_EQ(k->StringGrid1->selectionBehavior(), QAbstractItemView::SelectItems);
    k->Uprav(0);  // ignored in copy mode: no editor, no message
    EXPECT_TRUE(m_spravy.texty().filter(QStringLiteral("Funkcia")).isEmpty());
    f.btnKopirovanie->click();
    EXPECT_EQ(k->StringGrid1->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(OknoTest, CloseProgramSavesTheLayoutThatTheNextStartRestores)
{
    zaznam(1, QStringLiteral("B"));
    zaznam(2, QStringLiteral("A"));
    {
        TZnalecKevrotForm f({});
        f.PrvaAktivacia();
        f.kevrot()->StringGrid1->setColumnWidth(1, 250);
        f.kevrot()->tabulka().KlikNaHlavicku(1);
        f.ZavrietProgram();
    }
    TZnalecKevrotForm g({});
    g.PrvaAktivacia();
    EXPECT_EQ(g.kevrot()->StringGrid1->columnWidth(1), 250);
    EXPECT_EQ(g.kevrot()->tabulka().zoradenie().stav(1), 1);
    EXPECT_EQ(g.kevrot()->tabulka().Text(0, 1), QStringLiteral("B "));
    EXPECT_TRUE(g.udaje().nastavenia.NastavenieManazer.StlpceObjednavok.startsWith(
        QStringLiteral("(0)%1|").arg(g.objednavky()->StringGrid1->columnWidth(0))));
}

TEST_F(OknoTest, ClosingByTheFrameSavesNoLayout)
{
    {
        TZnalecKevrotForm f({});
        f.PrvaAktivacia();
        f.kevrot()->StringGrid1->setColumnWidth(1, 250);
        f.close();
    }
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("Data/znalec_kevrot_nastavenie_manazer.dat"))));
}

TEST_F(OknoTest, DocumentsTabHasSixteenLinksAndAMissingFileDoesNothing)
{
    TZnalecKevrotForm f({});
    ASSERT_EQ(f.dokumenty()->odkazy().size(), 16);
    auto* o = f.dokumenty()->odkazy()[3];
    o->Zvyrazni(true);
    f.dokumenty()->ZrusZvyraznenie();
    EXPECT_FALSE(o->zvyrazneny());
    EXPECT_FALSE(OtvorDokument(o->dokument()));
    EXPECT_TRUE(m_spravy.otvoreneSubory.isEmpty());
}

TEST_F(OknoTest, StartWithDamagedFilesGathersTheProblemsIntoOneSummary)
{
    const int rok = QDate::currentDate().year();
    const QString adresar = QStringLiteral("ZnalKevrot%1/").arg(rok);
    QStringList poskodene;
    for (int c = 1; c <= 4; ++c)
        poskodene << adresar + QStringLiteral("%1-%2.kvd").arg(c).arg(rok);
    poskodene << adresar + QStringLiteral("znalec_kevrot_objednavky.dat");
    for (const QString& s : poskodene)
        zapis(s, QByteArray("\x05\x00\x00\x00poskodene", 13));

    TZnalecKevrotForm f({});
    EXPECT_TRUE(m_spravy.zhrnutia.isEmpty());
    // A first start's settings window waits until the summary was shown.
    int nastavenia = 0;
    ked_sa_otvori<TNastavenieForm>([&](TNastavenieForm*) {
        ++nastavenia;
        EXPECT_EQ(m_spravy.zhrnutia.size(), 1);
    });
    f.PrvySpustenie();
    f.PrvaAktivacia();
    QCoreApplication::processEvents();
    EXPECT_EQ(nastavenia, 1);
    ASSERT_EQ(m_spravy.zhrnutia.size(), 1);
    QStringList subory;
    for (const auto& s : m_spravy.zhrnutia[0])
        subory << RozdelSpravu(s.text).subor.replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString& s : poskodene)
        EXPECT_EQ(subory.count(s), 1) << s.toStdString();
    EXPECT_EQ(QSet<QString>(subory.begin(), subory.end()).size(), subory.size());

    TChybyNacitaniaForm okno(m_spravy.zhrnutia[0]);
    ASSERT_EQ(okno.tabProblemy->rowCount(), subory.size());
    EXPECT_EQ(okno.tabProblemy->item(0, 0)->text().isEmpty(), false);
    EXPECT_EQ(okno.tabProblemy->item(subory.indexOf(poskodene[0]), 1)->text(),
              QStringLiteral("Problém s otvorením súboru"));

    // a change of the year gathers its problems the same way
    m_spravy.zhrnutia.clear();
    for (int c = 1; c <= 3; ++c)
        zapis(QStringLiteral("ZnalKevrot2001/%1-2001.kvd").arg(c), QByteArray("zle"));
    f.kevrot()->NastavRok(2001);
    ASSERT_EQ(m_spravy.zhrnutia.size(), 1);
    EXPECT_EQ(m_spravy.zhrnutia[0].size(), 3);
}
