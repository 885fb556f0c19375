// One bill, the same cents everywhere: the invoice, the billing statement, the receipt, the
// payment code, the e-invoice and the amounts the entry stores as billed.

#include "editor/DokladyZaznamu.h"
#include "editor/DokladySablon.h"
#include "editor/EFakturaZaznamu.h"
#include "editor/HodnotyFaktury.h"
#include "editor/PlatbaFaktury.h"
#include "editor/ZnalecneZaznamu.h"
#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/UpravaTarifu.h"
#include "store/Cisla.h"
#include "store/Peniaze.h"
#include "store/SadzbyDPH.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "../common/TestAppDir.h"
#include "PodkladyPomoc.h"

using namespace pomoc;

namespace {

const QString Zostavy = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/");

QString eur(Centy c) { return SumaText(SymbolEuro, ZCentov(c)); }

// A flat remuneration item as the tariff dialog makes it from a code-list record.
TVydavok pausalZCiselnika(double cena)
{
    TPolozkaCiselnika r;
    r.Nazov = QStringLiteral("Posudok");
    r.Skupina = 1;
    r.Druh = DruhVydavku::PausalnaOdmena;
    r.MJ = QStringLiteral("úkon");
    r.Cena = cena;
    CiselnikPoloziek c;
    c.PolozkyCiselnika = {r};
    UpravaTarifu u(1, DruhVydavku::PausalnaOdmena, c.PonukaPoloziek(1, DruhVydavku::PausalnaOdmena));
    u.Pridaj();
    return u.polozka();
}

struct Pripad {
    const char* nazov;
    bool platca;
    double vykonanie, sadzba;
    QList<TVydavok> polozky;
    Centy zaklad, dph, spolu;
};

class PeniazeDokladov : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        nastavDualneZobrazovanie(false);
        QDir().mkpath(cesta(QStringLiteral("Zostavy")));
        for (const QString& s : {QStringLiteral("prijmovy_doklad.dot")})
            QFile::copy(Zostavy + s, cesta(QStringLiteral("Zostavy/") + s));
    }
};

}  // namespace

TEST_F(PeniazeDokladov, EveryDocumentCarriesTheSameCents)
{
    TVydavok priplatok = polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Hodiny s príplatkami"), 13.28 * 1.8, {2.5});
    TVydavok vela = polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Hodiny"), 13.28 * 1.8, {31.5});
    TVydavok drobne = polozka(DruhVydavku::HotoveVydavky, QStringLiteral("Poštovné"), 0.5085, {1});
    const Pripad pripady[] = {
        {"2.5 × 12,25 € at 20 %", true, d(2026, 2, 2), 20,
         {polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Štúdium spisu"), 12.25, {2.5})}, 3063, 613, 3676},
        {"rows of 753,4845 € at 23 %", true, d(2026, 2, 2), 23, {vela, drobne}, 75349, 17330, 92679},
        {"surcharge price 23,904", true, d(2024, 5, 6), 20, {priplatok}, 5976, 1195, 7171},
        {"flat 19,92 € for a payer", true, d(2026, 2, 2), 23, {pausalZCiselnika(19.92)}, 1992, 458, 2450},
        {"flat 19,92 € for a non-payer", false, d(2026, 2, 2), 0, {pausalZCiselnika(19.92)}, 1992, 0, 1992},
        {"price including 19 % VAT before 2011", true, d(2010, 6, 1), 19,
         {pausalZCiselnika(100)}, 8403, 1597, 10000},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.nazov);
        PodkladyDokladu p = podklady(c.platca, c.vykonanie, c.sadzba);
        p.polia.SposobPlatby = QStringLiteral("prevodný príkaz");
        p.nastavenie.CisloUctu = QStringLiteral("2612345674");
        p.nastavenie.Banka = QStringLiteral("1100");
        p.nastavenie.DIC = QStringLiteral("1020304050");
        p.polia.DIC = QStringLiteral("2021000000");
        p.vydavky = c.polozky;

        const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
        const RozpisSumy& r = h.Rozpis;
        EXPECT_EQ(r.zaklad(), c.zaklad);
        EXPECT_EQ(r.dph(), c.dph);
        EXPECT_EQ(r.spolu(), c.spolu);
        EXPECT_EQ(r.zaklad() + r.dph(), r.spolu());
        // Quantity × the printed unit price gives the row; the VAT column adds up.
        Centy dph = 0;
        for (qsizetype i = 0; i < h.Riadky.size(); ++i) {
            const RiadokPolozky& x = h.Riadky[i];
            const double cena = TextNaCislo(x.CenaMJ.trimmed()).value_or(-1);
            EXPECT_EQ(NaCenty(x.Mnozstvo * cena), x.SumaCenty) << x.CenaMJ.toStdString();
            dph += r.riadky()[i].dph;
        }
        EXPECT_EQ(dph, r.dph());

        // The printed invoice, the statement and the receipt show the total.
        const QString spolu = eur(c.spolu);
        for (DruhDokladu druh : {DruhDokladu::Vyuctovanie, DruhDokladu::PrijmovyDoklad}) {
            const auto dok = ZostavDoklad(druh, p);
            ASSERT_TRUE(dok.has_value());
            EXPECT_TRUE(cely(precitaj(dok->rtf())).contains(spolu)) << NazovDokladu(druh).toStdString();
        }
        EXPECT_EQ(h.RozpisSpolu.SpoluText, spolu);
        EXPECT_EQ(RozpisPrijmovehoDokladu(p).spolu(), c.spolu);
        // The payment code, the e-invoice and the stored billed amounts.
        EXPECT_EQ(NaCenty(UdajePlatbyFaktury(p).suma), c.spolu);
        const ESucty e = VypocitajSucty(EFakturaZaznamu(p, {}));
        EXPECT_EQ(e.BezDPH, c.zaklad);
        EXPECT_EQ(e.DPH, c.dph);
        EXPECT_EQ(e.NaUhradu, c.spolu);
        TZnalKevrotZaznam z = p.zaznam;
        PrepocitajUctovane(z, p.vydavky, c.platca, c.vykonanie, c.sadzba);
        EXPECT_EQ(NaCenty(z.UctovanaOdmena) + NaCenty(z.UctovaneVydavky), c.spolu);
        EXPECT_EQ(z.UctovanaOdmena, ZCentov(NaCenty(z.UctovanaOdmena)));  // stored rounded
    }
}

// The billed amounts follow the rate and the date they depend on.
TEST_F(PeniazeDokladov, BilledAmountsFollowTheRateAndTheDate)
{
    QDir().mkpath(cesta(QStringLiteral("Data")));
    QFile::copy(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Data/dph.csv"), cesta(QStringLiteral("Data/dph.csv")));
    zabudniSadzbyDPH();
    TZnalKevrotZaznam z;
    const QList<TVydavok> polozky{polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 100, {1}),
                                  polozka(DruhVydavku::HotoveVydavky, QStringLiteral("Poštovné"), 10, {1})};
    PrepocitajUctovane(z, polozky, true, d(2024, 6, 1), 20);
    EXPECT_EQ(z.UctovanaOdmena + z.UctovaneVydavky, 132);
    const double v2025 = d(2025, 3, 1);
    const double sadzba = SadzbaZaznamu(true, v2025, d(2026, 1, 1), 20);
    EXPECT_EQ(sadzba, 23);
    PrepocitajUctovane(z, polozky, true, v2025, sadzba);
    EXPECT_EQ(z.UctovanaOdmena, 123);
    EXPECT_DOUBLE_EQ(z.UctovaneVydavky, 12.3);
    PrepocitajUctovane(z, polozky, false, v2025, sadzba);
    EXPECT_EQ(z.UctovanaOdmena + z.UctovaneVydavky, 110);

    // A new entry without a date takes today's rate; a non-payer none.
    EXPECT_EQ(SadzbaZaznamu(true, 0, d(2010, 5, 1), 20), 19);
    EXPECT_EQ(SadzbaZaznamu(false, v2025, v2025, 20), 0);
    // A typed rate that differs from the table is named.
    EXPECT_EQ(TextOdlisnejSadzby(true, 20, v2025, v2025), QStringLiteral("iná ako zákonná sadzba 23 %"));
    EXPECT_TRUE(TextOdlisnejSadzby(true, 23, v2025, v2025).isEmpty());
    EXPECT_TRUE(TextOdlisnejSadzby(false, 0, v2025, v2025).isEmpty());
    zabudniSadzbyDPH();
}

// A non-payer's receipt has no line of base and VAT.
TEST_F(PeniazeDokladov, NonPayersReceiptHasNoVatLine)
{
    PodkladyDokladu p = podklady(false, d(2024, 6, 1), 20);
    p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 926.79, {1})};
    const QString t = cely(precitaj(ZostavDoklad(DruhDokladu::PrijmovyDoklad, p)->rtf()));
    EXPECT_FALSE(t.contains(QStringLiteral("Základ dane"))) << t.toStdString();
    EXPECT_FALSE(t.contains(QStringLiteral(" %")));
    EXPECT_TRUE(t.contains(QStringLiteral("deväťstodvadsaťšesť eur sedemdesiatdeväť centov")));
    p.nastavenie.PlatcaDPH = true;
    EXPECT_TRUE(cely(precitaj(ZostavDoklad(DruhDokladu::PrijmovyDoklad, p)->rtf())).contains(QStringLiteral("20 %")));
}
