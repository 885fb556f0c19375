#include "HodnotyFaktury.h"

#include "settings/Banky.h"
#include "settings/TextyZnalca.h"
#include "store/Datum.h"

QList<RiadokPolozky> RiadkyFaktury(const PodkladyDokladu& p)
{
    using namespace DruhVydavku;
    QList<RiadokPolozky> riadky;
    for (const TVydavok& v : p.vydavky) {
        if (v.Druh == TarifnaOdmena || v.Druh == PausalnaOdmena || v.Druh == ZmluvnaOdmena)
            for (RiadokPolozky r : RiadkyRozpisu(v)) {
                // The act as the code list names it, its rate, then the note.
                r.Polozka = NazovRiadkuFaktury(v, r.Popis);
                riadky += r;
            }
        else if (v.Druh == PodielovaOdmena)
            riadky += RiadkyPodielovej(v, p.sadzbaPozemky);
    }
    for (const TVydavok& v : p.vydavky)
        if (jeVydavok(v.Druh))
            riadky += RiadokCelejPolozky(v);
    const double cestovne = p.zaznam.CestovneNahrady.SpoluNaklady;
    if (cestovne > 0)
        riadky.append(RiadokCestovneho(cestovne));
    return riadky;
}

HodnotyFaktury VypocitajHodnotyFaktury(const PodkladyDokladu& p)
{
    const TNastavenia& n = p.nastavenie;
    const PoliaZaznamu& f = p.polia;
    HodnotyFaktury h;
    h.CisloZaznamu = f.Cislo;
    h.Rok = f.Rok;
    h.Cislo = f.Cislo + u'/' + f.Rok;
    h.TypCisla = TextTypuCisla(f.TypCisla);
    h.CisloObjednavky = f.CisloObjednavky;
    h.DatumVystavenia = p.datumVystavenia > 0 ? DatumText(p.datumVystavenia) : f.DatumVykonania;
    h.DatumDodania = f.DatumVykonania;
    h.DatumSplatnosti = f.DatumSplatnosti;
    h.Vykonanie = p.datumVykonania;
    h.Splatnost = TextNaDatum(f.DatumSplatnosti);
    h.KonstantnySymbol = f.KonstantnySymbol;
    h.VariabilnySymbol = f.VariabilnySymbol;
    h.SposobPlatby = f.SposobPlatby;

    h.Druh = n.Druh;
    h.PlatcaDPH = n.PlatcaDPH;
    h.SadzbaDPH = p.sadzbaDPH;

    h.Dodavatel = {MenoZnalca(n), n.Adresa, n.PSC, n.Mesto, n.ICO, n.DIC, n.ICDPH};
    h.AdresaZnalca = AdresaZnalca(n);
    h.KodBanky = n.Banka;
    h.NazovBanky = NazovBanky(n.Banka);
    h.CisloUctu = n.CisloUctu;
    h.BankoveSpojenie = BankoveSpojenie(n);
    h.Vystavil = h.Dodavatel.Meno;
    h.TextPlatcuDPH = TextPlatcuDPH(n.Druh, n.PlatcaDPH);

    h.Odberatel = {f.Meno, f.Adresa, QString(), QString(), f.ICO, f.DIC, f.ICDPH};

    h.Riadky = RiadkyFaktury(p);
    h.Rozpis = RozpisDokladu(h.Riadky, h.PlatcaDPH, h.Vykonanie, h.SadzbaDPH);
    h.Spolu = ZCentov(h.Rozpis.spolu() - (h.Rozpis.sposob() == RozpisSumy::Sposob::DPHNavyse ? h.Rozpis.dph() : 0));
    h.Dph = {ZCentov(h.Rozpis.zaklad()), ZCentov(h.Rozpis.dph()), ZCentov(h.Rozpis.spolu())};
    h.RozpisSpolu = TextyDPH(h.Rozpis.sucet(), h.Rozpis);
    return h;
}
