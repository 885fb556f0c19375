#include "editor/EFaktura.h"
#include "editor/KontrolaEFaktury.h"
#include "settings/NastaveniaEFaktury.h"

#include <QXmlStreamReader>

#include "EFakturaVzorky.h"
#include "common/TestAppDir.h"

namespace {

// The text of the first element `meno` inside an element `rodic`.
QString textPod(const QByteArray& xml, const QString& rodic, const QString& meno)
{
    QXmlStreamReader r(xml);
    bool vnutri = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == rodic)
            vnutri = true;
        else if (vnutri && r.isStartElement() && r.name() == meno)
            return r.readElementText();
    }
    return r.hasError() ? r.errorString() : QStringLiteral("<none>");
}

TEST(EFaktura, SuctyZaokruhlujuDPHRazZaKategoriuASadzbu)
{
    struct Pripad { QList<qint64> riadky; double sadzba; qint64 dph; };
    // 3 × 0.05 at 20 %: rounded per line would give 0.03, once per rate 0.03 vs 0.01 × 3.
    const Pripad pripady[] = {{{10000}, 20, 2000}, {{5, 5, 5}, 20, 3}, {{8298, 4517}, 23, 2947},
                              {{1}, 23, 0}, {{3}, 23, 1}, {{-8298}, 23, -1909}};
    for (const Pripad& p : pripady) {
        EFaktura f;
        for (qint64 c : p.riadky)
            f.Riadky << ERiadok{QStringLiteral("x"), QStringLiteral("C62"), 1, c, c, {QStringLiteral("S"), p.sadzba, {}}};
        const ESucty s = VypocitajSucty(f);
        ASSERT_EQ(s.Rozpis.size(), 1);
        EXPECT_EQ(s.DPH, p.dph) << p.riadky.first();
        EXPECT_EQ(s.NaUhradu, s.Riadky + p.dph);
    }
    EFaktura dve = VzorovaEFaktura();
    dve.Riadky[1].Dph.Sadzba = 20;
    EXPECT_EQ(VypocitajSucty(dve).Rozpis.size(), 2);
}

TEST(EFaktura, CentyATextSumy)
{
    EXPECT_EQ(NaCenty(0.1 + 0.2), 30);
    EXPECT_EQ(NaCenty(1.005), 101);
    EXPECT_EQ(NaCenty(-2.675), -268);
    EXPECT_EQ(CentyText(123450), QStringLiteral("1234.50"));
    EXPECT_EQ(CentyText(-5), QStringLiteral("-0.05"));
}

TEST(EFaktura, TextySaEscapujuAZnakySaNestratia)
{
    EFaktura f = VzorovaEFaktura();
    const QString meno = QStringLiteral("Súd <\"A&B\"> ‚Ω‘ 𝄞");
    f.Odberatel.Nazov = meno;
    const QByteArray xml = ZapisUbl(f);
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_EQ(textPod(xml, QStringLiteral("AccountingCustomerParty"), QStringLiteral("Name")), meno);
    EXPECT_TRUE(ChybyPeppol(xml).isEmpty()) << ChybyPeppol(xml).join('\n').toStdString();
}

TEST(EFaktura, KontrolaMenujeChybajuceUdajeAMiesto)
{
    EXPECT_TRUE(ChybyEFaktury(VzorovaEFaktura()).isEmpty()) << ChybyEFaktury(VzorovaEFaktura()).join('\n').toStdString();
    struct Pripad { std::function<void(EFaktura&)> pokaz; const char* text; };
    const Pripad pripady[] = {
        {[](EFaktura& f) { f.Dodavatel.ICO.clear(); }, "IČO znalca (pole „IČO:“) – doplňte v Nastaveniach"},
        {[](EFaktura& f) { f.Dodavatel.ICDPH.clear(); }, "IČ DPH znalca"},
        {[](EFaktura& f) { f.Dodavatel.PSC = QStringLiteral(" "); }, "PSČ znalca"},
        {[](EFaktura& f) { f.Odberatel.PSC.clear(); }, "Adresa objednávateľa musí obsahovať ulicu, PSČ a mesto"},
        {[](EFaktura& f) { f.Odberatel.DIC.clear(); }, "Chýba DIČ objednávateľa"},
        {[](EFaktura& f) { f.Splatnost = {}; }, "Dátum splatnosti:"},
        {[](EFaktura& f) { f.Riadky.clear(); }, "nemá žiadnu položku"},
        {[](EFaktura& f) { f.IBAN.clear(); }, "IBAN"},
        {[](EFaktura& f) { f.Dodavatel.EndpointId.clear(); }, "Nastavenia e-faktúry"},
        {[](EFaktura& f) { f.Riadky[0].Dph = {QStringLiteral("O"), 0, {}}; }, "dôvod, prečo sa DPH neuplatňuje"},
        {[](EFaktura& f) { f.Riadky[0].Nazov += QChar(7); }, "Položka „Štúdium spisu"},
        {[](EFaktura& f) { f.Dobropis = true; }, "pôvodnej faktúry"},
    };
    for (const Pripad& p : pripady) {
        EFaktura f = VzorovaEFaktura();
        p.pokaz(f);
        const QStringList ch = ChybyEFaktury(f);
        ASSERT_EQ(ch.size(), 1) << p.text << ": " << ch.join('\n').toStdString();
        EXPECT_TRUE(ch.first().contains(QString::fromUtf8(p.text))) << ch.first().toStdString();
    }
}

TEST(EFaktura, PeppolPravidlaNadEN16931)
{
    const QByteArray dobre = ZapisUbl(VzorovaEFaktura());
    ASSERT_TRUE(ChybyPeppol(dobre).isEmpty());
    struct Pripad { const char* z; const char* na; const char* text; };
    const Pripad pripady[] = {
        {"poacc:billing:3.0", "poacc:billing:2.0", "CustomizationID"},
        {"billing:01:1.0", "billing:02:1.0", "ProfileID"},
        {"schemeID=\"0245\">1020304050", "schemeID=\"9999\">1020304050", "neznáma schéma"},
        {"schemeID=\"0245\">2021000000", "schemeID=\"0245\">SK20210000", "nie je DIČ"},
        {"<cbc:BuyerReference>3T 45/2026</cbc:BuyerReference>", "", "BuyerReference"},
        {"</cbc:Note>", "</cbc:Note><cbc:Note>b</cbc:Note>", "jednu poznámku"},
        {"</cbc:ID>", "</cbc:ID><", "platné XML"},
    };
    for (const Pripad& p : pripady) {
        QByteArray xml = dobre;
        xml.replace(p.z, p.na);
        ASSERT_NE(xml, dobre) << p.z;
        const QStringList ch = ChybyPeppol(xml);
        ASSERT_EQ(ch.size(), 1) << p.text << ch.join('\n').toStdString();
        EXPECT_TRUE(ch.first().contains(QString::fromUtf8(p.text))) << ch.first().toStdString();
    }
}

TEST(EFaktura, IbanZoSlovenskehoUctu)
{
    EXPECT_EQ(IbanZUctu(QStringLiteral("19-8742637541"), QStringLiteral("1200")), QStringLiteral("SK3112000000198742637541"));
    EXPECT_EQ(IbanZUctu(QStringLiteral("sk31 1200 0000 1987 4263 7541"), {}), QStringLiteral("SK3112000000198742637541"));
    EXPECT_TRUE(PlatnyIban(IbanZUctu(QStringLiteral("2612345678"), QStringLiteral("0900"))));
    EXPECT_FALSE(PlatnyIban(QStringLiteral("SK3212000000198742637541")));
    EXPECT_EQ(IbanZUctu(QStringLiteral("12a45"), QStringLiteral("0900")), QString());
    EXPECT_EQ(IbanZUctu(QStringLiteral("2612345678"), QStringLiteral("")), QString());
}

class NastaveniaEFakturyTest : public TestAppDir {};

TEST_F(NastaveniaEFakturyTest, UlozeneSaPrecitajuAChybnyRiadokSaPreskoci)
{
    EXPECT_EQ(NacitajNastaveniaEFaktury(), NastaveniaEFaktury{});
    NastaveniaEFaktury n;
    n.IBAN = QStringLiteral("SK3112000000198742637541");
    n.EndpointId = QStringLiteral("1020304050");
    n.KategoriaNeplatcu = QStringLiteral("E");
    n.DovodNeplatcu = QStringLiteral("Oslobodené = §28\nďalej");
    ASSERT_TRUE(UlozNastaveniaEFaktury(n));
    n.DovodNeplatcu = QStringLiteral("Oslobodené = §28 ďalej");
    EXPECT_EQ(NacitajNastaveniaEFaktury(), n);
    const NastaveniaEFaktury zle = NastaveniaEFakturyZTextu("bez rovnitka\nKategoriaNeplatcu=X\n=y\nBIC=TATRSKBX");
    EXPECT_EQ(zle.KategoriaNeplatcu, QStringLiteral("O"));
    EXPECT_EQ(zle.BIC, QStringLiteral("TATRSKBX"));
}

}  // namespace
