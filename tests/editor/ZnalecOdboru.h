#pragma once
// The practitioner the editor window tests start from: an expert registered for one field
// (370000 "Strojárstvo") and one branch of it (370900 "Cestná doprava").

#include "settings/Odbor.h"
#include "settings/Odvetvie.h"
#include "editor/ZdrojeEditora.h"
#include "kevrot/Udaje.h"

inline void NastavZnalcaOdboru(Udaje& u)
{
    TOdbor odbor;
    odbor.Kod = QStringLiteral("370000");
    odbor.Nazov = QStringLiteral("Strojárstvo");
    u.odbory.Odbory = {odbor};
    TOdvetvie odvetvie;
    odvetvie.Kod = QStringLiteral("370900");
    odvetvie.Nazov = QStringLiteral("Cestná doprava");
    u.odbory.Odvetvia = {odvetvie};
    TNastavenia& n = u.nastavenia.Nastavenie;
    n.Odbory = QStringLiteral("370000|");
    n.Odvetvia = QStringLiteral("370900|");
    n.NajpouzivanejsiOdbor = QStringLiteral("370000");
}

// The editor's part of the data set.
inline ZdrojeEditora Zdroje(Udaje& u)
{
    return {u.odbory,  u.jazyky,  u.nastavenia,                 u.objednavky, u.zurnal.ZaznamyKevrota,
            u.polozky, u.vozidla, u.zurnal.UlozeneVyuctovania, u.preddefTexty};
}
