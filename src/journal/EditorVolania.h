#pragma once
// Where the registers open the editors of other windows. Both are modal and work on
// copies: true when the user confirmed with OK (the copy then holds the edited values).
//
// For the developer of the entry editor and the order editor: the registers call exactly
// these two functions. Please give TZnalecKevrotEditForm and
// TZnalecKevrotObjednavkaEditForm constructors (or static helpers) that take these copies
// and return whether OK was pressed; EditorVolania.cpp is then the only place to wire.
// The entry editor also needs Udaje for the settings, code lists, clients, orders and the
// numbering check (KevrotPrikazy::CisloObsadene with the entry's position, -1 for new).

#include "UpravaZaznamu.h"

class QWidget;
class Udaje;
struct TObjednavka;

// `pozicia`: the entry's position in ZaznamyKevrota, -1 for a new entry.
bool UpravZaznamVEditore(QWidget* rodic, Udaje& udaje, UpravaZaznamu& uprava, int pozicia);

bool UpravObjednavkuVEditore(QWidget* rodic, Udaje& udaje, TObjednavka& objednavka, bool nova);
