#include "editor/HodnotyFaktury.h"
#include "store/Datum.h"

#include <gtest/gtest.h>

#include "../common/TestAppDir.h"

#include "PodkladyPomoc.h"

using namespace pomoc;

namespace {
QStringList stlpce(const QList<RiadokPolozky>& riadky)
{
    QStringList s;
    for (const RiadokPolozky& r : riadky)
        s << r.Polozka + u'|' + r.MJ + u'|' + r.CenaMJ + u'|' + r.Pocet;
    return s;
}
}  // namespace

class HodnotyFaktury_ : public TestAppDir {};

TEST_F(HodnotyFaktury_, VatBreakdownFollowsTheDateOfPerformance)
{
    struct Pripad {
        double vykonanie;
        double zaklad, dph, spolu;
    };
    const Pripad pripady[] = {
        {d(2012, 5, 1), 100, 20, 120},
        {d(2011, 1, 1), 100, 20, 120},
        {d(2010, 12, 31), 83.33, 16.67, 100},  // in cents, as printed
    };
    for (const Pripad& c : pripady) {
        PodkladyDokladu p = podklady(true, c.vykonanie, 20);
        p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 100, {1})};
        const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
        EXPECT_DOUBLE_EQ(h.Spolu, 100);
        EXPECT_NEAR(h.Dph.Zaklad, c.zaklad, 1e-5);
        EXPECT_NEAR(h.Dph.DPH, c.dph, 1e-5);
        EXPECT_NEAR(h.Dph.Spolu, c.spolu, 1e-5);
        EXPECT_EQ(h.RozpisSpolu.SadzbaText, QStringLiteral("20%"));
    }
    // A non-payer has no VAT whatever the date.
    PodkladyDokladu p = podklady(false, d(2012, 5, 1), 20);
    p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 100, {1})};
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    EXPECT_DOUBLE_EQ(h.Dph.Spolu, 100);
    EXPECT_DOUBLE_EQ(h.Dph.DPH, 0);
}

TEST_F(HodnotyFaktury_, RowsComeInInvoiceOrderAndSkipEmptyOnes)
{
    PodkladyDokladu p = podklady(false, d(2024, 3, 5), 20);
    TVydavok podiel = polozka(DruhVydavku::PodielovaOdmena, QStringLiteral("Podiel"), 1234.2, {3}, 55);
    podiel.Rozpis[0].Popis = QStringLiteral("pozemok");
    p.sadzbaPozemky = 16.6;
    TVydavok tarif = polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Úkon"), 10, {2, 0, 1});
    tarif.Rozpis[2].Popis = QStringLiteral("Obhliadka");
    p.vydavky = {
        polozka(DruhVydavku::VydavokSCenou, QStringLiteral("Kópie"), 0.5, {4, 6}),
        tarif,
        polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Nulová"), 0, {1}),
        podiel,
        polozka(DruhVydavku::StrataCasu, QStringLiteral("Strata času"), 8, {1.5}),
    };
    p.zaznam.CestovneNahrady.SpoluNaklady = 12.4;
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    EXPECT_EQ(stlpce(h.Riadky), (QStringList{
                                    QStringLiteral("Úkon|hod|10,00|2,00"),
                                    QStringLiteral("Úkon\u2028Obhliadka|hod|10,00|1,00"),  // the act, then the note
                                    QStringLiteral("Podiel, pozemok|m2|16,60|1\u00a0235,00"),
                                    QStringLiteral("Kópie|hod|0,50|10,00"),
                                    QStringLiteral("Strata času|hod|8,00|1,50"),
                                    QStringLiteral("Cestovné náklady| | | "),
                                }));
    EXPECT_DOUBLE_EQ(h.Riadky[0].Suma, 20);
    EXPECT_DOUBLE_EQ(h.Riadky[2].Suma, 55);
    EXPECT_DOUBLE_EQ(h.Spolu, 30 + 55 + 5 + 12 + 12.4);
    double sucet = 0;
    for (const RiadokPolozky& r : h.Riadky)
        sucet += r.Suma;
    EXPECT_DOUBLE_EQ(sucet, h.Spolu);
}

TEST_F(HodnotyFaktury_, ProportionalRowOtherThanLandIsInEuroWithoutUnitPrice)
{
    TVydavok v = polozka(DruhVydavku::PodielovaOdmena, QStringLiteral("Podiel"), 5000.01, {1}, 120);
    const QList<RiadokPolozky> r = RiadkyPodielovej(v, 16.6);
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].MJ, QStringLiteral("€"));
    EXPECT_TRUE(r[0].CenaMJ.isEmpty());
    EXPECT_EQ(r[0].Pocet, QStringLiteral("5\u00a0001,00"));
    EXPECT_EQ(r[0].Polozka, QStringLiteral("Podiel"));
}

TEST_F(HodnotyFaktury_, HeaderValuesComeFromFieldsAndSettings)
{
    PodkladyDokladu p = podklady(true, d(2024, 3, 5), 23);
    p.polia.TypCisla = 1;
    p.polia.CisloObjednavky = QStringLiteral("5C 12/2024");
    p.polia.Meno = QStringLiteral("Okresný súd");
    p.polia.ICO = QStringLiteral("00166073");
    p.polia.VariabilnySymbol = QStringLiteral("72024");
    p.polia.KonstantnySymbol = QStringLiteral("0308");
    p.nastavenie.Banka = QStringLiteral("0900");
    p.nastavenie.CisloUctu = QStringLiteral("123456789");
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    EXPECT_EQ(h.Cislo, QStringLiteral("7/2024"));
    EXPECT_EQ(h.TypCisla, QStringLiteral("Spisová značka"));
    EXPECT_EQ(h.DatumDodania, QStringLiteral("5.3.2024"));
    EXPECT_EQ(h.Splatnost, d(2024, 3, 20));
    EXPECT_EQ(h.Odberatel.Meno, QStringLiteral("Okresný súd"));
    EXPECT_EQ(h.Odberatel.ICO, QStringLiteral("00166073"));
    EXPECT_EQ(h.Dodavatel.Mesto, QStringLiteral("Nitra"));
    EXPECT_EQ(h.BankoveSpojenie, QStringLiteral("123456789/0900"));
    EXPECT_EQ(h.VariabilnySymbol, QStringLiteral("72024"));
    EXPECT_DOUBLE_EQ(h.SadzbaDPH, 23);
}

TEST_F(HodnotyFaktury_, AnInvoiceRowNamesTheActItsRateWithSurchargesAndThenTheNote)
{
    PodkladyDokladu p = podklady(false, d(2024, 3, 5), 20, Tlmocnik);
    TVydavok v = polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Tlmočenie pri úkone"), 29.88, {2.5});
    v.ZakladnaCena = 19.92;
    v.Priplatok1 = 50;
    v.Priplatok1Text = QStringLiteral("§ 12");
    v.Rozpis[0].Popis = QStringLiteral("výsluch obvineného 18:30–21:00");
    p.vydavky = {v};
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    ASSERT_EQ(h.Riadky.size(), 1);
    EXPECT_EQ(h.Riadky[0].Polozka, QStringLiteral("Tlmočenie pri úkone\u2028") + QStringLiteral("19,92\u00a0€ + 50 % § 12\u2028")
                                       + QStringLiteral("výsluch obvineného 18:30–21:00"));
    // Without a surcharge and a note: the act alone.
    v.Priplatok1 = 0;
    v.Rozpis[0].Popis.clear();
    p.vydavky = {v};
    EXPECT_EQ(VypocitajHodnotyFaktury(p).Riadky[0].Polozka, QStringLiteral("Tlmočenie pri úkone"));
}
