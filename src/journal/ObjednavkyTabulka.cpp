#include "ObjednavkyTabulka.h"

#include "FarbyRegistra.h"
#include "ZoradenieObjednavok.h"
#include "store/Datum.h"
#include "store/Objednavka.h"

#include <QBrush>

ObjednavkyTabulka::ObjednavkyTabulka(QList<TObjednavka>& zoznam, QObject* rodic)
    : QAbstractTableModel(rodic), m_zoznam(zoznam)
{
    Obnov();
}

QStringList ObjednavkyTabulka::Hlavicky()
{
    return {QStringLiteral("Dátum vyžiadania"), QStringLiteral("Zadávateľ"), QStringLiteral("Spisová značka"),
            QStringLiteral("Druh úkonu"),       QStringLiteral("Typ posudku"), QStringLiteral("Predmet"),
            QStringLiteral("Účel posudku"),     QString()};
}

QList<int> ObjednavkyTabulka::PredvoleneSirky() { return {90, 147, 96, 78, 127, 152, 79, 2}; }

int ObjednavkyTabulka::rowCount(const QModelIndex& rodic) const
{
    return rodic.isValid() ? 0 : int(m_riadky.size());
}

int ObjednavkyTabulka::columnCount(const QModelIndex& rodic) const { return rodic.isValid() ? 0 : PocetStlpcov; }

QString ObjednavkyTabulka::Text(int riadok, int stlpec) const
{
    const int p = Pozicia(riadok);
    if (p < 0)
        return {};
    const TObjednavka& o = m_zoznam[p];
    switch (stlpec) {
    case 0: return o.DatumVyziadania != 0.0 ? DatumText(o.DatumVyziadania) : QString();
    case 1: return o.Meno + QLatin1Char(' ') + o.Adresa;
    case 2: return o.Cislo;
    case 3: return o.DruhUkonu;
    case 4: return o.TypPosudku;
    case 5: return o.Predmet;
    case 6: return o.Ucel;
    case StlpecPozicie: return QString::number(p);
    default: return {};
    }
}

QVariant ObjednavkyTabulka::data(const QModelIndex& index, int rola) const
{
    if (!index.isValid())
        return {};
    switch (rola) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return Text(index.row(), index.column());
    case Qt::BackgroundRole:
        if (m_filter.TestujeStlpec(index.column()))
            return QBrush(FarbaZCisla(FarbyRegistra::StlpecFiltra));
        return {};
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

QVariant ObjednavkyTabulka::headerData(int sekcia, Qt::Orientation orientacia, int rola) const
{
    if (orientacia != Qt::Horizontal)
        return {};
    if (rola == Qt::DisplayRole)
        return Hlavicky().value(sekcia);
    if (rola == Qt::ForegroundRole)
        return QBrush(m_zoradenie.farbaHlavicky(sekcia));
    return {};
}

void ObjednavkyTabulka::Obnov()
{
    beginResetModel();
    m_riadky.clear();
    for (int i = 0; i < m_zoznam.size(); ++i) {
        const TObjednavka& o = m_zoznam[i];
        if (m_stav != Vsetky && o.Stav != int(m_stav))
            continue;
        if (!m_filter.Vyhovuje(o))
            continue;
        m_riadky.append(i);
    }
    endResetModel();
}

void ObjednavkyTabulka::NastavStav(Stav stav)
{
    m_stav = stav;
    Obnov();
}

int ObjednavkyTabulka::Pozicia(int riadok) const
{
    if (riadok < 0 || riadok >= m_riadky.size())
        return -1;
    const int p = m_riadky[riadok];
    return p < m_zoznam.size() ? p : -1;
}

int ObjednavkyTabulka::RiadokPozicie(int pozicia) const { return int(m_riadky.indexOf(pozicia)); }

void ObjednavkyTabulka::KlikNaHlavicku(int stlpec)
{
    const SmerZoradenia smer = m_zoradenie.klik(stlpec);
    ZoradObjednavky(m_zoznam, stlpec, smer);
    Obnov();
    emit headerDataChanged(Qt::Horizontal, 0, PocetStlpcov - 1);
}

void ObjednavkyTabulka::Zorad(int stlpec, SmerZoradenia smer)
{
    ZoradObjednavky(m_zoznam, stlpec, smer);
    Obnov();
}

void ObjednavkyTabulka::ObnovZoradenie(const QList<int>& stavy)
{
    m_zoradenie.vynuluj();
    for (int i = 0; i < stavy.size(); ++i) {
        m_zoradenie.nastav(i, stavy[i]);
        if (stavy[i] == 1 || stavy[i] == 2)
            ZoradObjednavky(m_zoznam, i, SmerZoradenia(stavy[i]));
    }
    Obnov();
    emit headerDataChanged(Qt::Horizontal, 0, PocetStlpcov - 1);
}
