#pragma once
// The grid model both registers share: a table of column descriptors, the shown rows
// (positions in the register's list), the cell texts and colours, the header sort cycle.
// The last column is hidden and holds the shown item's position in the list.

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include "StavZoradenia.h"

// One column of a register grid.
struct StlpecRegistra {
    QString hlavicka;
    int sirka = 0;  // default width in pixels
    bool vpravo = false;  // right-aligned cells
    int podiel = 0;  // a text column's share of the grid's free width
};

class TabulkaRegistra : public QAbstractTableModel {
    Q_OBJECT
public:
    // `slotyZoradenia`: how many sort states the saved layout keeps (at least the columns).
    TabulkaRegistra(QList<StlpecRegistra> stlpce, int slotyZoradenia, QObject* rodic = nullptr);

    const QList<StlpecRegistra>& stlpce() const { return m_stlpce; }
    QStringList Hlavicky() const;
    QList<int> PredvoleneSirky() const;
    QList<int> PodielyVolnehoMiesta() const;
    int StlpecPozicie() const { return int(m_stlpce.size()) - 1; }

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcia, Qt::Orientation orientacia, int rola = Qt::DisplayRole) const override;

    // Refills from the list: after every change of the list, the filter, the state or the year.
    void Obnov();
    // Repaints without changing which items are shown.
    void Prekresli();

    // Position in the list of the item shown in a row; -1 for no item.
    int Pozicia(int riadok) const;
    // The row that shows the item at a position; -1 when it is not shown.
    int RiadokPozicie(int pozicia) const;
    // The text of one cell, as the grid shows it.
    QString Text(int riadok, int stlpec) const;

    StavZoradenia& zoradenie() { return m_zoradenie; }
    const StavZoradenia& zoradenie() const { return m_zoradenie; }
    // Header click: next step of the sort cycle, sort the list itself, refill.
    void KlikNaHlavicku(int stlpec);
    // A restored layout: the saved states, then a sort by each sorted column in order.
    void ObnovZoradenie(const QList<int>& stavy);
    // Sorts the list again as the header shows (after the list was reloaded), refills.
    void ZoradPodlaHlavicky();

protected:
    virtual int pocetPoloziek() const = 0;
    // State, year and search filter: whether the item at a position is shown.
    virtual bool zobrazuje(int pozicia) const = 0;
    virtual QString textPolozky(int pozicia, int stlpec) const = 0;
    virtual bool filterTestuje(int stlpec) const = 0;
    virtual void zorad(int stlpec, SmerZoradenia smer) = 0;
    // Background and text colours of a cell beyond the filter's (copy mode); nothing by default.
    virtual QVariant farbaBunky(int riadok, int stlpec, int rola) const;
    void zmenaHlavicky();

private:
    QList<StlpecRegistra> m_stlpce;
    QList<int> m_riadky;  // positions of the shown items
    StavZoradenia m_zoradenie;
};

// The model over one list of items: column texts from the descriptors, the filter's test,
// the list's sort. `Filter` has Vyhovuje(const T&) and TestujeStlpec(int).
template <class T, class Filter>
class TabulkaZoznamu : public TabulkaRegistra {
public:
    using TextBunky = QString (*)(const T&);
    using Zoradenie = void (*)(QList<T>&, int, SmerZoradenia);
    struct Stlpec {
        StlpecRegistra popis;
        TextBunky text = nullptr;  // nothing for the hidden position column
    };

    TabulkaZoznamu(QList<T>& zoznam, const QList<Stlpec>& stlpce, int slotyZoradenia, Zoradenie zoradenie,
                   QObject* rodic)
        : TabulkaRegistra(popisy(stlpce), slotyZoradenia, rodic), m_zoznam(zoznam), m_zoradenie(zoradenie)
    {
        for (const Stlpec& s : stlpce)
            m_texty.append(s.text);
    }

    Filter& filter() { return m_filter; }
    const Filter& filter() const { return m_filter; }

protected:
    int pocetPoloziek() const override { return int(m_zoznam.size()); }
    bool zobrazuje(int pozicia) const override { return m_filter.Vyhovuje(m_zoznam[pozicia]); }
    QString textPolozky(int pozicia, int stlpec) const override
    {
        if (stlpec == StlpecPozicie())
            return QString::number(pozicia);
        const TextBunky t = m_texty.value(stlpec);
        return t ? t(m_zoznam[pozicia]) : QString();
    }
    bool filterTestuje(int stlpec) const override { return m_filter.TestujeStlpec(stlpec); }
    void zorad(int stlpec, SmerZoradenia smer) override { m_zoradenie(m_zoznam, stlpec, smer); }

    const QList<T>& zoznam() const { return m_zoznam; }

private:
    static QList<StlpecRegistra> popisy(const QList<Stlpec>& stlpce)
    {
        QList<StlpecRegistra> p;
        for (const Stlpec& s : stlpce)
            p.append(s.popis);
        return p;
    }

    QList<T>& m_zoznam;
    QList<TextBunky> m_texty;
    Zoradenie m_zoradenie;
    Filter m_filter;
};
