#include "ObjednavkaFilter.h"

#include "store/Datum.h"
#include "store/Objednavka.h"

#include "TextFiltra.h"

QString TObjednavkaFilter::ObnovTextAStlpce()
{
    TextFiltra t;
    const auto pridaj = [&](const QString& riadok, int bit) { t.pridaj(riadok, bit); };
    if (DatumVyziadania != 0.0)
        pridaj(QStringLiteral("Dátum vyžiadania: ") + DatumText(DatumVyziadania), 1);
    if (!Zadavatel.isEmpty())
        pridaj(QStringLiteral("Zadávateľ: ") + Zadavatel, 2);
    if (!SpisovaZnacka.isEmpty())
        pridaj(QStringLiteral("Spisová značka: ") + SpisovaZnacka, 3);
    if (!Predmet.isEmpty())
        pridaj(QStringLiteral("Predmet: ") + Predmet, 6);
    if (!Ucel.isEmpty())
        pridaj(QStringLiteral("Účel: ") + Ucel, 7);
    Aktivny = t.aktivny();
    Stlpce = t.stlpce();
    return t.text();
}

void TObjednavkaFilter::Vycisti() { *this = TObjednavkaFilter{}; }

bool TObjednavkaFilter::TestujeStlpec(int stlpec) const
{
    return Aktivny && stlpec >= 0 && stlpec < 7 && (Stlpce & (1u << (stlpec + 1)));
}

bool TObjednavkaFilter::Vyhovuje(const TObjednavka& o) const
{
    if (!Aktivny)
        return true;
    return (DatumVyziadania == 0.0 || o.DatumVyziadania == DatumVyziadania) && ObsahujeCast(o.Meno, Zadavatel) &&
           ObsahujeCast(o.Cislo, SpisovaZnacka) && ObsahujeCast(o.Predmet, Predmet) && ObsahujeCast(o.Ucel, Ucel);
}
