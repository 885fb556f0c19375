#include "ObjednavkyTabulka.h"

#include "ZoradenieObjednavok.h"
#include "store/Datum.h"

namespace {

using O = TObjednavka;

const QList<ObjednavkyTabulka::Stlpec>& stlpceObjednavok()
{
    static const QList<ObjednavkyTabulka::Stlpec> s{
        {{QStringLiteral("Dátum vyžiadania"), 90},
         [](const O& o) { return o.DatumVyziadania != 0.0 ? DatumText(o.DatumVyziadania) : QString(); }},
        {{QStringLiteral("Zadávateľ"), 147, false, 1}, [](const O& o) { return o.Meno + QLatin1Char(' ') + o.Adresa; }},
        {{QStringLiteral("Spisová značka"), 96}, [](const O& o) { return o.Cislo; }},
        {{QStringLiteral("Druh úkonu"), 78}, [](const O& o) { return o.DruhUkonu; }},
        {{QStringLiteral("Typ posudku"), 127}, [](const O& o) { return o.TypPosudku; }},
        {{QStringLiteral("Predmet"), 152, false, 1}, [](const O& o) { return o.Predmet; }},
        {{QStringLiteral("Účel posudku"), 79}, [](const O& o) { return o.Ucel; }},
        {{QString(), 2}, nullptr},
    };
    return s;
}

}  // namespace

ObjednavkyTabulka::ObjednavkyTabulka(QList<TObjednavka>& zoznam, QObject* rodic)
    : TabulkaZoznamu(zoznam, stlpceObjednavok(), 9, &ZoradObjednavky, rodic)
{
    Obnov();
}

bool ObjednavkyTabulka::zobrazuje(int pozicia) const
{
    if (m_stav != Vsetky && zoznam()[pozicia].Stav != int(m_stav))
        return false;
    return TabulkaZoznamu::zobrazuje(pozicia);
}

void ObjednavkyTabulka::NastavStav(Stav stav)
{
    m_stav = stav;
    Obnov();
}
