// The four documents built from entries whose items the tests write directly, read back
// from the produced rich text.

#include "editor/DokladVyuctovanie.h"
#include "editor/DokladyZaznamu.h"
#include "editor/DatumVystavenia.h"
#include "editor/DokladySablon.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "settings/Nastavenia.h"
#include "store/Cesty.h"
#include "store/Peniaze.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "../common/TestAppDir.h"
#include "PodkladyPomoc.h"

using namespace pomoc;

namespace {

const QString Zostavy = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/");

QString eur(const char* t) { return QString::fromUtf8(t).replace(u' ', QChar(0xA0)) + QChar(0xA0) + QStringLiteral("€"); }

class Doklady : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        nastavDualneZobrazovanie(false);
        QDir().mkpath(cesta(QStringLiteral("Zostavy")));
        QDir().mkpath(cesta(QStringLiteral("Tmp_doc")));
        for (const QString& s : QDir(Zostavy).entryList({QStringLiteral("*.dot")}))
            QFile::copy(Zostavy + s, cesta(QStringLiteral("Zostavy/") + s));
    }
    void TearDown() override
    {
        nastavDualneZobrazovanie(true);
        TestAppDir::TearDown();
    }

    RtfDokument zostav(DruhDokladu druh, const PodkladyDokladu& p)
    {
        const auto d = ZostavDoklad(druh, p);
        EXPECT_TRUE(d.has_value());
        return d ? precitaj(d->rtf()) : RtfDokument{};
    }
};

// The tables below the header, which the settings make when there is no header file.
QList<QStringList> bezHlavicky(const QList<QStringList>& t)
{
    EXPECT_FALSE(t.isEmpty());
    if (!t.isEmpty())
        EXPECT_TRUE(t[0].join(u'\n').contains(QStringLiteral("zapísaný v zozname znalcov"))) << t[0].join(u'\n').toStdString();
    return t.mid(1);
}

PodkladyDokladu pausal100(bool platca, double vykonanie)
{
    PodkladyDokladu p = podklady(platca, vykonanie, 20);
    p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 100, {1})};
    p.hlavickyDruhov[DruhVydavku::PausalnaOdmena] = QStringLiteral("Paušálna odmena:");
    return p;
}

}  // namespace

TEST_F(Doklady, BillingOfOneFlatItemHasOneGroupAndItsTotal)
{
    const RtfDokument dok = zostav(DruhDokladu::Vyuctovanie, pausal100(false, d(2024, 3, 5)));
    const QList<QStringList> t = bezHlavicky(tabulky(dok));
    // Requester block, one group, total block.
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0][0], QStringLiteral("Zadávateľ: |Okresný súd"));
    EXPECT_EQ(t[1], (QStringList{QStringLiteral("Položka | MJ | Cena MJ € | Počet | Cena spolu"),
                                 QStringLiteral("Posudok|hod|100,00|1,00|") + eur("100,00"),
                                 QStringLiteral("Spolu| | | |") + eur("100,00")}));
    EXPECT_EQ(t[2], QStringList{QStringLiteral("Znalečné celkom: | ") + eur("100,00")});
    const QString text = dok.text();
    EXPECT_TRUE(text.contains(QStringLiteral("Paušálna odmena:\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Vec: Vyúčtovanie znaleckého úkonu: 7/2024")));
    EXPECT_TRUE(text.contains(QStringLiteral("Znalec nie je platca DPH.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Nitra, dňa 2.4.2024")));
    EXPECT_TRUE(text.contains(QStringLiteral("Znalecký úkon prevzal dňa:")));
}

TEST_F(Doklady, ItemTablesAndTheTotalsBoxOfTheStatementEndAtOneEdge)
{
    for (bool platca : {true, false}) {
        PodkladyDokladu p = pausal100(platca, d(2024, 3, 5));
        p.vydavky << polozka(DruhVydavku::HotoveVydavky, QStringLiteral("Kópie"), 10, {2});
        p.zaznam.CestovneNahrady.SpoluNaklady = 30;
        QList<int> okraje;
        for (const RtfBlok& b : zostav(DruhDokladu::Vyuctovanie, p).telo) {
            const QString text = b.jeTabulka ? b.tabulka.riadky.first().bunky.first().text() : QString();
            if (text.startsWith(QStringLiteral("Položka")) || text.contains(QStringLiteral("celkom")))
                okraje << b.tabulka.riadky.first().lavyOkraj + b.tabulka.riadky.first().bunky.last().pravyOkraj;
        }
        ASSERT_EQ(okraje.size(), 4) << platca;
        for (int o : okraje)
            EXPECT_EQ(o, okraje.last()) << platca;
    }
}

TEST_F(Doklady, VatPayerTotalsFollowTheDateOfPerformance)
{
    struct Pripad {
        double vykonanie;
        QString zaklad, dph, spolu;
    };
    const Pripad pripady[] = {{d(2012, 6, 1), eur("100,00"), eur("20,00"), eur("120,00")},
                              {d(2010, 12, 31), eur("83,33"), eur("16,67"), eur("100,00")}};
    for (const Pripad& c : pripady) {
        const QList<QStringList> t = bezHlavicky(tabulky(zostav(DruhDokladu::Vyuctovanie, pausal100(true, c.vykonanie))));
        ASSERT_EQ(t.size(), 3);
        EXPECT_EQ(t[2], (QStringList{QStringLiteral("Znalečné celkom bez DPH: | ") + c.zaklad,
                                     QStringLiteral("DPH: 20% | ") + c.dph,
                                     QStringLiteral("Znalečné celkom s DPH: | ") + c.spolu}));
        EXPECT_EQ(t[1].last(), QStringLiteral("Spolu||||") + c.zaklad + QStringLiteral("||") + c.dph + u'|' + c.spolu);
    }
}

// Every kind is on the statement, which the court receives: its total is the invoice's.
TEST_F(Doklady, GroupsComeInTheirOrderListEveryKindAndSkipEmptyItems)
{
    PodkladyDokladu p = podklady(false, d(2024, 3, 5), 20);
    p.vydavky = {
        polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Tarifa"), 10, {2, 0}),
        polozka(DruhVydavku::VydavokSCenou, QStringLiteral("Kópie"), 1, {5}),
        polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Nula"), 0, {1}),
        polozka(DruhVydavku::ZmluvnaOdmena, QStringLiteral("Zmluva"), 50, {1}),
        polozka(DruhVydavku::StrataCasu, QStringLiteral("Strata"), 8, {1}),
    };
    p.zaznam.CestovneNahrady.SpoluNaklady = 30;
    const QList<QStringList> t = bezHlavicky(tabulky(zostav(DruhDokladu::Vyuctovanie, p)));
    ASSERT_EQ(t.size(), 7);
    EXPECT_TRUE(t[1][1].startsWith(QStringLiteral("Zmluva|")));
    EXPECT_EQ(t[2].size(), 3);  // the sub-item of quantity 0 has no row
    EXPECT_TRUE(t[2][1].startsWith(QStringLiteral("Tarifa|")));
    EXPECT_TRUE(t[3][1].startsWith(QStringLiteral("Kópie|")));
    EXPECT_TRUE(t[4][1].startsWith(QStringLiteral("Strata|")));
    EXPECT_EQ(t[5][1], QStringLiteral("Cestovné náklady| | | |") + eur("30,00"));
    EXPECT_EQ(t[6], QStringList{QStringLiteral("Znalečné celkom: | ") + eur("113,00")});

    const QList<QStringList> f = tabulky(zostav(DruhDokladu::Faktura, p));
    QStringList riadky;
    for (const QStringList& tab : f)
        if (tab.first().startsWith(QStringLiteral("Položka")))
            riadky = tab;
    ASSERT_EQ(riadky.size(), 7);
    EXPECT_TRUE(riadky[3].startsWith(QStringLiteral("Kópie|hod|1,00|5,00|")));
    EXPECT_TRUE(riadky[4].startsWith(QStringLiteral("Strata|hod|8,00|1,00|")));
    EXPECT_EQ(riadky.last(), QStringLiteral("Spolu| | | |") + eur("113,00"));
}

TEST_F(Doklady, UserTextsPrintAsTyped)
{
    const QString zly = QStringLiteral("Novák {\\b x} \\par }; ďalej");
    PodkladyDokladu p = pausal100(true, d(2024, 3, 5));
    p.polia.Meno = zly;
    p.polia.Adresa = zly;
    p.vydavky[0].Rozpis[0].Popis = zly;
    p.nastavenie.Mesto = zly;
    for (DruhDokladu druh : VsetkyDoklady()) {
        p.zaznam.CestovneNahrady.Meno = zly;
        EXPECT_TRUE(cely(zostav(druh, p)).contains(zly))
            << NazovDokladu(druh).toStdString();
    }
    const QList<QStringList> t = bezHlavicky(tabulky(zostav(DruhDokladu::Vyuctovanie, p)));
    EXPECT_EQ(t[1][1].section(u'|', 0, 0), zly);  // the ";" stays inside its cell
    EXPECT_EQ(t[1][1].count(u'|'), 7);
}

TEST_F(Doklady, InvoiceFillsEveryBookmarkOfItsTemplate)
{
    PodkladyDokladu p = pausal100(true, d(2024, 3, 5));
    p.polia.CisloObjednavky = QStringLiteral("OBJ-5");
    p.polia.VariabilnySymbol = QStringLiteral("72024");
    p.polia.SposobPlatby = QStringLiteral("prevodný príkaz");
    p.nastavenie.ICO = QStringLiteral("12345678");
    p.nastavenie.CisloUctu = QStringLiteral("2612345678");
    p.nastavenie.Banka = QStringLiteral("1100");
    const RtfDokument dok = zostav(DruhDokladu::Faktura, p);
    const QString vsetko = cely(dok);
    for (const QString& s : {QStringLiteral("7/2024\nČíslo objednávky: OBJ-5"), QStringLiteral("Ing. Ján Kováč"),
                             QStringLiteral("949 01 Nitra"), QStringLiteral("IČO: 12345678"),
                             QStringLiteral("2612345678/1100"), QStringLiteral("prevodný príkaz"),
                             QStringLiteral("72024"), QStringLiteral("20.3.2024"), QStringLiteral("5.3.2024"),
                             QStringLiteral("Znalec je platca DPH."), eur("120,00"), eur("20,00")})
        EXPECT_TRUE(vsetko.contains(s)) << s.toStdString();
    // The payment code with an account that gives an IBAN, and none for a payment in cash.
    p.nastavenie.CisloUctu = QStringLiteral("2612345674");
    EXPECT_TRUE(cely(zostav(DruhDokladu::Faktura, p)).contains(QStringLiteral("PAY by square")));
    p.polia.SposobPlatby = QStringLiteral("v hotovosti");
    EXPECT_FALSE(cely(zostav(DruhDokladu::Faktura, p)).contains(QStringLiteral("PAY by square")));
    // A value takes the format of its bookmark: the number is bold as in the template.
    bool tucne = false;
    for (const RtfBlok& b : dok.telo)
        for (const RtfRiadok& r : b.tabulka.riadky)
            for (const RtfBunka& c : r.bunky)
                for (const RtfOdsek& o : c.odseky)
                    for (const RtfBeh& beh : o.behy)
                        tucne = tucne || (beh.text == QStringLiteral("7/2024") && beh.format.tucne);
    EXPECT_TRUE(tucne);
}

TEST_F(Doklady, InvoiceLeavesOutTheLabelOfAnEmptyValue)
{
    PodkladyDokladu p = pausal100(false, d(2024, 3, 5));
    p.nastavenie.ICO = QStringLiteral("12345678");
    p.polia.ICO = QStringLiteral("00165000");
    // No account, no BIC, no tax numbers: only the lines with values.
    QString t = zostav(DruhDokladu::Faktura, p).text();
    for (const char* riadok : {"BIC:", "IBAN:", "Banka:", "Číslo účtu:", "DIČ:", "IČ DPH:"})
        EXPECT_FALSE(t.contains(QString::fromUtf8(riadok))) << riadok << "\n" << t.toStdString();
    EXPECT_EQ(t.count(QStringLiteral("IČO: ")), 2) << t.toStdString();
    p.nastavenie.CisloUctu = QStringLiteral("19-2000145399");
    p.nastavenie.Banka = QStringLiteral("0800");
    p.eFaktura.BIC = QStringLiteral("GIBASKBX");
    t = zostav(DruhDokladu::Faktura, p).text();
    for (const char* riadok : {"BIC: GIBASKBX", "IBAN: SK63 0800 0000 1920 0014 5399", "Číslo účtu: 19-2000145399/0800"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(riadok))) << riadok << "\n" << t.toStdString();
}

TEST_F(Doklady, ReceiptTakesTheBilledAmountAsIncludingVat)
{
    PodkladyDokladu p = podklady(true, d(2012, 6, 1), 20);
    p.zaznam.UctovanaOdmena = 100;
    p.zaznam.UctovaneVydavky = 20;
    const QString t = cely(zostav(DruhDokladu::PrijmovyDoklad, p));
    for (const QString& s : {eur("100,00"), eur("20,00"), eur("120,00"), QStringLiteral("20 %"),
                             QStringLiteral("stodvadsať eur"), QStringLiteral("úhrada znaleckého úkonu číslo: 7/2024"),
                             QStringLiteral("Okresný súd, Štúrova 9, Nitra")})
        EXPECT_TRUE(t.contains(s)) << s.toStdString();
    // A non-payer shows no VAT.
    p.nastavenie.PlatcaDPH = false;
    const QString bez = cely(zostav(DruhDokladu::PrijmovyDoklad, p));
    EXPECT_FALSE(bez.contains(eur("100,00")));
}

TEST_F(Doklady, TravelOrderWritesLegsAndDaysAsTables)
{
    PodkladyDokladu p = podklady(false, d(2024, 3, 5), 20);
    TCestovneNahrady& c = p.zaznam.CestovneNahrady;
    c.Meno = QStringLiteral("Ján Kováč");
    c.Spotreba = 6.5;
    c.CenaPHM = 1.659;
    c.nastavTextCesty(1, 0, QStringLiteral("Nitra 8:00"));
    c.nastavTextCesty(1, 1, QStringLiteral("Trnava"));
    c.nastavTextCesty(1, 2, QStringLiteral("obhliadka"));
    c.nastavTextCesty(1, 3, QStringLiteral("Nitra 14:00"));
    c.nastavTextCesty(2, 1, QStringLiteral("bez začiatku"));
    c.Datum1 = QStringLiteral("4.3.2024");
    c.Stravne1 = 7.8;
    c.SpoluNaklady = 55.2;
    const QString vsetko = cely(zostav(DruhDokladu::CestovnyPrikaz, p));
    const QStringList t = vsetko.split(u'\n');
    // Each row goes below the header row of its table in the template.
    EXPECT_TRUE(t.contains(QStringLiteral("Nitra 8:00 | Trnava | obhliadka | Nitra 14:00")));
    EXPECT_TRUE(t.contains(QStringLiteral("4.3.2024 | ") + eur("7,80") + QStringLiteral(" | ") + eur("0,00")
                           + QStringLiteral(" | ") + eur("0,00")));
    EXPECT_FALSE(vsetko.contains(QStringLiteral("bez začiatku")));
    EXPECT_TRUE(vsetko.contains(QStringLiteral("6,5 l/100 km")));
    EXPECT_TRUE(vsetko.contains(QStringLiteral("1,659") + QChar(0xA0) + QStringLiteral("€")));
    EXPECT_TRUE(vsetko.contains(eur("55,20")));
}

TEST_F(Doklady, EveryShippedTemplateCarriesItsBookmarks)
{
    struct Sablona {
        QString subor;
        QStringList zalozky;
    };
    QList<Sablona> sablony{{QStringLiteral("prijmovy_doklad.dot"), ZalozkyPrijmovehoDokladu()},
                           {QStringLiteral("cestovny_prikaz.dot"), ZalozkyCestovnehoPrikazu()}};
    for (qint32 druh : {Znalec, Tlmocnik, Prekladatel})
        for (bool platca : {true, false})
            sablony.append({QFileInfo(SablonaFaktury(druh, platca)).fileName(),
                            ZalozkyFaktury(platca) + QStringList{ZalozkaPlatobnehoKodu}});
    for (const Sablona& s : sablony) {
        const auto d = Dokument::zoSablony(Zostavy + s.subor);
        ASSERT_TRUE(d) << s.subor.toStdString();
        for (const QString& z : s.zalozky)
            EXPECT_TRUE(d->zalozky().contains(z)) << s.subor.toStdString() << " " << z.toStdString();
    }
}

TEST_F(Doklady, MissingTemplateIsReportedAndWritesNothing)
{
    QFile::remove(cesta(QStringLiteral("Zostavy/Faktura.dot")));
    EXPECT_FALSE(VytvorDoklad(DruhDokladu::Faktura, pausal100(false, d(2024, 3, 5)),
                              [](const QString&) { return VolbaDokladu::Vytvorit; }));
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Nedá sa nahrať šablóna ") + SablonaFaktury(Znalec, false)});
    EXPECT_FALSE(QFile::exists(PracovnySuborDokladu(DruhDokladu::Faktura)));
    EXPECT_TRUE(m_spravy.otvoreneSubory.isEmpty());
}

TEST_F(Doklady, ExistingDocumentIsOpenedRebuiltOrLeftByTheAnswer)
{
    const PodkladyDokladu p = pausal100(false, d(2024, 3, 5));
    const QString subor = PracovnySuborDokladu(DruhDokladu::Vyuctovanie);
    QStringList otazky;
    auto odpoved = [&](VolbaDokladu v) {
        return [&, v](const QString& nazov) {
            otazky << nazov;
            return v;
        };
    };
    EXPECT_EQ(ZnackyDokladov(), (QList<bool>{false, false, false, false}));
    ASSERT_TRUE(VytvorDoklad(DruhDokladu::Vyuctovanie, p, odpoved(VolbaDokladu::Storno)));
    EXPECT_TRUE(otazky.isEmpty());
    EXPECT_EQ(ZnackyDokladov(), (QList<bool>{true, false, false, false}));

    zapis(QStringLiteral("Tmp_doc/vyuctovanie.doc"), "{\\rtf1 stary}");
    EXPECT_FALSE(VytvorDoklad(DruhDokladu::Vyuctovanie, p, odpoved(VolbaDokladu::Storno)));
    EXPECT_TRUE(VytvorDoklad(DruhDokladu::Vyuctovanie, p, odpoved(VolbaDokladu::Otvorit)));
    EXPECT_EQ(obsah(QStringLiteral("Tmp_doc/vyuctovanie.doc")), QByteArray("{\\rtf1 stary}"));
    EXPECT_TRUE(VytvorDoklad(DruhDokladu::Vyuctovanie, p, odpoved(VolbaDokladu::Vytvorit)));
    EXPECT_TRUE(precitaj(obsah(QStringLiteral("Tmp_doc/vyuctovanie.doc"))).text().contains(QStringLiteral("Vec:")));
    EXPECT_EQ(otazky, QStringList(3, QStringLiteral("Vyúčtovanie")));
    EXPECT_EQ(m_spravy.otvoreneSubory, QStringList(3, subor));
}

TEST_F(Doklady, HeaderAndFooterComeFromTheSettingsUntilTheUserWritesHisOwn)
{
    PodkladyDokladu p = pausal100(false, d(2024, 3, 5));
    p.nastavenie.EC = QStringLiteral("912345");
    p.nastavenie.ICO = QStringLiteral("12345678");
    p.nastavenie.DIC = QStringLiteral("1020304050");
    p.nastavenie.CisloUctu = QStringLiteral("19-2000145399");
    p.nastavenie.Banka = QStringLiteral("0800");
    p.eFaktura.Telefon = QStringLiteral("0905 123 456");
    p.eFaktura.BIC = QStringLiteral("GIBASKBX");
    // The shipped files hold dotted placeholders: they are not the user's.
    const QString texty = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/ZnaleckyKevrot texty/");
    QDir().mkpath(cesta(QStringLiteral("ZnaleckyKevrot texty")));
    for (const char* s : {"hlavicka_vyuctovania.rtf", "pata_vyuctovania.rtf"})
        QFile::copy(texty + s, cesta(QStringLiteral("ZnaleckyKevrot texty/") + s));
    const auto text = [&] {
        const RtfDokument d = zostav(DruhDokladu::Vyuctovanie, p);
        return d.text() + RtfDokument::textBlokov(d.pata);
    };
    const QString t = text();
    EXPECT_FALSE(t.contains(QStringLiteral("číslo ....."))) << t.toStdString();
    EXPECT_FALSE(t.contains(QStringLiteral(": ........ •")));
    EXPECT_FALSE(t.contains(QStringLiteral("Titul Meno")));
    for (const char* cast : {"Ing. Ján Kováč", "evidenčné číslo 912345", "Hlavná 5, 949 01 Nitra • tel.: 0905 123 456",
                             "IBAN: SK63 0800 0000 1920 0014 5399, BIC: GIBASKBX • IČO: 12345678 • DIČ: 1020304050"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(cast))) << cast;
    // A header the user wrote is his.
    zapis(QStringLiteral("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"), "{\\rtf1 Moja hlavi\\'e8ka\\par}");
    EXPECT_TRUE(text().contains(QStringLiteral("Moja hlavička")));
    EXPECT_FALSE(text().contains(QStringLiteral("evidenčné číslo 912345")));
}

TEST_F(Doklady, TheIssueDateIsTheDayTheFirstDocumentWasMadeAndStaysForReprints)
{
    PodkladyDokladu p = pausal100(false, d(2024, 3, 5));
    p.datumVystavenia = 0;  // no document made yet: today
    const auto faktura = [&] {
        EXPECT_TRUE(VytvorDokladDo(DruhDokladu::Faktura, p, PracovnySuborDokladu(DruhDokladu::Faktura)));
        return tabulky(precitaj(obsah(QStringLiteral("Tmp_doc/faktura.doc"))));
    };
    const auto datumy = [](const QList<QStringList>& t) {
        for (const QStringList& tab : t)
            if (tab.first().startsWith(QStringLiteral("Dátum vystavenia:")))
                return tab;
        return QStringList();
    };
    const QStringList prve = datumy(faktura());
    ASSERT_EQ(prve.size(), 3);
    // Issued the day it was made, delivered on the date of performance.
    EXPECT_TRUE(prve[0].startsWith(QStringLiteral("Dátum vystavenia:|2.4.2024|"))) << prve[0].toStdString();
    EXPECT_TRUE(prve[1].startsWith(QStringLiteral("Dátum dodania:|5.3.2024|"))) << prve[1].toStdString();
    EXPECT_EQ(NacitajDatumVystavenia(), d(2024, 4, 2));
    // Made again a week later, and the billing statement too: the same issue date.
    p.dnes = d(2024, 4, 9);
    p.datumVystavenia = NacitajDatumVystavenia();
    EXPECT_EQ(datumy(faktura()), prve);
    EXPECT_TRUE(cely(zostav(DruhDokladu::Vyuctovanie, p)).contains(QStringLiteral("Nitra, dňa 2.4.2024")));
}

TEST_F(Doklady, GroupsWithoutAHeadingOfTheUsersTakeTheUsualOne)
{
    Nastavenia n;
    n.Nastavenie.Druh = Tlmocnik;
    PreddefinovaneTexty hlavicky;
    PodkladyDokladu p = PodkladyDokladov({}, {}, {}, n, hlavicky);
    EXPECT_EQ(p.hlavickyDruhov.value(DruhVydavku::PausalnaOdmena), QStringLiteral("Tlmočné"));
    EXPECT_EQ(p.hlavickyDruhov.value(DruhVydavku::HotoveVydavky), QStringLiteral("Náhrada výdavkov"));
    EXPECT_EQ(p.hlavickyDruhov.value(DruhVydavku::CestovneNahrady), QStringLiteral("Cestovné náhrady"));
    n.Nastavenie.Druh = Znalec;
    hlavicky.NastavHlavicky(QStringList(PreddefinovaneTexty::DruhyHlaviciek().size(), QStringLiteral("Moja")));
    p = PodkladyDokladov({}, {}, {}, n, PreddefinovaneTexty{});
    EXPECT_EQ(p.hlavickyDruhov.value(DruhVydavku::TarifnaOdmena), QStringLiteral("Znalečné"));
    p = PodkladyDokladov({}, {}, {}, n, hlavicky);
    EXPECT_EQ(p.hlavickyDruhov.value(DruhVydavku::TarifnaOdmena), QStringLiteral("Moja"));
}
