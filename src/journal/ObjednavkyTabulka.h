#pragma once
// The grid of the orders register: which orders are shown, their cell texts and colours,
// the header sort cycle. Column 7 holds the order's position in the orders list.

#include <QAbstractTableModel>
#include <QList>

#include "ObjednavkaFilter.h"
#include "StavZoradenia.h"

struct TObjednavka;

class ObjednavkyTabulka : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Stav { Nerozpracovane = 0, Rozpracovane = 1, Vypracovane = 2, Vsetky = 3 };
    static constexpr int PocetStlpcov = 8;
    static constexpr int StlpecPozicie = 7;

    explicit ObjednavkyTabulka(QList<TObjednavka>& zoznam, QObject* rodic = nullptr);

    static QStringList Hlavicky();
    static QList<int> PredvoleneSirky();

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcia, Qt::Orientation orientacia, int rola = Qt::DisplayRole) const override;

    // Refills from the list: after every change of the list, the state or the filter.
    void Obnov();

    void NastavStav(Stav stav);
    Stav stav() const { return m_stav; }
    TObjednavkaFilter& filter() { return m_filter; }
    const TObjednavkaFilter& filter() const { return m_filter; }

    // Position in the orders list of the order shown in a row; -1 for no order.
    int Pozicia(int riadok) const;
    // The row that shows the order at a position; -1 when it is not shown.
    int RiadokPozicie(int pozicia) const;

    // The text of one cell, as the grid shows it.
    QString Text(int riadok, int stlpec) const;

    StavZoradenia& zoradenie() { return m_zoradenie; }
    const StavZoradenia& zoradenie() const { return m_zoradenie; }
    // Header click on a column: next step of the sort cycle, sort the list, refill.
    void KlikNaHlavicku(int stlpec);
    // Sorts by a column in a direction without touching the states (restoring a layout).
    void Zorad(int stlpec, SmerZoradenia smer);
    // A restored layout: the saved states, then a sort by each sorted column in order.
    void ObnovZoradenie(const QList<int>& stavy);

private:
    QList<TObjednavka>& m_zoznam;
    QList<int> m_riadky;  // positions of the shown orders
    Stav m_stav = Vsetky;
    TObjednavkaFilter m_filter;
    StavZoradenia m_zoradenie{9};
};
