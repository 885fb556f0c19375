#pragma once
// The default column widths of a register grid.

#include <QList>

class QTableView;

// Sets the given widths, each widened where the column's caption would not fit in the
// grid's header font; `skrytyStlpec` is hidden.
void NastavPredvoleneSirky(QTableView* mriezka, const QList<int>& sirky, int skrytyStlpec);
