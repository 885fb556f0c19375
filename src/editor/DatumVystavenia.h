#pragma once
// The issue date of an entry's documents: the day the first of them is made, kept with the
// entry's documents ("doklady.txt" in Tmp_doc, copied into the entry's folder on OK), so
// that a document made again carries the same date. The user may change it.

#include <QString>

#include "store/Vysledok.h"

// "doklady.txt" in `adresar`, by default Tmp_doc.
QString SuborDatumuVystavenia(const QString& adresar = {});

// The kept date, or 0 when no document has been made yet (or the file says no date); from
// Tmp_doc or from an entry's document folder.
double NacitajDatumVystavenia(const QString& adresar = {});

// Keeps the date; a failed write's reason is the message for the user.
Vysledok UlozDatumVystavenia(double datum);

// The kept date, else `dnes`, kept from now on: called when a document is made.
double PotvrdDatumVystavenia(double navrh);
