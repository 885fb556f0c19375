#pragma once
// Sorting the orders list by a register column. Stable: orders with equal keys keep
// their order. Dates compare numerically, texts by their Windows-1250 character codes.

#include <QList>

#include "StavZoradenia.h"

struct TObjednavka;

// Columns 0 to 6 have a key; any other column leaves the list as it is.
void ZoradObjednavky(QList<TObjednavka>& zoznam, int stlpec, SmerZoradenia smer);
