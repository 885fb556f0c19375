#include "KevrotTabulka.h"

#include "store/Zurnal.h"

#include "FarbyRegistra.h"
#include "RezimKopirovania.h"
#include "ZoradenieKevrota.h"
#include "store/Datum.h"
#include "store/Peniaze.h"

#include <QBrush>

namespace {

using Z = RiadokKevrota;

QString datumAleboNic(double d) { return d != 0.0 ? DatumText(d) : QString(); }

const QList<KevrotTabulka::Stlpec>& stlpceKevrota()
{
    static const QList<KevrotTabulka::Stlpec> s{
        {{QStringLiteral("Por.číslo"), 58},
         [](const Z& z) { return QString::number(z.PoradoveCislo) + QLatin1Char('/') + QString::number(z.Rok); }},
        {{QStringLiteral("Zadávateľ"), 112, false, 1}, [](const Z& z) { return z.Meno() + QLatin1Char(' ') + z.Adresa(); }},
        {{QStringLiteral("Spisová značka"), 82}, [](const Z& z) { return z.CisloObjednavky(); }},
        {{QStringLiteral("Dátum vyžiadania"), 97}, [](const Z& z) { return datumAleboNic(z.DatumVyziadania); }},
        {{QStringLiteral("Dátum vykonania"), 90}, [](const Z& z) { return datumAleboNic(z.DatumVykonania); }},
        // The subject, the longest text, takes most of the free width.
        {{QStringLiteral("Predmet"), 92, false, 3}, [](const Z& z) { return z.Predmet(); }},
        {{QStringLiteral("Odmena"), 77, true}, [](const Z& z) { return SumaText(SymbolEuro, z.UctovanaOdmena); }},
        {{QStringLiteral("Výdavky"), 93, true}, [](const Z& z) { return SumaText(SymbolEuro, z.UctovaneVydavky); }},
        {{QStringLiteral("Dátum vyplatenia"), 92},
         [](const Z& z) { return Zurnal::DatumyVyplateniaZoznam(z.DatumyVyplatenia()).join(QStringLiteral(", ")); }},
        {{QString(), 0}, nullptr},
    };
    return s;
}

void zoradKevrot(QList<Z>& zoznam, int stlpec, SmerZoradenia smer)
{
    ZoradKevrot(zoznam, stlpec, smer == SmerZoradenia::Zostupne);
}

}  // namespace

KevrotTabulka::KevrotTabulka(QList<RiadokKevrota>& zaznamy, const RezimKopirovania* kopirovanie, QObject* rodic)
    : TabulkaZoznamu(zaznamy, stlpceKevrota(), 12, &zoradKevrot, rodic), m_kopirovanie(kopirovanie)
{
}

bool KevrotTabulka::zobrazuje(int pozicia) const
{
    const RiadokKevrota& z = zoznam()[pozicia];
    if ((m_stav == Nevyplatene && z.Vyplatene) || (m_stav == Vyplatene && !z.Vyplatene))
        return false;
    return z.Rok == m_rok && TabulkaZoznamu::zobrazuje(pozicia);
}

QVariant KevrotTabulka::farbaBunky(int riadok, int stlpec, int rola) const
{
    if (!m_kopirovanie || !m_kopirovanie->zapnuty())
        return {};
    const bool kopirovana = m_kopirovanie->jeKopirovanaBunka(riadok, stlpec);
    if (rola == Qt::ForegroundRole)
        return kopirovana ? QVariant(QBrush(FarbaZCisla(FarbyRegistra::KopirovanaBunkaText))) : QVariant();
    if (kopirovana)
        return QBrush(FarbaZCisla(FarbyRegistra::KopirovanaBunka));
    if (stlpec >= 1 && stlpec <= 5)
        return QBrush(FarbaZCisla(FarbyRegistra::KopirovanieStlpce));
    return {};
}

Qt::ItemFlags KevrotTabulka::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_kopirovanie && m_kopirovanie->zapnuty())
        f |= Qt::ItemIsEditable;
    return f;
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

void KevrotTabulka::ZoradPreTlac()
{
    zoradenie().vynuluj();
    zoradenie().nastav(0, int(SmerZoradenia::Vzostupne));
    ZoradPodlaHlavicky();
}
