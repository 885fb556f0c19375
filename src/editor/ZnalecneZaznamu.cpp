#include "ZnalecneZaznamu.h"

#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/SkupinaZaznamu.h"
#include "remuneration/VypoctyVydavkov.h"
#include "store/Cisla.h"
#include "store/Peniaze.h"
#include "store/SadzbyDPH.h"
#include "store/SadzbyNahrad.h"

QString ChybaPredZnalecnym(int druhZnalca, const PoliaZaznamu& p, double datumVykonania)
{
    const bool znalec = druhZnalca != 1 && druhZnalca != 2;
    if (znalec && (p.KodOdboru.isEmpty() || p.KodOdvetvia.isEmpty()))
        return QStringLiteral("Nie je zadaný odbor a odvetvie.");
    if (!znalec && p.KodJazyka.isEmpty())
        return QStringLiteral("Nie je zadaný jazyk.");
    if (datumVykonania == 0)
        return QStringLiteral("Nie je zadaný dátum vykonania.\nJe nutný pre určenie spôsobu výpočtu DPH.");
    return {};
}

UpravaVydavkov PripravVydavky(const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky, int druhZnalca,
                              const PoliaZaznamu& p, double datumVykonania, double sadzbaDPH, bool platcaDPH,
                              const CiselnikPoloziek& ciselnik)
{
    UpravaVydavkov u;
    u.skupina = SkupinaZaznamu(druhZnalca, p.KodOdboru, p.KodOdvetvia);
    u.podielova = ZobrazitPodielovuOdmenu(druhZnalca);
    u.datumVykonania = datumVykonania;
    u.sadzbaDPH = sadzbaDPH;
    u.platcaDPH = platcaDPH;
    u.polozky = vydavky;
    if (vydavky.isEmpty()) {
        u.polozky = ciselnik.PredvyplnPolozky(u.skupina);
        SadzbyPredvyplnenych(u.polozky, sadzbyNahrad(), datumVykonania);
    }
    u.cesta = z.CestovneNahrady;
    u.doZoznamu = p.DoZoznamuVyuctovani;
    return u;
}

UctovaneSumy PrevezmiVydavky(const UpravaVydavkov& u, TZnalKevrotZaznam& z, QList<TVydavok>& vydavky)
{
    vydavky = u.polozky;
    for (TVydavok& v : vydavky)
        v.PocetRozpisov = v.Rozpis.size();
    z.CestovneNahrady = u.cesta;
    z.DoZoznamuVyuctovani = u.doZoznamu;
    return PrepocitajUctovane(z, vydavky, u.platcaDPH, u.datumVykonania, u.sadzbaDPH);
}

UctovaneSumy PrepocitajUctovane(TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky, bool platcaDPH,
                                double datumVykonania, double sadzbaDPH)
{
    const UctovaneCenty c =
        SpocitajUctovane(vydavky, z.CestovneNahrady.SpoluNaklady, platcaDPH, datumVykonania, sadzbaDPH);
    UctovaneSumy r;
    r.odmena = ZCentov(c.odmena);
    r.vydavky = ZCentov(c.vydavky);
    r.odmenaText = SumaTextSk(SymbolEuro, r.odmena);
    r.vydavkyText = SumaTextSk(SymbolEuro, r.vydavky);
    z.UctovanaOdmena = r.odmena;
    z.UctovaneVydavky = r.vydavky;
    return r;
}

double SadzbaZaznamu(bool platcaDPH, double datumVykonania, double dnes, double predvolena)
{
    if (!platcaDPH)
        return 0;
    return SadzbaDPHKDatumu(datumVykonania != 0 ? datumVykonania : dnes, predvolena);
}

QString TextOdlisnejSadzby(bool platcaDPH, double sadzba, double datumVykonania, double dnes)
{
    if (!platcaDPH)
        return {};
    const auto zakonna = sadzbyDPH().KDatumu(datumVykonania != 0 ? datumVykonania : dnes);
    if (!zakonna || NaCenty(*zakonna) == NaCenty(sadzba))
        return {};
    return QStringLiteral("iná ako zákonná sadzba ") + KratkeCislo(*zakonna) + QStringLiteral(" %");
}
