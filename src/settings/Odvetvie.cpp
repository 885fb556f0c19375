#include "Odvetvie.h"

const Rozlozenie<TOdvetvie>& TOdvetvie::rozlozenie()
{
    using T = TOdvetvie;
    static const Rozlozenie<T> r = {
        retazec<T>(0, KapacitaKodu, "Kod", &T::Kod),
        retazec<T>(7, KapacitaNazvu, "Nazov", &T::Nazov),
    };
    return r;
}
