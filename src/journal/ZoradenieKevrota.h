#pragma once
// Sorting the journal entries by a column of the journal register. Stable: entries with
// equal keys keep their order. Numbers and dates compare numerically, texts by their
// Windows-1250 character codes (a prefix is smaller).

#include <QList>


class RiadokKevrota;

// Columns of the journal register; the last one holds the position in the list.
inline constexpr int PocetStlpcovKevrota = 10;
inline constexpr int StlpecPozicieKevrota = 9;

// Columns 0 to 7 have a sort key.
bool MaKlucKevrota(int stlpec);

// Orders two entries by the key of a column: negative, 0 or positive (0 without a key).
int PorovnajKevrot(const RiadokKevrota& a, const RiadokKevrota& b, int stlpec);

// Reorders the list itself by the key of a column, descending or ascending; a column
// without a key leaves it. A header click takes its direction from the column's sort
// state (StavZoradenia::klik: descending unless the column is sorted descending).
void ZoradKevrot(QList<RiadokKevrota>& zoznam, int stlpec, bool zostupne);

// A restored layout: sorts by every column whose state (one per column) is 1, descending,
// or 2, ascending, in column order.
void ObnovZoradenieKevrota(QList<RiadokKevrota>& zoznam, const QList<int>& stavy);
