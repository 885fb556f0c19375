#include "PodkladyDokladu.h"

QString TextTypuCisla(int typCisla)
{
    return typCisla == 1 ? QStringLiteral("Spisová značka") : QStringLiteral("Číslo objednávky");
}

PodkladyDokladu PodkladyZoZaznamu(const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky,
                                  const TNastavenia& nastavenie, double sadzbaPozemky)
{
    PodkladyDokladu p;
    p.polia = ZobrazZaznam(z);
    p.zaznam = z;
    p.vydavky = vydavky;
    p.datumVykonania = z.DatumVykonania;
    p.sadzbaDPH = z.SadzbaDPH;
    p.nastavenie = nastavenie;
    p.sadzbaPozemky = sadzbaPozemky;
    return p;
}
