#pragma once
// One payment of a journal entry.

#include "Rozlozenie.h"

struct TVyplatenie : Zaznam<TVyplatenie, 20> {
    double Datum = 0.0;      // 0 = not given
    double Suma = 0.0;
    bool Preddavok = false;  // advance payment; kept as read

    static const Rozlozenie<TVyplatenie>& rozlozenie();
};
