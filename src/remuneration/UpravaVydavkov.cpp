#include "UpravaVydavkov.h"

#include "VstupVydavkov.h"
#include "store/Cisla.h"
#include "store/DPH.h"
#include "store/Peniaze.h"

namespace {

using namespace DruhVydavku;

QString popisRiadku(const TVydavok& v) { return v.Rozpis.size() == 1 ? v.Rozpis[0].Popis : QStringLiteral("---"); }

bool pocetUpravitelny(ZalozkaVydavkov z)
{
    return z == ZalozkaVydavkov::Pausalna || z == ZalozkaVydavkov::PausalneVydavky || z == ZalozkaVydavkov::Hotove;
}

bool cenaUpravitelna(ZalozkaVydavkov z, qint32 druh)
{
    return druh == VydavokSCenou || (druh == HotoveVydavky && z == ZalozkaVydavkov::Hotove);
}

bool jeZnalec(qint32 skupina) { return skupina != 6 && skupina != 7; }

}  // namespace

bool ZalozkaUkazuje(ZalozkaVydavkov z, qint32 druh)
{
    switch (z) {
    case ZalozkaVydavkov::Pausalna: return druh == PausalnaOdmena;
    case ZalozkaVydavkov::Zmluvna: return druh == ZmluvnaOdmena;
    case ZalozkaVydavkov::Tarifna: return druh == TarifnaOdmena;
    case ZalozkaVydavkov::Podielova: return druh == PodielovaOdmena;
    case ZalozkaVydavkov::PausalneVydavky: return druh >= VydavokSCenou && druh <= StrataCasu;
    case ZalozkaVydavkov::Hotove: return druh == HotoveVydavky;
    }
    return false;
}

std::optional<ZalozkaVydavkov> ZalozkaDruhu(qint32 druh)
{
    for (int i = 0; i < PocetZaloziekVydavkov; ++i)
        if (ZalozkaUkazuje(ZalozkaVydavkov(i), druh))
            return ZalozkaVydavkov(i);
    return std::nullopt;
}

QString NazovZalozky(ZalozkaVydavkov z)
{
    switch (z) {
    case ZalozkaVydavkov::Pausalna: return QStringLiteral("Paušálna odmena");
    case ZalozkaVydavkov::Zmluvna: return QStringLiteral("Zmluvná odmena");
    case ZalozkaVydavkov::Tarifna: return QStringLiteral("Tarifná odmena");
    case ZalozkaVydavkov::Podielova: return QStringLiteral("Podielová odmena");
    case ZalozkaVydavkov::PausalneVydavky: return QStringLiteral("Paušálne výdavky");
    case ZalozkaVydavkov::Hotove: return QStringLiteral("Hotové výdavky");
    }
    return {};
}

void UpravaVydavkov::PrepocitajZobrazene()
{
    for (TVydavok& v : polozky)
        if (ZalozkaDruhu(v.Druh))
            PrepocitajSumu(v);
}

QString UpravaVydavkov::TextBunky(int index, int stlpec) const
{
    if (index < 0 || index >= polozky.size())
        return {};
    const TVydavok& v = polozky[index];
    switch (stlpec) {
    case StlpecVydavku::Polozka: return v.Nazov;
    case StlpecVydavku::MJ: return v.MJ;
    case StlpecVydavku::Cena: return SumaText(SymbolEuro, v.Cena);
    case StlpecVydavku::Pocet: return v.Druh == PodielovaOdmena ? QStringLiteral("1") : CisloText(v.SucetPoctov(), 2);
    case StlpecVydavku::Suma: return SumaText(SymbolEuro, v.Suma);
    case StlpecVydavku::Popis: return popisRiadku(v);
    default: return {};
    }
}

void UpravaVydavkov::PrepocitajVsetko()
{
    for (TVydavok& v : polozky)
        PrepocitajSumu(v);
}

bool UpravaVydavkov::JeBunkaUpravitelna(ZalozkaVydavkov z, int index, int stlpec) const
{
    if (index < 0 || index >= polozky.size())
        return false;
    const TVydavok& v = polozky[index];
    const bool jedenRozpis = v.Rozpis.size() == 1;
    if (v.Rozpis.size() >= 2 || z == ZalozkaVydavkov::Tarifna)
        return false;
    if (z == ZalozkaVydavkov::Podielova && stlpec != StlpecVydavku::Popis)
        return false;
    switch (stlpec) {
    case StlpecVydavku::MJ:
    case StlpecVydavku::Cena: return cenaUpravitelna(z, v.Druh);
    case StlpecVydavku::Pocet: return jedenRozpis && pocetUpravitelny(z);
    case StlpecVydavku::Popis: return jedenRozpis;
    default: return false;
    }
}

VysledokBunky UpravaVydavkov::UpravBunku(ZalozkaVydavkov z, int index, int stlpec, const QString& text)
{
    if (!JeBunkaUpravitelna(z, index, stlpec))
        return VysledokBunky::StaryText;
    // Past the check: an editable count, unit or description has exactly one sub-item.
    TVydavok& v = polozky[index];
    const bool jedenRozpis = v.Rozpis.size() == 1;
    switch (stlpec) {
    case StlpecVydavku::MJ:
        v.MJ = text.left(10);
        return VysledokBunky::Prevzate;
    case StlpecVydavku::Cena: {
        const auto c = VstupVydavkov::Cislo(text);
        if (!c)
            return VysledokBunky::Ponechat;
        v.Cena = *c;
        if (jedenRozpis)
            PrepocitajSumu(v);
        else
            v.Suma = 0;
        return VysledokBunky::Prevzate;
    }
    case StlpecVydavku::Pocet: {
        // A count is never negative.
        const auto p = VstupVydavkov::Cislo(text);
        if (!p || *p < 0)
            return VysledokBunky::Vyprazdnit;
        v.Rozpis[0].Pocet = *p;
        ZaokruhliZacateJednotky(v);
        PrepocitajSumu(v);
        return VysledokBunky::Prevzate;
    }
    case StlpecVydavku::Popis:
        v.Rozpis[0].Popis = text.left(200);
        return VysledokBunky::Prevzate;
    default:
        return VysledokBunky::StaryText;
    }
}

SuctyVydavkov UpravaVydavkov::Sucty() const { return SpocitajSucty(polozky, cesta.SpoluNaklady); }

QList<QPair<QString, QString>> UpravaVydavkov::TextySuctov() const
{
    const SuctyVydavkov s = Sucty();
    auto t = [this](double x) { return SumaSDPHText(platcaDPH, datumVykonania, sadzbaDPH, x); };
    // The two totals as the entry bills them: the bill's VAT split between them.
    const UctovaneCenty u = SpocitajUctovane(polozky, cesta.SpoluNaklady, platcaDPH, datumVykonania, sadzbaDPH);
    auto celkom = [&](double zaklad, Centy sDPH) {
        if (u.rozpis.sposob() != RozpisSumy::Sposob::DPHNavyse || !(zaklad > 0))
            return SumaTextSk(SymbolEuro, zaklad);
        return SumaText(SymbolEuro, zaklad) + QStringLiteral(" (") + SumaTextSk(SymbolEuro, ZCentov(sDPH))
               + QStringLiteral(" s DPH)");
    };
    return {{QStringLiteral("Tarifná odmena:"), t(s.tarifna)},
            {QStringLiteral("Paušálna odmena:"), t(s.pausalna)},
            {QStringLiteral("Zmluvná odmena:"), t(s.zmluvna)},
            {QStringLiteral("Výdavky:"), t(s.vydavky)},
            {QStringLiteral("Cestovné náhrady:"), t(s.cestovne)},
            {QStringLiteral("Náhrada za stratu času:"), t(s.strataCasu)},
            {QStringLiteral("Celková odmena:"), celkom(s.odmena, u.odmena)},
            {QStringLiteral("Celkové výdavky:"), celkom(s.vydavkyCelkom, u.vydavky)}};
}

void UpravaVydavkov::Uloz(int index, TVydavok v)
{
    v.PocetRozpisov = v.Rozpis.size();
    PrepocitajSumu(v);
    if (index >= 0 && index < polozky.size())
        polozky[index] = v;
    else
        polozky.append(v);
}

void UpravaVydavkov::UlozPausalne(int index, const QString& nazov, const QString& mj, double cena,
                                  const QList<TRozpisPolozky>& rozpis)
{
    const bool novy = index < 0 || index >= polozky.size();
    TVydavok v = novy ? TVydavok{} : polozky[index];
    if (novy)
        v.Druh = PausalneVydavky;
    v.Nazov = nazov.left(200);
    v.MJ = mj.left(10);
    v.Cena = v.ZakladnaCena = cena;
    v.Skupina = skupina;
    v.Rozpis = rozpis;
    Uloz(novy ? -1 : index, v);
}

void UpravaVydavkov::NahradRozpis(int index, const QList<TRozpisPolozky>& rozpis)
{
    if (index < 0 || index >= polozky.size())
        return;
    TVydavok v = polozky[index];
    v.Rozpis = rozpis;
    Uloz(index, v);
}

void UpravaVydavkov::Zmaz(int index)
{
    if (index >= 0 && index < polozky.size())
        polozky.removeAt(index);
}

void UpravaVydavkov::NacitajVzor(const TCiselnikVydavok& vzor)
{
    polozky.clear();
    for (const TCiselnikVydavokItem& p : vzor.Polozky) {
        TVydavok v = p;
        v.PocetRozpisov = v.Rozpis.size();
        polozky.append(v);
    }
    cesta = vzor.CestovneNahrady;
    PrepocitajVsetko();
}

QString UpravaVydavkov::Titulok() const
{
    return jeZnalec(skupina) ? QStringLiteral("Znalečné výdavky") : QStringLiteral("Tlmočné výdavky");
}

QString UpravaVydavkov::TextZaradenia() const
{
    return jeZnalec(skupina) ? QStringLiteral("vložiť znalečné do zoznamu uložených vyúčtovaní")
                             : QStringLiteral("vložiť tlmočné do zoznamu uložených vyúčtovaní");
}

QString UpravaVydavkov::TextMena() const
{
    return skupina == 6   ? QStringLiteral("Priezvisko, meno, titul tlmočníka:")
           : skupina == 7 ? QStringLiteral("Priezvisko, meno, titul prekladateľa:")
                          : QStringLiteral("Priezvisko, meno, titul znalca:");
}

QString UpravaVydavkov::TextBydliska() const
{
    return skupina == 6   ? QStringLiteral("Bydlisko tlmočníka:")
           : skupina == 7 ? QStringLiteral("Bydlisko prekladateľa:")
                          : QStringLiteral("Bydlisko znalca:");
}

QString TextVzoru(const TCiselnikVydavok& v)
{
    return v.Nazov + QStringLiteral(" - odmena: ") + SumaText(SymbolEuro, v.Odmena) + QStringLiteral(", výdavky: ") +
           SumaText(SymbolEuro, v.Vydavky);
}

QList<RiadokVzoru> RiadkyVzoru(const TCiselnikVydavok& v)
{
    QList<RiadokVzoru> riadky;
    for (int i = 0; i < v.Polozky.size(); ++i) {
        const TCiselnikVydavokItem& p = v.Polozky[i];
        if (!(p.Suma > 0))
            continue;
        riadky.append({i, true, p.Nazov, QStringLiteral("Cena: ") + SumaText(SymbolEuro, p.Suma)});
        if (!p.Rozbalene)
            continue;
        for (const TRozpisPolozky& r : p.Rozpis)
            riadky.append({i, false, r.Popis, QStringLiteral("Počet: ") + KratkeCislo(r.Pocet)});
    }
    return riadky;
}
