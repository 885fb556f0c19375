#include "PodkladyDokladu.h"

#include <QDate>

#include "editor/DatumVystavenia.h"
#include "editor/TextyVyuctovania.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "settings/Nastavenia.h"
#include "store/Datum.h"

QString TextTypuCisla(int typCisla)
{
    return typCisla == 1 ? QStringLiteral("Spisová značka") : QStringLiteral("Číslo objednávky");
}

QString PredvolenaHlavickaDruhu(qint32 druh, qint32 druhZnalca)
{
    using namespace DruhVydavku;
    if (druh == CestovneNahrady)
        return QStringLiteral("Cestovné náhrady");
    if (druh == StrataCasu)
        return QStringLiteral("Náhrada za stratu času");
    if (jeVydavok(druh))
        return QStringLiteral("Náhrada výdavkov");
    if (jeOdmena(druh))
        return druhZnalca == Tlmocnik || druhZnalca == Prekladatel ? QStringLiteral("Tlmočné") : QStringLiteral("Znalečné");
    return {};
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
    p.eFaktura = NacitajNastaveniaEFaktury();
    p.sadzbaPozemky = sadzbaPozemky;
    p.textVyuctovania = TextyVyuctovania::pracovnySubor(DruhTextu::Vyuctovanie);
    p.textFinancnaCiastka = TextyVyuctovania::pracovnySubor(DruhTextu::Vyplatenie);
    p.dnes = QDateNaDatum(QDate::currentDate());
    const double vystavenie = NacitajDatumVystavenia();
    p.datumVystavenia = vystavenie > 0 ? vystavenie : p.dnes;
    return p;
}

PodkladyDokladu PodkladyDokladov(const PoliaZaznamu& polia, const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky,
                                 Nastavenia& nastavenia, const PreddefinovaneTexty& hlavicky)
{
    nastavenia.DoplnPredvoleneFonty();
    PodkladyDokladu p =
        PodkladyZoZaznamu(z, vydavky, nastavenia.Nastavenie, nastavenia.PodielOdmena.SadzbaPozemky);
    p.polia = polia;
    p.hlavickaText = nastavenia.NastavenieHlavicka.HlavickaText;
    using namespace DruhVydavku;
    for (qint32 druh : {TarifnaOdmena, PausalnaOdmena, PausalneVydavky, HotoveVydavky, ZmluvnaOdmena, PodielovaOdmena,
                        CestovneNahrady})
    {
        // A kind without a heading of the user's takes the usual one.
        const QString h = hlavicky.HlavickaDruhu(druh);
        p.hlavickyDruhov.insert(druh, h.trimmed().isEmpty() ? PredvolenaHlavickaDruhu(druh, p.nastavenie.Druh) : h);
    }
    return p;
}
