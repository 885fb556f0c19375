#include "ModelVydavkov.h"

#include <QColor>
#include <QFont>

namespace {

using namespace DruhVydavku;
namespace S = StlpecVydavku;

QColor farbaDruhu(qint32 druh)
{
    switch (druh) {
    case PausalnaOdmena: return QColor(0x80, 0, 0);
    case VydavokSCenou: return QColor(0, 0x80, 0x80);
    case PausalneVydavky: return QColor(0, 0, 0xff);
    case StrataCasu: return QColor(0, 0x80, 0);
    default: return QColor(0, 0, 0);
    }
}

const QColor kStrieborna(0xc0, 0xc0, 0xc0);
const QColor kUpravitelna(0xff, 0xff, 0xe0);  // light yellow: cells that take typing

QFont tucne()
{
    QFont f;
    f.setBold(true);
    return f;
}

}  // namespace

ModelVydavkov::ModelVydavkov(UpravaVydavkov& uprava, QObject* rodic) : QAbstractTableModel(rodic), m_u(uprava) {}

bool ModelVydavkov::platny(const QModelIndex& i) const
{
    return i.isValid() && i.model() == this && i.row() < rowCount() && i.column() < columnCount();
}

int ModelVydavkov::rowCount(const QModelIndex& rodic) const { return rodic.isValid() ? 0 : int(m_u.polozky.size()); }

int ModelVydavkov::columnCount(const QModelIndex& rodic) const { return rodic.isValid() ? 0 : S::PocetStlpcov; }

QString ModelVydavkov::text(int riadok, int stlpec) const
{
    const auto p = m_prepisane.constFind({riadok, stlpec});
    if (p != m_prepisane.cend())
        return *p;
    const int rozpisy = int(m_u.polozky[riadok].Rozpis.size());
    if (stlpec == S::Popis && rozpisy >= 2)
        return QStringLiteral("počet položiek: ") + QString::number(rozpisy);
    return m_u.TextBunky(riadok, stlpec);
}

bool ModelVydavkov::upravitelna(const QModelIndex& index) const
{
    const auto z = ZalozkaDruhu(m_u.polozky[index.row()].Druh);
    return z && m_u.JeBunkaUpravitelna(*z, index.row(), index.column());
}

QVariant ModelVydavkov::vzhlad(int riadok, int stlpec, int rola) const
{
    const TVydavok& v = m_u.polozky[riadok];
    const bool viac = v.Rozpis.size() >= 2;
    const bool suhrnPopisu = viac && stlpec == S::Popis;
    switch (rola) {
    case Qt::BackgroundRole:
        if (stlpec == S::Znacka)
            return farbaDruhu(v.Druh);
        if (upravitelna(index(riadok, stlpec)))
            return kUpravitelna;
        return viac ? QVariant(kStrieborna) : QVariant();
    case Qt::ForegroundRole: return suhrnPopisu ? QVariant(QColor(0, 0, 0x80)) : QVariant();
    case Qt::FontRole:
        return stlpec == S::Polozka || stlpec == S::Suma || suhrnPopisu ? QVariant(tucne()) : QVariant();
    case Qt::TextAlignmentRole:
        if (stlpec == S::Cena || stlpec == S::Suma || suhrnPopisu)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    case Qt::ToolTipRole:
        // F2 or a double click opens such a cell; the others do not open at all.
        return upravitelna(index(riadok, stlpec))
                   ? QVariant(QStringLiteral("Hodnotu možno prepísať priamo v tabuľke (F2 alebo dvojklik)."))
                   : QVariant();
    default: return {};
    }
}

QVariant ModelVydavkov::data(const QModelIndex& index, int rola) const
{
    if (!platny(index))
        return {};
    const int r = index.row(), s = index.column();
    switch (rola) {
    case Qt::DisplayRole:
    case Qt::EditRole: return s == S::Znacka ? QString() : text(r, s);
    case RolaDruhu: return m_u.polozky[r].Druh;
    default: return vzhlad(r, s, rola);
    }
}

QVariant ModelVydavkov::headerData(int sekcia, Qt::Orientation orientacia, int rola) const
{
    if (orientacia != Qt::Horizontal || rola != Qt::DisplayRole || sekcia < 0 || sekcia >= S::PocetStlpcov)
        return QAbstractTableModel::headerData(sekcia, orientacia, rola);
    static const QString hlavicka[S::PocetStlpcov] = {QString(),
                                                      QStringLiteral("Položka"),
                                                      QStringLiteral("MJ"),
                                                      QStringLiteral("Cena za MJ v €"),
                                                      QStringLiteral("Počet MJ"),
                                                      QStringLiteral("Cena spolu v €"),
                                                      QStringLiteral("Popis")};
    return hlavicka[sekcia];
}

Qt::ItemFlags ModelVydavkov::flags(const QModelIndex& index) const
{
    if (!platny(index))
        return Qt::NoItemFlags;
    const Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return upravitelna(index) ? f | Qt::ItemIsEditable : f;
}

bool ModelVydavkov::setData(const QModelIndex& index, const QVariant& hodnota, int rola)
{
    if (rola != Qt::EditRole || !platny(index) || !upravitelna(index))
        return false;
    const int r = index.row(), s = index.column();
    const QString typed = hodnota.toString();
    const VysledokBunky v = m_u.UpravBunku(*ZalozkaDruhu(m_u.polozky[r].Druh), r, s, typed);
    switch (v) {
    case VysledokBunky::StaryText: return false;
    case VysledokBunky::Vyprazdnit: m_prepisane.insert({r, s}, QString()); break;
    case VysledokBunky::Ponechat: m_prepisane.insert({r, s}, typed); break;
    case VysledokBunky::Prevzate:
        for (int k = 0; k < S::PocetStlpcov; ++k)
            m_prepisane.remove({r, k});
        emit dataChanged(this->index(r, 0), this->index(r, S::PocetStlpcov - 1));
        return true;
    }
    emit dataChanged(index, index);
    return false;
}

void ModelVydavkov::Prepocitaj()
{
    m_u.PrepocitajZobrazene();
    m_prepisane.clear();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, S::PocetStlpcov - 1));
}

void ModelVydavkov::NacitajVzor(const TCiselnikVydavok& vzor)
{
    beginResetModel();
    m_prepisane.clear();
    m_u.NacitajVzor(vzor);
    endResetModel();
}

template <class Zmena>
void ModelVydavkov::zmenPolozku(int index, Zmena zmena)
{
    m_prepisane.clear();
    if (index >= 0 && index < rowCount()) {
        zmena(index);
        emit dataChanged(this->index(index, 0), this->index(index, S::PocetStlpcov - 1));
        return;
    }
    beginInsertRows({}, rowCount(), rowCount());
    zmena(-1);
    endInsertRows();
}

void ModelVydavkov::Uloz(int index, const TVydavok& v)
{
    zmenPolozku(index, [&](int i) { m_u.Uloz(i, v); });
}

void ModelVydavkov::UlozPausalne(int index, const QString& nazov, const QString& mj, double cena,
                                 const QList<TRozpisPolozky>& rozpis)
{
    zmenPolozku(index, [&](int i) { m_u.UlozPausalne(i, nazov, mj, cena, rozpis); });
}

void ModelVydavkov::NahradRozpis(int index, const QList<TRozpisPolozky>& rozpis)
{
    if (index >= 0 && index < rowCount())
        zmenPolozku(index, [&](int i) { m_u.NahradRozpis(i, rozpis); });
}

void ModelVydavkov::Zmaz(int index)
{
    if (index < 0 || index >= rowCount())
        return;
    m_prepisane.clear();
    beginRemoveRows({}, index, index);
    m_u.Zmaz(index);
    endRemoveRows();
}
