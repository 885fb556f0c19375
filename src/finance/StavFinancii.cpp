#include "StavFinancii.h"

#include "store/Centy.h"
#include "store/Peniaze.h"
#include "store/Zurnal.h"

namespace {

bool vRozsahu(double datum, double od, double po) { return datum >= od && datum <= po; }

bool zaznamSaRata(const RiadokKevrota& z, VolbaFinancii volba, double od, double po)
{
    switch (volba) {
    case VolbaFinancii::Vsetky: return true;
    case VolbaFinancii::Osoba: return z.StatnyOrgan == 0;
    case VolbaFinancii::StatnyOrgan: return z.StatnyOrgan == 1;
    case VolbaFinancii::DatumVykonania: return vRozsahu(z.DatumVykonania, od, po);
    case VolbaFinancii::DatumVyplatenia:  // decided by the payments themselves
    case VolbaFinancii::Ziadna: return false;
    }
    return false;
}

}  // namespace

std::optional<SumyFinancii> PrepocitajFinancie(Zurnal& zurnal, VolbaFinancii volba, double od, double po)
{
    SumyFinancii s;
    if (volba == VolbaFinancii::Ziadna)
        return s;
    // In cents, each amount as the journal shows it, so the sums are the sums of the lines.
    Centy odmena = 0, vydavky = 0, vyplatene = 0, priznana = 0;
    const bool podlaPlatieb = volba == VolbaFinancii::DatumVyplatenia;
    // A copy: reading an entry must not disturb the list being walked.
    const QList<RiadokKevrota> zaznamy = zurnal.ZaznamyKevrota;
    for (const RiadokKevrota& z : zaznamy) {
        if (!podlaPlatieb && !zaznamSaRata(z, volba, od, po))
            continue;
        if (!zurnal.NacitajZaznam(z))
            return std::nullopt;
        bool maPlatbu = false;
        Centy platbyZaznamu = 0;
        for (const TVyplatenie& v : std::as_const(zurnal.VyplateniaZaznamu)) {
            maPlatbu = maPlatbu || vRozsahu(v.Datum, od, po);
            if (!podlaPlatieb || v.Datum <= po)
                platbyZaznamu += NaCenty(v.Suma);
        }
        if (podlaPlatieb && !maPlatbu)
            continue;
        vyplatene += platbyZaznamu;
        odmena += NaCenty(z.UctovanaOdmena);
        vydavky += NaCenty(z.UctovaneVydavky);
        priznana += NaCenty(z.PriznanaOdmena);
    }
    s.odmena = ZCentov(odmena);
    s.vydavky = ZCentov(vydavky);
    s.vyplatene = ZCentov(vyplatene);
    s.priznana = ZCentov(priznana);
    return s;
}

QStringList PopisyFinancii()
{
    return {QStringLiteral("Priznaná odmena:"), QStringLiteral("Výdavky celkové:"),
            QStringLiteral("Znalečné účtované:"), QStringLiteral("Znalečné vyplatené:"),
            QStringLiteral("Rozdiel:")};
}

QStringList RiadkyFinancii(const SumyFinancii& s)
{
    QStringList r;
    for (double v : {s.priznana, s.vydavky, s.uctovane(), s.vyplatene, s.rozdiel()})
        r << SumaTextSk(SymbolEuro, v);
    return r;
}

QString VyznamRozdielu(VolbaFinancii volba)
{
    if (volba == VolbaFinancii::DatumVyplatenia)
        return QStringLiteral("Rozdiel: koľko zo znalečného záznamov s platbou v období zostávalo nevyplatené "
                              "ku dňu „Dátum do“ (ich účtované znalečné mínus ich platby do toho dňa).");
    return QStringLiteral("Rozdiel: účtované znalečné vybraných záznamov mínus všetky ich platby.");
}
