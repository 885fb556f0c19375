#include "store/CestovneNahrady.h"
#include "store/UlozeneVyuctovanie.h"
#include "store/Vydavok.h"
#include "store/Vyplatenie.h"
#include "store/ZnalKevrotZaznam.h"
#include "store/Zurnal.h"

#include "KvdBajty.h"

#include <QJsonArray>

#include <gtest/gtest.h>

TEST(ZaznamyKevrota, LayoutsCoverTheirRecordsExactly)
{
    EXPECT_EQ(overRozlozenie(TZnalKevrotZaznam::rozlozenie(), TZnalKevrotZaznam::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TCestovneNahrady::rozlozenie(), TCestovneNahrady::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TVydavok::rozlozenie(), TVydavok::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TRozpisPolozky::rozlozenie(), TRozpisPolozky::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TVyplatenie::rozlozenie(), TVyplatenie::VELKOST), QString());
    EXPECT_EQ(TZnalKevrotZaznam::VELKOST, 3688);
    EXPECT_EQ(TCestovneNahrady::VELKOST, 1464);
    EXPECT_EQ(TVydavok::VELKOST, 492);
    EXPECT_EQ(TRozpisPolozky::VELKOST, 212);
    EXPECT_EQ(TVyplatenie::VELKOST, 20);
}

TEST(ZaznamyKevrota, EntryFieldsSitAtTheirOffsets)
{
    QByteArray b(3688, '\0');
    kvd::doubleNa(b, 0, 20.0);
    kvd::int32Na(b, 8, 17);
    kvd::int32Na(b, 12, 2023);
    kvd::int32Na(b, 16, 2);
    kvd::retazecNa(b, 20, QStringLiteral("Ďurčová Šárka"));
    kvd::retazecNa(b, 273, QStringLiteral("12345678"));
    kvd::int32Na(b, 364, 1);
    kvd::doubleNa(b, 580, 45000.0);
    kvd::int32Na(b, 596, 14);
    kvd::retazecNa(b, 611, QStringLiteral("2024017"));
    kvd::retazecNa(b, 1091, QStringLiteral("Ocenenie"));
    kvd::doubleNa(b, 1396, 150.0);
    kvd::doubleNa(b, 1496, 33.0);
    b[1510] = 1;
    kvd::retazecNa(b, 1512 + 101, QStringLiteral("Trnava"));
    kvd::doubleNa(b, 1512 + 1444, 77.5);
    kvd::retazecNa(b, 1512 + 407 + 15 * 51, QStringLiteral("koniec"));
    kvd::retazecNa(b, 1512 + 1364, QStringLiteral("4.1.2024"));
    kvd::doubleNa(b, 1512 + 1404, 2.5);
    kvd::int32Na(b, 2976, 1);
    kvd::retazecNa(b, 3002, QStringLiteral("DE"));
    kvd::int32Na(b, 3016, 3);
    kvd::retazecNa(b, 3121, QStringLiteral("starý text"));
    b[3633] = 1;
    kvd::retazecNa(b, 3634, QStringLiteral("5C/12/2024"));

    const auto z = TZnalKevrotZaznam::zObrazu(b);
    EXPECT_EQ(z.SadzbaDPH, 20.0);
    EXPECT_EQ(z.PoradoveCislo, 17);
    EXPECT_EQ(z.Rok, 2023);
    EXPECT_EQ(z.Verzia, 2);
    EXPECT_EQ(z.Meno, QStringLiteral("Ďurčová Šárka"));
    EXPECT_EQ(z.ICO, QStringLiteral("12345678"));
    EXPECT_EQ(z.TypCisla, 1);
    EXPECT_EQ(z.DatumVykonania, 45000.0);
    EXPECT_EQ(z.Splatnost, 14);
    EXPECT_EQ(z.VariabilnySymbol, QStringLiteral("2024017"));
    EXPECT_EQ(z.Predmet, QStringLiteral("Ocenenie"));
    EXPECT_EQ(z.UctovanaOdmena, 150.0);
    EXPECT_EQ(z.PriznaneVydavky, 33.0);
    EXPECT_TRUE(z.Vyplatene);
    EXPECT_EQ(z.CestovneNahrady.Bydlisko, QStringLiteral("Trnava"));
    EXPECT_EQ(z.CestovneNahrady.SpoluNaklady, 77.5);
    EXPECT_EQ(z.CestovneNahrady.textCesty(4, 3), QStringLiteral("koniec"));
    EXPECT_EQ(z.CestovneNahrady.Datum4, QStringLiteral("4.1.2024"));
    EXPECT_EQ(z.CestovneNahrady.Vedlajsie4, 2.5);
    EXPECT_EQ(z.TextyVytvorene, 1);
    EXPECT_EQ(z.Jazyk, QStringLiteral("DE"));
    EXPECT_EQ(z.PocetVyplateni, 3);
    EXPECT_EQ(z.TextVyuctovania, QStringLiteral("starý text"));
    EXPECT_TRUE(z.DoZoznamuVyuctovani);
    EXPECT_EQ(z.CisloObjednavky, QStringLiteral("5C/12/2024"));
}

TEST(ZaznamyKevrota, ItemSubItemAndPaymentFieldsSitAtTheirOffsets)
{
    kvd::Polozka p{QStringLiteral("Znalecký úkon"), 4, 12.5, 25.0, {}};
    const auto v = TVydavok::zObrazu(kvd::hlavickaPolozky(p, 3, nullptr));
    EXPECT_EQ(v.Nazov, QStringLiteral("Znalecký úkon"));
    EXPECT_EQ(v.Skupina, 1);
    EXPECT_EQ(v.Druh, 4);
    EXPECT_EQ(v.MJ, QStringLiteral("hod"));
    EXPECT_EQ(v.Cena, 12.5);
    EXPECT_EQ(v.Suma, 25.0);
    EXPECT_EQ(v.PocetRozpisov, 3);

    const auto r = TRozpisPolozky::zObrazu(kvd::rozpis(2.5, QStringLiteral("obhliadka"), nullptr));
    EXPECT_EQ(r.Pocet, 2.5);
    EXPECT_EQ(r.Popis, QStringLiteral("obhliadka"));

    QByteArray b(20, '\0');
    kvd::doubleNa(b, 0, 45100.0);
    kvd::doubleNa(b, 8, 99.9);
    b[16] = 1;
    const auto vy = TVyplatenie::zObrazu(b);
    EXPECT_EQ(vy.Datum, 45100.0);
    EXPECT_EQ(vy.Suma, 99.9);
    EXPECT_TRUE(vy.Preddavok);
}

TEST(ZaznamyKevrota, TravelBlockKeepsAllSixteenJourneyTextsAndItsPaddingThroughTheEntry)
{
    std::mt19937 g(7);
    const QByteArray povodny = kvd::sum(3688, g);
    auto z = TZnalKevrotZaznam::zObrazu(povodny);
    EXPECT_EQ(z.obrazNaZapis(), povodny);  // nothing changed: every byte kept
    for (int k = 1; k <= 4; ++k)
        for (int c = 0; c < 4; ++c)
            z.CestovneNahrady.nastavTextCesty(k, c, QStringLiteral("úsek %1/%2").arg(k).arg(c));
    const QByteArray zapisany = z.obrazNaZapis();
    const auto spat = TZnalKevrotZaznam::zObrazu(zapisany);
    for (int k = 1; k <= 4; ++k)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(spat.CestovneNahrady.textCesty(k, c), QStringLiteral("úsek %1/%2").arg(k).arg(c));
    // Bytes outside the journey texts are untouched.
    EXPECT_EQ(zapisany.left(1512 + 407), povodny.left(1512 + 407));
    EXPECT_EQ(zapisany.mid(1512 + 407 + 816), povodny.mid(1512 + 407 + 816));
    EXPECT_EQ(spat.CestovneNahrady.textCesty(5, 0), QString());
}

TEST(ZaznamyKevrota, LongOrForeignTextIsCutToItsCapacityAndNeverSpillsIntoTheNextField)
{
    TZnalKevrotZaznam z;
    z.Meno = QString(150, u'ž');
    z.Adresa = QStringLiteral("Adresa");
    z.VariabilnySymbol = QStringLiteral("1234567890123456789");
    z.Poznamka = QStringLiteral("€ a 漢");
    const auto spat = TZnalKevrotZaznam::zObrazu(z.obrazNaZapis());
    EXPECT_EQ(spat.Meno, QString(100, u'ž'));
    EXPECT_EQ(spat.Adresa, QStringLiteral("Adresa"));
    EXPECT_EQ(spat.VariabilnySymbol, QStringLiteral("123456789012345"));
    EXPECT_EQ(spat.Poznamka, QStringLiteral("€ a ?"));
}

TEST(ZaznamyKevrota, ItemKindsSplitIntoRemunerationAndExpenses)
{
    using namespace DruhVydavku;
    for (qint32 d : {TarifnaOdmena, PausalnaOdmena, ZmluvnaOdmena, PodielovaOdmena}) {
        EXPECT_TRUE(jeOdmena(d)) << d;
        EXPECT_FALSE(jeVydavok(d)) << d;
    }
    for (qint32 d : {VydavokSCenou, PausalneVydavky, StrataCasu, HotoveVydavky}) {
        EXPECT_TRUE(jeVydavok(d)) << d;
        EXPECT_FALSE(jeOdmena(d)) << d;
    }
    for (qint32 d : {0, 9, CestovneNahrady, -1}) {
        EXPECT_FALSE(jeVydavok(d)) << d;
        EXPECT_FALSE(jeOdmena(d)) << d;
    }
}

TEST(ZaznamyKevrota, StoredBillingIsNamedSummedAndJsonable)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = 12;
    z.Rok = 2024;
    z.Predmet = QStringLiteral("Ocenenie bytu");
    z.Meno = QStringLiteral("Okresný súd Nitra");
    z.DatumVykonania = 45300.0;
    z.CestovneNahrady.SpoluNaklady = 30.0;
    QList<TVydavok> vydavky;
    for (auto [druh, suma] : {std::pair{1, 100.0}, {2, 50.0}, {4, 10.0}, {6, 5.0}, {7, 1.0}, {8, 2.0}, {9, 1000.0}}) {
        TVydavok v;
        v.Druh = druh;
        v.Suma = suma;
        TRozpisPolozky r;
        r.Pocet = 1;
        v.Rozpis = {r, r};
        vydavky.append(v);
    }
    const auto c = TCiselnikVydavok::zoZaznamu(z, vydavky);
    EXPECT_EQ(c.Nazov, QStringLiteral("12/2024 - Ocenenie bytu (Okresný súd Nitra)"));
    EXPECT_EQ(c.CisloZaznamu, 12);
    EXPECT_EQ(c.Datum, 45300.0);
    EXPECT_DOUBLE_EQ(c.Odmena, 153.0);
    EXPECT_DOUBLE_EQ(c.Vydavky, 45.0);
    ASSERT_EQ(c.Polozky.size(), 7);
    EXPECT_TRUE(c.Polozky[0].Rozbalene);
    EXPECT_EQ(c.Polozky[0].Rozpis.size(), 2);

    const QJsonObject j = c.doJson();
    for (const char* k : {"Nazov", "CisloZaznamu", "Datum", "Odmena", "Vydavky", "CestovneNahrady", "Polozky"})
        EXPECT_TRUE(j.contains(QLatin1String(k))) << k;
    const QJsonObject p = j.value(QStringLiteral("Polozky")).toArray().at(0).toObject();
    EXPECT_EQ(p.value(QStringLiteral("Rozbalene")).toBool(), true);
    EXPECT_EQ(p.value(QStringLiteral("Druh")).toInt(), 1);
    EXPECT_EQ(p.value(QStringLiteral("Rozpis")).toArray().size(), 2);
    EXPECT_EQ(j.value(QStringLiteral("CestovneNahrady")).toObject().value(QStringLiteral("Cesta")).toArray().size(), 16);

    z.Predmet = QString(300, u'x');
    EXPECT_EQ(TCiselnikVydavok::zoZaznamu(z, {}).Nazov.size(), 200);
}
