#include "ZnalecneZaznamu.h"

#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/SkupinaZaznamu.h"
#include "store/DPH.h"

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
    u.polozky = vydavky.isEmpty() ? ciselnik.PredvyplnPolozky(u.skupina, datumVykonania, sadzbaDPH) : vydavky;
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
    const SuctyVydavkov s = u.Sucty();
    const TDPH odmena = RozpisDPH(u.datumVykonania, u.sadzbaDPH, s.odmena);
    const TDPH vydavkyDPH = RozpisDPH(u.datumVykonania, u.sadzbaDPH, s.vydavkyCelkom);
    UctovaneSumy r;
    r.odmena = u.platcaDPH ? odmena.Spolu : odmena.Vstup;
    r.odmenaText = u.platcaDPH ? odmena.SpoluText : odmena.VstupText;
    r.vydavky = u.platcaDPH ? vydavkyDPH.Spolu : vydavkyDPH.Vstup;
    r.vydavkyText = u.platcaDPH ? vydavkyDPH.SpoluText : vydavkyDPH.VstupText;
    z.UctovanaOdmena = r.odmena;
    z.UctovaneVydavky = r.vydavky;
    return r;
}
