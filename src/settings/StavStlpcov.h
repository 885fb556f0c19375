#pragma once
// The saved layout of a register grid: per column its sort state and width, as one text
// "(state)width|" per column, left to right.

#include <QList>
#include <QString>

#include <optional>

struct StavStlpca {
    // 0 not sorted by this column, 1 sorted as the first header click sorts, 2 as the second.
    int stav = 0;
    int sirka = 0;  // pixels

    bool operator==(const StavStlpca&) const = default;
};

QString ZakodujStavStlpcov(const QList<StavStlpca>& stlpce);

// The columns of a saved text, or nothing when it does not fit a grid of `pocetStlpcov`
// columns: another number of pieces, or a width that is not a whole non-negative number.
// Text after the last "|" is ignored.
std::optional<QList<StavStlpca>> DekodujStavStlpcov(const QString& text, int pocetStlpcov);
