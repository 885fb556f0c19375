#pragma once
// What the entry editor works on: copies of one entry, its items and its payments.

#include <QList>

#include "store/Vydavok.h"
#include "store/Vyplatenie.h"
#include "store/ZnalKevrotZaznam.h"

struct UpravaZaznamu {
    TZnalKevrotZaznam zaznam;
    QList<TVydavok> vydavky;
    QList<TVyplatenie> vyplatenia;
    bool novy = false;
};
