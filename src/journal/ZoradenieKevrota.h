#pragma once
// Sorting the journal entries by a column of the journal register. Stable: entries with
// equal keys keep their order. Numbers and dates compare numerically, texts by their
// Windows-1250 character codes (a prefix is smaller).

#include <QList>

#include "StavZoradenia.h"

struct TZnalKevrotZaznam;

// Columns of the journal register; the last one holds the position in the list.
inline constexpr int PocetStlpcovKevrota = 10;
inline constexpr int StlpecPozicieKevrota = 9;

// Columns 0 to 7 have a sort key.
bool MaKlucKevrota(int stlpec);

// Orders two entries by the key of a column: negative, 0 or positive (0 without a key).
int PorovnajKevrot(const TZnalKevrotZaznam& a, const TZnalKevrotZaznam& b, int stlpec);

// Reorders the list itself by the key of a column; a column without a key leaves it.
void ZoradKevrot(QList<TZnalKevrotZaznam>& zoznam, int stlpec, SmerZoradenia smer);

// A header click: the column's state cycles (StavZoradenia::klik) and the list is sorted.
void KlikNaHlavickuKevrota(QList<TZnalKevrotZaznam>& zoznam, StavZoradenia& stav, int stlpec);

// Before printing or exporting: ascending by number, that column's state 2, others 0.
void ZoradKevrotNaTlac(QList<TZnalKevrotZaznam>& zoznam, StavZoradenia& stav);

// A restored layout: sorts by every column whose state is 1 or 2, in column order.
void ObnovZoradenieKevrota(QList<TZnalKevrotZaznam>& zoznam, const StavZoradenia& stav);
