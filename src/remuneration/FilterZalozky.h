#pragma once
// One item tab of the remuneration window over ModelVydavkov: the rows of the kinds the
// tab lists, in the list's order, and the tab's own column captions.

#include <QSortFilterProxyModel>

#include "UpravaVydavkov.h"

class FilterZalozky : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FilterZalozky(ZalozkaVydavkov zalozka, QObject* rodic = nullptr);

    ZalozkaVydavkov zalozka() const { return m_zalozka; }
    // The index in the item list of the item shown in a row; -1 for none.
    int Polozka(int riadok) const;

    QVariant headerData(int sekcia, Qt::Orientation orientacia, int rola = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsRow(int riadok, const QModelIndex& rodic) const override;

private:
    ZalozkaVydavkov m_zalozka;
};
