#include "common/TestAppDir.h"
#include "finance/StavFinancii.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Zurnal.h"

#include <QDate>

namespace {

double den(int d) { return QDateNaDatum(QDate(2024, 3, d)); }

class StavFinanciiTest : public TestAppDir {
protected:
    // Entry `cislo` with its billed amounts and payments (date, sum), written to its file.
    void pridaj(int cislo, int statny, double vykonanie, double odmena, double vydavky,
                QList<std::pair<double, double>> platby)
    {
        TZnalKevrotZaznam z;
        z.PoradoveCislo = cislo;
        z.Rok = 2024;
        z.StatnyOrgan = statny;
        z.DatumVykonania = vykonanie;
        z.UctovanaOdmena = odmena;
        z.UctovaneVydavky = vydavky;
        QList<TVyplatenie> v;
        for (auto [d, s] : platby) {
            TVyplatenie p;
            p.Datum = d;
            p.Suma = s;
            v.append(p);
        }
        QDir().mkpath(cesta(QStringLiteral("ZnalKevrot2024")));
        zapis(QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(cislo), Zurnal::ObsahSuboru(z, {}, v));
        zurnal.ZaznamyKevrota.append(RiadokKevrota::zoZaznamu(z));
    }

    void SetUp() override
    {
        TestAppDir::SetUp();
        pridaj(1, 0, den(10), 100, 10, {{den(12), 100}, {den(20), 50}});
        pridaj(2, 1, den(11), 200, 20, {{den(25), 30}});
        pridaj(3, 1, den(12), 400, 40, {});
        pridaj(4, 0, 0, 800, 80, {{0, 5}});
        zurnal.ZaznamyKevrota[0].PriznanaOdmena = 90;
    }

    Zurnal zurnal;
};

TEST_F(StavFinanciiTest, EachChoiceCountsItsEntriesAndTheirPayments)
{
    struct Pripad {
        const char* nazov;
        VolbaFinancii volba;
        double od, po;
        double odmena, vydavky, vyplatene;
    };
    const Pripad pripady[] = {
        {"nothing chosen", VolbaFinancii::Ziadna, 0, 0, 0, 0, 0},
        {"all", VolbaFinancii::Vsetky, 0, 0, 1500, 150, 185},
        {"persons", VolbaFinancii::Osoba, 0, 0, 900, 90, 155},
        {"state bodies", VolbaFinancii::StatnyOrgan, 0, 0, 600, 60, 30},
        {"performed up to the last day", VolbaFinancii::DatumVykonania, den(10), den(11), 300, 30, 180},
        {"performed: empty range is day 0", VolbaFinancii::DatumVykonania, 0, 0, 800, 80, 5},
        // entries with a payment in the range, and all their payments up to its end: the
        // difference is what these entries still owed on that day
        {"paid: entries paid in the range", VolbaFinancii::DatumVyplatenia, den(20), den(24), 100, 10, 150},
        {"paid: payments after the range wait", VolbaFinancii::DatumVyplatenia, den(12), den(12), 100, 10, 100},
        {"paid: nothing in the range", VolbaFinancii::DatumVyplatenia, den(26), den(31), 0, 0, 0},
    };
    for (const Pripad& p : pripady) {
        const auto s = PrepocitajFinancie(zurnal, p.volba, p.od, p.po);
        ASSERT_TRUE(s) << p.nazov;
        EXPECT_DOUBLE_EQ(s->odmena, p.odmena) << p.nazov;
        EXPECT_DOUBLE_EQ(s->vydavky, p.vydavky) << p.nazov;
        EXPECT_DOUBLE_EQ(s->vyplatene, p.vyplatene) << p.nazov;
        EXPECT_DOUBLE_EQ(s->rozdiel(), p.odmena + p.vydavky - p.vyplatene) << p.nazov;
    }
    // "Priznaná odmena" is the awarded amount (entry 1 alone), not the billed one
    EXPECT_DOUBLE_EQ(PrepocitajFinancie(zurnal, VolbaFinancii::Vsetky, 0, 0)->priznana, 90);
    EXPECT_DOUBLE_EQ(PrepocitajFinancie(zurnal, VolbaFinancii::StatnyOrgan, 0, 0)->priznana, 0);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(StavFinanciiTest, AnUnreadableEntryAbandonsTheSums)
{
    QFile::remove(cesta(QStringLiteral("ZnalKevrot2024/3-2024.kvd")));
    EXPECT_FALSE(PrepocitajFinancie(zurnal, VolbaFinancii::Vsetky, 0, 0));
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_TRUE(m_spravy.spravy.first().text.contains(QStringLiteral("3-2024.kvd")));
    // An entry the choice does not count is not read.
    EXPECT_TRUE(PrepocitajFinancie(zurnal, VolbaFinancii::Osoba, 0, 0));
}

TEST(RiadkyFinancii, MoneyWithCrownsUnderTheDualDisplay)
{
    SumyFinancii s{100, 50.5, 30, 100};
    nastavDualneZobrazovanie(false);
    EXPECT_EQ(RiadkyFinancii(s), (QStringList{SumaText(SymbolEuro, 100), SumaText(SymbolEuro, 50.5),
                                              SumaText(SymbolEuro, 150.5), SumaText(SymbolEuro, 30),
                                              SumaText(SymbolEuro, 120.5)}));
    nastavDualneZobrazovanie(true);
    EXPECT_EQ(RiadkyFinancii(s).last(), SumaTextSk(SymbolEuro, 120.5));
    EXPECT_TRUE(RiadkyFinancii(s).last().contains(SymbolSk));
    nastavDualneZobrazovanie(false);
}

}  // namespace

// Amounts stored unrounded by earlier versions count as the journal shows them, in cents.
TEST_F(StavFinanciiTest, SumsAreTheSumsOfTheAmountsShown)
{
    zurnal.ZaznamyKevrota.clear();
    pridaj(5, 0, den(1), 0.125, 0.125, {{den(2), 0.125}});
    pridaj(6, 0, den(1), 0.125, 0.125, {{den(2), 0.125}});
    const auto s = PrepocitajFinancie(zurnal, VolbaFinancii::Vsetky, 0, 0);
    ASSERT_TRUE(s.has_value());
    EXPECT_DOUBLE_EQ(s->odmena, 0.26);
    EXPECT_DOUBLE_EQ(s->uctovane(), 0.52);
    EXPECT_DOUBLE_EQ(s->rozdiel(), 0.26);
}
