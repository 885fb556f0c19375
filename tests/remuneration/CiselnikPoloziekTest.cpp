#include "common/TestAppDir.h"

#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/SkupinaZaznamu.h"
#include "remuneration/VypoctyVydavkov.h"
#include "store/SadzbyNahrad.h"
#include "store/Datum.h"
#include "store/Subory.h"

namespace {

TPolozkaCiselnika polozka(qint32 skupina, qint32 druh, const QString& nazov, double cena,
                          const QString& mj = QStringLiteral("ks"))
{
    TPolozkaCiselnika p;
    p.Skupina = skupina;
    p.Druh = druh;
    p.Nazov = nazov;
    p.Cena = cena;
    p.MJ = mj;
    return p;
}

QStringList nazvy(const auto& zoznam)
{
    QStringList n;
    for (const auto& z : zoznam)
        n.append(z.Nazov);
    return n;
}

class CiselnikPoloziekTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        TPolozkaCiselnika tarif = polozka(1, 1, QStringLiteral("Hodina"), 13.28, QStringLiteral("hod"));
        tarif.Priplatok1Max = 50;
        tarif.Priplatok1Text = QStringLiteral("Bezodkladne");
        tarif.Priplatok2Max = 30;
        tarif.Priplatok2Text = QStringLiteral("Obtazne");
        m_ciselnik.PolozkyCiselnika = {
            tarif,
            polozka(1, 2, QStringLiteral("Spis"), 19.92, QStringLiteral("úkon")),
            polozka(6, 2, QStringLiteral("Tlmočník paušál"), 100),
            polozka(1, 5, QStringLiteral("Strata času"), 3.32, QStringLiteral("hod")),
            polozka(1, 3, QStringLiteral("Km"), 0.183, QStringLiteral("km")),
            polozka(1, 4, QStringLiteral("Kópia"), 2.66),
            polozka(1, 2, QStringLiteral("Register"), 6.64, QStringLiteral("úkon")),
            polozka(7, 1, QStringLiteral("Strana"), 19.92, QStringLiteral("strana")),
        };
    }
    CiselnikPoloziek m_ciselnik;
};

}  // namespace

TEST(PolozkaCiselnikaRecord, TableAndOffsets)
{
    EXPECT_EQ(overRozlozenie(TPolozkaCiselnika::rozlozenie(), TPolozkaCiselnika::VELKOST), QString());
    EXPECT_EQ(TPolozkaCiselnika::VELKOST, 456);

    TPolozkaCiselnika p = polozka(4, 2, QStringLiteral("Úkon"), 12.5, QStringLiteral("hod"));
    p.Priplatok1Max = 50;
    p.Priplatok1Text = QStringLiteral("P1");
    p.Priplatok2Max = 30;
    p.Priplatok2Text = QStringLiteral("P2");
    const QByteArray b = p.obrazNaZapis();
    EXPECT_EQ(quint8(b[0]), 4);
    EXPECT_EQ(quint8(b[1]), 0xDA);  // "Ú" in Windows-1250
    EXPECT_EQ(Subory::int32Na(b, 204), 4);
    EXPECT_EQ(Subory::int32Na(b, 208), 2);
    EXPECT_EQ(b.mid(212, 4), QByteArray("\x03hod"));
    EXPECT_EQ(rozlozenie_detail::citajDouble(b.constData() + 224), 12.5);
    EXPECT_EQ(rozlozenie_detail::citajDouble(b.constData() + 232), 50.0);
    EXPECT_EQ(b.mid(240, 3), QByteArray("\x02P1"));
    EXPECT_EQ(rozlozenie_detail::citajDouble(b.constData() + 344), 30.0);
    EXPECT_EQ(b.mid(352, 3), QByteArray("\x02P2"));

    // Padding read from a file is written back as it was.
    QByteArray obraz = b;
    obraz[201] = '\x11';
    obraz[223] = '\x22';
    obraz[455] = '\x33';
    TPolozkaCiselnika q = TPolozkaCiselnika::zObrazu(obraz);
    q.Cena = 1;
    QByteArray ocakavany = obraz;
    rozlozenie_detail::zapisDouble(ocakavany.data() + 224, 1.0);
    EXPECT_EQ(q.obrazNaZapis(), ocakavany);
}

TEST_F(CiselnikPoloziekTest, LoadingReadsTheFileInOrder)
{
    const QList<TPolozkaCiselnika> zapisane = m_ciselnik.PolozkyCiselnika;
    zapis(QStringLiteral("Data/ZnalKevrot_polozky.dat"), obsahPocitanehoSuboru(zapisane));
    CiselnikPoloziek c;
    ASSERT_TRUE(c.NacitajPolozky());
    EXPECT_EQ(nazvy(c.PolozkyCiselnika), nazvy(zapisane));
    EXPECT_EQ(c.PolozkyCiselnika.at(0).Priplatok2Text, QStringLiteral("Obtazne"));
    EXPECT_EQ(c.PolozkyCiselnika.at(4).Cena, 0.183);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(CiselnikPoloziekTest, MissingOrShortFileIsReportedAndTheListKeepsWhatWasRead)
{
    CiselnikPoloziek c;
    EXPECT_FALSE(c.NacitajPolozky());
    EXPECT_TRUE(c.PolozkyCiselnika.isEmpty());
    EXPECT_EQ(m_spravy.texty(), QStringList({textProblemSoSuborom(CiselnikPoloziek::SuborPoloziek())}));
    EXPECT_TRUE(c.PredvyplnPolozky(1).isEmpty());

    QByteArray b = obsahPocitanehoSuboru(m_ciselnik.PolozkyCiselnika);
    b.chop(456 * 5 + 100);  // two whole records and a piece of the third
    zapis(QStringLiteral("Data/ZnalKevrot_polozky.dat"), b);
    EXPECT_FALSE(c.NacitajPolozky());
    ASSERT_EQ(c.PolozkyCiselnika.size(), 8);
    EXPECT_EQ(c.PolozkyCiselnika.at(1).Nazov, QStringLiteral("Spis"));
    EXPECT_EQ(c.PolozkyCiselnika.at(2).Skupina, 0);  // zero-filled
    EXPECT_EQ(m_spravy.spravy.size(), 2);
}

TEST_F(CiselnikPoloziekTest, PreFillTakesKindsAboveOneOfTheGroupInFileOrder)
{
    const QList<TVydavok> polozky = m_ciselnik.PredvyplnPolozky(1);
    EXPECT_EQ(nazvy(polozky), QStringList({"Spis", "Strata času", "Km", "Kópia", "Register"}));
    for (const auto& v : polozky) {
        EXPECT_EQ(v.Skupina, 1);
        EXPECT_GT(v.Druh, 1);
        EXPECT_EQ(v.ZakladnaCena, v.Cena);
        EXPECT_EQ(v.Suma, 0.0);
        EXPECT_EQ(v.Priplatok1Max, 0.0);
        EXPECT_EQ(v.Priplatok1Text, QString());
        ASSERT_EQ(v.Rozpis.size(), 1);
        EXPECT_EQ(v.PocetRozpisov, 1);
        EXPECT_EQ(v.Rozpis.at(0).Pocet, 0.0);
        EXPECT_EQ(v.Rozpis.at(0).Popis, QString());
    }
    EXPECT_EQ(polozky.at(0).Cena, 19.92);
    EXPECT_EQ(polozky.at(0).MJ, QStringLiteral("úkon"));
    EXPECT_EQ(polozky.at(1).Druh, 5);

    EXPECT_EQ(nazvy(m_ciselnik.PredvyplnPolozky(6)), QStringList({"Tlmočník paušál"}));
    // Only tariff records: nothing to pre-fill.
    EXPECT_TRUE(m_ciselnik.PredvyplnPolozky(7).isEmpty());
    EXPECT_TRUE(m_ciselnik.PredvyplnPolozky(5).isEmpty());
}

// The code-list price is net: VAT is added once, in the bill, and only for a VAT payer.
TEST_F(CiselnikPoloziekTest, OfferListKeepsTheNetCodeListPrice)
{
    auto ponuka = m_ciselnik.PonukaPoloziek(6, 2);
    ASSERT_EQ(ponuka.size(), 1);
    EXPECT_DOUBLE_EQ(ponuka.at(0).Cena, 100.0);

    ponuka = m_ciselnik.PonukaPoloziek(1, 2);
    EXPECT_EQ(nazvy(ponuka), QStringList({"Spis", "Register"}));
    EXPECT_EQ(ponuka.at(0).Cena, 19.92);

    // Tariff mode keeps the price and the surcharges.
    ponuka = m_ciselnik.PonukaPoloziek(1, 1);
    ASSERT_EQ(ponuka.size(), 1);
    EXPECT_EQ(ponuka.at(0).Cena, 13.28);
    EXPECT_EQ(ponuka.at(0).Priplatok1Max, 50.0);
    EXPECT_EQ(ponuka.at(0).Priplatok2Text, QStringLiteral("Obtazne"));
    EXPECT_TRUE(m_ciselnik.PonukaPoloziek(2, 1).isEmpty());
}

TEST(SkupinaZaznamuTest, GroupOfAnEntryForEveryKindOfPractitioner)
{
    const QString f49 = QStringLiteral("490000");
    EXPECT_EQ(SkupinaZaznamu(0, f49, QStringLiteral("491500")), 4);
    EXPECT_EQ(SkupinaZaznamu(0, f49, QStringLiteral("490600")), 2);
    EXPECT_EQ(SkupinaZaznamu(0, f49, QString()), 2);
    EXPECT_EQ(SkupinaZaznamu(0, QStringLiteral("330000"), QStringLiteral("491500")), 3);
    EXPECT_EQ(SkupinaZaznamu(0, QStringLiteral("370000"), QStringLiteral("370100")), 1);
    EXPECT_EQ(SkupinaZaznamu(0, QString(), QString()), 1);
    // Whole texts only.
    EXPECT_EQ(SkupinaZaznamu(0, QStringLiteral("49000"), QStringLiteral("491500")), 1);
    EXPECT_EQ(SkupinaZaznamu(0, f49, QStringLiteral("4915")), 2);
    // Interpreters and translators whatever their codes.
    EXPECT_EQ(SkupinaZaznamu(1, f49, QStringLiteral("491500")), 6);
    EXPECT_EQ(SkupinaZaznamu(2, QStringLiteral("330000"), QString()), 7);

    EXPECT_TRUE(ZobrazitPodielovuOdmenu(0));
    EXPECT_FALSE(ZobrazitPodielovuOdmenu(1));
    EXPECT_FALSE(ZobrazitPodielovuOdmenu(2));

    EXPECT_EQ(NadpisUkonu(6), QStringLiteral("Editovanie tlmočníckeho úkonu"));
    EXPECT_EQ(NadpisUkonu(7), QStringLiteral("Editovanie prekladateľského úkonu"));
    EXPECT_EQ(NadpisUkonu(4), QStringLiteral("Editovanie znaleckého úkonu"));
    EXPECT_EQ(PopisUkonu(6), QStringLiteral("Tlmočnícky úkon:"));
    EXPECT_EQ(PopisUkonu(7), QStringLiteral("Prekladateľský úkon:"));
    EXPECT_EQ(PopisUkonu(1), QStringLiteral("Znalecký úkon:"));
}

TEST_F(CiselnikPoloziekTest, PrefillOfAnEntryKeepsNetPricesAndTakesTheKmRateInForce)
{
    QList<TVydavok> polozky = m_ciselnik.PredvyplnPolozky(1);
    ASSERT_EQ(nazvy(polozky), QStringList({"Spis", "Strata času", "Km", "Kópia", "Register"}));
    EXPECT_EQ(polozky[0].Cena, 19.92);
    SadzbyNahrad s;
    ASSERT_TRUE(s.NacitajOpotrebenie("od;km\n2009-01-01;0.183\n2026-01-01;0.313\n"));
    SadzbyPredvyplnenych(polozky, s, QDateNaDatum(QDate(2026, 3, 1)));
    EXPECT_EQ(polozky[2].Cena, 0.313);
    EXPECT_EQ(polozky[2].ZakladnaCena, 0.313);
    EXPECT_EQ(polozky[1].Cena, 3.32);  // other items keep the code-list price
}
