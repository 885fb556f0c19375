#include "Objednavka.h"

#include <cstring>

const Rozlozenie<TObjednavka>& TObjednavka::rozlozenie()
{
    using T = TObjednavka;
    static const Rozlozenie<T> r = {
        dbl<T>(0, "Verzia", &T::Verzia),
        dbl<T>(8, "CasZalozenia", &T::CasZalozenia),
        rezerva<T>(16, 8),
        retazec<T>(24, 100, "Meno", &T::Meno),
        retazec<T>(125, 100, "Adresa", &T::Adresa),
        rezerva<T>(226, 21),
        vypln<T>(247, 1),
        int32<T>(248, "TypCisla", &T::TypCisla),
        rezerva<T>(252, 51),
        rezerva<T>(303, 21),
        rezerva<T>(324, 21),
        rezerva<T>(345, 21),
        vypln<T>(366, 2),
        int32<T>(368, "StatnyOrgan", &T::StatnyOrgan),
        retazec<T>(372, 100, "DruhUkonu", &T::DruhUkonu),
        retazec<T>(473, 100, "TypPosudku", &T::TypPosudku),
        vypln<T>(574, 2),
        datum<T>(576, "DatumVyziadania", &T::DatumVyziadania),
        retazec<T>(584, 200, "Poznamka", &T::Poznamka),
        retazec<T>(785, 200, "Podklad", &T::Podklad),
        retazec<T>(986, 200, "Predmet", &T::Predmet),
        retazec<T>(1187, 100, "Ucel", &T::Ucel),
        int32<T>(1288, "Stav", &T::Stav),
        retazec<T>(1292, 50, "Cislo", &T::Cislo),
        vypln<T>(1343, 1),
    };
    return r;
}

const Rozlozenie<TObjednavkaStara>& TObjednavkaStara::rozlozenie()
{
    using T = TObjednavkaStara;
    static const Rozlozenie<T> r = {
        dbl<T>(0, "CasZalozenia", &T::CasZalozenia),
        rezerva<T>(8, 8),
        retazec<T>(16, 100, "Meno", &T::Meno),
        retazec<T>(117, 100, "Adresa", &T::Adresa),
        retazec<T>(218, 20, "Cislo", &T::Cislo),
        vypln<T>(239, 1),
        int32<T>(240, "TypCisla", &T::TypCisla),
        rezerva<T>(244, 51),
        rezerva<T>(295, 21),
        rezerva<T>(316, 21),
        rezerva<T>(337, 21),
        vypln<T>(358, 2),
        int32<T>(360, "StatnyOrgan", &T::StatnyOrgan),
        retazec<T>(364, 100, "DruhUkonu", &T::DruhUkonu),
        retazec<T>(465, 100, "TypPosudku", &T::TypPosudku),
        vypln<T>(566, 2),
        datum<T>(568, "DatumVyziadania", &T::DatumVyziadania),
        retazec<T>(576, 200, "Poznamka", &T::Poznamka),
        retazec<T>(777, 200, "Podklad", &T::Podklad),
        retazec<T>(978, 200, "Predmet", &T::Predmet),
        retazec<T>(1179, 100, "Ucel", &T::Ucel),
        int32<T>(1280, "Stav", &T::Stav),
    };
    return r;
}

TObjednavka PrevedObjednavku(const TObjednavkaStara& stara)
{
    const QByteArray s = stara.obrazNaZapis();
    QByteArray n(TObjednavka::VELKOST, '\0');
    // Verzia stays 0.0. Everything before the old number moves up by the marker's 8 bytes.
    std::memcpy(n.data() + 8, s.constData(), 218);
    // From the padding after the old number to Stav: the same shift; offset 226 stays empty.
    std::memcpy(n.data() + 247, s.constData() + 239, 1284 - 239);
    // The number, string[20], into the string[50] at the end; its length read as at most 20.
    const int dlzka = std::min(int(quint8(s.at(218))), 20);
    n[1292] = char(dlzka);
    std::memcpy(n.data() + 1293, s.constData() + 219, size_t(dlzka));
    return TObjednavka::zObrazu(n);
}
