#include "cli/PrikazyUdajov.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QSet>

#include "cli/JsonZurnalu.h"
#include "kevrot/Udaje.h"
#include "settings/Banky.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/ZdielaneSubory.h"

namespace Cli {
namespace {

template <class T>
QJsonArray zoznamJson(const QList<T>& zoznam)
{
    QJsonArray a;
    for (const auto& z : zoznam)
        a.append(z.doJson());
    return a;
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
        {QStringLiteral("Banky"), QJsonArray::fromStringList(NacitajBanky().value_or(QStringList()))},
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

// A file that did not load whole is never written back; the user is told which.
void neprepisany(QJsonArray& vynechane, const QString& cesta)
{
    vynechane.append(QDir::toNativeSeparators(cesta));
    spravy().chyba(QStringLiteral("Súbor sa nenačítal bez chyby, preto sa neprepísal: ") + QDir::toNativeSeparators(cesta));
}

QJsonObject prepis(int rok)
{
    Zurnal z;
    z.NacitajRok(rok);
    int ulozene = 0;
    QJsonArray vynechane;
    QSet<QString> nacitane;
    for (int i = 0; i < z.ZaznamyKevrota.size(); ++i) {
        const QString subor = z.ZaznamyKevrota.at(i).Subor();
        nacitane.insert(subor);
        const auto zaznam = z.NacitajCelyZaznam(i);
        if (!zaznam)
            neprepisany(vynechane, subor);
        else if (const Vysledok v = z.UlozZaznam(*zaznam, i, false); v)
            ++ulozene;
        else
            spravy().chyba(v.dovod());
    }
    // Files that gave no record at all.
    const QDir adresar(Cesty::adresarRoka(rok));
    for (const QString& meno : adresar.entryList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Name))
        if (!nacitane.contains(adresar.filePath(meno)))
            neprepisany(vynechane, adresar.filePath(meno));
    const QString objednavky = Objednavky::SuborObjednavok(rok);
    if (QFileInfo::exists(objednavky)) {
        Objednavky o;
        if (o.NacitajObjednavky(rok))
            ohlas(o.UlozObjednavky(rok));
        else
            neprepisany(vynechane, objednavky);
    }
    return {{QStringLiteral("ulozene"), ulozene}, {QStringLiteral("neprepisane"), vynechane}};
}

// Where the data and the shipped files are.
QJsonObject kdeSuUdaje(const QString& zdroj)
{
    return {{QStringLiteral("data"), QDir::toNativeSeparators(Cesty::AppDir())},
            {QStringLiteral("zdroj"), zdroj},
            {QStringLiteral("existuje"), QFileInfo(Cesty::AppDir()).isDir()},
            {QStringLiteral("programoveSubory"), QDir::toNativeSeparators(ZdielaneSubory::Adresar())}};
}

int rokPrikazu(const QStringList& a)
{
    return a.size() == 2 ? rokZ(a.at(1)) : 0;
}

template <QJsonObject (*F)(int)>
VysledokCli sRokom(const Volanie& v)
{
    const int rok = rokPrikazu(v.a);
    if (rok == 0)
        return chybaPouzitia(QStringLiteral("Príkaz %1 potrebuje rok.").arg(v.a.first()));
    return spusti(v.appDir, [&] { return F(rok); });
}

template <QJsonObject (*F)()>
VysledokCli bezArgumentu(const Volanie& v)
{
    if (v.a.size() != 1)
        return chybaPouzitia(QStringLiteral("Príkaz %1 nemá argument.").arg(v.a.first()));
    return spusti(v.appDir, F);
}

}  // namespace

VysledokCli kdeCli(const Volanie& v)
{
    if (v.a.size() != 1)
        return chybaPouzitia(QStringLiteral("Príkaz where nemá argument."));
    nastavAppDir(v.appDir);
    return hotovo(kdeSuUdaje(v.zdroj), ZaznamnikSprav());
}

// The journal is written straight, record by record (JsonZurnalu).
VysledokCli zurnalCli(const Volanie& v)
{
    const int rok = rokPrikazu(v.a);
    if (rok == 0)
        return chybaPouzitia(QStringLiteral("Príkaz %1 potrebuje rok.").arg(v.a.first()));
    nastavAppDir(v.appDir);
    ZaznamnikSprav zaznamnik;
    PouziSpravy pouzi(&zaznamnik);
    return {0, JsonZurnalu(rok, [&] { return uvodneSpravy() + zaznamnik.texty(); }), {}};
}

VysledokCli objednavkyCli(const Volanie& v) { return sRokom<objednavky>(v); }
VysledokCli objednavateliaCli(const Volanie& v) { return bezArgumentu<objednavatelia>(v); }
VysledokCli nastaveniaCli(const Volanie& v) { return bezArgumentu<nastavenia>(v); }
VysledokCli ciselnikyCli(const Volanie& v) { return bezArgumentu<ciselniky>(v); }
VysledokCli vyuctovaniaCli(const Volanie& v) { return sRokom<vyuctovania>(v); }
VysledokCli prepisCli(const Volanie& v) { return sRokom<prepis>(v); }

}  // namespace Cli
