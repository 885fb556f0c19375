// The four documents saved as PDF by the program itself, read back with pdftotext.

#include "editor/DokladyZaznamu.h"
#include "editor/UlozenieEFaktury.h"
#include "store/Peniaze.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "../common/TestAppDir.h"
#include "EFakturaVzorky.h"
#include "PodkladyPomoc.h"

using namespace pomoc;

namespace {

const QString Zostavy = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/");

QString textPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

class DokladyPdf : public TestAppDir {
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
};

TEST_F(DokladyPdf, EachDocumentOfAPayerAndANonPayerPrintsItsTitleAndAmounts)
{
    struct Pripad {
        bool platca;
        qint32 druh;
        DruhDokladu doklad;
        QStringList texty;
    };
    const QList<Pripad> pripady = {
        {true, Znalec, DruhDokladu::Vyuctovanie, {"Vyúčtovanie znaleckého úkonu: 7/2024", "Štúdium spisu", "120,00 €"}},
        {true, Znalec, DruhDokladu::Faktura, {"FAKTÚRA – DAŇOVÝ DOKLAD", "Okresný súd", "24,00 €", "144,00 €"}},
        {true, Znalec, DruhDokladu::PrijmovyDoklad, {"PRÍJMOVÝ POKLADNIČNÝ DOKLAD", "144,00 €", "stoštyridsaťštyri eur"}},
        {true, Znalec, DruhDokladu::CestovnyPrikaz, {"CESTOVNÝ PRÍKAZ", "VYÚČTOVANIE PRACOVNEJ CESTY"}},
        {false, Tlmocnik, DruhDokladu::Vyuctovanie, {"Vyúčtovanie tlmočníckeho úkonu: 7/2024", "Tlmočník nie je platca DPH."}},
        {false, Tlmocnik, DruhDokladu::Faktura, {"FAKTÚRA", "Tlmočenie", "120,00 €"}},
    };
    for (const Pripad& c : pripady) {
        PodkladyDokladu p = podklady(c.platca, d(2024, 3, 5), 20, c.druh);
        p.vydavky = {polozka(1, c.druh == Znalec ? QStringLiteral("Štúdium spisu") : QStringLiteral("Tlmočenie"), 30, {2, 2})};
        p.zaznam.UctovanaOdmena = c.platca ? 144 : 120;
        const auto dokument = ZostavDoklad(c.doklad, p);
        ASSERT_TRUE(dokument.has_value());
        const QString pdf = cesta(QStringLiteral("doklad.pdf"));
        ASSERT_TRUE(UlozDoklad(*dokument, pdf));
        const QString text = textPdf(pdf);
        for (const QString& t : c.texty)
            EXPECT_TRUE(text.contains(QString(t).replace(QStringLiteral(" €"), QStringLiteral("\u00a0€"))) || text.contains(t))
                << SuborDokladu(c.doklad).toStdString() << ": " << t.toStdString() << "\n" << text.toStdString();
    }
}

TEST_F(DokladyPdf, AllDocumentsAreTheOnesTheEntryNeedsAsPdf)
{
    PodkladyDokladu p = podklady(false, d(2024, 3, 5), 20, Tlmocnik);
    p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Tlmočenie"), 1234.5, {1})};
    p.nastavenie.EC = QStringLiteral("912345");
    p.nastavenie.ICO = QStringLiteral("12345678");
    p.nastavenie.CisloUctu = QStringLiteral("19-2000145399");
    p.nastavenie.Banka = QStringLiteral("0800");
    p.eFaktura.BIC = QStringLiteral("GIBASKBX");
    const QString adresar = cesta(QStringLiteral("Tmp_doc"));
    VysledokVsetkych v = VytvorVsetkyDoklady(p, adresar);
    EXPECT_EQ(v.pdf, (QStringList{adresar + "/vyuctovanie.pdf", adresar + "/faktura.pdf"}));
    EXPECT_TRUE(v.eFaktura.isEmpty());  // a non-payer
    // The invoice read back: identity, account, the three dates, Slovak numbers, no placeholders.
    const QString faktura = textPdf(adresar + "/faktura.pdf");
    for (const char* cast : {"evidenčné číslo 912345", "IBAN: SK63 0800 0000 1920 0014 5399", "BIC: GIBASKBX",
                             "Dátum vystavenia: 2.4.2024", "Dátum dodania: 5.3.2024", "Dátum splatnosti: 20.3.2024",
                             "1 234,50"})
        EXPECT_TRUE(faktura.contains(QString::fromUtf8(cast)) || faktura.contains(QString::fromUtf8(cast).replace(u' ', QChar(0xA0))))
            << cast << "\n" << faktura.toStdString();
    EXPECT_FALSE(faktura.contains(QStringLiteral("číslo ....."))) << faktura.toStdString();
    // One "not a VAT payer" line, not two.
    EXPECT_EQ(faktura.count(QStringLiteral("nie je platca DPH")) + faktura.count(QStringLiteral("nie je platiteľom DPH")), 1);
    // Paid in cash and with travel: the receipt and the travel order too.
    p.polia.SposobPlatby = QStringLiteral("hotovosť");
    p.zaznam.CestovneNahrady.SpoluNaklady = 30;
    v = VytvorVsetkyDoklady(p, adresar);
    EXPECT_EQ(v.pdf.size(), 4);
    EXPECT_TRUE(v.chyby.isEmpty()) << v.chyby.join(u'\n').toStdString();
    for (const QString& pdf : v.pdf)
        EXPECT_TRUE(obsah(QFileInfo(pdf).fileName().prepend(QStringLiteral("Tmp_doc/"))).startsWith("%PDF"));
}

TEST_F(DokladyPdf, AllDocumentsArchiveTheEInvoiceOnlyAfterTheUserConfirmsWhatGoesOut)
{
    const QString adresar = cesta(QStringLiteral("Tmp_doc"));
    PodkladyDokladu p = VzorovePodklady(true, QDate(2027, 1, 10), 23);
    p.datumVystavenia = QDateNaDatum(QDate(2027, 1, 12));
    p.polia.DatumSplatnosti = QStringLiteral("26.1.2027");
    QString otazka;
    auto v = VytvorVsetkyDoklady(p, adresar, [&](const EFaktura& f) {
        otazka = UlozenieEFaktury::TextPotvrdenia(f);
        return false;
    });
    EXPECT_TRUE(v.eFaktura.isEmpty());
    EXPECT_FALSE(QFile::exists(adresar + "/efaktura.xml"));
    for (const char* cast : {"Odberateľ: ", "Príjemca platby: Ing. Ján Nový, IBAN SK", "na úhradu: 150,82",
                             "Variabilný symbol: ", "Dátum vystavenia: 12.1.2027, splatnosť: 26.1.2027"})
        EXPECT_TRUE(otazka.contains(QString::fromUtf8(cast))) << cast << "\n" << otazka.toStdString();
    v = VytvorVsetkyDoklady(p, adresar, [](const EFaktura&) { return true; });
    EXPECT_EQ(v.eFaktura, adresar + "/efaktura.xml");
    EXPECT_TRUE(obsah(QStringLiteral("Tmp_doc/efaktura.xml")).contains("<cbc:IssueDate>2027-01-12</cbc:IssueDate>"));
    EXPECT_TRUE(obsah(QStringLiteral("Tmp_doc/efaktura.xml")).contains("<cbc:TaxPointDate>2027-01-10</cbc:TaxPointDate>"));
}

TEST_F(DokladyPdf, TheTablesOfTheBillingStatementLineUp)
{
    PodkladyDokladu p = podklady(true, d(2024, 3, 5), 20, Tlmocnik);
    p.vydavky = {polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Tlmočenie"), 29.88, {2.5}),
                 polozka(DruhVydavku::HotoveVydavky, QStringLiteral("Preklad"), 10, {3})};
    p.vydavky[1].MJ = QStringLiteral("strana");
    p.zaznam.CestovneNahrady.SpoluNaklady = 30;
    const auto d = ZostavDoklad(DruhDokladu::Vyuctovanie, p);
    ASSERT_TRUE(d);
    const QString pdf = cesta(QStringLiteral("v.pdf"));
    ASSERT_TRUE(UlozDoklad(*d, pdf));
    QProcess pr;
    pr.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                           QStringLiteral("-")});
    ASSERT_TRUE(pr.waitForFinished(60000));
    const QStringList riadky = QString::fromUtf8(pr.readAllStandardOutput()).split(u'\n');
    // The amounts of the "Spolu" rows of the three tables (base, VAT, total) stand in the
    // same columns.
    QList<QList<qsizetype>> konce;
    for (const QString& r : riadky)
        if (r.trimmed().startsWith(QStringLiteral("Spolu"))) {
            QList<qsizetype> eura;
            for (qsizetype i = r.indexOf(u'€'); i >= 0; i = r.indexOf(u'€', i + 1))
                eura << i;
            konce << eura;
        }
    ASSERT_EQ(konce.size(), 3) << riadky.join(u'\n').toStdString();
    EXPECT_EQ(konce[0], konce[1]) << riadky.join(u'\n').toStdString();
    EXPECT_EQ(konce[1], konce[2]) << riadky.join(u'\n').toStdString();
    // "strana" stays whole in its column.
    EXPECT_TRUE(riadky.join(u'\n').contains(QStringLiteral("strana"))) << riadky.join(u'\n').toStdString();
}

TEST_F(DokladyPdf, NumbersOfAllDocumentsReadInTheSlovakForm)
{
    // A number with one decimal point, not part of a date ("5.3.2024").
    const QRegularExpression bodka(QStringLiteral("(?<![0-9.])[0-9]+\\.[0-9]+(?![0-9.])"));
    const QString adresar = cesta(QStringLiteral("Tmp_doc"));
    for (const auto& [platca, druh] : {std::pair{true, Znalec}, std::pair{false, Tlmocnik}}) {
        PodkladyDokladu p = podklady(platca, d(2024, 3, 5), 23, druh);
        p.vydavky = {polozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Úkon"), 29.88, {2.5}),
                     polozka(DruhVydavku::HotoveVydavky, QStringLiteral("Kópie"), 1234.5, {1})};
        p.polia.SposobPlatby = QStringLiteral("hotovosť");
        p.zaznam.CestovneNahrady.SpoluNaklady = 30.5;
        p.zaznam.UctovanaOdmena = 1500;
        const VysledokVsetkych v = VytvorVsetkyDoklady(p, adresar, [](const EFaktura&) { return false; });
        ASSERT_EQ(v.pdf.size(), 4) << v.chyby.join(u'\n').toStdString();
        for (const QString& pdf : v.pdf) {
            const QString text = textPdf(pdf);
            const QRegularExpressionMatch m = bodka.match(text);
            EXPECT_FALSE(m.hasMatch()) << pdf.toStdString() << ": " << m.captured().toStdString() << "\n" << text.toStdString();
        }
    }
}

}  // namespace
