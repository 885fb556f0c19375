#include "ZnalKevrotFilter.h"

#include "store/Datum.h"
#include "store/RiadokKevrota.h"

QString TZnalKevrotFilter::ObnovTextAStlpce()
{
    TextFiltra t;
    if (PoradoveCislo != 0)
        t.pridaj(QStringLiteral("Číslo: ") + QString::number(PoradoveCislo), 1);
    if (!Zadavatel.isEmpty())
        t.pridaj(QStringLiteral("Zadávateľ: ") + Zadavatel, 2);
    if (!SpisovaZnacka.isEmpty())
        t.pridaj(QStringLiteral("Spisová značka: ") + SpisovaZnacka, 3);
    if (DatumVyziadania != 0.0)
        t.pridaj(QStringLiteral("Dátum vyžiadania: ") + DatumText(DatumVyziadania), 4);
    if (DatumVykonania != 0.0)
        t.pridaj(QStringLiteral("Dátum vykonania: ") + DatumText(DatumVykonania), 5);
    if (!Predmet.isEmpty())
        t.pridaj(QStringLiteral("Predmet: ") + Predmet, 6);
    return prevezmi(t);
}

void TZnalKevrotFilter::Vycisti() { *this = TZnalKevrotFilter{}; }

bool TZnalKevrotFilter::Vyhovuje(const RiadokKevrota& z) const
{
    if (!Aktivny)
        return true;
    return (PoradoveCislo == 0 || z.PoradoveCislo == PoradoveCislo) && ObsahujeCast(z.Meno(), Zadavatel) &&
           ObsahujeCast(z.CisloObjednavky(), SpisovaZnacka) &&
           (DatumVyziadania == 0.0 || z.DatumVyziadania == DatumVyziadania) &&
           (DatumVykonania == 0.0 || z.DatumVykonania == DatumVykonania) && ObsahujeCast(z.Predmet(), Predmet);
}
