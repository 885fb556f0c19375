#pragma once
// One field of expertise of odbory.dat.

#include "store/Rozlozenie.h"

struct TOdbor : Zaznam<TOdbor, 58> {
    static constexpr int KapacitaKodu = 6;
    static constexpr int KapacitaNazvu = 50;

    QString Kod;
    QString Nazov;

    static const Rozlozenie<TOdbor>& rozlozenie();
};
