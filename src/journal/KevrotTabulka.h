#pragma once
// The grid of the journal register: which entries are shown (state, year, search filter),
// their cell texts and colours, the header sort cycle. Column 9 holds the entry's position
// in the list of entries.

#include <QAbstractTableModel>
#include <QList>

#include "StavZoradenia.h"
#include "ZnalKevrotFilter.h"

struct TZnalKevrotZaznam;
class RezimKopirovania;

class KevrotTabulka : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Stav { Nevyplatene = 0, Vyplatene = 1, Vsetky = 2 };
    static constexpr int PocetStlpcov = 10;
    static constexpr int StlpecPozicie = 9;

    KevrotTabulka(QList<TZnalKevrotZaznam>& zaznamy, const RezimKopirovania* kopirovanie = nullptr,
                  QObject* rodic = nullptr);

    static QStringList Hlavicky();
    static QList<int> PredvoleneSirky();

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int rola = Qt::DisplayRole) const override;
    // In copy mode a cell's text opens in place for selecting; nothing typed is kept.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex&, const QVariant&, int) override { return false; }
    QVariant headerData(int sekcia, Qt::Orientation orientacia, int rola = Qt::DisplayRole) const override;

    // Refills from the list: after every change of the list, the filter, the state or the year.
    void Obnov();
    // Repaints without changing which entries are shown (copy mode, a pasted value).
    void Prekresli();

    void NastavStav(Stav stav);
    Stav stav() const { return m_stav; }
    void NastavRok(int rok);
    int rok() const { return m_rok; }
    TZnalKevrotFilter& filter() { return m_filter; }
    const TZnalKevrotFilter& filter() const { return m_filter; }

    // Position in the list of the entry shown in a row; -1 for no entry.
    int Pozicia(int riadok) const;
    int RiadokPozicie(int pozicia) const;
    QString Text(int riadok, int stlpec) const;

    StavZoradenia& zoradenie() { return m_zoradenie; }
    const StavZoradenia& zoradenie() const { return m_zoradenie; }
    // Header click: next step of the sort cycle, sort the list itself, refill.
    void KlikNaHlavicku(int stlpec);
    // "Vytlač obrazovka" and "Vytlač Excel": ascending by number, header blue, refill.
    void ZoradPreTlac();
    // A restored layout: the saved states, then a sort by each sorted column in order.
    void ObnovZoradenie(const QList<int>& stavy);

private:
    QList<TZnalKevrotZaznam>& m_zaznamy;
    const RezimKopirovania* m_kopirovanie;
    QList<int> m_riadky;
    Stav m_stav = Vsetky;
    int m_rok = 0;
    TZnalKevrotFilter m_filter;
    StavZoradenia m_zoradenie{12};
};
