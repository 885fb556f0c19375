#include "PolozkaCiselnika.h"

const Rozlozenie<TPolozkaCiselnika>& TPolozkaCiselnika::rozlozenie()
{
    using T = TPolozkaCiselnika;
    static const Rozlozenie<T> r = {
        retazec<T>(0, KapacitaNazvu, "Nazov", &T::Nazov),
        vypln<T>(201, 3),
        int32<T>(204, "Skupina", &T::Skupina),
        int32<T>(208, "Druh", &T::Druh),
        retazec<T>(212, KapacitaMJ, "MJ", &T::MJ),
        vypln<T>(223, 1),
        dbl<T>(224, "Cena", &T::Cena),
        dbl<T>(232, "Priplatok1Max", &T::Priplatok1Max),
        retazec<T>(240, KapacitaPriplatku, "Priplatok1Text", &T::Priplatok1Text),
        vypln<T>(341, 3),
        dbl<T>(344, "Priplatok2Max", &T::Priplatok2Max),
        retazec<T>(352, KapacitaPriplatku, "Priplatok2Text", &T::Priplatok2Text),
        vypln<T>(453, 3),
    };
    return r;
}
