#pragma once
// The commands of the journal register on the loaded year: new entry, saving an edited
// one, copy, delete, column paste, and the numbering check of the editor. Every change is
// written when it is made; a failed write is reported by the store and the entry stays in
// the register as edited (unsaved) until the year is loaded again.

#include <QList>

#include "editor/UpravaZaznamu.h"
#include "store/RiadokKevrota.h"

class Zurnal;
class RezimKopirovania;

namespace KevrotPrikazy {

inline constexpr const char* OtazkaZmazat = "Skutočne si prajete vymazať položku?";

// The copy a new entry starts from: next number, the year of the register, "neurčené"
// delivery and payment, the default payment term; everything else empty or zero.
UpravaZaznamu NovyZaznam(const Zurnal& zurnal, int rok, int splatnost);

// True when another entry of the list (not the one at `vlastnaPozicia`) has this number
// and year: the editor refuses it.
bool CisloObsadene(const QList<RiadokKevrota>& zaznamy, int cislo, int rok, int vlastnaPozicia = -1);

// After the editor's OK on a new entry: written, appended, stored billings rebuilt, list
// sorted by number. Returns the new entry's position, or -1 when its file was not written
// (the entry then stays in the list, unsaved, until the year is reloaded).
int PridajZaznam(Zurnal& zurnal, const UpravaZaznamu& uprava);

// After the editor's OK on the entry at `pozicia`: the entry written under its (possibly
// new) number and year, its row showing what was written, stored billings rebuilt.
bool UlozUpravu(Zurnal& zurnal, int pozicia, const UpravaZaznamu& uprava);

// Duplicates the entry at `pozicia` under the next number of its year and reloads that
// year. False when nothing was copied (the list is then not reloaded).
bool VytvorKopiu(Zurnal& zurnal, int pozicia);

// Asks first; on Yes deletes the entry's file and reloads the register's year.
bool Zmaz(Zurnal& zurnal, int pozicia, int rokRegistra);

// "Vloz": pastes the copied value of a column into the entry at `pozicia` (its record read
// from its file) and rewrites the record at the start of the file. False when nothing was
// pasted.
bool VlozHodnotu(Zurnal& zurnal, const RezimKopirovania& kopirovanie, int pozicia, int stlpec);

}  // namespace KevrotPrikazy
