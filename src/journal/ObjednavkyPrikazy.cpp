#include "ObjednavkyPrikazy.h"

#include "store/Datum.h"
#include "KevrotPrikazy.h"
#include "store/Objednavky.h"
#include "store/Spravy.h"

namespace ObjednavkyPrikazy {

namespace {
void prevezmi(TObjednavka& ciel, const TObjednavka& z)
{
    ciel.Meno = z.Meno;
    ciel.Adresa = z.Adresa;
    ciel.StatnyOrgan = z.StatnyOrgan;
    ciel.Cislo = z.Cislo;
    ciel.TypCisla = z.TypCisla;
    ciel.DruhUkonu = z.DruhUkonu;
    ciel.TypPosudku = z.TypPosudku;
    ciel.DatumVyziadania = z.DatumVyziadania;
    ciel.Poznamka = z.Poznamka;
    ciel.Predmet = z.Predmet;
    ciel.Ucel = z.Ucel;
}
}  // namespace

TObjednavka NovaDoEditora()
{
    TObjednavka o = TObjednavka::zObrazu(QByteArray(TObjednavka::VELKOST, '\0'));
    o.DatumVyziadania = Dnes();
    return o;
}

bool Pridaj(Objednavky& objednavky, const TObjednavka& zEditora, int rok)
{
    TObjednavka o = Objednavky::NovaObjednavka();
    prevezmi(o, zEditora);
    objednavky.ZoznamObjednavok.append(o);
    return objednavky.UlozObjednavky(rok);
}

bool UlozUpravu(Objednavky& objednavky, int pozicia, const TObjednavka& zEditora, int rok)
{
    if (pozicia < 0 || pozicia >= objednavky.ZoznamObjednavok.size())
        return false;
    prevezmi(objednavky.ZoznamObjednavok[pozicia], zEditora);
    return objednavky.UlozObjednavky(rok);
}

bool Zmaz(Objednavky& objednavky, int pozicia, int rok)
{
    if (pozicia < 0 || pozicia >= objednavky.ZoznamObjednavok.size())
        return false;
    // A stray click must not lose a record: asked as for a journal entry.
    if (!spravy().otazka(QString::fromUtf8(KevrotPrikazy::OtazkaZmazat)))
        return false;
    if (!objednavky.ZmazObjednavku(pozicia))
        return false;
    return objednavky.UlozObjednavky(rok);
}

}  // namespace ObjednavkyPrikazy
