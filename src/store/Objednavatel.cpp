#include "Objednavatel.h"

const Rozlozenie<TObjednavatel>& TObjednavatel::rozlozenie()
{
    using T = TObjednavatel;
    static const Rozlozenie<T> r = {
        rezerva<T>(0, 4),
        retazec<T>(4, 100, "Meno", &T::Meno),
        retazec<T>(105, 150, "Adresa", &T::Adresa),
        int32<T>(256, "Kategoria", &T::Kategoria),
        retazec<T>(260, 20, "ICO", &T::ICO),
        retazec<T>(281, 20, "ICDPH", &T::ICDPH),
        retazec<T>(302, 20, "DIC", &T::DIC),
        vypln<T>(323, 1),
    };
    return r;
}

const Rozlozenie<TObjednavatelStary>& TObjednavatelStary::rozlozenie()
{
    using T = TObjednavatelStary;
    static const Rozlozenie<T> r = {
        rezerva<T>(0, 4),
        retazec<T>(4, 100, "Meno", &T::Meno),
        retazec<T>(105, 150, "Adresa", &T::Adresa),
        int32<T>(256, "Kategoria", &T::Kategoria),
    };
    return r;
}

TObjednavatel PrevedObjednavatela(const TObjednavatelStary& stary)
{
    QByteArray n = stary.obrazNaZapis();
    n.append(QByteArray(TObjednavatel::VELKOST - TObjednavatelStary::VELKOST, '\0'));
    return TObjednavatel::zObrazu(n);
}
