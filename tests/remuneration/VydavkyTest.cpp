#include "common/TestAppDir.h"

#include "remuneration/CestovneVypocty.h"
#include "remuneration/UpravaTarifu.h"
#include "remuneration/UpravaVydavkov.h"
#include "remuneration/VypoctyVydavkov.h"
#include "settings/Vozidla.h"
#include "store/Datum.h"
#include "store/Peniaze.h"

#include <QFile>

namespace {

using namespace DruhVydavku;

TVydavok polozka(qint32 druh, double cena, QList<double> pocty, const QString& nazov = QStringLiteral("x"))
{
    TVydavok v;
    v.Nazov = nazov;
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

double datum(int r, int m, int d) { return QDateNaDatum(QDate(r, m, d)); }

class VydavkyTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        nastavDualneZobrazovanie(false);
    }
    void TearDown() override
    {
        nastavDualneZobrazovanie(true);
        TestAppDir::TearDown();
    }
};

}  // namespace

TEST(PodielovaOdmenaTest, RemunerationFromTheValueOfProperty)
{
    struct Pripad {
        int typ;
        double hodnota, sadzba, predosla, V, O;
    };
    const Pripad pripady[] = {
        {1, 100000, 16.6, 0, 100000, 142}, {1, 10000, 16.6, 0, 10000, 39}, {2, 1000, 16.6, 0, 1000, 27},
        {1, 999.01, 16.6, 0, 1000, 27},    {3, 500, 16.6, 0, 8300, 35},    {0, 5000, 16.6, 44, 0, 44},
        {1, 0, 16.6, 44, 0, 0},
    };
    for (const Pripad& p : pripady) {
        const auto v = Podielova::Vypocitaj(p.typ, p.hodnota, p.sadzba, p.predosla);
        EXPECT_EQ(v.zaokruhlenaHodnota, p.V) << p.typ << " " << p.hodnota;
        EXPECT_EQ(v.odmena, p.O) << p.typ << " " << p.hodnota;
    }
}

TEST(UpravaTarifuTest, SurchargesSideBySideAndOnlyFromTheChosenRecord)
{
    TPolozkaCiselnika s;
    s.Nazov = QStringLiteral("Hodina");
    s.Druh = 1;
    s.Cena = 10;
    s.Priplatok1Max = 50;
    s.Priplatok2Max = 100;
    TPolozkaCiselnika bez = s;
    bez.Nazov = QStringLiteral("Bez");
    bez.Priplatok1Max = bez.Priplatok2Max = 0;
    UpravaTarifu u(1, 1, {s, bez});
    u.Pridaj();
    EXPECT_EQ(u.Priplatok(1).maximum, 50);
    EXPECT_FALSE(u.Priplatok(1).zaskrtnuty);
    u.NastavPriplatok(1, true, 50);
    u.NastavPriplatok(2, true, 100);
    EXPECT_DOUBLE_EQ(u.polozka().Cena, 25.0);
    EXPECT_DOUBLE_EQ(u.polozka().Suma, 25.0);  // one sub-item of quantity 1
    u.Zvol(1);
    EXPECT_FALSE(u.Priplatok(1).viditelny);
    EXPECT_EQ(u.polozka().Priplatok1, 0.0);
    EXPECT_DOUBLE_EQ(u.polozka().Cena, 10.0);
    // The only sub-item cleared: nothing to bill.
    u.ZmazRozpis(0);
    EXPECT_EQ(u.polozka().Rozpis.size(), 1);
    EXPECT_EQ(u.Potvrd(QStringLiteral("Bez"), QStringLiteral("hod")),
              QStringLiteral("Nie je zadaná položka, resp. celkový počet MJ je rovný nule."));
    EXPECT_EQ(u.Potvrd({}, {}), QStringLiteral("Nie je zadaný názov položky."));
}

TEST_F(VydavkyTest, PriceBoxWarnsAndKeepsTheBasePrice)
{
    UpravaTarifu u(1, 2, {});
    EXPECT_TRUE(u.OpustilCenu(QStringLiteral("12,5")));
    EXPECT_FALSE(u.OpustilCenu(QStringLiteral("abc")));
    EXPECT_FALSE(u.OpustilCenu(QStringLiteral("-1")));
    EXPECT_FALSE(u.OpustilCenu(QStringLiteral("inf")));
    EXPECT_EQ(u.polozka().ZakladnaCena, 12.5);
    EXPECT_EQ(m_spravy.texty(), QStringList({"Neplatná hodnota", "Cena musí byť väčšia ako 0", "Neplatná hodnota"}));
    EXPECT_TRUE(u.OpustilCenu({}));
    EXPECT_EQ(u.polozka().ZakladnaCena, 0.0);
}

TEST_F(VydavkyTest, TotalsByKindWithTravelAndVatForm)
{
    UpravaVydavkov u;
    u.polozky = {polozka(TarifnaOdmena, 10, {1, 2.5, 0}), polozka(PausalnaOdmena, 100, {1}),
                 polozka(VydavokSCenou, 2, {3}),         polozka(PausalneVydavky, 15, {2}),
                 polozka(StrataCasu, 5, {2}),            polozka(HotoveVydavky, 4, {1}),
                 polozka(ZmluvnaOdmena, 120, {3}),       polozka(PodielovaOdmena, 100000, {1})};
    u.polozky[7].Suma = 142;  // kept, never recomputed
    u.cesta.SpoluNaklady = 69.3125;
    u.PrepocitajVsetko();
    const SuctyVydavkov s = u.Sucty();
    EXPECT_EQ(u.polozky[0].Suma, 35);
    EXPECT_EQ(s.tarifna, 35);
    EXPECT_EQ(s.pausalna, 100);
    EXPECT_EQ(s.zmluvna, 360);
    EXPECT_EQ(s.vydavky, 6 + 30 + 4);  // every expense before travel and lost time
    EXPECT_EQ(s.strataCasu, 10);
    EXPECT_EQ(s.odmena, 35 + 100 + 360 + 142);
    EXPECT_EQ(s.vydavkyCelkom, 6 + 30 + 10 + 4 + 69.31);  // the travel total in cents
    EXPECT_EQ(s.vydavkyCelkom, s.vydavky + s.strataCasu + s.cestovne);

    u.platcaDPH = true;
    u.sadzbaDPH = 20;
    u.datumVykonania = datum(2012, 5, 1);
    EXPECT_EQ(u.TextySuctov()[1].second, QStringLiteral("100,00\u00a0€ (120,00\u00a0€ s DPH)"));
    u.datumVykonania = datum(2010, 5, 1);
    EXPECT_EQ(u.TextySuctov()[1].second, QStringLiteral("100,00\u00a0€"));
    u.datumVykonania = datum(2012, 5, 1);
    u.polozky = {polozka(PodielovaOdmena, 1000, {2})};
    u.cesta.SpoluNaklady = 0;
    u.polozky[0].Suma = 27;
    const auto t = u.TextySuctov();
    for (int i = 0; i < t.size(); ++i)
        EXPECT_EQ(t[i].second.contains(QStringLiteral("s DPH")), t[i].first == QStringLiteral("Celková odmena:")) << i;
}

TEST(UpravaVydavkovTest, CellEditsFollowTheTabsRules)
{
    using Z = ZalozkaVydavkov;
    using R = VysledokBunky;
    namespace S = StlpecVydavku;
    struct Pripad {
        Z zalozka;
        TVydavok v;
        int stlpec;
        const char* text;
        R vysledok;
        double suma;  // afterwards
    };
    const Pripad pripady[] = {
        {Z::Pausalna, polozka(PausalnaOdmena, 10, {1}), S::Pocet, "2,5", R::Prevzate, 25},
        {Z::Pausalna, polozka(PausalnaOdmena, 10, {1}), S::Pocet, "x", R::Vyprazdnit, 10},
        {Z::Pausalna, polozka(PausalnaOdmena, 10, {1}), S::Pocet, "-2", R::Vyprazdnit, 10},
        {Z::Pausalna, polozka(PausalnaOdmena, 10, {1, 1}), S::Pocet, "5", R::StaryText, 20},
        {Z::Pausalna, polozka(PausalnaOdmena, 10, {1}), S::Cena, "5", R::StaryText, 10},
        {Z::PausalneVydavky, polozka(PausalneVydavky, 10, {1}), S::Cena, "5", R::StaryText, 10},
        {Z::PausalneVydavky, polozka(VydavokSCenou, 10, {2}), S::Cena, "5", R::Prevzate, 10},
        {Z::PausalneVydavky, polozka(VydavokSCenou, 10, {2}), S::Cena, "?", R::Ponechat, 20},
        {Z::Hotove, polozka(HotoveVydavky, 10, {2}), S::Cena, "1.5", R::Prevzate, 3},
        {Z::Zmluvna, polozka(ZmluvnaOdmena, 10, {2}), S::Pocet, "5", R::StaryText, 20},
        {Z::Podielova, polozka(PodielovaOdmena, 10, {1}), S::MJ, "ks", R::StaryText, 0},
        {Z::Podielova, polozka(PodielovaOdmena, 10, {1}), S::Popis, "dom", R::Prevzate, 0},
        {Z::Hotove, polozka(HotoveVydavky, 10, {2}), S::Polozka, "iné", R::StaryText, 20},
        {Z::Hotove, polozka(HotoveVydavky, 10, {2}), S::Pocet, "1e300", R::Vyprazdnit, 20},
    };
    for (const Pripad& p : pripady) {
        UpravaVydavkov u;
        u.polozky = {p.v};
        u.PrepocitajVsetko();
        if (p.v.Druh == PodielovaOdmena)
            u.polozky[0].Suma = 0;
        // the grid shows as editable exactly the cells whose typing is not refused outright
        EXPECT_EQ(u.JeBunkaUpravitelna(p.zalozka, 0, p.stlpec), p.vysledok != R::StaryText) << p.text;
        EXPECT_EQ(u.UpravBunku(p.zalozka, 0, p.stlpec, QString::fromUtf8(p.text)), p.vysledok) << p.text;
        EXPECT_DOUBLE_EQ(u.polozky[0].Suma, p.suma) << p.text;
    }
}

TEST(UpravaVydavkovTest, StoredBillingReplacesItemsAndTravelAndShowsOnlyBilledItems)
{
    TCiselnikVydavok vzor;
    TCiselnikVydavokItem a(polozka(PausalnaOdmena, 50, {1, 2}, QStringLiteral("A")));
    a.PocetRozpisov = 0;  // the copy takes the count from the list
    a.Suma = 150;
    TCiselnikVydavokItem b(polozka(HotoveVydavky, 0, {1}, QStringLiteral("B")));
    vzor.Polozky = {a, b};
    vzor.CestovneNahrady.SpoluNaklady = 12;
    vzor.CestovneNahrady.nastavTextCesty(4, 3, QStringLiteral("Nitra"));

    UpravaVydavkov u;
    u.polozky = {polozka(TarifnaOdmena, 1, {1})};
    u.NacitajVzor(vzor);
    ASSERT_EQ(u.polozky.size(), 2);
    EXPECT_EQ(u.polozky[0].PocetRozpisov, 2);
    EXPECT_EQ(u.cesta.textCesty(4, 3), QStringLiteral("Nitra"));
    EXPECT_EQ(u.Sucty().vydavkyCelkom, 12);

    auto riadky = RiadkyVzoru(vzor);
    ASSERT_EQ(riadky.size(), 3);  // B has no amount
    EXPECT_TRUE(riadky[0].jePolozka);
    EXPECT_EQ(riadky[2].hodnota, QStringLiteral("Počet: 2"));
    vzor.Polozky[0].Rozbalene = false;
    EXPECT_EQ(RiadkyVzoru(vzor).size(), 1);
}

TEST(CestovneTest, TravelTotalsAndDefaultsOfANewBlock)
{
    TCestovneNahrady c;
    c.PocetNajazdenychKM = 250;
    c.Spotreba = 6.5;
    c.CenaPHM = 1.45;
    c.Opotrebenie = 0.183;
    c.Stravne1 = 6;
    c.Stravne2 = 9.3;
    c.Noclazne1 = 40;
    c.Vedlajsie2 = 3.2;
    PrepocitajCestovne(c);
    // Each part rounded to cents once, the total their sum.
    EXPECT_DOUBLE_EQ(c.PHM_celkom, 23.56);
    EXPECT_DOUBLE_EQ(c.Cestovne, 45.75);
    EXPECT_DOUBLE_EQ(c.Stravne, 15.3);
    EXPECT_DOUBLE_EQ(c.OstatneNaklady, 43.2);
    EXPECT_DOUBLE_EQ(c.SpoluNaklady, 127.81);

    TVozidlo auto2;
    auto2.Nazov = QStringLiteral("Octavia");
    auto2.Spotreba = 8;
    auto2.Opotrebenie = 0.2;
    ZvolVozidlo(c, auto2, SadzbyNahrad{}, 0);
    EXPECT_DOUBLE_EQ(c.PHM_celkom, 29.0);
    EXPECT_DOUBLE_EQ(c.Opotrebenie, 0.2);

    TNastavenia n;
    n.TitulPred = QStringLiteral("Ing.");
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QStringLiteral("Novák");
    n.Adresa = QStringLiteral("Hlavná 1");
    n.PSC = QStringLiteral("949 01");
    n.Mesto = QStringLiteral("Nitra");
    n.CestakBezDPH = 1;
    PredvolbyCesty(c, n, 45000);
    EXPECT_EQ(c.Meno, QStringLiteral("Ing. Ján Novák"));
    EXPECT_EQ(c.Bydlisko, QStringLiteral("Hlavná 1, 949 01 Nitra"));
    EXPECT_EQ(c.VyuctovaneDna, 45000);
    EXPECT_FALSE(c.SDPH);
    n.TitulZa = QStringLiteral("PhD.");
    PredvolbyCesty(c, n, 45000);
    EXPECT_EQ(c.Meno, QStringLiteral("Ing. Ján Novák, PhD."));
}

TEST_F(VydavkyTest, MealAndWearRatesOfTheDayFromTheDataFiles)
{
    zapis(QStringLiteral("Data/stravne.csv"),
          "platnost_od;do_12h;do_18h;nad_18h\n2009-01-01;3.30;5.00;7.70\n2012-09-01;4.00;6.00;9.30\n"
          "2025-12-01;9.30;13.80;20.60\n");
    zapis(QStringLiteral("Data/opotrebenie.csv"), "platnost_od;sadzba_eur_km\n2009-01-01;0.183\n2026-01-01;0.313\n");
    SadzbyNahrad s;
    ASSERT_TRUE(s.Nacitaj());
    const double den = DatumStravneho(QStringLiteral("1.10.2012"), datum(2026, 2, 1), datum(2026, 3, 1));
    EXPECT_EQ(TlacidlaStravneho(s.StravneKDatumu(den))[2].text, QStringLiteral("nad 18 hodín - 9,30\u00a0€"));
    // Not a date: the billing date, else today.
    EXPECT_EQ(DatumStravneho(QStringLiteral("pondelok"), datum(2026, 2, 1), 1), datum(2026, 2, 1));
    EXPECT_EQ(DatumStravneho({}, 0, datum(2026, 3, 1)), datum(2026, 3, 1));
    EXPECT_EQ(s.StravneKDatumu(datum(2025, 11, 30)).do12h, 4.0);
    EXPECT_EQ(s.StravneKDatumu(datum(2025, 12, 1)).do18h, 13.8);
    EXPECT_EQ(s.StravneKDatumu(datum(2000, 1, 1)).do12h, 3.3);

    const auto vyvoj = VyvojStravneho(s.stravne);
    ASSERT_EQ(vyvoj.size(), 3);
    EXPECT_EQ(vyvoj[0][0], QStringLiteral("od 1.12.2025"));
    EXPECT_EQ(vyvoj[1], QStringList({"od 1.9.2012 do 30.11.2025", "4,00\u00a0€", "6,00\u00a0€", "9,30\u00a0€"}));

    EXPECT_EQ(OpotrebenieKDnu(s, 0, datum(2026, 3, 1)), 0.313);
    EXPECT_EQ(OpotrebenieKDnu(s, datum(2025, 3, 1), datum(2026, 3, 1)), 0.183);
    EXPECT_EQ(TextAktualnehoOpotrebenia(0.313), QStringLiteral("Aktuálna hodnota 0.313"));

    // A damaged file is reported and keeps what was read before.
    EXPECT_FALSE(s.NacitajStravne("2009-01-01;3.30;x;7.70\n"));
    EXPECT_EQ(s.stravne.size(), 3);
}

TEST(UpravaVydavkovTest, FlatExpenseEditKeepsItsKindAndCashCountsAreWhole)
{
    UpravaVydavkov u;
    u.skupina = 3;
    u.polozky = {polozka(StrataCasu, 3.32, {1}, QStringLiteral("Strata času"))};
    u.UlozPausalne(0, QStringLiteral("Čakanie"), QStringLiteral("hod"), 4, {TRozpisPolozky{}, TRozpisPolozky{}});
    u.UlozPausalne(-1, QStringLiteral("Nový"), QStringLiteral("ks"), 2, {TRozpisPolozky{}});
    EXPECT_EQ(u.polozky[0].Druh, StrataCasu);
    EXPECT_EQ(u.polozky[0].Skupina, 3);
    EXPECT_EQ(u.polozky[0].PocetRozpisov, 2);
    EXPECT_EQ(u.polozky[0].ZakladnaCena, 4);
    EXPECT_EQ(u.polozky[1].Druh, PausalneVydavky);
    for (auto [pocet, cely] : {std::pair{2.5, 2}, {3.5, 4}, {-1.0, 0}, {1e9, 100}, {2.4, 2}})
        EXPECT_EQ(CelyPocet(pocet), cely) << pocet;
}

TEST(SadzbyNahradTest, ShippedRateFilesReadWhole)
{
    auto citaj = [](const char* nazov) {
        QFile f(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Data/") + QString::fromLatin1(nazov));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nazov;
        return f.readAll();
    };
    SadzbyNahrad s;
    ASSERT_TRUE(s.NacitajStravne(citaj("stravne.csv")));
    ASSERT_TRUE(s.NacitajOpotrebenie(citaj("opotrebenie.csv")));
    // The period of 2012 is there, and later ones pay more.
    const double v2013 = QDateNaDatum(QDate(2013, 1, 1));
    EXPECT_EQ(s.StravneKDatumu(v2013).nad18h, 9.3);
    EXPECT_EQ(s.OpotrebenieKDatumu(v2013), 0.183);
    EXPECT_GT(s.stravne.last().nad18h, 9.3);
    EXPECT_GT(s.opotrebenie.last().sadzba, 0.183);
}

// A VAT payer's pump price "s DPH" enters the costs as its base; "bez DPH" and any price of
// a non-payer as typed.
TEST(CestovneDPH, FuelPriceWithVatEntersAsItsBase)
{
    TCestovneNahrady c;
    c.PocetNajazdenychKM = 100;
    c.Spotreba = 10;
    c.CenaPHM = 1.23;
    c.SDPH = true;
    PrepocitajCestovne(c, {true, 23});
    EXPECT_DOUBLE_EQ(c.PHM_celkom, 10.0);
    PrepocitajCestovne(c, {false, 23});
    EXPECT_DOUBLE_EQ(c.PHM_celkom, 12.3);
    c.SDPH = false;
    PrepocitajCestovne(c, {true, 23});
    EXPECT_DOUBLE_EQ(c.PHM_celkom, 12.3);
}

// A vehicle holding an old legal wear rate gives the trip the rate in force; a rate of its
// own stays.
TEST(CestovneDPH, VehicleWearRateComesFromTheTableForTheDate)
{
    SadzbyNahrad s;
    ASSERT_TRUE(s.NacitajOpotrebenie("od;km\n2009-01-01;0.183\n2026-01-01;0.313\n"));
    const double den2026 = QDateNaDatum(QDate(2026, 2, 1));
    EXPECT_EQ(OpotrebenieVozidla(s, 0.183, den2026), 0.313);
    EXPECT_EQ(OpotrebenieVozidla(s, 0, den2026), 0.313);
    EXPECT_EQ(OpotrebenieVozidla(s, 0.313, QDateNaDatum(QDate(2020, 1, 1))), 0.183);
    EXPECT_EQ(OpotrebenieVozidla(s, 0.25, den2026), 0.25);
    TCestovneNahrady c;
    c.PocetNajazdenychKM = 120;
    c.VyuctovaneDna = den2026;
    TVozidlo v;
    v.Opotrebenie = 0.183;
    ZvolVozidlo(c, v, s, 0);
    EXPECT_DOUBLE_EQ(c.Cestovne, 37.56);
}

// "za každú aj začatú hodinu": 2,5 h bill as 3 h, and the dialog says so.
TEST(ZacateJednotky, QuantitiesOfItemsPerStartedUnitRoundUp)
{
    TPolozkaCiselnika r;
    r.Nazov = QStringLiteral("Hodinová odmena za každú aj začatú hodinu výkonu (§ 3 ods. 1)");
    r.Skupina = 1;
    r.Druh = DruhVydavku::TarifnaOdmena;
    r.MJ = QStringLiteral("hod");
    r.Cena = 19.92;
    r.Priplatok1Max = 50;
    r.Priplatok1Text = QStringLiteral("Bezodkladne");
    UpravaTarifu u(1, DruhVydavku::TarifnaOdmena, {r});
    u.Pridaj();
    u.NastavPriplatok(1, true, 50);
    TRozpisPolozky dve;
    dve.Pocet = 2.5;
    u.OpravRozpis(0, dve);
    EXPECT_EQ(u.polozka().Rozpis[0].Pocet, 3);
    EXPECT_DOUBLE_EQ(u.polozka().Suma, 89.64);
    EXPECT_TRUE(u.zaokruhlene());

    TVydavok ine = u.polozka();
    ine.Nazov = QStringLiteral("Náhrada za stratu času, za každú hodinu");
    ine.Rozpis[0].Pocet = 2.5;
    EXPECT_FALSE(ZaokruhliZacateJednotky(ine));
    EXPECT_EQ(ine.Rozpis[0].Pocet, 2.5);

    // An item already stored keeps its quantity until it is entered again.
    TVydavok ulozena = u.polozka();
    ulozena.Rozpis[0].Pocet = 2.5;
    PrepocitajSumu(ulozena);
    EXPECT_EQ(ulozena.Rozpis[0].Pocet, 2.5);
}

TEST(CestovneTest, MealBandFromTheJourneysTimesPerDay)
{
    SadzbyNahrad s;
    s.stravne = {{datum(2012, 9, 1), 4.0, 6.0, 9.3}, {datum(2025, 12, 1), 9.3, 13.8, 20.6}};
    TCestovneNahrady c;
    c.Cesta = QStringList(TCestovneNahrady::PocetTextovCesty, QString());
    // day 1: two legs, 7:30 to 14:00 (6,5 h); day 2: 13:00 to 16:00 (3 h); day 3: 2025 rates
    c.nastavTextCesty(1, 0, QStringLiteral("Nitra, 3.5.2024 7:30"));
    c.nastavTextCesty(1, 3, QStringLiteral("Trnava 3.5.2024 10:00"));
    c.nastavTextCesty(2, 0, QStringLiteral("Trnava 3.5.2024 11:00"));
    c.nastavTextCesty(2, 3, QStringLiteral("Nitra, 3. 5. 2024 o 14.00 hod"));
    c.nastavTextCesty(3, 0, QStringLiteral("Nitra 6.5.2024 13:00"));
    c.nastavTextCesty(3, 3, QStringLiteral("Nitra 6.5.2024 16:00"));
    c.nastavTextCesty(4, 0, QStringLiteral("Nitra 2.12.2025 4:00"));
    c.nastavTextCesty(4, 3, QStringLiteral("Nitra 2.12.2025 23:00"));
    DatumDna(c, 1) = QStringLiteral("6.5.2024");
    StravneDna(c, 1) = 99;
    EXPECT_EQ(StravnePodlaCasov(c, s), (QList<int>{2, 1, 3}));
    EXPECT_EQ(DatumDna(c, 2), QStringLiteral("3.5.2024"));  // the first free row takes the day
    EXPECT_EQ(StravneDna(c, 2), 4.0);
    EXPECT_EQ(StravneDna(c, 1), 0.0);  // under 5 hours
    EXPECT_EQ(StravneDna(c, 3), 20.6);
    EXPECT_DOUBLE_EQ(c.Stravne, 24.6);
    // texts without times change nothing
    TCestovneNahrady bez;
    bez.Cesta = QStringList(TCestovneNahrady::PocetTextovCesty, QStringLiteral("Nitra"));
    EXPECT_TRUE(StravnePodlaCasov(bez, s).isEmpty());
}
