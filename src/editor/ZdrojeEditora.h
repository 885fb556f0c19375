#pragma once
// What the entry editor reads and changes beyond the entry: the code lists it offers, the
// settings (due days are saved from it), the clients of the picker, and the year's entries
// the number is checked against.

#include <QList>

#include "settings/Jazyky.h"
#include "settings/Nastavenia.h"
#include "settings/OdboryOdvetvia.h"
#include "store/Objednavky.h"
#include "store/ZnalKevrotZaznam.h"

struct ZdrojeEditora {
    const OdboryOdvetvia& odbory;
    const Jazyky& jazyky;
    Nastavenia& nastavenia;
    Objednavky& objednavky;
    const QList<TZnalKevrotZaznam>& zaznamy;
};
