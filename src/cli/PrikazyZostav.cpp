#include "cli/PrikazyZostav.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>

#include "finance/ExportExcel.h"
#include "finance/StavFinancii.h"
#include "kevrot/Udaje.h"
#include "reports/TlacKevrota.h"
#include "reports/VypisKevrota.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Subory.h"

namespace Cli {
namespace {

// The listing and the cover page of a year, sorted for printing, into one PDF.
QJsonObject kevrotDoPdf(int rok, const QString& subor)
{
    Udaje u;
    u.odbory.NacitajOdboryOdvetvia();
    u.jazyky.NacitajJazyky();
    u.nastavenia.NacitajVsetko();
    nastavDualneZobrazovanie(u.nastavenia.Dualne.DualneZobrazovanie);
    u.zurnal.NacitajRok(rok);
    const bool ok = TlacKevrota::VytlacKevrotDoPdf(u.zurnal, u.nastavenia, u.odbory, rok, subor, &u.jazyky);
    return {{QStringLiteral("pdf"), ok ? QFileInfo(subor).absoluteFilePath() : QString()},
            {QStringLiteral("zaznamy"), int(u.zurnal.ZaznamyKevrota.size())}};
}

// The five sums of the financial overview for a choice given by name.
QJsonObject financie(int rok, VolbaFinancii volba, double od, double po)
{
    // The money lines show crowns only when the settings ask for them, as in the window.
    Nastavenia n;
    n.NacitajDualneZobrazovanie();
    Zurnal z;
    z.NacitajRok(rok);
    const auto s = PrepocitajFinancie(z, volba, od, po);
    if (!s)
        return {{QStringLiteral("ok"), false}};
    return {{QStringLiteral("ok"), true},
            {QStringLiteral("odmena"), s->odmena},
            {QStringLiteral("priznana"), s->priznana},
            {QStringLiteral("vydavky"), s->vydavky},
            {QStringLiteral("uctovane"), s->uctovane()},
            {QStringLiteral("vyplatene"), s->vyplatene},
            {QStringLiteral("rozdiel"), s->rozdiel()},
            {QStringLiteral("riadky"), QJsonArray::fromStringList(RiadkyFinancii(*s))}};
}

QJsonObject zosit(VariantExportu variant, int rok, const QString& subor)
{
    Nastavenia n;
    n.NacitajVsetko();
    n.DoplnPredvoleneFonty();
    Zurnal z;
    z.NacitajRok(rok);
    z.ZoradPodlaCisla();
    const auto zaznamy = ZaznamyExportu(z.ZaznamyKevrota, rok, variant);
    const Vysledok ok = ZapisZosit(zaznamy, variant, {n.Nastavenie.TableFontName, n.Nastavenie.TableFontSize}, subor);
    if (!ok)
        Subory::ohlasChybuZapisu(subor, ok.dovod());
    return {{QStringLiteral("xlsx"), ok ? subor : QString()}, {QStringLiteral("zaznamy"), int(zaznamy.size())}};
}

// The half-yearly extract of a year as RTF, or PDF when the file name ends in ".pdf".
QJsonObject vypis(int rok, int polrok, const QString& subor)
{
    Udaje u;
    u.odbory.NacitajOdboryOdvetvia();
    u.jazyky.NacitajJazyky();
    u.nastavenia.NacitajNastavenia();
    u.zurnal.NacitajRok(rok);
    VypisKevrota v(u.nastavenia.Nastavenie, u.odbory, u.zurnal.ZaznamyKevrota, rok, &u.jazyky);
    v.Spocitaj(polrok);
    const bool ok = v.Uloz(subor);
    QJsonArray riadky;
    for (const auto& r : v.Mriezka())
        riadky.append(QJsonObject{{QStringLiteral("pocet"), r.pocet}, {QStringLiteral("text"), r.text}});
    return {{QStringLiteral("subor"), ok ? subor : QString()},
            {QStringLiteral("obdobie"), v.ZaObdobie()},
            {QStringLiteral("riadky"), riadky},
            {QStringLiteral("kontrola"), QJsonArray::fromStringList(v.Kontrola())}};
}

}  // namespace

VysledokCli kevrotDoPdfCli(const Volanie& v)
{
    const int rok = v.a.size() == 3 ? rokZ(v.a.at(1)) : 0;
    if (rok == 0)
        return chybaPouzitia(QStringLiteral("Príkaz journal-pdf potrebuje rok a súbor."));
    const QString subor = QFileInfo(v.a.at(2)).absoluteFilePath();
    return spusti(v.appDir, [&] { return kevrotDoPdf(rok, subor); });
}

VysledokCli vypisCli(const Volanie& v)
{
    const QStringList& a = v.a;
    bool ok = false, okPolrok = false;
    const int rok = a.size() == 4 ? a.at(1).toInt(&ok) : 0;
    const int polrok = a.size() == 4 ? a.at(2).toInt(&okPolrok) : 0;
    if (!ok || rok < 1 || rok > 9999 || !okPolrok || (polrok != 1 && polrok != 2))
        return chybaPouzitia(QStringLiteral("Príkaz extract potrebuje rok, polrok 1 alebo 2 a súbor."));
    const QString subor = QFileInfo(a.at(3)).absoluteFilePath();
    return spusti(v.appDir, [&] { return vypis(rok, polrok, subor); });
}

// finance ROK [all|state|private|performed OD DO|paid OD DO]
VysledokCli financieCli(const Volanie& v)
{
    const QStringList a = v.a.mid(1);
    const QString pouzitie = QStringLiteral("Príkaz finance potrebuje rok a voľbu: all, state, private, "
                                            "performed OD DO alebo paid OD DO (dátumy d.m.rrrr).");
    const int rok = a.isEmpty() ? 0 : rokZ(a.first());
    const QString nazov = a.size() > 1 ? a.at(1) : QStringLiteral("all");
    static const QHash<QString, VolbaFinancii> volby = {
        {QStringLiteral("all"), VolbaFinancii::Vsetky},
        {QStringLiteral("private"), VolbaFinancii::Osoba},
        {QStringLiteral("state"), VolbaFinancii::StatnyOrgan},
        {QStringLiteral("performed"), VolbaFinancii::DatumVykonania},
        {QStringLiteral("paid"), VolbaFinancii::DatumVyplatenia},
    };
    if (rok == 0 || !volby.contains(nazov))
        return chybaPouzitia(pouzitie);
    const VolbaFinancii volba = volby.value(nazov);
    const bool sDatumami = volba == VolbaFinancii::DatumVykonania || volba == VolbaFinancii::DatumVyplatenia;
    if (sDatumami ? a.size() != 4 : a.size() > 2)
        return chybaPouzitia(pouzitie);
    double od = 0.0, po = 0.0;
    if (sDatumami) {
        od = TextNaDatum(a.at(2));
        po = TextNaDatum(a.at(3));
        if (od == 0.0 || po == 0.0)
            return chybaPouzitia(pouzitie);
    }
    return spusti(v.appDir, [&] { return financie(rok, volba, od, po); });
}

// xlsx register|finance ROK SÚBOR
VysledokCli zositCli(const Volanie& v)
{
    const QStringList a = v.a.mid(1);
    const int rok = a.size() == 3 ? rokZ(a.at(1)) : 0;
    const QString druh = a.isEmpty() ? QString() : a.first();
    if (rok == 0 || (druh != QLatin1String("register") && druh != QLatin1String("finance")))
        return chybaPouzitia(QStringLiteral("Príkaz xlsx potrebuje register alebo finance, rok a súbor."));
    const VariantExportu variant = druh == QLatin1String("register") ? VariantExportu::Register : VariantExportu::Financny;
    const QString subor = QFileInfo(a.at(2)).absoluteFilePath();
    return spusti(v.appDir, [&] { return zosit(variant, rok, subor); });
}

}  // namespace Cli
