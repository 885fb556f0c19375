#include "Vydavok.h"

#include <QJsonArray>

namespace DruhVydavku {
bool jeOdmena(qint32 druh)
{
    return druh == TarifnaOdmena || druh == PausalnaOdmena || druh == ZmluvnaOdmena ||
           druh == PodielovaOdmena;
}
bool jeVydavok(qint32 druh) { return druh >= VydavokSCenou && druh <= HotoveVydavky; }
}  // namespace DruhVydavku

const Rozlozenie<TRozpisPolozky>& TRozpisPolozky::rozlozenie()
{
    using T = TRozpisPolozky;
    static const Rozlozenie<T> r = {
        dbl<T>(0, "Pocet", &T::Pocet),
        retazec<T>(8, 200, "Popis", &T::Popis),
        vypln<T>(209, 3),
    };
    return r;
}

const Rozlozenie<TVydavok>& TVydavok::rozlozenie()
{
    using T = TVydavok;
    static const Rozlozenie<T> r = {
        retazec<T>(0, 200, "Nazov", &T::Nazov),
        vypln<T>(201, 3),
        int32<T>(204, "Skupina", &T::Skupina),
        int32<T>(208, "Druh", &T::Druh),
        retazec<T>(212, 10, "MJ", &T::MJ),
        vypln<T>(223, 1),
        dbl<T>(224, "ZakladnaCena", &T::ZakladnaCena),
        dbl<T>(232, "Cena", &T::Cena),
        dbl<T>(240, "Priplatok1Max", &T::Priplatok1Max),
        dbl<T>(248, "Priplatok1", &T::Priplatok1),
        retazec<T>(256, 100, "Priplatok1Text", &T::Priplatok1Text),
        vypln<T>(357, 3),
        dbl<T>(360, "Priplatok2Max", &T::Priplatok2Max),
        dbl<T>(368, "Priplatok2", &T::Priplatok2),
        retazec<T>(376, 100, "Priplatok2Text", &T::Priplatok2Text),
        vypln<T>(477, 3),
        dbl<T>(480, "Suma", &T::Suma),
        int32<T>(488, "PocetRozpisov", &T::PocetRozpisov),
    };
    return r;
}

QJsonObject TVydavok::doJsonSRozpisom() const
{
    QJsonObject j = doJson();
    QJsonArray a;
    for (const auto& r : Rozpis)
        a.append(r.doJson());
    j.insert(QStringLiteral("Rozpis"), a);
    return j;
}

double TVydavok::SucetPoctov() const
{
    double s = 0.0;
    for (const auto& r : Rozpis)
        s += r.Pocet;
    return s;
}
