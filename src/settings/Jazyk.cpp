#include "Jazyk.h"

const Rozlozenie<TJazyk>& TJazyk::rozlozenie()
{
    using T = TJazyk;
    static const Rozlozenie<T> r = {
        retazec<T>(0, KapacitaKodu, "Kod", &T::Kod),
        retazec<T>(7, KapacitaNazvu, "Nazov", &T::Nazov),
    };
    return r;
}
