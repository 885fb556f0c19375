// The Slovak rules on top of Peppol BIS 3.0: each rule catches the invoice that breaks it.

#include "editor/EFaktura.h"
#include "editor/PravidlaEFakturySK.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <functional>

#include "EFakturaVzorky.h"

namespace {

EFaktura dobropis()
{
    EFaktura f = VzorovaEFaktura();
    f.Dobropis = true;
    f.Cislo = QStringLiteral("D-12/2027");
    f.FakturaDobropisu = QStringLiteral("12/2027");
    f.DatumFakturyDobropisu = QDate(2027, 1, 15);
    return f;
}

}  // namespace

TEST(PravidlaEFakturySK, CompleteInvoicesOfAPayerANonPayerAndACreditNotePass)
{
    EXPECT_EQ(ChybyPravidielSK(ZapisUbl(VzorovaEFaktura())), QStringList());
    EXPECT_EQ(ChybyPravidielSK(ZapisUbl(VzorovaEFaktura(QStringLiteral("O")))), QStringList());
    EXPECT_EQ(ChybyPravidielSK(ZapisUbl(VzorovaEFaktura(QStringLiteral("E")))), QStringList());
    EXPECT_EQ(ChybyPravidielSK(ZapisUbl(dobropis())), QStringList());
}

TEST(PravidlaEFakturySK, EachRuleNamesWhatIsMissing)
{
    const struct {
        const char* kod;
        std::function<void(EFaktura&)> pokaz;
        bool dobropis = false;
    } pripady[] = {
        {"SK-R-001", [](EFaktura& f) { f.Dodanie = {}; }},
        {"SK-R-002", [](EFaktura& f) { f.Splatnost = {}; }},
        {"SK-R-003", [](EFaktura& f) { f.Dodavatel.ICO.clear(); }},
        {"SK-R-004", [](EFaktura& f) { f.Dodavatel.ICDPH.clear(); }},
        {"SK-R-005", [](EFaktura& f) { f.Dodavatel.PSC.clear(); }},
        {"SK-R-006", [](EFaktura& f) { f.Odberatel.Ulica.clear(); }},
        {"SK-R-009", [](EFaktura& f) {
             for (ERiadok& r : f.Riadky)
                 r.Dph = {QStringLiteral("E"), 0, {}};
         }},
        {"SK-R-010", [](EFaktura& f) { f.Dodavatel.PravneInfo = QStringLiteral("zapísaný v zozname znalcov"); }},
        {"SK-R-011", [](EFaktura& f) { f.FakturaDobropisu.clear(); }, true},
    };
    for (const auto& c : pripady) {
        EFaktura f = c.dobropis ? dobropis() : VzorovaEFaktura();
        c.pokaz(f);
        const QStringList ch = ChybyPravidielSK(ZapisUbl(f));
        ASSERT_FALSE(ch.isEmpty()) << c.kod;
        EXPECT_TRUE(ch.join(u'\n').contains(QLatin1String(c.kod))) << c.kod << ": " << ch.join(u'\n').toStdString();
    }
}

TEST(PravidlaEFakturySK, VatTotalAndRateOfAPayerAreRequired)
{
    const QString xml = QString::fromUtf8(ZapisUbl(VzorovaEFaktura()));
    // Without the VAT totals (BT-110) and without the rate in the breakdown (BT-119).
    QString bezDph = xml;
    bezDph.remove(QRegularExpression(QStringLiteral("<cac:TaxTotal>.*</cac:TaxTotal>"),
                                     QRegularExpression::DotMatchesEverythingOption));
    EXPECT_TRUE(ChybyPravidielSK(bezDph.toUtf8()).join(u' ').contains(QLatin1String("SK-R-007")));
    QString bezSadzby = xml;
    const qsizetype od = bezSadzby.indexOf(QLatin1String("<cac:TaxSubtotal>"));
    const qsizetype p = bezSadzby.indexOf(QLatin1String("<cbc:Percent>"), od);
    ASSERT_GT(od, 0);
    bezSadzby.remove(p, bezSadzby.indexOf(QLatin1String("</cbc:Percent>"), p) + 14 - p);
    EXPECT_TRUE(ChybyPravidielSK(bezSadzby.toUtf8()).join(u' ').contains(QLatin1String("SK-R-008")));
}
