#pragma once
// What the entry editor reads and changes beyond the entry: the code lists it offers, the
// settings (due days are saved from it), the clients of the picker, and the year's entries
// the number is checked against; for the remuneration window the item code list, the
// vehicles and the year's stored billings; for the settings window the vehicles and the
// headings, which it edits.

#include <QList>

#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "settings/Jazyky.h"
#include "settings/Nastavenia.h"
#include "settings/OdboryOdvetvia.h"
#include "settings/Vozidla.h"
#include "store/Objednavky.h"
#include "store/UlozeneVyuctovanie.h"
#include "store/RiadokKevrota.h"
#include "store/ZnalKevrotZaznam.h"

struct ZdrojeEditora {
    OdboryOdvetvia& odbory;
    Jazyky& jazyky;
    Nastavenia& nastavenia;
    Objednavky& objednavky;
    const QList<RiadokKevrota>& zaznamy;
    const CiselnikPoloziek& polozky;
    Vozidla& vozidla;
    const QList<TCiselnikVydavok>& ulozene;
    PreddefinovaneTexty& preddefTexty;
};
