#pragma once
// One record of the code list "\Data\ZnalKevrot_polozky.dat": an act or expense of the
// decree for one group of practitioners, with its unit, price and surcharges.

#include "store/Rozlozenie.h"

struct TPolozkaCiselnika : Zaznam<TPolozkaCiselnika, 456> {
    static constexpr int KapacitaNazvu = 200;
    static constexpr int KapacitaMJ = 10;
    static constexpr int KapacitaPriplatku = 100;

    QString Nazov;
    qint32 Skupina = 0;
    qint32 Druh = 0;
    QString MJ;
    double Cena = 0;
    double Priplatok1Max = 0;
    QString Priplatok1Text;
    double Priplatok2Max = 0;
    QString Priplatok2Text;

    static const Rozlozenie<TPolozkaCiselnika>& rozlozenie();
};
