#pragma once
// A read-only grid model over a list its owner keeps: one row per element, the columns
// from descriptors. The owner changes the list inside Vloz / Zmen / Odober / Obnov, so
// that the views follow (selection and current row included).

#include <QAbstractTableModel>
#include <QList>
#include <QScopeGuard>

#include <functional>

template <class T>
class ModelZoznamu : public QAbstractTableModel {
public:
    struct Stlpec {
        QString hlavicka;
        std::function<QString(const T&)> text;
        bool vpravo = false;  // right-aligned
    };

    ModelZoznamu(const QList<T>& zoznam, QList<Stlpec> stlpce, QObject* rodic = nullptr)
        : QAbstractTableModel(rodic), m_zoznam(zoznam), m_stlpce(std::move(stlpce))
    {
    }

    int rowCount(const QModelIndex& rodic = {}) const override
    {
        return rodic.isValid() || m_skryte ? 0 : int(m_zoznam.size());
    }
    int columnCount(const QModelIndex& rodic = {}) const override { return rodic.isValid() ? 0 : int(m_stlpce.size()); }

    QVariant data(const QModelIndex& i, int rola = Qt::DisplayRole) const override
    {
        if (!i.isValid() || i.model() != this || i.row() >= rowCount() || i.column() >= columnCount())
            return {};
        const Stlpec& s = m_stlpce[i.column()];
        if (rola == Qt::DisplayRole)
            return s.text(m_zoznam[i.row()]);
        if (rola == Qt::TextAlignmentRole && s.vpravo)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    }

    QVariant headerData(int sekcia, Qt::Orientation o, int rola = Qt::DisplayRole) const override
    {
        if (o == Qt::Horizontal && rola == Qt::DisplayRole && sekcia >= 0 && sekcia < m_stlpce.size())
            return m_stlpce[sekcia].hlavicka;
        return QAbstractTableModel::headerData(sekcia, o, rola);
    }

    // `zmena` appends one element; its result is returned.
    template <class F>
    auto Vloz(F zmena) -> decltype(zmena())
    {
        const bool ohlasit = !m_skryte;
        if (ohlasit)
            beginInsertRows({}, rowCount(), rowCount());
        const auto potom = qScopeGuard([&] {
            if (ohlasit)
                endInsertRows();
        });
        return zmena();
    }
    // `zmena` changes element `riadok` in place.
    template <class F>
    auto Zmen(int riadok, F zmena) -> decltype(zmena())
    {
        const auto potom = qScopeGuard([&] {
            if (riadok >= 0 && riadok < rowCount())
                emit dataChanged(index(riadok, 0), index(riadok, columnCount() - 1));
        });
        return zmena();
    }
    // `zmena` removes element `riadok` (a row not shown: nothing to remove).
    template <class F>
    auto Odober(int riadok, F zmena) -> decltype(zmena())
    {
        const bool ohlasit = riadok >= 0 && riadok < rowCount();
        if (ohlasit)
            beginRemoveRows({}, riadok, riadok);
        const auto potom = qScopeGuard([&] {
            if (ohlasit)
                endRemoveRows();
        });
        return zmena();
    }
    // `zmena` changes the list in any way.
    template <class F>
    void Obnov(F zmena)
    {
        beginResetModel();
        zmena();
        m_skryte = m_skrytie && m_skrytie();
        endResetModel();
    }
    // When the grid shows no rows at all, asked at every Obnov.
    void NastavSkrytie(std::function<bool()> skrytie) { m_skrytie = std::move(skrytie); }

private:
    const QList<T>& m_zoznam;
    QList<Stlpec> m_stlpce;
    std::function<bool()> m_skrytie;
    bool m_skryte = false;
};
