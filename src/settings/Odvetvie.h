#pragma once
// One branch of expertise of odvetvia.dat; its code begins with the two digits of its field.

#include "store/Rozlozenie.h"

struct TOdvetvie : Zaznam<TOdvetvie, 258> {
    static constexpr int KapacitaKodu = 6;
    static constexpr int KapacitaNazvu = 250;

    QString Kod;
    QString Nazov;

    static const Rozlozenie<TOdvetvie>& rozlozenie();
};
