#pragma once
// The default column widths of a register grid.

#include <QList>
#include <QString>

#include <optional>

class QTableView;

// Sets the given widths, each widened where the column's caption would not fit in the
// grid's header font; `skrytyStlpec` is hidden.
void NastavPredvoleneSirky(QTableView* mriezka, const QList<int>& sirky, int skrytyStlpec);

// The widths with the free room of a grid `dostupna` pixels wide shared out among the
// columns by their `podiely` (one a column; columns with none and a grid without room keep
// theirs); the pixels left by the division go one each to the first sharing columns.
QList<int> SirkySVolnymMiestom(const QList<int>& sirky, const QList<int>& podiely, int dostupna);

// Applies a saved column state text to the grid's widths (all but `skrytyStlpec`) and
// returns the columns' sort states; nothing when the text does not fit the grid.
std::optional<QList<int>> ObnovSirkyStlpcov(QTableView* mriezka, const QString& text, int pocet,
                                            int skrytyStlpec);
