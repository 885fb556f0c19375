#include "Vyplatenie.h"

const Rozlozenie<TVyplatenie>& TVyplatenie::rozlozenie()
{
    using T = TVyplatenie;
    static const Rozlozenie<T> r = {
        datum<T>(0, "Datum", &T::Datum),
        dbl<T>(8, "Suma", &T::Suma),
        boolean<T>(16, "Preddavok", &T::Preddavok),
        vypln<T>(17, 3),
    };
    return r;
}
