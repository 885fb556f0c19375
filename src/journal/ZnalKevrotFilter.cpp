#include "ZnalKevrotFilter.h"

#include "store/Datum.h"
#include "store/ZnalKevrotZaznam.h"

#include "TextFiltra.h"

QString TZnalKevrotFilter::ObnovTextAStlpce()
{
    TextFiltra t;
    const auto pridaj = [&](const QString& riadok, int bit) { t.pridaj(riadok, bit); };
    if (PoradoveCislo != 0)
        pridaj(QStringLiteral("Číslo: ") + QString::number(PoradoveCislo), 1);
    if (!Zadavatel.isEmpty())
        pridaj(QStringLiteral("Zadávateľ: ") + Zadavatel, 2);
    if (!SpisovaZnacka.isEmpty())
        pridaj(QStringLiteral("Spisová značka: ") + SpisovaZnacka, 3);
    if (DatumVyziadania != 0.0)
        pridaj(QStringLiteral("Dátum vyžiadania: ") + DatumText(DatumVyziadania), 4);
    if (DatumVykonania != 0.0)
        pridaj(QStringLiteral("Dátum vykonania: ") + DatumText(DatumVykonania), 5);
    if (!Predmet.isEmpty())
        pridaj(QStringLiteral("Predmet: ") + Predmet, 6);
    Aktivny = t.aktivny();
    Stlpce = t.stlpce();
    return t.text();
}

void TZnalKevrotFilter::Vycisti() { *this = TZnalKevrotFilter{}; }

bool TZnalKevrotFilter::TestujeStlpec(int stlpec) const
{
    return Aktivny && stlpec >= 0 && stlpec <= 5 && (Stlpce & (1u << (stlpec + 1)));
}

bool TZnalKevrotFilter::Vyhovuje(const TZnalKevrotZaznam& z) const
{
    if (!Aktivny)
        return true;
    return (PoradoveCislo == 0 || z.PoradoveCislo == PoradoveCislo) && ObsahujeCast(z.Meno, Zadavatel) &&
           ObsahujeCast(z.CisloObjednavky, SpisovaZnacka) &&
           (DatumVyziadania == 0.0 || z.DatumVyziadania == DatumVyziadania) &&
           (DatumVykonania == 0.0 || z.DatumVykonania == DatumVykonania) && ObsahujeCast(z.Predmet, Predmet);
}
