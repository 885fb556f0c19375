#pragma once
// The order editor's fields as texts: showing an order and taking the fields back.

#include <QString>

#include "store/Objednavka.h"

struct PoliaObjednavky {
    QString Den, Mesiac, Rok;  // date of request, as typed
    QString Meno, Adresa;
    int TypCisla = 0;
    QString Cislo;
    bool StatnyOrgan = false;
    QString DruhUkonu, TypPosudku, Predmet, Ucel;
};

namespace DlzkyPoliObjednavky {
inline constexpr int Meno = 100, Adresa = 100, Cislo = 50;
inline constexpr int DruhUkonu = 100, TypPosudku = 100, Predmet = 200, Ucel = 100;
}  // namespace DlzkyPoliObjednavky

inline constexpr const char* NeplatnyDatumVyziadania = "Neplatný dátum vyžiadania.";

// The texts of an order; the date's parts without leading zeros (empty for no date).
PoliaObjednavky ZobrazObjednavku(const TObjednavka& o);

// "OK": the three date parts must be whole numbers making a valid date. Then the fields
// are taken into the order (texts cut to their capacity) and true is returned; otherwise
// the order is left as it was and false is returned (the caller shows the error).
// `Poznamka`, `Podklad`, `Stav` and `CasZalozenia` are carried through unchanged.
bool PrevezmiPoliaObjednavky(const PoliaObjednavky& p, TObjednavka& o);
