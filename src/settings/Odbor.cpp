#include "Odbor.h"

const Rozlozenie<TOdbor>& TOdbor::rozlozenie()
{
    using T = TOdbor;
    static const Rozlozenie<T> r = {
        retazec<T>(0, KapacitaKodu, "Kod", &T::Kod),
        retazec<T>(7, KapacitaNazvu, "Nazov", &T::Nazov),
    };
    return r;
}
