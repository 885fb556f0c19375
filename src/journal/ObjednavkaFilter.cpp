#include "ObjednavkaFilter.h"

#include "store/Datum.h"
#include "store/Objednavka.h"

QString TObjednavkaFilter::ObnovTextAStlpce()
{
    TextFiltra t;
    if (DatumVyziadania != 0.0)
        t.pridaj(QStringLiteral("Dátum vyžiadania: ") + DatumText(DatumVyziadania), 1);
    if (!Zadavatel.isEmpty())
        t.pridaj(QStringLiteral("Zadávateľ: ") + Zadavatel, 2);
    if (!SpisovaZnacka.isEmpty())
        t.pridaj(QStringLiteral("Spisová značka: ") + SpisovaZnacka, 3);
    if (!Predmet.isEmpty())
        t.pridaj(QStringLiteral("Predmet: ") + Predmet, 6);
    if (!Ucel.isEmpty())
        t.pridaj(QStringLiteral("Účel: ") + Ucel, 7);
    return prevezmi(t);
}

void TObjednavkaFilter::Vycisti() { *this = TObjednavkaFilter{}; }

bool TObjednavkaFilter::Vyhovuje(const TObjednavka& o) const
{
    if (!Aktivny)
        return true;
    return (DatumVyziadania == 0.0 || o.DatumVyziadania == DatumVyziadania) && ObsahujeCast(o.Meno, Zadavatel) &&
           ObsahujeCast(o.Cislo, SpisovaZnacka) && ObsahujeCast(o.Predmet, Predmet) && ObsahujeCast(o.Ucel, Ucel);
}
