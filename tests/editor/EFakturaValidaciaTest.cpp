#include "editor/EFaktura.h"
#include "editor/EFakturaZaznamu.h"
#include "editor/KontrolaEFaktury.h"

#include "EFakturaValidacia.h"
#include "EFakturaVzorky.h"

namespace {

// Every written case passes the EN 16931 rules and our Peppol checks; one validator run.
TEST(EFakturaValidacia, ZapisanePripadyPrejduPravidlamiEN16931)
{
    QMap<QString, QByteArray> s;
    NastaveniaEFaktury oslobodeny;
    oslobodeny.KategoriaNeplatcu = QStringLiteral("E");
    PodkladyDokladu tlmocnik = VzorovePodklady(false, QDate(2027, 2, 1), 0, 1);
    tlmocnik.zaznam.CestovneNahrady.SpoluNaklady = 45.17;
    PodkladyDokladu podiel = VzorovePodklady(true, QDate(2027, 2, 1), 23);
    TVydavok v = VzorovaPolozka(DruhVydavku::PodielovaOdmena, QStringLiteral("Podielová odmena"), QString(), 1000, {1, 3});
    v.Suma = 123.45;
    podiel.vydavky << v;
    podiel.zaznam.CestovneNahrady.SpoluNaklady = 61.8;
    const struct { const char* subor; PodkladyDokladu p; NastaveniaEFaktury n; bool dobropis; } zaznamy[] = {
        {"zaznam-platca20.xml", VzorovePodklady(true, QDate(2024, 6, 3), 20), {}, false},
        {"zaznam-platca23.xml", VzorovePodklady(true, QDate(2025, 1, 2), 23), {}, false},
        {"zaznam-neplatcaO.xml", VzorovePodklady(false, QDate(2027, 1, 5), 0), {}, false},
        {"zaznam-neplatcaE.xml", VzorovePodklady(false, QDate(2027, 1, 5), 0), oslobodeny, false},
        {"zaznam-tlmocnik.xml", tlmocnik, {}, false},
        {"zaznam-cestovne-podiel.xml", podiel, {}, false},
        {"zaznam-dobropis.xml", podiel, {}, true},
    };
    for (const auto& z : zaznamy) {
        const EFaktura f = EFakturaZaznamu(z.p, z.n, z.dobropis, QDate(2027, 3, 1));
        EXPECT_TRUE(ChybyEFaktury(f).isEmpty()) << z.subor << ChybyEFaktury(f).join('\n').toStdString();
        s[z.subor] = ZapisUbl(f);
        EXPECT_TRUE(ChybyPeppol(s[z.subor]).isEmpty()) << z.subor;
    }
    EXPECT_VALIDNE(s);
}

}  // namespace
