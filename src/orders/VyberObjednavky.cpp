#include "VyberObjednavky.h"

#include "store/Datum.h"
#include "store/Objednavky.h"

QList<TObjednavka> ObjednavkyNaVyber(int rok)
{
    Objednavky objednavky;
    objednavky.NacitajObjednavky(rok);
    return objednavky.ZoznamObjednavok;
}

QStringList RiadokVyberu(const TObjednavka& o)
{
    return {o.DatumVyziadania == 0 ? QString() : DatumText(o.DatumVyziadania),
            o.Meno + QLatin1Char(' ') + o.Adresa,
            o.Cislo,
            o.DruhUkonu,
            o.TypPosudku,
            o.Poznamka,
            o.Podklad,
            o.Predmet,
            o.Ucel};
}

bool JeRozpracovana(const TObjednavka& o) { return o.Stav == Rozpracovane || o.Stav == Vypracovane; }
