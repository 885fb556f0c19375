#pragma once
// The commands of the orders register. Every change of the orders list is saved at once
// for the year the register shows.

#include "store/Objednavka.h"

class Objednavky;

namespace ObjednavkyPrikazy {

// What the order editor starts from for "Pridaj": empty texts, requested today, added now
// (a time of day no other order of the list has: it names the order's kept letter).
TObjednavka NovaDoEditora(const Objednavky& objednavky);

// Appends the editor's order as a new one (not started; added when the editor began it,
// else now) and saves.
bool Pridaj(Objednavky& objednavky, const TObjednavka& zEditora, int rok);

// Writes the editor's values back into the order at `pozicia` (its basis document and
// reserved bytes stay) and saves.
bool UlozUpravu(Objednavky& objednavky, int pozicia, const TObjednavka& zEditora, int rok);

// Removes the order at `pozicia` and saves, once the user has confirmed it; its kept letter
// goes too, unless another order of the year has the same one.
bool Zmaz(Objednavky& objednavky, int pozicia, int rok);

}  // namespace ObjednavkyPrikazy
