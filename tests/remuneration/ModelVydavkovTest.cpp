// The item grids' model and its per-tab filters under Qt's model checker.

#include "editor/UiPomoc.h"

#include "remuneration/FilterZalozky.h"
#include "remuneration/ModelVydavkov.h"
#include "remuneration/VypoctyVydavkov.h"
#include "store/Peniaze.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

using namespace DruhVydavku;
using Z = ZalozkaVydavkov;
namespace S = StlpecVydavku;

TVydavok polozka(qint32 druh, double cena, QList<double> pocty)
{
    TVydavok v;
    v.Nazov = QStringLiteral("p%1").arg(druh);
    v.Druh = druh;
    v.Cena = cena;
    for (double p : pocty) {
        TRozpisPolozky r;
        r.Pocet = p;
        v.Rozpis.append(r);
    }
    v.PocetRozpisov = v.Rozpis.size();
    return v;
}

using Tester = QAbstractItemModelTester;
constexpr auto kFatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

}  // namespace

TEST(ModelVydavkov, TabsFollowInsertsEditsAndRemovalsUnderTheChecker)
{
    zaistiAplikaciu();
    UpravaVydavkov u;
    u.polozky = {polozka(HotoveVydavky, 5, {1}), polozka(PausalnaOdmena, 10, {1, 2})};
    ModelVydavkov m(u);
    FilterZalozky hotove(Z::Hotove), pausalna(Z::Pausalna);
    hotove.setSourceModel(&m);
    pausalna.setSourceModel(&m);
    Tester t1(&m, kFatal), t2(&hotove, kFatal), t3(&pausalna, kFatal);
    m.Prepocitaj();
    ASSERT_EQ(hotove.rowCount(), 1);
    EXPECT_EQ(pausalna.index(0, S::Popis).data().toString(), QStringLiteral("počet položiek: 2"));

    m.Uloz(-1, HotovaPolozka(QStringLiteral("kolok"), {}, 4, 2));
    ASSERT_EQ(hotove.rowCount(), 2);
    EXPECT_EQ(hotove.Polozka(1), 2);
    EXPECT_TRUE(hotove.setData(hotove.index(1, S::Pocet), QStringLiteral("3")));
    EXPECT_DOUBLE_EQ(u.polozky[2].Suma, 12);
    EXPECT_EQ(hotove.index(1, S::Suma).data().toString(), SumaText(SymbolEuro, 12));

    m.NahradRozpis(1, {TRozpisPolozky{}});
    EXPECT_TRUE(pausalna.index(0, S::Pocet).flags() & Qt::ItemIsEditable);
    m.Zmaz(0);
    ASSERT_EQ(hotove.rowCount(), 1);
    EXPECT_EQ(hotove.Polozka(0), 1);
    EXPECT_EQ(pausalna.Polozka(0), 0);
    EXPECT_EQ(pausalna.Polozka(1), -1);
}

// What a cell shows after a typed value the item did not take.
TEST(ModelVydavkov, RefusedEditsLeaveTheItemAndShowTheirOutcome)
{
    zaistiAplikaciu();
    struct Pripad {
        TVydavok v;
        int stlpec;
        const char* text;
        bool prevzate;
        QString ukazane;  // the cell afterwards
    };
    const Pripad pripady[] = {
        {polozka(PausalnaOdmena, 10, {1, 1}), S::Pocet, "9", false, QStringLiteral(" 2,00")},  // old text back
        {polozka(PausalnaOdmena, 10, {1}), S::Pocet, "-2", false, QString()},                 // emptied
        {polozka(VydavokSCenou, 10, {2}), S::Cena, "?", false, QStringLiteral("?")},           // kept as typed
        {polozka(VydavokSCenou, 10, {2}), S::Cena, "7", true, SumaText(SymbolEuro, 7)},
    };
    for (const Pripad& p : pripady) {
        UpravaVydavkov u;
        u.polozky = {p.v};
        ModelVydavkov m(u);
        Tester t(&m, kFatal);
        m.Prepocitaj();
        const double suma = u.polozky[0].Suma;
        EXPECT_EQ(m.setData(m.index(0, p.stlpec), QString::fromUtf8(p.text)), p.prevzate) << p.text;
        EXPECT_EQ(m.index(0, p.stlpec).data().toString(), p.ukazane) << p.text;
        if (!p.prevzate) {
            EXPECT_DOUBLE_EQ(u.polozky[0].Suma, suma) << p.text;
        }
        m.Prepocitaj();  // the next refill shows the item's value again
        EXPECT_EQ(m.index(0, p.stlpec).data().toString(), u.TextBunky(0, p.stlpec)) << p.text;
    }
}
