// The printed journal: named values of the listing and the cover page, the shipped
// layouts laid out with them, and the PDF of a year.

#include "common/TestAppDir.h"

#include "reports/TAlZostava.h"
#include "reports/TlacKevrota.h"
#include "settings/Jazyky.h"
#include "reports/TlacCestovnehoPrikazu.h"
#include "store/CestovneNahrady.h"
#include "settings/Nastavenia.h"
#include "settings/OdboryOdvetvia.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Zurnal.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

TZnalKevrotZaznam zaznam(int cislo, int rok, const QString& meno)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = rok;
    z.Meno = meno;
    z.Adresa = QStringLiteral("Hlavná 1, Nitra");
    z.DruhUkonu = QStringLiteral("posudok");
    z.TypPosudku = QStringLiteral("znalecký");
    z.Predmet = QStringLiteral("vozidlo");
    z.Ucel = QStringLiteral("súd");
    z.DatumVyziadania = QDateNaDatum(QDate(rok, 2, 3));
    z.DatumVykonania = QDateNaDatum(QDate(rok, 3, 14));
    z.UctovanaOdmena = 1234.5;
    z.UdajeOdmena = QStringLiteral("10 h");
    z.UctovaneVydavky = 20;
    z.PriznanaOdmena = 1000;
    z.PriznaneVydavky = 0;
    z.DatumyVyplatenia = QStringLiteral("1.4.%1\r").arg(rok);
    z.Poznamka = QStringLiteral("bez poznámky");
    return z;
}

RiadokKevrota riadok(int cislo, int rok, const QString& meno)
{
    return RiadokKevrota::zoZaznamu(zaznam(cislo, rok, meno));
}

QStringList hodnotyPola(const NazvaneHodnoty& h, const QString& meno)
{
    QStringList out;
    for (const auto& [m, v] : h)
        if (m == meno)
            out.append(v);
    return out;
}

}  // namespace

class TlacKevrotaTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        QDir().mkpath(cesta("Zostavy"));
        for (const QString& f : {TlacKevrota::ZostavaZoznamu, TlacKevrota::ZostavaHlavicky, QStringLiteral("pr_cestovny_prikaz.dfm")})
            ASSERT_TRUE(QFile::copy(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/") + f, cesta("Zostavy/" + f)));
        m_nastavenia.Nastavenie.Meno = QStringLiteral("Peter");
        m_nastavenia.Nastavenie.Priezvisko = QStringLiteral("Novák");
        m_nastavenia.Nastavenie.TitulPred = QStringLiteral("Ing.");
        m_nastavenia.Nastavenie.EC = QStringLiteral("91234");
        m_nastavenia.Nastavenie.Odbory = QStringLiteral("370000|390000|");
        m_nastavenia.Nastavenie.Odvetvia = QStringLiteral("370100|370200|380100|39010|");
        m_nastavenia.NastavenieTlac.KevrotCislo = 7;
        TOdbor o1;
        o1.Kod = "370000";
        o1.Nazov = QStringLiteral("Doprava cestná");
        TOdbor o2;
        o2.Kod = "390000";
        o2.Nazov = QStringLiteral("Strojárstvo");
        m_ciselnik.Odbory = {o1, o2};
        for (auto [kod, nazov] : {std::pair{"370100", "Nehody"}, {"370200", "Technický stav"}, {"39010", "Krátky"}}) {
            TOdvetvie v;
            v.Kod = kod;
            v.Nazov = QString::fromUtf8(nazov);
            m_ciselnik.Odvetvia.append(v);
        }
    }

    Nastavenia m_nastavenia;
    OdboryOdvetvia m_ciselnik;
};

TEST_F(TlacKevrotaTest, HodnotyZoznamuZaZaznam)
{
    TZnalKevrotZaznam dlhy = zaznam(3, 2024, "Ján Malý");
    dlhy.Predmet = QString(300, u'x');
    dlhy.Ucel = QString(100, u'u');
    const QList<RiadokKevrota> zaznamy = {RiadokKevrota::zoZaznamu(dlhy), riadok(1, 2023, "Iný rok")};
    const NazvaneHodnoty h = TlacKevrota::HodnotyZoznamu(zaznamy, m_nastavenia.Nastavenie, 2024);
    EXPECT_EQ(hodnotyPola(h, "ZnalecField"), QStringList({"Peter Novák"}));
    EXPECT_EQ(hodnotyPola(h, "Rok"), QStringList({"2024"}));
    EXPECT_EQ(hodnotyPola(h, "PorCislo"), QStringList({"3 / 2024"}));
    EXPECT_EQ(hodnotyPola(h, "Ziadatel"), QStringList({"Ján Malý Hlavná 1, Nitra"}));
    EXPECT_EQ(hodnotyPola(h, "DatumVyziadania"), QStringList({"3.2.2024"}));
    EXPECT_EQ(hodnotyPola(h, "DatumVykonania"), QStringList({"14.3.2024"}));
    const QString ukon = hodnotyPola(h, "UkonTypPredmet").value(0);
    EXPECT_EQ(ukon.size(), 255);
    EXPECT_TRUE(ukon.startsWith(QStringLiteral("posudok znalecký xxx")));
    EXPECT_EQ(hodnotyPola(h, "Odmena_uctovana"), QStringList({QStringLiteral("1\u00a0234,50\u00a0€")}));
    EXPECT_EQ(hodnotyPola(h, "Odmena_uctovana_udaje"), QStringList({"10 h"}));
    EXPECT_EQ(hodnotyPola(h, "Vydavky_nahrady"), QStringList({QStringLiteral("0,00\u00a0€")}));
    EXPECT_EQ(hodnotyPola(h, "Datum_vyplatenia"), QStringList({"1.4.2024\r"}));
    EXPECT_EQ(hodnotyPola(h, "Poznamka"), QStringList({QStringLiteral("bez poznámky")}));
    // Fourteen names: two once, twelve per entry.
    EXPECT_EQ(h.size(), 2 + 12);
}

TEST_F(TlacKevrotaTest, ZoradenieNaTlacPodlaCisla)
{
    Zurnal z;
    z.ZaznamyKevrota = {riadok(10, 2024, "c"), riadok(2, 2024, "a"), riadok(5, 2023, "x"), riadok(3, 2024, "b")};
    const auto zoradene = TlacKevrota::ZaznamyNaTlac(z, 2024);
    ASSERT_EQ(zoradene.size(), 3);
    EXPECT_EQ(zoradene[0].PoradoveCislo, 2);
    EXPECT_EQ(zoradene[1].PoradoveCislo, 3);
    EXPECT_EQ(zoradene[2].PoradoveCislo, 10);
    // The journal itself is left as it was.
    EXPECT_EQ(z.ZaznamyKevrota[0].PoradoveCislo, 10);
}

TEST_F(TlacKevrotaTest, PrazdnyRokVytlaciJedenRiadokSVlnovkami)
{
    const auto s = TlacKevrota::priprav(TlacKevrota::ZostavaZoznamu,
                                         TlacKevrota::HodnotyZoznamu({}, m_nastavenia.Nastavenie, 2025));
    ASSERT_TRUE(s);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    ASSERT_EQ(s->strany.size(), 1);
    EXPECT_EQ(s->orientacia, TPrinterOrientation::poLandscape);
    const TDrawMetaFile& st = s->strany[0];
    EXPECT_EQ(st.velkost, QSize(1123, 794));
    for (const char* pole : {"PorCislo", "Ziadatel", "DatumVyziadania", "DatumVykonania", "UkonTypPredmet",
                             "Odmena_uctovana", "Odmena_uctovana_udaje", "Vydavky", "Odmena_priznana",
                             "Vydavky_nahrady", "Datum_vyplatenia", "Poznamka"})
        EXPECT_EQ(st.texty(pole), QStringList({"~"})) << pole;
    EXPECT_EQ(st.texty("ZnalecField"), QStringList({"Peter Novák"}));
    EXPECT_EQ(st.texty("Rok"), QStringList({"2025"}));
}

TEST_F(TlacKevrotaTest, DlhyZoznamOpakujeHlavickyACislujeStrany)
{
    QList<RiadokKevrota> zaznamy;
    for (int i = 1; i <= 40; ++i)
        zaznamy.append(riadok(i, 2024, QStringLiteral("Žiadateľ %1").arg(i)));
    const auto s = TlacKevrota::priprav(TlacKevrota::ZostavaZoznamu,
                                         TlacKevrota::HodnotyZoznamu(zaznamy, m_nastavenia.Nastavenie, 2024));
    ASSERT_TRUE(s);
    ASSERT_GT(s->strany.size(), 3);
    QStringList vsetkyCisla;
    for (int i = 0; i < s->strany.size(); ++i) {
        const TDrawMetaFile& st = s->strany[i];
        EXPECT_EQ(st.texty("lblStlpec1"), QStringList({QStringLiteral("Poradové číslo")})) << i;
        EXPECT_EQ(st.texty("sysStrana"), QStringList({QString::number(i + 1)}));
        vsetkyCisla += st.texty("PorCislo");
        // Rows stay above the page footer.
        for (const auto* o : st.operacieOvladaca("PorCislo"))
            EXPECT_LT(o->obdlznik.bottom(), 794 - 28);
    }
    ASSERT_EQ(vsetkyCisla.size(), 40);
    EXPECT_EQ(vsetkyCisla.first(), QString("1 / 2024"));
    EXPECT_EQ(vsetkyCisla.last(), QString("40 / 2024"));
}

TEST_F(TlacKevrotaTest, TheCoverOfAnInterpreterNamesTheLanguages)
{
    Jazyky jazyky;
    jazyky.PridajJazyk(QStringLiteral("eng"), QStringLiteral("anglický"));
    TNastavenia n = m_nastavenia.Nastavenie;
    n.Druh = Tlmocnik;
    n.Odbory = QStringLiteral("eng|xyz|");
    const NazvaneHodnoty h = TlacKevrota::HodnotyHlavicky(n, m_nastavenia.NastavenieTlac, m_ciselnik, &jazyky);
    EXPECT_EQ(hodnotyPola(h, "Typ"), QStringList({"jazyk", "jazyk"}));
    EXPECT_EQ(hodnotyPola(h, "TypName"), QStringList({QStringLiteral("anglický (eng)"), "xyz"}));
    EXPECT_TRUE(hodnotyPola(h, "c1").isEmpty());
}

TEST_F(TlacKevrotaTest, HodnotyAStranaHlavicky)
{
    const NazvaneHodnoty h = TlacKevrota::HodnotyHlavicky(m_nastavenia.Nastavenie, m_nastavenia.NastavenieTlac, m_ciselnik);
    EXPECT_EQ(hodnotyPola(h, "CisloRok"), QStringList({"7"}));
    EXPECT_EQ(hodnotyPola(h, "Meno"), QStringList({"Ing. Peter Novák"}));
    EXPECT_EQ(hodnotyPola(h, "ec5"), QStringList({"4"}));
    EXPECT_TRUE(hodnotyPola(h, "ec6").isEmpty());
    // Field 37 with two branches, field 39 with a branch of five characters (no "c" values).
    EXPECT_EQ(hodnotyPola(h, "Typ"), QStringList({"odbor", "odvetvie", "odvetvie", "odbor", "odvetvie"}));
    EXPECT_EQ(hodnotyPola(h, "TypName"),
              QStringList({QStringLiteral("Doprava cestná"), "Nehody", QStringLiteral("Technický stav"),
                           QStringLiteral("Strojárstvo"), QStringLiteral("Krátky")}));
    EXPECT_EQ(hodnotyPola(h, "c4"), QStringList({"0", "1", "2", "0"}));

    const auto s = TlacKevrota::priprav(TlacKevrota::ZostavaHlavicky, h);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->strany.size(), 1);
    const TDrawMetaFile& st = s->strany[0];
    EXPECT_EQ(st.texty("ec1"), QStringList({"9"}));
    EXPECT_EQ(st.texty("ec6"), QStringList({"~"}));
    EXPECT_EQ(st.texty("Typ").size(), 5);
    // Values pair by position: the fifth row has no fourth code character.
    EXPECT_EQ(st.texty("c4"), QStringList({"0", "1", "2", "0", "~"}));
}

TEST_F(TlacKevrotaTest, CestovnyPrikazMaVsetkyPolia)
{
    auto z = NahrajZostavu(cesta("Zostavy/pr_cestovny_prikaz.dfm"));
    ASSERT_TRUE(z);
    QStringList mena = {"Meno", "Bydlisko", "DlzkaTrasy", "PocetNajazdenychKM", "Vozidlo", "VozidloEC", "Spotreba",
                        "PriemernaSpotrebaPodlaTP", "CenaPHM", "CenaLiterPHM", "Opotrebenie", "Spolucestujuci",
                        "PHM_celkom", "Cestovne", "Stravne", "OstatneNaklady", "SpoluNaklady", "VyuctovaneDna"};
    for (int i = 1; i <= 4; ++i)
        for (const char* p : {"Zaciatok", "Miesto", "Ucel", "Koniec", "Datum", "Stravne", "Noclazne", "Vedlajsie"})
            mena.append(QString::fromLatin1(p) + QString::number(i));
    for (const QString& m : mena)
        EXPECT_NE(z->najdiPole(m), nullptr) << m.toStdString();
    z->report()->AddNamedValue("SpoluNaklady", QStringLiteral(" 12,00 € "));
    tPages strany;
    z->report()->PreparePages(strany);
    ASSERT_EQ(strany.size(), 1);
    EXPECT_EQ(strany[0].texty("SpoluNaklady"), QStringList({QStringLiteral(" 12,00 € ")}));
}

TEST_F(TlacKevrotaTest, PdfZoznamuAHlavicky)
{
    Zurnal z;
    z.ZaznamyKevrota = {riadok(2, 2024, QStringLiteral("Mária Šťastná")), riadok(1, 2024, QStringLiteral("Ján Malý"))};
    const QString pdf = cesta("kevrot.pdf");
    ASSERT_TRUE(TlacKevrota::VytlacKevrotDoPdf(z, m_nastavenia, m_ciselnik, 2024, pdf));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    auto text = [&](int strana) {
        QProcess p;
        p.start("pdftotext", {"-f", QString::number(strana), "-l", QString::number(strana), "-layout", pdf, "-"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString prva = text(1);
    if (prva.isEmpty())
        GTEST_SKIP() << "pdftotext is missing";
    EXPECT_TRUE(prva.contains(QStringLiteral("Znalecký kevrot za rok"))) << prva.toStdString();
    EXPECT_TRUE(prva.contains(QStringLiteral("Mária Šťastná")));
    EXPECT_LT(prva.indexOf(QStringLiteral("Ján Malý")), prva.indexOf(QStringLiteral("Mária Šťastná")));
    const QString druha = text(2);
    EXPECT_TRUE(druha.contains(QStringLiteral("ZNALECKÝ KEVROT"))) << druha.toStdString();
    EXPECT_TRUE(druha.contains(QStringLiteral("Ing. Peter Novák")));
    EXPECT_TRUE(text(3).isEmpty());
}

TEST_F(TlacKevrotaTest, ChybajucaHlavickaNezastaviZoznam)
{
    QFile::remove(cesta("Zostavy/" + TlacKevrota::ZostavaHlavicky));
    Zurnal z;
    const QString pdf = cesta("kevrot.pdf");
    EXPECT_TRUE(TlacKevrota::VytlacKevrotDoPdf(z, m_nastavenia, m_ciselnik, 2024, pdf));
    EXPECT_EQ(m_spravy.texty(), QStringList({"Nedá sa nahrať zostava " + TlacKevrota::cestaZostavy(TlacKevrota::ZostavaHlavicky)}));
    EXPECT_TRUE(QFile::exists(pdf));
    QFile::remove(cesta("Zostavy/" + TlacKevrota::ZostavaZoznamu));
    m_spravy.vymaz();
    EXPECT_FALSE(TlacKevrota::VytlacKevrotDoPdf(z, m_nastavenia, m_ciselnik, 2024, cesta("nic.pdf")));
    EXPECT_EQ(m_spravy.spravy.size(), 2);
    EXPECT_FALSE(QFile::exists(cesta("nic.pdf")));
}

TEST_F(TlacKevrotaTest, CestovnyPrikazZBlokuCestovnychNahrad)
{
    TCestovneNahrady c;
    c.Meno = QStringLiteral("Ing. Peter Novák");
    c.PocetNajazdenychKM = 250;
    c.Spotreba = 6.5;
    c.CenaPHM = 1.45;
    c.SpoluNaklady = 127.8125;
    c.VyuctovaneDna = QDateNaDatum(QDate(2024, 3, 14));
    c.nastavTextCesty(4, 3, QStringLiteral("Nitra 18:00"));
    const auto s = TlacKevrota::priprav(TlacCestovnehoPrikazu::Zostava, TlacCestovnehoPrikazu::Hodnoty(c));
    ASSERT_TRUE(s);
    const TDrawMetaFile& st = s->strany.at(0);
    EXPECT_EQ(st.texty("Meno"), QStringList({"Ing. Peter Novák"}));
    EXPECT_EQ(st.texty("DlzkaTrasy"), QStringList({"250"}));
    EXPECT_EQ(st.texty("Spotreba"), QStringList({"6,5"}));
    EXPECT_EQ(st.texty("CenaLiterPHM"), QStringList({QStringLiteral("1,45\u00a0€")}));
    EXPECT_EQ(st.texty("Koniec4"), QStringList({"Nitra 18:00"}));
    EXPECT_EQ(st.texty("SpoluNaklady"), QStringList({QStringLiteral(" 127,81\u00a0€ ")}));
    EXPECT_EQ(st.texty("VyuctovaneDna"), QStringList({"14.3.2024"}));
}
