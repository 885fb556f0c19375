#include "TabulkaRegistra.h"

#include "FarbyRegistra.h"

#include <QBrush>

TabulkaRegistra::TabulkaRegistra(QList<StlpecRegistra> stlpce, int slotyZoradenia, QObject* rodic)
    : QAbstractTableModel(rodic), m_stlpce(std::move(stlpce)),
      m_zoradenie(qMax(slotyZoradenia, int(m_stlpce.size())))
{
}

QStringList TabulkaRegistra::Hlavicky() const
{
    QStringList h;
    for (const StlpecRegistra& s : m_stlpce)
        h << s.hlavicka;
    return h;
}

QList<int> TabulkaRegistra::PodielyVolnehoMiesta() const
{
    QList<int> s;
    for (const StlpecRegistra& c : m_stlpce)
        s << c.podiel;
    return s;
}

QList<int> TabulkaRegistra::PredvoleneSirky() const
{
    QList<int> w;
    for (const StlpecRegistra& s : m_stlpce)
        w << s.sirka;
    return w;
}

int TabulkaRegistra::rowCount(const QModelIndex& rodic) const { return rodic.isValid() ? 0 : int(m_riadky.size()); }

int TabulkaRegistra::columnCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : int(m_stlpce.size());
}

QString TabulkaRegistra::Text(int riadok, int stlpec) const
{
    const int p = Pozicia(riadok);
    if (p < 0 || stlpec < 0 || stlpec >= m_stlpce.size())
        return {};
    return textPolozky(p, stlpec);
}

QVariant TabulkaRegistra::farbaBunky(int, int, int) const { return {}; }

QVariant TabulkaRegistra::data(const QModelIndex& index, int rola) const
{
    if (!index.isValid())
        return {};
    const int r = index.row();
    const int s = index.column();
    switch (rola) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return Text(r, s);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((m_stlpce.value(s).vpravo ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
    case Qt::ForegroundRole: {
        const QVariant f = farbaBunky(r, s, rola);
        if (f.isValid())
            return f;
        if (rola == Qt::ForegroundRole)
            return QBrush(Qt::black);
        if (filterTestuje(s))
            return QBrush(FarbaZCisla(FarbyRegistra::StlpecFiltra));
        return {};
    }
    default:
        return {};
    }
}

QVariant TabulkaRegistra::headerData(int sekcia, Qt::Orientation orientacia, int rola) const
{
    if (orientacia != Qt::Horizontal)
        return {};
    if (rola == Qt::DisplayRole)
        return m_stlpce.value(sekcia).hlavicka;
    if (rola == Qt::ForegroundRole)
        return QBrush(m_zoradenie.farbaHlavicky(sekcia));
    return {};
}

void TabulkaRegistra::Obnov()
{
    beginResetModel();
    m_riadky.clear();
    const int n = pocetPoloziek();
    m_riadky.reserve(n);
    for (int i = 0; i < n; ++i)
        if (zobrazuje(i))
            m_riadky.append(i);
    endResetModel();
}

void TabulkaRegistra::Prekresli()
{
    if (!m_riadky.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_riadky.size()) - 1, columnCount() - 1));
    zmenaHlavicky();
}

void TabulkaRegistra::zmenaHlavicky() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }

int TabulkaRegistra::Pozicia(int riadok) const
{
    if (riadok < 0 || riadok >= m_riadky.size())
        return -1;
    const int p = m_riadky[riadok];
    return p < pocetPoloziek() ? p : -1;
}

int TabulkaRegistra::RiadokPozicie(int pozicia) const { return int(m_riadky.indexOf(pozicia)); }

void TabulkaRegistra::KlikNaHlavicku(int stlpec)
{
    zorad(stlpec, m_zoradenie.klik(stlpec));
    Obnov();
    zmenaHlavicky();
}

void TabulkaRegistra::ObnovZoradenie(const QList<int>& stavy)
{
    m_zoradenie.vynuluj();
    for (int i = 0; i < stavy.size(); ++i)
        m_zoradenie.nastav(i, stavy[i]);
    ZoradPodlaHlavicky();
}

void TabulkaRegistra::ZoradPodlaHlavicky()
{
    for (int c = 0; c < m_zoradenie.pocet(); ++c)
        if (const int s = m_zoradenie.stav(c); s == 1 || s == 2)
            zorad(c, SmerZoradenia(s));
    Obnov();
    zmenaHlavicky();
}
