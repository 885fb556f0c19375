#include "FilterZalozky.h"

#include "ModelVydavkov.h"

FilterZalozky::FilterZalozky(ZalozkaVydavkov zalozka, QObject* rodic)
    : QSortFilterProxyModel(rodic), m_zalozka(zalozka)
{
}

int FilterZalozky::Polozka(int riadok) const
{
    const QModelIndex i = index(riadok, 0);
    return i.isValid() ? mapToSource(i).row() : -1;
}

QVariant FilterZalozky::headerData(int sekcia, Qt::Orientation orientacia, int rola) const
{
    if (m_zalozka == ZalozkaVydavkov::Podielova && orientacia == Qt::Horizontal && rola == Qt::DisplayRole) {
        if (sekcia == StlpecVydavku::Cena)
            return QStringLiteral("Východisková cena v €");
        if (sekcia == StlpecVydavku::Pocet)
            return QStringLiteral("Pcčet MJ");
    }
    return QSortFilterProxyModel::headerData(sekcia, orientacia, rola);
}

bool FilterZalozky::filterAcceptsRow(int riadok, const QModelIndex& rodic) const
{
    const QModelIndex i = sourceModel()->index(riadok, 0, rodic);
    return ZalozkaUkazuje(m_zalozka, i.data(ModelVydavkov::RolaDruhu).toInt());
}
