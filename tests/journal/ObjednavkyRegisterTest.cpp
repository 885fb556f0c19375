// The orders register without a window: which orders show, cell texts, filter colours,
// the header sort cycle, the filter box, and the kept letters of added and deleted orders.

#include "journal/FarbyRegistra.h"
#include "journal/ObjednavkyPrikazy.h"
#include "journal/ObjednavkyTabulka.h"
#include "orders/KorespondenciaObjednavky.h"
#include "widgets/PoleVyhladavania.h"
#include "store/Datum.h"
#include "store/Objednavka.h"
#include "store/Objednavky.h"

#include "common/TestAppDir.h"

#include <QBrush>
#include <QDir>
#include <QFileInfo>

namespace {

TObjednavka objednavka(const QString& meno, const QString& predmet, int stav = 0, double datum = 0.0)
{
    TObjednavka o;
    o.Meno = meno;
    o.Adresa = QStringLiteral("Hlavná 1");
    o.Predmet = predmet;
    o.Stav = stav;
    o.DatumVyziadania = datum;
    o.Cislo = QStringLiteral("C-") + meno;
    o.Ucel = QStringLiteral("účel ") + predmet;
    return o;
}

QStringList stlpec(const ObjednavkyTabulka& t, int s)
{
    QStringList r;
    for (int i = 0; i < t.rowCount(); ++i)
        r << t.Text(i, s);
    return r;
}

double den(int r, int m, int d) { return QDateNaDatum(QDate(r, m, d)); }

}  // namespace

TEST(ObjednavkyRegister, CellTextsAndHiddenPosition)
{
    QList<TObjednavka> z{objednavka(QStringLiteral("Novák"), QStringLiteral("auto"), 0, den(2024, 3, 5))};
    z.append(objednavka(QStringLiteral("Bez dátumu"), QStringLiteral("x")));
    ObjednavkyTabulka t(z);
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.columnCount(), 8);
    EXPECT_EQ(t.Text(0, 0), QStringLiteral("5.3.2024"));
    EXPECT_EQ(t.Text(0, 1), QStringLiteral("Novák Hlavná 1"));
    EXPECT_EQ(t.Text(0, 2), QStringLiteral("C-Novák"));
    EXPECT_EQ(t.Text(1, 0), QString());
    EXPECT_EQ(t.Text(1, 7), QStringLiteral("1"));
    EXPECT_EQ(t.Pozicia(1), 1);
    EXPECT_EQ(t.Pozicia(2), -1);
    EXPECT_EQ(t.Pozicia(-1), -1);
    EXPECT_EQ(t.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Účel posudku"));
}

TEST(ObjednavkyRegister, StateChoiceShowsOnlyOrdersOfThatState)
{
    QList<TObjednavka> z{objednavka("a", "1", 0), objednavka("b", "2", 1), objednavka("c", "3", 2),
                         objednavka("d", "4", 0)};
    ObjednavkyTabulka t(z);
    EXPECT_EQ(t.rowCount(), 4);
    t.NastavStav(ObjednavkyTabulka::Nerozpracovane);
    EXPECT_EQ(stlpec(t, 5), (QStringList{"1", "4"}));
    t.NastavStav(ObjednavkyTabulka::Rozpracovane);
    EXPECT_EQ(stlpec(t, 5), (QStringList{"2"}));
    EXPECT_EQ(t.Pozicia(0), 1);
    t.NastavStav(ObjednavkyTabulka::Vypracovane);
    EXPECT_EQ(stlpec(t, 5), (QStringList{"3"}));
}

TEST(ObjednavkyRegister, HeaderClicksCycleDescendingAscendingAndResetOtherColumns)
{
    QList<TObjednavka> z{objednavka("a", "beta"), objednavka("b", "alfa"), objednavka("c", "gama")};
    ObjednavkyTabulka t(z);
    t.KlikNaHlavicku(5);
    EXPECT_EQ(stlpec(t, 5), (QStringList{"gama", "beta", "alfa"}));
    EXPECT_EQ(t.headerData(5, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    t.KlikNaHlavicku(5);
    EXPECT_EQ(stlpec(t, 5), (QStringList{"alfa", "beta", "gama"}));
    EXPECT_EQ(t.headerData(5, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
    // the list itself was reordered: positions follow
    EXPECT_EQ(z[0].Predmet, QStringLiteral("alfa"));
    EXPECT_EQ(t.Text(0, 7), QStringLiteral("0"));

    t.KlikNaHlavicku(1);
    EXPECT_EQ(t.zoradenie().stav(5), 0);
    EXPECT_EQ(t.zoradenie().stav(1), 1);
    EXPECT_EQ(t.headerData(5, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));
    // third click on the same header starts descending again
    t.KlikNaHlavicku(1);
    t.KlikNaHlavicku(1);
    EXPECT_EQ(t.zoradenie().stav(1), 1);
}

TEST(ObjednavkyRegister, SortIsStableAndComparesTextsByCodePageBytes)
{
    // In the code page "Z" (0x5A) < "a" (0x61) < "Š" (0x8A); a prefix sorts first.
    QList<TObjednavka> z{objednavka("Šimon", "1"), objednavka("Zeman", "2"), objednavka("adam", "3"),
                         objednavka("Zeman", "4"), objednavka("Zema", "5")};
    ObjednavkyTabulka t(z);
    t.KlikNaHlavicku(1);
    t.KlikNaHlavicku(1);  // ascending
    EXPECT_EQ(stlpec(t, 5), (QStringList{"5", "2", "4", "3", "1"}));
    t.KlikNaHlavicku(1);  // descending, equal names keep their order
    EXPECT_EQ(stlpec(t, 5), (QStringList{"1", "3", "2", "4", "5"}));
}

TEST(ObjednavkyRegister, DatesSortNumericallyAndThePositionColumnDoesNotSort)
{
    QList<TObjednavka> z{objednavka("a", "1", 0, den(2024, 1, 10)), objednavka("b", "2", 0, den(2023, 12, 31)),
                         objednavka("c", "3", 0, den(2024, 2, 1))};
    ObjednavkyTabulka t(z);
    t.KlikNaHlavicku(0);
    EXPECT_EQ(stlpec(t, 5), (QStringList{"3", "1", "2"}));
    t.KlikNaHlavicku(7);
    EXPECT_EQ(stlpec(t, 5), (QStringList{"3", "1", "2"}));
}

TEST(ObjednavkyRegister, FilterNarrowsCaseSensitivelyAndColoursItsColumns)
{
    QList<TObjednavka> z{objednavka("Novák", "byt"), objednavka("novák", "byt"), objednavka("Nováková", "dom")};
    ObjednavkyTabulka t(z);
    t.filter().Zadavatel = QStringLiteral("Nov");
    EXPECT_EQ(t.filter().ObnovTextAStlpce(), QStringLiteral("Zadávateľ: Nov"));
    t.Obnov();
    EXPECT_EQ(stlpec(t, 5), (QStringList{"byt", "dom"}));
    const QColor farba = FarbaZCisla(FarbyRegistra::StlpecFiltra);
    EXPECT_EQ(t.data(t.index(0, 1), Qt::BackgroundRole).value<QBrush>().color(), farba);
    EXPECT_FALSE(t.data(t.index(0, 2), Qt::BackgroundRole).isValid());

    t.filter().Predmet = QStringLiteral("dom");
    t.filter().ObnovTextAStlpce();
    t.Obnov();
    EXPECT_EQ(stlpec(t, 5), (QStringList{"dom"}));
    EXPECT_EQ(t.data(t.index(0, 5), Qt::BackgroundRole).value<QBrush>().color(), farba);

    t.filter().Vycisti();
    t.Obnov();
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_FALSE(t.data(t.index(0, 1), Qt::BackgroundRole).isValid());
}

TEST(ObjednavkaFilter, BoxTextListsConditionsInOrderAndSetsTheirBits)
{
    TObjednavkaFilter f;
    EXPECT_EQ(f.ObnovTextAStlpce(), QString());
    EXPECT_FALSE(f.Aktivny);
    f.Ucel = QStringLiteral("u");
    f.DatumVyziadania = den(2024, 3, 5);
    f.SpisovaZnacka = QStringLiteral("5C");
    EXPECT_EQ(f.ObnovTextAStlpce(),
              QStringLiteral("Dátum vyžiadania: 5.3.2024\nSpisová značka: 5C\nÚčel: u"));
    EXPECT_TRUE(f.Aktivny);
    EXPECT_EQ(f.Stlpce, quint8((1 << 1) | (1 << 3) | (1 << 7)));
    EXPECT_TRUE(f.TestujeStlpec(0));
    EXPECT_TRUE(f.TestujeStlpec(6));
    EXPECT_FALSE(f.TestujeStlpec(1));
}

TEST(ObjednavkaFilter, DateConditionMatchesOnlyThatDay)
{
    TObjednavkaFilter f;
    f.DatumVyziadania = den(2024, 3, 5);
    f.ObnovTextAStlpce();
    EXPECT_TRUE(f.Vyhovuje(objednavka("a", "b", 0, den(2024, 3, 5))));
    EXPECT_FALSE(f.Vyhovuje(objednavka("a", "b", 0, den(2024, 3, 6))));
    EXPECT_FALSE(f.Vyhovuje(objednavka("a", "b", 0, 0.0)));
}

using PoleVyhladavaniaTest = TestAppDir;

TEST_F(PoleVyhladavaniaTest, NumberFieldRefusesTextWithTheErrorAndEmptyMeansNoCondition)
{
    EXPECT_EQ(PoleVyhladavania::Cislo(QString()), 0);
    EXPECT_EQ(PoleVyhladavania::Cislo(QStringLiteral(" 12 ")), 12);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    EXPECT_FALSE(PoleVyhladavania::Cislo(QStringLiteral("12a")).has_value());
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_EQ(m_spravy.spravy[0].druh, Spravy::Druh::Chyba);
    EXPECT_EQ(m_spravy.spravy[0].text, QStringLiteral("Neplatná hodnota."));
}

TEST_F(PoleVyhladavaniaTest, DateFieldReadsShortDatesAndRefusesOthers)
{
    EXPECT_EQ(PoleVyhladavania::Datum(QString()), 0.0);
    EXPECT_EQ(PoleVyhladavania::Datum(QStringLiteral("5.3.2024")), den(2024, 3, 5));
    EXPECT_FALSE(PoleVyhladavania::Datum(QStringLiteral("31.2.2024")).has_value());
    EXPECT_FALSE(PoleVyhladavania::Datum(QStringLiteral("dnes")).has_value());
    EXPECT_EQ(m_spravy.texty(), (QStringList{"Neplatná hodnota.", "Neplatná hodnota."}));
    EXPECT_EQ(PoleVyhladavania::TextDatumu(0.0), QString());
    EXPECT_EQ(PoleVyhladavania::TextCisla(0), QString());
    EXPECT_EQ(PoleVyhladavania::TextCisla(7), QStringLiteral("7"));
}

namespace {
class ObjednavkyPrikazyTest : public TestAppDir {};
}  // namespace

TEST_F(ObjednavkyPrikazyTest, ANewOrderKeepsItsOwnLetterWhichGoesWithTheOrder)
{
    Objednavky o;
    o.NacitajObjednavky(2024);
    const TObjednavka a = ObjednavkyPrikazy::NovaDoEditora(o);
    const QString listA = KorespondenciaObjednavky::SuborListuObjednavky(2024, a);
    ASSERT_FALSE(listA.isEmpty());  // a letter written while adding the order is kept
    ASSERT_TRUE(ObjednavkyPrikazy::Pridaj(o, a, 2024));
    EXPECT_EQ(KorespondenciaObjednavky::SuborListuObjednavky(2024, o.ZoznamObjednavok[0]), listA);
    // An order added while older ones hold the next seconds gets a letter of its own.
    Objednavky plne;
    plne.NacitajObjednavky(2024);
    for (int ms = 0; ms < 5000; ++ms) {
        plne.ZoznamObjednavok << o.ZoznamObjednavok[0];
        plne.ZoznamObjednavok.last().CasZalozenia += ms / 86400000.0;
    }
    const QString listP = KorespondenciaObjednavky::SuborListuObjednavky(2024, ObjednavkyPrikazy::NovaDoEditora(plne));
    for (const TObjednavka& ina : std::as_const(plne.ZoznamObjednavok))
        ASSERT_NE(KorespondenciaObjednavky::SuborListuObjednavky(2024, ina), listP);
    const TObjednavka b = ObjednavkyPrikazy::NovaDoEditora(o);
    const QString listB = KorespondenciaObjednavky::SuborListuObjednavky(2024, b);
    EXPECT_NE(listB, listA);
    ASSERT_TRUE(ObjednavkyPrikazy::Pridaj(o, b, 2024));
    // A third order of older data with the same time as A shares A's letter.
    o.ZoznamObjednavok.append(o.ZoznamObjednavok[0]);
    for (const QString& list : {listA, listB})
        zapis(QDir(m_adresar.path()).relativeFilePath(list), "{\\rtf1 list\\par}");

    m_spravy.odpovede = {true, true, true};
    ASSERT_TRUE(ObjednavkyPrikazy::Zmaz(o, 0, 2024));
    EXPECT_TRUE(QFileInfo::exists(listA));  // still the third order's
    ASSERT_TRUE(ObjednavkyPrikazy::Zmaz(o, 1, 2024));
    EXPECT_FALSE(QFileInfo::exists(listA));
    EXPECT_TRUE(QFileInfo::exists(listB));
    ASSERT_TRUE(ObjednavkyPrikazy::Zmaz(o, 0, 2024));
    EXPECT_FALSE(QFileInfo::exists(listB));
}
