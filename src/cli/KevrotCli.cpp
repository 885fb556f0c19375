#include "cli/KevrotCli.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "reports/TlacKevrota.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Spravy.h"
#include "store/Peniaze.h"
#include "kevrot/Udaje.h"

namespace {

template <class T>
QJsonArray zoznamJson(const QList<T>& zoznam)
{
    QJsonArray a;
    for (const auto& z : zoznam)
        a.append(z.doJson());
    return a;
}

QJsonArray vydavkyJson(const QList<TVydavok>& vydavky)
{
    QJsonArray a;
    for (const auto& v : vydavky)
        a.append(v.doJsonSRozpisom());
    return a;
}

QJsonObject kevrot(int rok)
{
    Zurnal z;
    z.NacitajRok(rok);
    QJsonArray zaznamy;
    for (const auto& zaznam : std::as_const(z.ZaznamyKevrota)) {
        QJsonObject j = zaznam.doJson();
        if (z.NacitajZaznam(zaznam.PoradoveCislo, rok)) {
            j.insert(QStringLiteral("Vydavky"), vydavkyJson(z.VydavkyZaznamu));
            j.insert(QStringLiteral("Vyplatenia"), zoznamJson(z.VyplateniaZaznamu));
        } else {
            j.insert(QStringLiteral("Vydavky"), QJsonArray());
            j.insert(QStringLiteral("Vyplatenia"), QJsonArray());
        }
        zaznamy.append(j);
    }
    return {{QStringLiteral("ZaznamyKevrota"), zaznamy}};
}

QJsonObject objednavky(int rok)
{
    Objednavky o;
    o.NacitajObjednavky(rok);
    return {{QStringLiteral("Objednavky"), zoznamJson(o.ZoznamObjednavok)}};
}

QJsonObject objednavatelia()
{
    Objednavky o;
    o.NacitajObjednavatelov();
    return {{QStringLiteral("Objednavatelia"), zoznamJson(o.ZoznamObjednavatelov)}};
}

QJsonObject nastavenia()
{
    Nastavenia n;
    n.NacitajVsetko();
    const TNastavenia& t = n.Nastavenie;
    return {
        {QStringLiteral("Nastavenia"), t.doJson()},
        {QStringLiteral("NastavenieTlac"), n.NastavenieTlac.doJson()},
        {QStringLiteral("NastavenieManazer"), n.NastavenieManazer.doJson()},
        {QStringLiteral("NastaveniePodielOdmena"), n.PodielOdmena.doJson()},
        {QStringLiteral("DualneZobrazovanie"), n.Dualne.DualneZobrazovanie},
        {QStringLiteral("MenoZnalca"), MenoZnalca(t)},
        {QStringLiteral("AdresaZnalca"), AdresaZnalca(t)},
        {QStringLiteral("BankoveSpojenie"), BankoveSpojenie(t)},
        {QStringLiteral("TextPlatcuDPH"), TextPlatcuDPH(t.Druh, t.PlatcaDPH)},
    };
}

QJsonObject ciselniky()
{
    Udaje u;
    u.NacitajPriStarte(QDate::currentDate().year());
    return {
        {QStringLiteral("Odbory"), zoznamJson(u.odbory.Odbory)},
        {QStringLiteral("Odvetvia"), zoznamJson(u.odbory.Odvetvia)},
        {QStringLiteral("Jazyky"), zoznamJson(u.jazyky.ZoznamJazykov)},
        {QStringLiteral("PolozkyCiselnika"), zoznamJson(u.polozky.PolozkyCiselnika)},
        {QStringLiteral("PreddefinovaneTexty"), zoznamJson(u.preddefTexty.Texty)},
        {QStringLiteral("Vozidla"), zoznamJson(u.vozidla.ZoznamVozidiel)},
    };
}

QJsonObject vyuctovania(int rok)
{
    Zurnal z;
    z.NacitajUlozeneVyuctovania(rok);
    QJsonArray a;
    for (const auto& v : std::as_const(z.UlozeneVyuctovania))
        a.append(v.doJson());
    return {{QStringLiteral("UlozeneVyuctovania"), a}};
}

QJsonObject prepis(int rok)
{
    Zurnal z;
    z.NacitajRok(rok);
    int ulozene = 0;
    for (int i = 0; i < z.ZaznamyKevrota.size(); ++i) {
        const int cislo = z.ZaznamyKevrota.at(i).PoradoveCislo;
        // An entry whose items or payments cannot be read is left as it is.
        if (z.NacitajZaznam(cislo, rok) && z.UlozZaznam(cislo, rok, i, false))
            ++ulozene;
    }
    if (QFileInfo::exists(Objednavky::SuborObjednavok(rok))) {
        Objednavky o;
        o.NacitajObjednavky(rok);
        o.UlozObjednavky(rok);
    }
    return {{QStringLiteral("ulozene"), ulozene}};
}

// The listing and the cover page of a year, sorted for printing, into one PDF.
QJsonObject kevrotDoPdf(int rok, const QString& subor)
{
    Udaje u;
    u.odbory.NacitajOdboryOdvetvia();
    u.nastavenia.NacitajVsetko();
    nastavDualneZobrazovanie(u.nastavenia.Dualne.DualneZobrazovanie);
    u.zurnal.NacitajRok(rok);
    const bool ok = TlacKevrota::VytlacKevrotDoPdf(u.zurnal, u.nastavenia, u.odbory, rok, subor);
    return {{QStringLiteral("pdf"), ok ? QFileInfo(subor).absoluteFilePath() : QString()},
            {QStringLiteral("zaznamy"), int(u.zurnal.ZaznamyKevrota.size())}};
}

struct Prikaz {
    const char* nazov;
    bool sRokom;
    QJsonObject (*sRokomFn)(int);
    QJsonObject (*bezRokuFn)();
};

const Prikaz kPrikazy[] = {
    {"journal", true, kevrot, nullptr},
    {"orders", true, objednavky, nullptr},
    {"clients", false, nullptr, objednavatelia},
    {"settings", false, nullptr, nastavenia},
    {"codelists", false, nullptr, ciselniky},
    {"billings", true, vyuctovania, nullptr},
    {"resave", true, prepis, nullptr},
};

VysledokCli hotovo(QJsonObject j, const ZaznamnikSprav& zaznamnik)
{
    j.insert(QStringLiteral("messages"), QJsonArray::fromStringList(zaznamnik.texty()));
    return {0, QJsonDocument(j).toJson(QJsonDocument::Indented), {}};
}

VysledokCli chybaPouzitia(const QString& text)
{
    return {2, {}, text + QStringLiteral("\n") + PouzitieKevrotCli()};
}

}  // namespace

QString PouzitieKevrotCli()
{
    return QStringLiteral(
        "Použitie: kevrot-cli [--appdir ADRESÁR] PRÍKAZ [ROK]\n"
        "Príkazy: journal ROK, orders ROK, clients, settings, codelists, billings ROK, resave ROK,\n"
        "         journal-pdf ROK SÚBOR");
}

VysledokCli SpustiKevrotCli(const QStringList& argumenty, const QString& predvolenyAppDir)
{
    QStringList a = argumenty;
    QString appDir = predvolenyAppDir;
    if (!a.isEmpty() && a.first() == QLatin1String("--appdir")) {
        if (a.size() < 2)
            return chybaPouzitia(QStringLiteral("Chýba adresár za --appdir."));
        appDir = a.at(1);
        a = a.mid(2);
    }
    if (a.isEmpty())
        return chybaPouzitia(QStringLiteral("Chýba príkaz."));
    if (!QFileInfo(appDir).isDir())
        return chybaPouzitia(QStringLiteral("Adresár neexistuje: ") + appDir);

    for (const Prikaz& p : kPrikazy) {
        if (a.first() != QLatin1String(p.nazov))
            continue;
        int rok = 0;
        if (p.sRokom) {
            bool ok = false;
            rok = a.size() == 2 ? a.at(1).toInt(&ok) : 0;
            if (!ok || rok < 1 || rok > 9999)
                return chybaPouzitia(QStringLiteral("Príkaz %1 potrebuje rok.").arg(a.first()));
        } else if (a.size() != 1) {
            return chybaPouzitia(QStringLiteral("Príkaz %1 nemá argument.").arg(a.first()));
        }

        Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
        ZaznamnikSprav zaznamnik;
        PouziSpravy pouzi(&zaznamnik);
        QJsonObject j = p.sRokom ? p.sRokomFn(rok) : p.bezRokuFn();
        return hotovo(j, zaznamnik);
    }
    if (a.first() == QLatin1String("journal-pdf")) {
        bool ok = false;
        const int rok = a.size() == 3 ? a.at(1).toInt(&ok) : 0;
        if (!ok || rok < 1 || rok > 9999)
            return chybaPouzitia(QStringLiteral("Príkaz journal-pdf potrebuje rok a súbor."));
        const QString subor = QFileInfo(a.at(2)).absoluteFilePath();
        Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
        ZaznamnikSprav zaznamnik;
        PouziSpravy pouzi(&zaznamnik);
        return hotovo(kevrotDoPdf(rok, subor), zaznamnik);
    }
    return chybaPouzitia(QStringLiteral("Neznámy príkaz: ") + a.first());
}
