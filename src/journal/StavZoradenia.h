#pragma once
// The sort state of a register's columns and the cycle of header clicks:
// 0 not sorted, 1 sorted descending (first click), 2 sorted ascending (second click).

#include <QColor>
#include <QList>

enum class SmerZoradenia { Zostupne = 1, Vzostupne = 2 };

class StavZoradenia {
public:
    explicit StavZoradenia(int pocetSlotov);

    int stav(int stlpec) const;
    int pocet() const { return int(m_stavy.size()); }

    // A header click on a column: the direction to sort by; the column takes that state
    // and every other column becomes 0.
    SmerZoradenia klik(int stlpec);

    // Sets one column's state (restoring a saved layout); other columns keep theirs.
    void nastav(int stlpec, int stav);
    void vynuluj();

    // The header colour of a column: black, red when descending, blue when ascending.
    QColor farbaHlavicky(int stlpec) const;

private:
    QList<int> m_stavy;
};
