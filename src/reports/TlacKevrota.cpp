#include "TlacKevrota.h"

#include <QGuiApplication>

#include "TAlZostava.h"
#include "settings/Nastavenia.h"
#include "settings/Jazyky.h"
#include "settings/OdborKody.h"
#include "settings/OdboryOdvetvia.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/ZdielaneSubory.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"
#include "store/Zurnal.h"

namespace TlacKevrota {
namespace {

// Texts joined by one space, cut at 255 characters.
QString spoj(const QStringList& casti)
{
    return casti.join(u' ').left(255);
}

void pridajZnakyKodu(NazvaneHodnoty& h, const QString& kod)
{
    if (kod.size() != 6)
        return;
    for (int i = 0; i < 6; ++i)
        h.append({QStringLiteral("c%1").arg(i + 1), kod.mid(i, 1)});
}

}  // namespace

QString cestaZostavy(const QString& subor)
{
    return ZdielaneSubory::subor(QStringLiteral("\\Zostavy\\") + subor);
}

QList<RiadokKevrota> ZaznamyNaTlac(const Zurnal& zurnal, int rok)
{
    Zurnal kopia;
    kopia.ZaznamyKevrota = zurnal.ZaznamyKevrota;
    kopia.ZoradPodlaCisla();
    QList<RiadokKevrota> out;
    for (const auto& z : kopia.ZaznamyKevrota)
        if (z.Rok == rok)
            out.append(z);
    return out;
}

NazvaneHodnoty HodnotyZoznamu(const QList<RiadokKevrota>& zaznamy, const TNastavenia& n, int rok)
{
    NazvaneHodnoty h;
    h.append({QStringLiteral("ZnalecField"), spoj({n.Meno, n.Priezvisko})});
    h.append({QStringLiteral("Rok"), QString::number(rok)});
    for (const auto& z : zaznamy) {
        if (z.Rok != rok)
            continue;
        h.append({QStringLiteral("PorCislo"), QString::number(z.PoradoveCislo) + QStringLiteral(" / ") + QString::number(z.Rok)});
        h.append({QStringLiteral("Ziadatel"), spoj({z.Meno(), z.Adresa()})});
        h.append({QStringLiteral("DatumVyziadania"), DatumText(z.DatumVyziadania)});
        h.append({QStringLiteral("DatumVykonania"), DatumText(z.DatumVykonania)});
        h.append({QStringLiteral("UkonTypPredmet"), spoj({z.DruhUkonu(), z.TypPosudku(), z.Predmet(), z.Ucel()})});
        h.append({QStringLiteral("Odmena_uctovana"), SumaText(SymbolEuro, z.UctovanaOdmena)});
        h.append({QStringLiteral("Odmena_uctovana_udaje"), z.UdajeOdmena()});
        h.append({QStringLiteral("Vydavky"), SumaText(SymbolEuro, z.UctovaneVydavky)});
        h.append({QStringLiteral("Odmena_priznana"), SumaText(SymbolEuro, z.PriznanaOdmena)});
        h.append({QStringLiteral("Vydavky_nahrady"), SumaText(SymbolEuro, z.PriznaneVydavky)});
        h.append({QStringLiteral("Datum_vyplatenia"), z.DatumyVyplatenia()});
        h.append({QStringLiteral("Poznamka"), z.Poznamka()});
    }
    return h;
}

NazvaneHodnoty HodnotyHlavicky(const TNastavenia& n, const TNastavenieTlac& tlac, const OdboryOdvetvia& ciselnik,
                               const Jazyky* jazyky)
{
    NazvaneHodnoty h;
    h.append({QStringLiteral("CisloRok"), QString::number(tlac.KevrotCislo)});
    h.append({QStringLiteral("Meno"), MenoZnalca(n)});
    if (n.EC.size() > 4)
        for (int i = 0; i < 5; ++i)
            h.append({QStringLiteral("ec%1").arg(i + 1), n.EC.mid(i, 1)});
    if (n.EC.size() > 5)
        h.append({QStringLiteral("ec6"), n.EC.mid(5, 1)});
    if (n.Druh == Tlmocnik || n.Druh == Prekladatel) {
        for (const QString& kod : OdborKody::RozdelKody(n.Odbory)) {
            if (kod.isEmpty())
                continue;
            const QString nazov = jazyky ? jazyky->NazovJazyka(kod) : QString();
            h.append({QStringLiteral("Typ"), QStringLiteral("jazyk")});
            h.append({QStringLiteral("TypName"), nazov.isEmpty() ? kod : nazov + QStringLiteral(" (") + kod + u')'});
        }
        return h;
    }
    const QStringList odvetvia = OdborKody::RozdelKody(n.Odvetvia);
    for (const QString& odbor : OdborKody::RozdelKody(n.Odbory)) {
        h.append({QStringLiteral("Typ"), QStringLiteral("odbor")});
        h.append({QStringLiteral("TypName"), ciselnik.NazovOdboru(odbor)});
        pridajZnakyKodu(h, odbor);
        for (const QString& odvetvie : odvetvia) {
            if (odvetvie.left(2) != odbor.left(2))
                continue;
            h.append({QStringLiteral("Typ"), QStringLiteral("odvetvie")});
            h.append({QStringLiteral("TypName"), ciselnik.NazovOdvetvia(odvetvie)});
            pridajZnakyKodu(h, odvetvie);
        }
    }
    return h;
}

void pridaj(TAlReport& report, const NazvaneHodnoty& hodnoty)
{
    for (const auto& [meno, hodnota] : hodnoty)
        report.AddNamedValue(meno, hodnota);
}

std::optional<StranyZostavy> priprav(const QString& subor, const NazvaneHodnoty& hodnoty)
{
    auto zostava = NahrajZostavuAleboOhlas(cestaZostavy(subor));
    if (!zostava)
        return std::nullopt;
    TAlReport* r = zostava->report();
    pridaj(*r, hodnoty);
    StranyZostavy s;
    s.orientacia = r->Orientation;
    s.papier = r->Papersize;
    r->PreparePages(s.strany);
    return s;
}

bool VytlacKevrotDoPdf(const Zurnal& zurnal, const Nastavenia& nastavenia, const OdboryOdvetvia& ciselnik,
                       int rok, const QString& subor, const Jazyky* jazyky)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        spravy().chyba(QStringLiteral("Tlač zostáv potrebuje grafické rozhranie (stačí QT_QPA_PLATFORM=offscreen)."));
        return false;
    }
    QList<StranyZostavy> zostavy;
    if (auto z = priprav(ZostavaZoznamu, HodnotyZoznamu(ZaznamyNaTlac(zurnal, rok), nastavenia.Nastavenie, rok)))
        zostavy.append(*z);
    if (auto z = priprav(ZostavaHlavicky, HodnotyHlavicky(nastavenia.Nastavenie, nastavenia.NastavenieTlac, ciselnik, jazyky)))
        zostavy.append(*z);
    if (zostavy.isEmpty())
        return false;
    return ohlas(UlozPdf(zostavy, subor, QStringLiteral("Znalecký kevrot %1").arg(rok)));
}

}  // namespace TlacKevrota
