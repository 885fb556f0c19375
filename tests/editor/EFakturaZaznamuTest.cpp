#include "editor/DokladyZaznamu.h"
#include "editor/EFakturaZaznamu.h"
#include "editor/KontrolaEFaktury.h"
#include "editor/HodnotyFaktury.h"
#include "editor/UlozenieEFaktury.h"

#include <QDir>
#include <QFile>

#include "EFakturaVzorky.h"
#include "common/TestAppDir.h"

namespace {

TEST(EFakturaZaznamu, AdresaSaRozdeliNaUlicuPSCAMesto)
{
    struct Pripad { const char* adresa; const char* ulica; const char* psc; const char* mesto; };
    const Pripad pripady[] = {
        {"Štúrova 9, 949 68 Nitra", "Štúrova 9", "949 68", "Nitra"},
        {"Štúrova 9\r\n94968 Nitra", "Štúrova 9", "949 68", "Nitra"},
        {"Nám. SNP 1, P.O.Box 12, Bratislava 811 01", "Nám. SNP 1, P.O.Box 12", "811 01", "Bratislava"},
        {"Štúrova 9 Nitra", "Štúrova 9 Nitra", "", ""},
        {"949 68 Nitra", "949 68 Nitra", "", ""},
    };
    for (const Pripad& p : pripady) {
        const AdresaStrany a = RozdelAdresu(QString::fromUtf8(p.adresa));
        EXPECT_EQ(a.Ulica, QString::fromUtf8(p.ulica)) << p.adresa;
        EXPECT_EQ(a.PSC, QString::fromUtf8(p.psc)) << p.adresa;
        EXPECT_EQ(a.Mesto, QString::fromUtf8(p.mesto)) << p.adresa;
    }
}

class EFakturaZaznamuTest : public TestAppDir {};

// The totals of the XML are the printed invoice's breakdown rounded to the cent.
TEST_F(EFakturaZaznamuTest, SuctySaZhodujuSTlacenouFakturou)
{
    struct Pripad { QDate vykonanie; double sadzba; QList<double> sumy; qint64 zaklad, dph, spolu; };
    const Pripad pripady[] = {
        {QDate(2011, 1, 1), 20, {100}, 10000, 2000, 12000},
        {QDate(2010, 12, 31), 20, {100}, 8333, 1667, 10000},
        {QDate(2025, 3, 1), 23, {33.33, 33.33, 33.33}, 9999, 2300, 12299},
        {QDate(2024, 6, 1), 20, {0.05, 0.05, 0.05}, 15, 3, 18},
    };
    for (const Pripad& c : pripady) {
        PodkladyDokladu p = VzorovePodklady(true, c.vykonanie, c.sadzba);
        p.vydavky.clear();
        for (double s : c.sumy)
            p.vydavky << VzorovaPolozka(DruhVydavku::HotoveVydavky, QStringLiteral("Výdavok"), QStringLiteral("ks"), s, {1});
        const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
        const ESucty s = VypocitajSucty(EFakturaZaznamu(p, {}));
        EXPECT_EQ(s.BezDPH, c.zaklad) << c.vykonanie.toString().toStdString();
        EXPECT_EQ(s.DPH, c.dph);
        EXPECT_EQ(s.NaUhradu, c.spolu);
        EXPECT_EQ(NaCenty(h.Dph.Zaklad), s.BezDPH);
        EXPECT_EQ(NaCenty(h.Dph.DPH), s.DPH);
        EXPECT_EQ(NaCenty(h.Dph.Spolu), s.NaUhradu);
    }
}

TEST_F(EFakturaZaznamuTest, RiadkyHodnotyAStranyZoZaznamu)
{
    PodkladyDokladu p = VzorovePodklady(false, QDate(2027, 2, 1), 23);
    p.zaznam.CestovneNahrady.SpoluNaklady = 45.17;
    TVydavok podiel = VzorovaPolozka(DruhVydavku::PodielovaOdmena, QStringLiteral("Podielová odmena"), QString(), 1000, {1, 3});
    podiel.Suma = 123.45;
    p.vydavky.prepend(podiel);
    NastaveniaEFaktury n;
    n.KategoriaNeplatcu = QStringLiteral("E");
    const EFaktura f = EFakturaZaznamu(p, n);
    QStringList riadky;
    for (const ERiadok& r : f.Riadky)
        riadky << QStringLiteral("%1|%2|%3|%4|%5|%6").arg(r.Nazov + (r.Popis.isEmpty() ? QString() : u'/' + r.Popis), r.Jednotka).arg(r.Mnozstvo).arg(r.CenaCenty).arg(r.SumaCenty).arg(r.Dph.Kod);
    EXPECT_EQ(riadky, QStringList({"Podielová odmena, Podielová odmena – časť|C62|1|12345|12345|E",
                                   "Štúdium spisu/Štúdium spisu – časť|HUR|2.5|3319|8298|E",
                                   "Štúdium spisu/Štúdium spisu – časť|HUR|1|3319|3319|E",
                                   "Poštovné|H87|3|215|645|E",
                                   "Cestovné náklady|C62|1|4517|4517|E"}));
    EXPECT_EQ(VypocitajSucty(f).NaUhradu, NaCenty(VypocitajHodnotyFaktury(p).Spolu));
    EXPECT_EQ(f.Cislo, QStringLiteral("7/2027"));
    EXPECT_EQ(f.OdkazKupujuceho, QStringLiteral("3T 45/2026"));
    EXPECT_EQ(f.IBAN, QStringLiteral("SK3112000000198742637541"));
    EXPECT_EQ(f.Dodavatel.EndpointId, QStringLiteral("1020304050"));
    EXPECT_EQ(f.Odberatel.EndpointId, QStringLiteral("2021000000"));
    EXPECT_EQ(f.Odberatel.PSC, QStringLiteral("949 68"));
    EXPECT_TRUE(f.Dodavatel.ICDPH.isEmpty());
    EXPECT_TRUE(f.Poznamky.join(u'|').contains(QStringLiteral("Spisová značka: 3T 45/2026|Konštantný symbol: 0308")));

    n.IBAN = QStringLiteral("SK8975000000000012345671");
    n.EndpointId = QStringLiteral("9999999999");
    const EFaktura d = EFakturaZaznamu(p, n, true, QDate(2027, 3, 1));
    EXPECT_EQ(d.IBAN, n.IBAN);
    EXPECT_EQ(d.Dodavatel.EndpointId, n.EndpointId);
    EXPECT_EQ(d.FakturaDobropisu, QStringLiteral("7/2027"));
    EXPECT_EQ(d.Vystavenie, QDate(2027, 3, 1));
    EXPECT_EQ(d.DatumFakturyDobropisu, QDate(2027, 2, 1));
}

TEST_F(EFakturaZaznamuTest, DruheVytvorenieNechaPrvySuborAPovie)
{
    const QString adresar = cesta(QStringLiteral("Tmp_doc"));
    QDir().mkpath(adresar);
    EFaktura f = EFakturaZaznamu(VzorovePodklady(true, QDate(2027, 1, 10), 23), {});
    m_spravy.vybery << cesta(QStringLiteral("kopia.xml"));
    const auto prvy = UlozenieEFaktury::VytvorAUloz(f, adresar);
    ASSERT_TRUE(prvy.novy) << prvy.chyby.join('\n').toStdString();
    const QByteArray povodny = obsah(QStringLiteral("Tmp_doc/efaktura.xml"));
    EXPECT_EQ(obsah(QStringLiteral("kopia.xml")), povodny);

    f.Riadky.first().SumaCenty += 100;
    m_spravy.vymaz();
    const auto druhy = UlozenieEFaktury::VytvorAUloz(f, adresar);
    EXPECT_FALSE(druhy.novy);
    EXPECT_EQ(obsah(QStringLiteral("Tmp_doc/efaktura.xml")), povodny);
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_TRUE(m_spravy.spravy.first().text.contains(QStringLiteral("už existuje a zostáva bez zmeny")));

    f.Odberatel.DIC.clear();
    const auto zly = UlozenieEFaktury::Uloz(f, cesta(QString()));
    EXPECT_TRUE(zly.subor.isEmpty());
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("efaktura.xml"))));
}

}  // namespace

TEST_F(EFakturaZaznamuTest, AnAccountFailingItsCheckGivesNoEInvoice)
{
    PodkladyDokladu p = VzorovePodklady(true, QDate(2027, 1, 10), 23);
    p.nastavenie.CisloUctu = QStringLiteral("19-2000145398");  // fails mod 11
    p.nastavenie.Banka = QStringLiteral("0800");
    const auto v = UlozenieEFaktury::Uloz(EFakturaZaznamu(p, {}), cesta(QStringLiteral("Tmp_doc")));
    EXPECT_TRUE(v.subor.isEmpty());
    EXPECT_TRUE(v.chyby.join(u' ').contains(QStringLiteral("Číslo účtu nie je platné"))) << v.chyby.join(u' ').toStdString();
    NastaveniaEFaktury n;
    n.IBAN = QStringLiteral("SK6308000000192000145398");  // fails mod 97
    EXPECT_TRUE(ChybyEFaktury(EFakturaZaznamu(p, n)).join(u' ').contains(QStringLiteral("kontrolné číslice nesúhlasia")));
}
