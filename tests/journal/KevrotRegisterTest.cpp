// The journal register without a window: shown entries, cell texts, colours, sorting,
// the search filter, copy mode and the commands on entry files.

#include "journal/FarbyRegistra.h"
#include "journal/KevrotPrikazy.h"
#include "journal/KevrotTabulka.h"
#include "journal/RezimKopirovania.h"
#include "journal/DetailZaznamu.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Zurnal.h"

#include "common/TestAppDir.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QDir>
#include <QFile>

namespace {

double den(int r, int m, int d) { return QDateNaDatum(QDate(r, m, d)); }

TZnalKevrotZaznam zaznam(int cislo, int rok, const QString& meno, bool vyplatene = false)
{
    TZnalKevrotZaznam z = TZnalKevrotZaznam::zObrazu(QByteArray(TZnalKevrotZaznam::VELKOST, '\0'));
    z.PoradoveCislo = cislo;
    z.Rok = rok;
    z.Meno = meno;
    z.Adresa = QStringLiteral("Košice");
    z.Predmet = QStringLiteral("predmet ") + QString::number(cislo);
    z.CisloObjednavky = QStringLiteral("SZ-") + QString::number(cislo);
    z.Vyplatene = vyplatene;
    return z;
}

RiadokKevrota riadok(int cislo, int rok, const QString& meno, bool vyplatene = false)
{
    return RiadokKevrota::zoZaznamu(zaznam(cislo, rok, meno, vyplatene));
}

QStringList cisla(const KevrotTabulka& t)
{
    QStringList r;
    for (int i = 0; i < t.rowCount(); ++i)
        r << t.Text(i, 0);
    return r;
}

QColor pozadie(const KevrotTabulka& t, int r, int s)
{
    const QVariant v = t.data(t.index(r, s), Qt::BackgroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
}

}  // namespace

TEST(KevrotRegister, CellTextsOfAnEntry)
{
    QList<RiadokKevrota> l{riadok(7, 2024, QStringLiteral("Novák"))};
    l[0].DatumVyziadania = den(2024, 3, 5);
    l[0].UctovanaOdmena = 1234.5;
    l[0].nastavDatumyVyplatenia(QStringLiteral("1.4.2024\r2.5.2024\r"));
    KevrotTabulka t(l);
    t.NastavRok(2024);
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.Text(0, 0), QStringLiteral("7/2024"));
    EXPECT_EQ(t.Text(0, 1), QStringLiteral("Novák Košice"));
    EXPECT_EQ(t.Text(0, 3), QStringLiteral("5.3.2024"));
    EXPECT_EQ(t.Text(0, 4), QString());
    EXPECT_EQ(t.Text(0, 6), SumaText(SymbolEuro, 1234.5));
    EXPECT_FALSE(t.Text(0, 6).contains(QStringLiteral("Sk")));
    EXPECT_EQ(t.Text(0, 8), QStringLiteral("1.4.2024, 2.5.2024"));
    EXPECT_EQ(t.Text(0, 9), QStringLiteral("0"));
    l[0].nastavDatumyVyplatenia(QStringLiteral("10.12.2026\r"));
    EXPECT_EQ(t.Text(0, 8), QStringLiteral("10.12.2026"));
    EXPECT_EQ(t.data(t.index(0, 7), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(t.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Por.číslo"));
}

TEST(KevrotRegister, StateAndYearDecideWhichEntriesShow)
{
    QList<RiadokKevrota> l{riadok(1, 2024, "a"), riadok(2, 2024, "b", true), riadok(3, 2023, "c"),
                               riadok(4, 2024, "d")};
    KevrotTabulka t(l);
    QAbstractItemModelTester tester(&t, QAbstractItemModelTester::FailureReportingMode::Fatal);
    t.NastavRok(2024);
    EXPECT_EQ(cisla(t), (QStringList{"1/2024", "2/2024", "4/2024"}));
    t.NastavStav(KevrotTabulka::Nevyplatene);
    EXPECT_EQ(cisla(t), (QStringList{"1/2024", "4/2024"}));
    EXPECT_EQ(t.Pozicia(1), 3);
    t.NastavStav(KevrotTabulka::Vyplatene);
    EXPECT_EQ(cisla(t), (QStringList{"2/2024"}));
    t.NastavRok(2023);
    EXPECT_EQ(t.rowCount(), 0);
    EXPECT_EQ(t.Pozicia(0), -1);
}

TEST(KevrotRegister, HeaderCycleSortsTheListItselfAndColoursHeaders)
{
    QList<RiadokKevrota> l{riadok(2, 2024, "a"), riadok(10, 2024, "b"), riadok(5, 2024, "c")};
    KevrotTabulka t(l);
    t.NastavRok(2024);
    t.KlikNaHlavicku(0);
    EXPECT_EQ(cisla(t), (QStringList{"10/2024", "5/2024", "2/2024"}));
    EXPECT_EQ(t.headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_EQ(l[0].PoradoveCislo, 10);
    t.KlikNaHlavicku(0);
    EXPECT_EQ(cisla(t), (QStringList{"2/2024", "5/2024", "10/2024"}));
    EXPECT_EQ(t.headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
    t.KlikNaHlavicku(1);
    EXPECT_EQ(t.headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));
    EXPECT_EQ(t.zoradenie().stav(1), 1);

    t.ZoradPreTlac();
    EXPECT_EQ(cisla(t), (QStringList{"2/2024", "5/2024", "10/2024"}));
    EXPECT_EQ(t.zoradenie().stav(0), 2);
    EXPECT_EQ(t.zoradenie().stav(1), 0);
}

TEST(KevrotRegister, EqualRemunerationsKeepTheirOrder)
{
    QList<RiadokKevrota> l{riadok(1, 2024, "a"), riadok(2, 2024, "b"), riadok(3, 2024, "c")};
    l[0].UctovanaOdmena = 50;
    l[1].UctovanaOdmena = 80;
    l[2].UctovanaOdmena = 50;
    KevrotTabulka t(l);
    t.NastavRok(2024);
    t.KlikNaHlavicku(6);
    EXPECT_EQ(cisla(t), (QStringList{"2/2024", "1/2024", "3/2024"}));
    t.KlikNaHlavicku(6);
    EXPECT_EQ(cisla(t), (QStringList{"1/2024", "3/2024", "2/2024"}));
}

TEST(KevrotRegister, RestoredLayoutSortsAndColours)
{
    QList<RiadokKevrota> l{riadok(2, 2024, "b"), riadok(1, 2024, "a"), riadok(3, 2024, "c")};
    KevrotTabulka t(l);
    t.NastavRok(2024);
    t.ObnovZoradenie({0, 2, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(cisla(t), (QStringList{"1/2024", "2/2024", "3/2024"}));
    EXPECT_EQ(t.zoradenie().stav(1), 2);
}

TEST(KevrotRegister, SearchFilterNarrowsAndColoursItsColumns)
{
    QList<RiadokKevrota> l{riadok(1, 2024, "Novák"), riadok(2, 2024, "novák"), riadok(3, 2024, "Nováková")};
    l[2].DatumVykonania = den(2024, 6, 1);
    l[0].DatumVykonania = den(2024, 6, 1) + 0.5;  // the same day with a time is not that date
    KevrotTabulka t(l);
    t.NastavRok(2024);
    t.filter().Zadavatel = QStringLiteral("Nov");
    t.filter().DatumVykonania = den(2024, 6, 1);
    EXPECT_EQ(t.filter().ObnovTextAStlpce(), QStringLiteral("Zadávateľ: Nov\nDátum vykonania: 1.6.2024"));
    t.Obnov();
    EXPECT_EQ(cisla(t), (QStringList{"3/2024"}));
    const QColor farba = FarbaZCisla(FarbyRegistra::StlpecFiltra);
    EXPECT_EQ(pozadie(t, 0, 1), farba);
    EXPECT_EQ(pozadie(t, 0, 4), farba);
    EXPECT_FALSE(pozadie(t, 0, 2).isValid());

    t.filter() = TZnalKevrotFilter{};
    t.filter().PoradoveCislo = 2;
    EXPECT_EQ(t.filter().ObnovTextAStlpce(), QStringLiteral("Číslo: 2"));
    t.Obnov();
    EXPECT_EQ(cisla(t), (QStringList{"2/2024"}));

    t.filter().Vycisti();
    EXPECT_EQ(t.filter().ObnovTextAStlpce(), QString());
    t.Obnov();
    EXPECT_EQ(t.rowCount(), 3);
}

TEST(KevrotRegister, CopyModeColoursColumnsAndTheCopiedCell)
{
    QList<RiadokKevrota> l{riadok(1, 2024, "a"), riadok(2, 2024, "b")};
    RezimKopirovania k;
    KevrotTabulka t(l, &k);
    t.NastavRok(2024);
    EXPECT_FALSE(pozadie(t, 0, 1).isValid());
    k.Prepni();
    EXPECT_EQ(pozadie(t, 0, 1), FarbaZCisla(FarbyRegistra::KopirovanieStlpce));
    EXPECT_EQ(pozadie(t, 0, 5), FarbaZCisla(FarbyRegistra::KopirovanieStlpce));
    EXPECT_FALSE(pozadie(t, 0, 6).isValid());
    k.Kopiruj(l[1], 1, 2);
    EXPECT_EQ(pozadie(t, 1, 2), FarbaZCisla(FarbyRegistra::KopirovanaBunka));
    EXPECT_EQ(t.data(t.index(1, 2), Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 128));
    // switching off and on forgets the cell, not the buffer
    k.Prepni();
    k.Prepni();
    EXPECT_EQ(pozadie(t, 1, 2), FarbaZCisla(FarbyRegistra::KopirovanieStlpce));
    EXPECT_TRUE(k.maKopiu());
}

TEST(RezimKopirovania, PastesTheBuffersValueOfTheTargetColumnOnly)
{
    RezimKopirovania k;
    RiadokKevrota zdroj = riadok(2, 2024, "Zdroj");
    zdroj.DatumVyziadania = den(2024, 1, 2);
    zdroj.DatumVykonania = den(2024, 1, 3);
    TZnalKevrotZaznam ciel = zaznam(4, 2024, "Cieľ");

    EXPECT_FALSE(k.Vloz(ciel, 1));  // copy mode off
    k.Prepni();
    EXPECT_FALSE(k.Vloz(ciel, 1));  // nothing copied yet: the entry is not blanked
    EXPECT_EQ(ciel.Meno, QStringLiteral("Cieľ"));

    k.Kopiruj(zdroj, 0, 1);
    EXPECT_TRUE(k.Vloz(ciel, 5));
    EXPECT_EQ(ciel.Predmet, QStringLiteral("predmet 2"));
    EXPECT_EQ(ciel.Meno, QStringLiteral("Cieľ"));
    for (int s : {0, 6, 7, 8, 9})
        EXPECT_FALSE(k.Vloz(ciel, s));
    EXPECT_TRUE(k.Vloz(ciel, 1));
    EXPECT_EQ(ciel.Meno, QStringLiteral("Zdroj"));
    EXPECT_EQ(ciel.Adresa, QStringLiteral("Košice"));
    EXPECT_TRUE(k.Vloz(ciel, 3));
    EXPECT_TRUE(k.Vloz(ciel, 4));
    EXPECT_EQ(ciel.DatumVyziadania, zdroj.DatumVyziadania);
    EXPECT_EQ(ciel.DatumVykonania, zdroj.DatumVykonania);
    EXPECT_EQ(ciel.DatumSplatnosti, 0.0);
    EXPECT_EQ(ciel.PoradoveCislo, 4);
}

TEST(DetailZaznamu, LinesWithLabelsAndMoneyWithCrowns)
{
    nastavDualneZobrazovanie(true);
    TZnalKevrotZaznam z = zaznam(3, 2024, "Novák");
    z.PriznanaOdmena = 100;
    z.DatumyVyplatenia = QStringLiteral("1.4.2024\r2.5.2024\r");
    const auto d = DetailZaznamu(RiadokKevrota::zoZaznamu(z));
    ASSERT_EQ(d.size(), 15);
    EXPECT_EQ(d[0], qMakePair(QStringLiteral("Poradové číslo:"), QStringLiteral("3/2024")));
    EXPECT_EQ(d[11].first, QStringLiteral("Výška priznanej odmeny:"));
    EXPECT_EQ(d[11].second, SumaTextSk(SymbolEuro, 100));
    EXPECT_TRUE(d[11].second.contains(QStringLiteral("Sk")));
    EXPECT_EQ(d[13].second, QStringLiteral("1.4.2024\n2.5.2024"));
}

// Commands on real entry files.
class KevrotPrikazyTest : public TestAppDir {
protected:
    void pridaj(int cislo, int rok = 2024)
    {
        UpravaZaznamu u = KevrotPrikazy::NovyZaznam(m_zurnal, rok, 14);
        u.zaznam.PoradoveCislo = cislo;
        u.zaznam.Meno = QStringLiteral("Meno ") + QString::number(cislo);
        ASSERT_GE(KevrotPrikazy::PridajZaznam(m_zurnal, u), 0);
    }
    QString subor(int cislo, int rok = 2024) const
    {
        return cesta(QStringLiteral("ZnalKevrot%1/%2-%1.kvd").arg(rok).arg(cislo));
    }
    Zurnal m_zurnal;
};

TEST_F(KevrotPrikazyTest, NewEntryTakesNextNumberAndDefaults)
{
    UpravaZaznamu u = KevrotPrikazy::NovyZaznam(m_zurnal, 2024, 14);
    EXPECT_TRUE(u.novy);
    EXPECT_EQ(u.zaznam.PoradoveCislo, 1);
    EXPECT_EQ(u.zaznam.Rok, 2024);
    EXPECT_EQ(u.zaznam.Splatnost, 14);
    EXPECT_EQ(u.zaznam.DodaciePodmienky, QStringLiteral("neurčené"));
    EXPECT_EQ(u.zaznam.SposobPlatby, QStringLiteral("neurčené"));
    EXPECT_EQ(u.zaznam.TextyVytvorene, 1);
    EXPECT_TRUE(u.zaznam.Meno.isEmpty());

    pridaj(1);
    pridaj(2);
    pridaj(5);
    EXPECT_EQ(KevrotPrikazy::NovyZaznam(m_zurnal, 2024, 0).zaznam.PoradoveCislo, 6);
    EXPECT_TRUE(QFile::exists(subor(5)));
    EXPECT_TRUE(m_spravy.spravy.isEmpty()) << m_spravy.texty().join('|').toStdString();
}

TEST_F(KevrotPrikazyTest, AddedEntriesAreSortedByNumberAndKeepTheirPayments)
{
    pridaj(3);
    UpravaZaznamu u = KevrotPrikazy::NovyZaznam(m_zurnal, 2024, 14);
    u.zaznam.PoradoveCislo = 1;
    TVyplatenie v;
    v.Datum = den(2024, 4, 1);
    v.Suma = 50;
    u.vyplatenia = {v};
    const int p = KevrotPrikazy::PridajZaznam(m_zurnal, u);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(m_zurnal.ZaznamyKevrota[0].PoradoveCislo, 1);
    EXPECT_EQ(m_zurnal.ZaznamyKevrota[0].PocetVyplateni, 1);
    EXPECT_EQ(m_zurnal.ZaznamyKevrota[0].DatumyVyplatenia(), QStringLiteral("1.4.2024\r"));

    Zurnal znova;
    znova.NacitajRok(2024);
    ASSERT_EQ(znova.ZaznamyKevrota.size(), 2);
    ASSERT_TRUE(znova.NacitajZaznam(1, 2024));
    ASSERT_EQ(znova.VyplateniaZaznamu.size(), 1);
    EXPECT_EQ(znova.VyplateniaZaznamu[0].Suma, 50.0);
}

TEST_F(KevrotPrikazyTest, EditIsWrittenUnderTheNewNumberAndTheOldFileStays)
{
    pridaj(1);
    pridaj(2);
    UpravaZaznamu u;
    u.zaznam = *m_zurnal.CelyZaznam(0);
    u.zaznam.PoradoveCislo = 7;
    u.zaznam.Predmet = QStringLiteral("nový predmet");
    EXPECT_TRUE(KevrotPrikazy::UlozUpravu(m_zurnal, 0, u));
    EXPECT_EQ(m_zurnal.ZaznamyKevrota[0].PoradoveCislo, 7);
    EXPECT_TRUE(QFile::exists(subor(7)));
    EXPECT_TRUE(QFile::exists(subor(1)));
    EXPECT_FALSE(KevrotPrikazy::UlozUpravu(m_zurnal, 5, u));
}

TEST_F(KevrotPrikazyTest, FailedSaveOrCopyIsToldToTheUserOnce)
{
    pridaj(1);
    pridaj(2);
    QFile::remove(subor(2));
    EXPECT_FALSE(KevrotPrikazy::VytvorKopiu(m_zurnal, 1));
    EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(subor(2))});

    m_spravy.spravy.clear();
    UpravaZaznamu u;
    u.zaznam = *m_zurnal.CelyZaznam(0);
    u.zaznam.PoradoveCislo = 7;
    QDir().mkpath(subor(7));  // a directory where the edit's file should go
    EXPECT_FALSE(KevrotPrikazy::UlozUpravu(m_zurnal, 0, u));
    ASSERT_EQ(m_spravy.texty().size(), 1);
    EXPECT_TRUE(m_spravy.texty()[0].startsWith(QStringLiteral("Nepodarilo sa uložiť súbor: ") + subor(7)));
}

TEST_F(KevrotPrikazyTest, StoredBillingsShowTheSavedEdit)
{
    pridaj(1);
    UpravaZaznamu u;
    u.zaznam = *m_zurnal.CelyZaznam(0);
    u.zaznam.DoZoznamuVyuctovani = true;
    u.zaznam.Predmet = QStringLiteral("nový predmet");
    ASSERT_TRUE(m_zurnal.UlozeneVyuctovaniaRoka(2024).isEmpty());
    ASSERT_TRUE(KevrotPrikazy::UlozUpravu(m_zurnal, 0, u));
    const auto& vyuctovania = m_zurnal.UlozeneVyuctovaniaRoka(2024);
    ASSERT_EQ(vyuctovania.size(), 1);
    EXPECT_TRUE(vyuctovania[0].Nazov.contains(QStringLiteral("nový predmet")));
}

TEST_F(KevrotPrikazyTest, NumberCheckRefusesAnotherEntrysNumberOnly)
{
    pridaj(1);
    pridaj(2);
    const auto& l = m_zurnal.ZaznamyKevrota;
    EXPECT_TRUE(KevrotPrikazy::CisloObsadene(l, 2, 2024));
    EXPECT_FALSE(KevrotPrikazy::CisloObsadene(l, 2, 2023));
    EXPECT_FALSE(KevrotPrikazy::CisloObsadene(l, 3, 2024));
    EXPECT_FALSE(KevrotPrikazy::CisloObsadene(l, 2, 2024, 1));  // its own number
    EXPECT_TRUE(KevrotPrikazy::CisloObsadene(l, 1, 2024, 1));
}

TEST_F(KevrotPrikazyTest, CopyTakesTheNextNumberWithoutDocuments)
{
    pridaj(5);
    pridaj(9);
    QDir().mkpath(cesta(QStringLiteral("ZnalKevrot2024/5-2024")));
    zapis(QStringLiteral("ZnalKevrot2024/5-2024/faktura.doc"), "doc");
    ASSERT_TRUE(KevrotPrikazy::VytvorKopiu(m_zurnal, 0));
    ASSERT_EQ(m_zurnal.ZaznamyKevrota.size(), 3);
    EXPECT_TRUE(QFile::exists(subor(10)));
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("ZnalKevrot2024/10-2024/faktura.doc"))));
    bool najdena = false;
    for (const auto& z : m_zurnal.ZaznamyKevrota)
        if (z.PoradoveCislo == 10) {
            najdena = true;
            EXPECT_EQ(z.Meno(), QStringLiteral("Meno 5"));
        }
    EXPECT_TRUE(najdena);
}

TEST_F(KevrotPrikazyTest, DeleteAsksAndRemovesOnlyTheFile)
{
    pridaj(3);
    pridaj(4);
    QDir().mkpath(cesta(QStringLiteral("ZnalKevrot2024/3-2024")));
    m_spravy.odpovede = {false};
    EXPECT_FALSE(KevrotPrikazy::Zmaz(m_zurnal, 0, 2024));
    EXPECT_TRUE(QFile::exists(subor(3)));
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Skutočne si prajete vymazať položku?")});

    m_spravy.odpovede = {true};
    EXPECT_TRUE(KevrotPrikazy::Zmaz(m_zurnal, 0, 2024));
    EXPECT_FALSE(QFile::exists(subor(3)));
    EXPECT_TRUE(QDir(cesta(QStringLiteral("ZnalKevrot2024/3-2024"))).exists());
    ASSERT_EQ(m_zurnal.ZaznamyKevrota.size(), 1);
    EXPECT_EQ(m_zurnal.ZaznamyKevrota[0].PoradoveCislo, 4);
}

TEST_F(KevrotPrikazyTest, PasteRewritesOnlyTheRecordAndIsIgnoredBeforeACopy)
{
    pridaj(2);
    pridaj(4);
    RezimKopirovania k;
    k.Prepni();
    const QByteArray predtym = QFile(subor(4)).exists() ? obsah(QStringLiteral("ZnalKevrot2024/4-2024.kvd")) : QByteArray();
    EXPECT_FALSE(KevrotPrikazy::VlozHodnotu(m_zurnal, k, 1, 1));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/4-2024.kvd")), predtym);

    k.Kopiruj(m_zurnal.ZaznamyKevrota[0], 0, 1);
    EXPECT_TRUE(KevrotPrikazy::VlozHodnotu(m_zurnal, k, 1, 1));
    EXPECT_FALSE(KevrotPrikazy::VlozHodnotu(m_zurnal, k, 1, 7));
    Zurnal znova;
    znova.NacitajRok(2024);
    ASSERT_EQ(znova.ZaznamyKevrota.size(), 2);
    znova.ZoradPodlaCisla();
    EXPECT_EQ(znova.ZaznamyKevrota[1].Meno(), QStringLiteral("Meno 2"));
    EXPECT_EQ(znova.ZaznamyKevrota[1].PoradoveCislo, 4);
}

TEST(MiestoPonuky, TheCopyMenuLeavesTheDetailPanelVisible)
{
    const QRect plocha(0, 0, 1366, 768);
    const QSize ponuka(120, 60);
    struct Pripad {
        QRect panel;
        QPoint klik;
        QPoint ocakavane;
    };
    const Pripad pripady[] = {
        {QRect(40, 320, 300, 200), QPoint(100, 300), QPoint(344, 300)},    // beside, at the click's height
        {QRect(1000, 320, 300, 200), QPoint(1100, 300), QPoint(876, 300)}, // no room on the right: left
        {QRect(0, 100, 1366, 200), QPoint(500, 80), QPoint(500, 304)},     // full width: below
        {QRect(0, 500, 1366, 268), QPoint(500, 480), QPoint(500, 436)},    // no room below: above
        {QRect(), QPoint(500, 480), QPoint(500, 480)},                     // no panel: at the click
    };
    for (const auto& p : pripady) {
        const QPoint m = MiestoPonuky(p.panel, ponuka, p.klik, plocha);
        EXPECT_EQ(m, p.ocakavane) << p.klik.x() << "," << p.klik.y();
        EXPECT_FALSE(QRect(m, ponuka).intersects(p.panel));
        EXPECT_TRUE(plocha.contains(QRect(m, ponuka)));
    }
}
