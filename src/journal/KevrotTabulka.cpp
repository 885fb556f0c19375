#include "KevrotTabulka.h"

#include "FarbyRegistra.h"
#include "RezimKopirovania.h"
#include "ZoradenieKevrota.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/ZnalKevrotZaznam.h"

#include <QBrush>

KevrotTabulka::KevrotTabulka(QList<TZnalKevrotZaznam>& zaznamy, const RezimKopirovania* kopirovanie, QObject* rodic)
    : QAbstractTableModel(rodic), m_zaznamy(zaznamy), m_kopirovanie(kopirovanie)
{
}

QStringList KevrotTabulka::Hlavicky()
{
    return {QStringLiteral("Por.číslo"),       QStringLiteral("Zadávateľ"),       QStringLiteral("Spisová značka"),
            QStringLiteral("Dátum vyžiadania"), QStringLiteral("Dátum vykonania"), QStringLiteral("Predmet"),
            QStringLiteral("Odmena"),           QStringLiteral("Výdavky"),         QStringLiteral("Dátum vyplatenia"),
            QString()};
}

QList<int> KevrotTabulka::PredvoleneSirky() { return {58, 112, 82, 97, 90, 92, 77, 93, 92, 0}; }

int KevrotTabulka::rowCount(const QModelIndex& rodic) const { return rodic.isValid() ? 0 : int(m_riadky.size()); }

int KevrotTabulka::columnCount(const QModelIndex& rodic) const { return rodic.isValid() ? 0 : PocetStlpcov; }

namespace {
QString datumAleboNic(double d) { return d != 0.0 ? DatumText(d) : QString(); }
}  // namespace

QString KevrotTabulka::Text(int riadok, int stlpec) const
{
    const int p = Pozicia(riadok);
    if (p < 0)
        return {};
    const TZnalKevrotZaznam& z = m_zaznamy[p];
    switch (stlpec) {
    case 0: return QString::number(z.PoradoveCislo) + QLatin1Char('/') + QString::number(z.Rok);
    case 1: return z.Meno + QLatin1Char(' ') + z.Adresa;
    case 2: return z.CisloObjednavky;
    case 3: return datumAleboNic(z.DatumVyziadania);
    case 4: return datumAleboNic(z.DatumVykonania);
    case 5: return z.Predmet;
    case 6: return SumaText(SymbolEuro, z.UctovanaOdmena);
    case 7: return SumaText(SymbolEuro, z.UctovaneVydavky);
    case 8: {
        QString t = z.DatumyVyplatenia;
        t.replace(QLatin1Char('\r'), QLatin1Char(','));
        return t;
    }
    case StlpecPozicie: return QString::number(p);
    default: return {};
    }
}

QVariant KevrotTabulka::data(const QModelIndex& index, int rola) const
{
    if (!index.isValid())
        return {};
    const int r = index.row();
    const int s = index.column();
    const bool kopirovanie = m_kopirovanie && m_kopirovanie->zapnuty();
    switch (rola) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return Text(r, s);
    case Qt::TextAlignmentRole:
        if (s == 6 || s == 7)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (kopirovanie && m_kopirovanie->jeKopirovanaBunka(r, s))
            return QBrush(FarbaZCisla(FarbyRegistra::KopirovanaBunka));
        if (kopirovanie && s >= 1 && s <= 5)
            return QBrush(FarbaZCisla(FarbyRegistra::KopirovanieStlpce));
        if (m_filter.TestujeStlpec(s))
            return QBrush(FarbaZCisla(FarbyRegistra::StlpecFiltra));
        return {};
    case Qt::ForegroundRole:
        if (kopirovanie && m_kopirovanie->jeKopirovanaBunka(r, s))
            return QBrush(FarbaZCisla(FarbyRegistra::KopirovanaBunkaText));
        return QBrush(Qt::black);
    default:
        return {};
    }
}

Qt::ItemFlags KevrotTabulka::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_kopirovanie && m_kopirovanie->zapnuty())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant KevrotTabulka::headerData(int sekcia, Qt::Orientation orientacia, int rola) const
{
    if (orientacia != Qt::Horizontal)
        return {};
    if (rola == Qt::DisplayRole)
        return Hlavicky().value(sekcia);
    if (rola == Qt::ForegroundRole)
        return QBrush(m_zoradenie.farbaHlavicky(sekcia));
    return {};
}

void KevrotTabulka::Obnov()
{
    beginResetModel();
    m_riadky.clear();
    m_riadky.reserve(m_zaznamy.size());
    for (int i = 0; i < m_zaznamy.size(); ++i) {
        const TZnalKevrotZaznam& z = m_zaznamy[i];
        if (m_stav == Nevyplatene && z.Vyplatene)
            continue;
        if (m_stav == Vyplatene && !z.Vyplatene)
            continue;
        if (z.Rok != m_rok)
            continue;
        if (!m_filter.Vyhovuje(z))
            continue;
        m_riadky.append(i);
    }
    endResetModel();
}

void KevrotTabulka::Prekresli()
{
    if (!m_riadky.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_riadky.size()) - 1, PocetStlpcov - 1));
    emit headerDataChanged(Qt::Horizontal, 0, PocetStlpcov - 1);
}

void KevrotTabulka::NastavStav(Stav stav)
{
    m_stav = stav;
    Obnov();
}

void KevrotTabulka::NastavRok(int rok)
{
    m_rok = rok;
    Obnov();
}

int KevrotTabulka::Pozicia(int riadok) const
{
    if (riadok < 0 || riadok >= m_riadky.size())
        return -1;
    const int p = m_riadky[riadok];
    return p < m_zaznamy.size() ? p : -1;
}

int KevrotTabulka::RiadokPozicie(int pozicia) const { return int(m_riadky.indexOf(pozicia)); }

void KevrotTabulka::KlikNaHlavicku(int stlpec)
{
    const SmerZoradenia smer = m_zoradenie.klik(stlpec);
    ZoradKevrot(m_zaznamy, stlpec, smer == SmerZoradenia::Zostupne);
    Obnov();
    emit headerDataChanged(Qt::Horizontal, 0, PocetStlpcov - 1);
}

void KevrotTabulka::ZoradPreTlac()
{
    m_zoradenie.vynuluj();
    m_zoradenie.nastav(0, int(SmerZoradenia::Vzostupne));
    ZoradKevrot(m_zaznamy, 0, false);
    Obnov();
    emit headerDataChanged(Qt::Horizontal, 0, PocetStlpcov - 1);
}

void KevrotTabulka::ObnovZoradenie(const QList<int>& stavy)
{
    m_zoradenie.vynuluj();
    for (int i = 0; i < stavy.size(); ++i)
        m_zoradenie.nastav(i, stavy[i]);
    ObnovZoradenieKevrota(m_zaznamy, stavy);
    Obnov();
    emit headerDataChanged(Qt::Horizontal, 0, PocetStlpcov - 1);
}
