#include "KevrotPrikazy.h"

#include "RezimKopirovania.h"
#include "store/Spravy.h"
#include "store/Zurnal.h"

namespace KevrotPrikazy {

namespace {
bool platnaPozicia(const Zurnal& zurnal, int pozicia) { return pozicia >= 0 && pozicia < zurnal.ZaznamyKevrota.size(); }

// Tells the user why a save failed; true when it did not.
bool ohlasene(const Vysledok& v)
{
    if (!v && !v.dovod().isEmpty())
        spravy().chyba(v.dovod());
    return v.ok();
}
}  // namespace

UpravaZaznamu NovyZaznam(const Zurnal& zurnal, int rok, int splatnost)
{
    UpravaZaznamu u;
    u.novy = true;
    u.zaznam = TZnalKevrotZaznam::zObrazu(QByteArray(TZnalKevrotZaznam::VELKOST, '\0'));
    u.zaznam.TextyVytvorene = 1;
    u.zaznam.PoradoveCislo = zurnal.DalsieCislo();
    u.zaznam.Rok = rok;
    u.zaznam.DodaciePodmienky = QStringLiteral("neurčené");
    u.zaznam.SposobPlatby = QStringLiteral("neurčené");
    u.zaznam.Splatnost = splatnost;
    return u;
}

bool CisloObsadene(const QList<RiadokKevrota>& zaznamy, int cislo, int rok, int vlastnaPozicia)
{
    for (int i = 0; i < zaznamy.size(); ++i)
        if (i != vlastnaPozicia && zaznamy[i].PoradoveCislo == cislo && zaznamy[i].Rok == rok)
            return true;
    return false;
}

int PridajZaznam(Zurnal& zurnal, const UpravaZaznamu& uprava)
{
    TZnalKevrotZaznam z = uprava.zaznam;
    z.TextyVytvorene = 1;
    zurnal.VydavkyZaznamu = uprava.vydavky;
    zurnal.VyplateniaZaznamu = uprava.vyplatenia;
    zurnal.NastavVyplatenia(z);
    const bool ulozene = ohlasene(zurnal.UlozZaznam(z, -1));
    if (!ulozene)
        zurnal.ZaznamyKevrota.append(RiadokKevrota::zoZaznamu(z));
    zurnal.ZabudniUlozeneVyuctovania();
    zurnal.ZoradPodlaCisla();
    if (!ulozene)
        return -1;
    for (int i = 0; i < zurnal.ZaznamyKevrota.size(); ++i)
        if (zurnal.ZaznamyKevrota[i].PoradoveCislo == z.PoradoveCislo && zurnal.ZaznamyKevrota[i].Rok == z.Rok)
            return i;
    return -1;
}

bool UlozUpravu(Zurnal& zurnal, int pozicia, const UpravaZaznamu& uprava)
{
    if (!platnaPozicia(zurnal, pozicia))
        return false;
    const RiadokKevrota& r = zurnal.ZaznamyKevrota[pozicia];
    TZnalKevrotZaznam z = uprava.zaznam;
    // A new number or year makes a file of its own name, as a new entry does.
    if (r.PoradoveCislo != z.PoradoveCislo || r.Rok != z.Rok)
        z.Subor.clear();
    z.TextyVytvorene = 1;
    zurnal.VydavkyZaznamu = uprava.vydavky;
    zurnal.VyplateniaZaznamu = uprava.vyplatenia;
    zurnal.NastavVyplatenia(z);
    const bool ulozene = ohlasene(zurnal.UlozZaznam(z, pozicia));
    if (!ulozene)
        zurnal.ZaznamyKevrota[pozicia] = RiadokKevrota::zoZaznamu(z);
    // Rebuilt from the files when next asked for, so after the save: the list shows the edit.
    zurnal.ZabudniUlozeneVyuctovania();
    return ulozene;
}

bool VytvorKopiu(Zurnal& zurnal, int pozicia)
{
    if (!platnaPozicia(zurnal, pozicia))
        return false;
    const int rok = zurnal.ZaznamyKevrota[pozicia].Rok;
    if (!ohlasene(Zurnal::KopirujZaznam(zurnal.ZaznamyKevrota[pozicia], zurnal.DalsieCislo())))
        return false;
    zurnal.NacitajKevrot(rok);
    return true;
}

bool Zmaz(Zurnal& zurnal, int pozicia, int rokRegistra)
{
    if (!platnaPozicia(zurnal, pozicia))
        return false;
    if (!spravy().otazka(QString::fromUtf8(OtazkaZmazat)))
        return false;
    const RiadokKevrota& z = zurnal.ZaznamyKevrota[pozicia];
    const bool zmazane = zurnal.ZmazZaznam(z);
    zurnal.NacitajKevrot(rokRegistra);
    return zmazane;
}

bool VlozHodnotu(Zurnal& zurnal, const RezimKopirovania& kopirovanie, int pozicia, int stlpec)
{
    if (!platnaPozicia(zurnal, pozicia))
        return false;
    auto z = zurnal.CelyZaznam(pozicia);
    if (!z || !kopirovanie.Vloz(*z, stlpec))
        return false;
    if (ohlasene(zurnal.UlozHlavicku(*z, pozicia)))
        return true;
    zurnal.ZaznamyKevrota[pozicia] = RiadokKevrota::zoZaznamu(*z);
    return false;
}

}  // namespace KevrotPrikazy
