#pragma once
// The sub-item grid "Popis" / "Počet MJ" of the item dialogs.

#include <QTableWidget>

#include "store/Vydavok.h"

class MriezkaRozpisu : public QTableWidget {
    Q_OBJECT
public:
    explicit MriezkaRozpisu(QWidget* rodic = nullptr);
    // Shows the sub-items ("bez popisu" for an empty description) and selects `vybrany`.
    void zobraz(const QList<TRozpisPolozky>& rozpis, int vybrany);
    // The selected row, or -1.
    int vybrany() const;
};
