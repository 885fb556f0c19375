#pragma once
// The sub-item grid "Popis" / "Počet MJ" of the item dialogs.

#include <QTableView>

#include "store/Vydavok.h"
#include "widgets/ModelZoznamu.h"

class MriezkaRozpisu : public QTableView {
    Q_OBJECT
public:
    explicit MriezkaRozpisu(QWidget* rodic = nullptr);
    // Shows the sub-items ("bez popisu" for an empty description) and selects `vybrany`.
    void zobraz(const QList<TRozpisPolozky>& rozpis, int vybrany);
    // The selected row, or -1.
    int vybrany() const;

private:
    QList<TRozpisPolozky> m_rozpis;
    ModelZoznamu<TRozpisPolozky>* m_model = nullptr;
};
