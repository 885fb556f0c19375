#include "ObjednavkyPrikazy.h"

#include "store/Datum.h"
#include "KevrotPrikazy.h"
#include "orders/KorespondenciaObjednavky.h"
#include "store/Objednavky.h"
#include "store/Spravy.h"

#include <QFile>
#include <QSet>

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

TObjednavka NovaDoEditora(const Objednavky& objednavky)
{
    TObjednavka o = TObjednavka::zObrazu(QByteArray(TObjednavka::VELKOST, '\0'));
    o.DatumVyziadania = Dnes();
    o.CasZalozenia = Objednavky::NovaObjednavka().CasZalozenia;
    // A millisecond later while another order's letter would have the same name.
    QSet<QString> listy;
    for (const TObjednavka& ina : objednavky.ZoznamObjednavok)
        listy.insert(KorespondenciaObjednavky::SuborListuObjednavky(objednavky.Rok(), ina));
    while (objednavky.Rok() > 0 && listy.contains(KorespondenciaObjednavky::SuborListuObjednavky(objednavky.Rok(), o)))
        o.CasZalozenia += 1.0 / 86400000.0;
    return o;
}

bool Pridaj(Objednavky& objednavky, const TObjednavka& zEditora, int rok)
{
    TObjednavka o = Objednavky::NovaObjednavka();
    prevezmi(o, zEditora);
    if (zEditora.CasZalozenia > 0)
        o.CasZalozenia = zEditora.CasZalozenia;
    objednavky.ZoznamObjednavok.append(o);
    return ohlas(objednavky.UlozObjednavky(rok));
}

bool UlozUpravu(Objednavky& objednavky, int pozicia, const TObjednavka& zEditora, int rok)
{
    if (pozicia < 0 || pozicia >= objednavky.ZoznamObjednavok.size())
        return false;
    prevezmi(objednavky.ZoznamObjednavok[pozicia], zEditora);
    return ohlas(objednavky.UlozObjednavky(rok));
}

bool Zmaz(Objednavky& objednavky, int pozicia, int rok)
{
    if (pozicia < 0 || pozicia >= objednavky.ZoznamObjednavok.size())
        return false;
    // A stray click must not lose a record: asked as for a journal entry.
    if (!spravy().otazka(QString::fromUtf8(KevrotPrikazy::OtazkaZmazat)))
        return false;
    const QString list = KorespondenciaObjednavky::SuborListuObjednavky(rok, objednavky.ZoznamObjednavok[pozicia]);
    if (!objednavky.ZmazObjednavku(pozicia) || !ohlas(objednavky.UlozObjednavky(rok)))
        return false;
    for (const TObjednavka& ina : std::as_const(objednavky.ZoznamObjednavok))
        if (KorespondenciaObjednavky::SuborListuObjednavky(rok, ina) == list)
            return true;
    if (!list.isEmpty())
        QFile::remove(list);
    return true;
}

}  // namespace ObjednavkyPrikazy
