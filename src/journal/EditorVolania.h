#pragma once
// Where the registers open the editors of other windows. Both are modal and work on
// copies: true when the user confirmed with OK (the copy then holds the edited values).
// The entry editor gets only its part of the data set (ZdrojeEditora).

#include "editor/UpravaZaznamu.h"

class QWidget;
class Udaje;
struct TObjednavka;

// `pozicia`: the entry's position in ZaznamyKevrota, -1 for a new entry.
bool UpravZaznamVEditore(QWidget* rodic, Udaje& udaje, UpravaZaznamu& uprava, int pozicia);

bool UpravObjednavkuVEditore(QWidget* rodic, Udaje& udaje, TObjednavka& objednavka, bool nova);
