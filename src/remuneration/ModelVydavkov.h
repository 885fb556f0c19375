#pragma once
// The items of the remuneration window as a table model: one row per item in the list's
// order, the columns of an item tab. A tab shows its kinds through FilterZalozky. A typed
// cell goes through UpravaVydavkov::UpravBunku; a refused value leaves the item as it was.

#include <QAbstractTableModel>
#include <QHash>

#include "UpravaVydavkov.h"

class ModelVydavkov : public QAbstractTableModel {
    Q_OBJECT
public:
    // The item's kind, in every column.
    static constexpr int RolaDruhu = Qt::UserRole + 1;

    explicit ModelVydavkov(UpravaVydavkov& uprava, QObject* rodic = nullptr);

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcia, Qt::Orientation orientacia, int rola = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A typed value; false when the item did not take it.
    bool setData(const QModelIndex& index, const QVariant& hodnota, int rola = Qt::EditRole) override;

    // Recomputes the listed items' amounts and shows every row again.
    void Prepocitaj();
    // A stored billing taken as a template: the list replaced.
    void NacitajVzor(const TCiselnikVydavok& vzor);

    // The window's dialogs' results (see UpravaVydavkov); rows follow the list.
    void Uloz(int index, const TVydavok& v);
    void UlozPausalne(int index, const QString& nazov, const QString& mj, double cena,
                      const QList<TRozpisPolozky>& rozpis);
    void NahradRozpis(int index, const QList<TRozpisPolozky>& rozpis);
    void Zmaz(int index);

private:
    template <class Zmena>
    void zmenPolozku(int index, Zmena zmena);
    bool platny(const QModelIndex& i) const;
    QString text(int riadok, int stlpec) const;
    QVariant vzhlad(int riadok, int stlpec, int rola) const;
    bool upravitelna(const QModelIndex& index) const;

    UpravaVydavkov& m_u;
    // Texts a cell shows in place of its value: a refused entry kept or emptied.
    QHash<QPair<int, int>, QString> m_prepisane;
};
