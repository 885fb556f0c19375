#include "cli/KevrotCli.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/JsonZurnalu.h"
#include "editor/DatumVystavenia.h"
#include "editor/DokladyZaznamu.h"
#include "editor/EFakturaZaznamu.h"
#include "editor/TextyVyuctovania.h"
#include "editor/UlozenieEFaktury.h"
#include "finance/ExportExcel.h"
#include "finance/StavFinancii.h"
#include "journal/ZamokAplikacie.h"
#include "kevrot/Udaje.h"
#include "migration/PrenosKevrota.h"
#include "migration/Zaloha.h"
#include "reports/TlacKevrota.h"
#include "reports/VypisKevrota.h"
#include "settings/Banky.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"
#include "store/DatovaSada.h"
#include "store/Subory.h"
#include "store/ZmenaSuborov.h"

#include <QRegularExpression>
#include "store/ZdielaneSubory.h"

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

// The position of the entry of a number in the loaded year (the last of several), or -1.
int indexZaznamu(const Zurnal& z, int cislo)
{
    int index = -1;
    for (int i = 0; i < z.ZaznamyKevrota.size(); ++i)
        if (z.ZaznamyKevrota.at(i).PoradoveCislo == cislo)
            index = i;
    return index;
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
        else if (z.UlozZaznam(*zaznam, i, false))
            ++ulozene;
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
            o.UlozObjednavky(rok);
        else
            neprepisany(vynechane, objednavky);
    }
    return {{QStringLiteral("ulozene"), ulozene}, {QStringLiteral("neprepisane"), vynechane}};
}

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
    QString chyba;
    const bool ok = ZapisZosit(zaznamy, variant, {n.Nastavenie.TableFontName, n.Nastavenie.TableFontSize}, subor, &chyba);
    if (!ok)
        Subory::ohlasChybuZapisu(subor, chyba);
    return {{QStringLiteral("xlsx"), ok ? subor : QString()}, {QStringLiteral("zaznamy"), int(zaznamy.size())}};
}

const std::pair<const char*, DruhDokladu> kDoklady[] = {
    {"billing", DruhDokladu::Vyuctovanie},
    {"invoice", DruhDokladu::Faktura},
    {"receipt", DruhDokladu::PrijmovyDoklad},
    {"travel", DruhDokladu::CestovnyPrikaz},
};

// A document of a stored entry as the entry editor builds it right after opening the entry,
// with the entry's stored billing texts.
QJsonObject dokument(DruhDokladu druh, int rok, int cislo, const QString& subor)
{
    Udaje u;
    u.nastavenia.NacitajVsetko();
    nastavDualneZobrazovanie(u.nastavenia.Dualne.DualneZobrazovanie);
    u.preddefTexty.NacitajPreddefTexty();
    u.zurnal.NacitajRok(rok);
    const int index = indexZaznamu(u.zurnal, cislo);
    std::optional<TZnalKevrotZaznam> z;
    bool ok = false;
    if (index < 0)
        spravy().chyba(QStringLiteral("Záznam %1/%2 neexistuje.").arg(cislo).arg(rok));
    else if ((z = u.zurnal.NacitajCelyZaznam(index))) {
        PodkladyDokladu p = PodkladyDokladov(ZobrazZaznam(*z), *z, u.zurnal.VydavkyZaznamu, u.nastavenia, u.preddefTexty);
        const QDir dokumenty(Zurnal::AdresarDokumentov(*z));
        p.textVyuctovania = dokumenty.filePath(QFileInfo(TextyVyuctovania::pracovnySubor(DruhTextu::Vyuctovanie)).fileName());
        p.textFinancnaCiastka = dokumenty.filePath(QFileInfo(TextyVyuctovania::pracovnySubor(DruhTextu::Vyplatenie)).fileName());
        // The issue date kept with the entry's documents, else today.
        const double vystavenie = NacitajDatumVystavenia(dokumenty.path());
        p.datumVystavenia = vystavenie > 0 ? vystavenie : p.dnes;
        const auto d = ZostavDoklad(druh, p);
        ok = d && UlozDoklad(*d, subor);
    }
    return {{QStringLiteral("document"), ok ? subor : QString()}};
}

// "Všetky doklady" of a stored entry into `adresar`: the PDFs and, for a VAT payer, the
// e-invoice (archived in the entry's folder as the editor does, then copied beside them).
QJsonObject vsetkyDoklady(int rok, int cislo, const QString& adresar)
{
    Udaje u;
    u.nastavenia.NacitajVsetko();
    nastavDualneZobrazovanie(u.nastavenia.Dualne.DualneZobrazovanie);
    u.preddefTexty.NacitajPreddefTexty();
    u.zurnal.NacitajRok(rok);
    const int index = indexZaznamu(u.zurnal, cislo);
    const auto z = index < 0 ? std::nullopt : u.zurnal.NacitajCelyZaznam(index);
    if (!z) {
        spravy().chyba(QStringLiteral("Záznam %1/%2 neexistuje.").arg(cislo).arg(rok));
        return {{QStringLiteral("files"), QJsonArray()}};
    }
    PodkladyDokladu p = PodkladyDokladov(ZobrazZaznam(*z), *z, u.zurnal.VydavkyZaznamu, u.nastavenia, u.preddefTexty);
    const QDir dokumenty(Zurnal::AdresarDokumentov(*z));
    p.textVyuctovania = dokumenty.filePath(QFileInfo(TextyVyuctovania::pracovnySubor(DruhTextu::Vyuctovanie)).fileName());
    p.textFinancnaCiastka = dokumenty.filePath(QFileInfo(TextyVyuctovania::pracovnySubor(DruhTextu::Vyplatenie)).fileName());
    // The date kept with the entry's documents, else today.
    const double vystavenie = NacitajDatumVystavenia(dokumenty.path());
    p.datumVystavenia = vystavenie > 0 ? vystavenie : p.dnes;
    const VysledokVsetkych v = VytvorVsetkyDoklady(p, adresar);
    QJsonArray subory;
    for (const QString& s : v.pdf)
        subory << s;
    if (!v.eFaktura.isEmpty())
        subory << v.eFaktura;
    for (const QString& ch : v.chyby)
        spravy().chyba(ch);
    return {{QStringLiteral("files"), subory}};
}

// The entry's e-invoice: stored in its document folder once, then copied to `subor`.
QJsonObject eFaktura(int rok, int cislo, const QString& subor)
{
    Udaje u;
    u.nastavenia.NacitajVsetko();
    u.zurnal.NacitajRok(rok);
    const int index = indexZaznamu(u.zurnal, cislo);
    const auto z = index < 0 ? std::nullopt : u.zurnal.NacitajCelyZaznam(index);
    if (!z) {
        spravy().chyba(QStringLiteral("Záznam %1/%2 neexistuje.").arg(cislo).arg(rok));
        return {{QStringLiteral("file"), QString()}};
    }
    const PodkladyDokladu p = PodkladyZoZaznamu(*z, u.zurnal.VydavkyZaznamu,
                                                u.nastavenia.Nastavenie, u.nastavenia.PodielOdmena.SadzbaPozemky);
    const QString adresar = Zurnal::AdresarDokumentov(*z);
    Cesty::vytvorJednuUroven(Cesty::adresarRoka(rok));
    Cesty::vytvorJednuUroven(adresar);
    const auto v = UlozenieEFaktury::Uloz(EFakturaZaznamu(p, NacitajNastaveniaEFaktury()), adresar);
    const QString text = UlozenieEFaktury::Sprava(v, false);
    if (!v.chyby.isEmpty()) {
        spravy().chyba(text);
        return {{QStringLiteral("file"), QString()}, {QStringLiteral("stored"), QString()}};
    }
    spravy().informacia(text);
    const bool ok = Subory::kopirujPrepis(v.subor, subor);
    if (!ok)
        spravy().chyba(Subory::textChybaZapisu(subor, QString()));
    return {{QStringLiteral("file"), ok ? subor : QString()}, {QStringLiteral("stored"), v.subor},
            {QStringLiteral("new"), v.novy}};
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

// What the start of a writing command did (a change cut short, finished), for its messages.
QStringList g_uvodneSpravy;

VysledokCli hotovo(QJsonObject j, const ZaznamnikSprav& zaznamnik)
{
    j.insert(QStringLiteral("messages"), QJsonArray::fromStringList(g_uvodneSpravy + zaznamnik.texty()));
    return {0, QJsonDocument(j).toJson(QJsonDocument::Indented), {}};
}

VysledokCli chybaPouzitia(const QString& text)
{
    return {2, {}, text + QStringLiteral("\n") + PouzitieKevrotCli()};
}

// Runs `prikaz` on `appDir` with the messages recorded.
template <class F>
VysledokCli spusti(const QString& appDir, F prikaz)
{
    Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
    ZaznamnikSprav zaznamnik;
    PouziSpravy pouzi(&zaznamnik);
    return hotovo(prikaz(), zaznamnik);
}

QJsonObject vysledokPrenosu(const Prenos& p)
{
    if (!p.chyba.isEmpty())
        spravy().chyba(p.Zhrnutie(QString()));
    return {{QStringLiteral("skopirovane"), p.skopirovane},
            {QStringLiteral("prenesene"), p.chyba.isEmpty()},
            {QStringLiteral("nezmenene"), p.nezmenene},
            {QStringLiteral("zalohovane"), p.zalohovane},
            {QStringLiteral("zaloha"), p.zalohovane > 0 ? p.adresarZalohy() : QString()},
            {QStringLiteral("chyby"), QJsonArray::fromStringList(p.chyby)}};
}

// transfer 5.0|5.2|5.3|5.4 ZDROJ [--years 2011,2012] [--replace 2011] [--no-settings] [--no-texts]
// import-texts ZDROJ [--no-settings]
VysledokCli prenosCli(const QStringList& a, const QString& appDir)
{
    const bool verzie = a.first() == QLatin1String("transfer");
    const QString pouzitie = verzie ? QStringLiteral("Príkaz transfer potrebuje verziu (5.0, 5.2, 5.3, 5.4) a adresár.")
                                    : QStringLiteral("Príkaz import-texts potrebuje adresár.");
    QStringList zvysok = a.mid(1);
    const auto verzia = verzie && !zvysok.isEmpty() ? VerziaZTextu(zvysok.takeFirst()) : std::nullopt;
    if ((verzie && !verzia) || zvysok.isEmpty())
        return chybaPouzitia(pouzitie);
    const QString zdroj = QFileInfo(zvysok.takeFirst()).absoluteFilePath();
    std::optional<QStringList> roky;
    QStringList nahradit;
    bool nastavenia = true, texty = true;
    while (!zvysok.isEmpty()) {
        const QString v = zvysok.takeFirst();
        if (v == QLatin1String("--no-settings"))
            nastavenia = false;
        else if (verzie && v == QLatin1String("--no-texts"))
            texty = false;
        else if (verzie && v == QLatin1String("--years") && !zvysok.isEmpty())
            roky = zvysok.takeFirst().split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (verzie && v == QLatin1String("--replace") && !zvysok.isEmpty())
            nahradit = zvysok.takeFirst().split(QLatin1Char(','), Qt::SkipEmptyParts);
        else
            return chybaPouzitia(pouzitie);
    }
    if (!QFileInfo(zdroj).isDir())
        return chybaPouzitia(QStringLiteral("Adresár neexistuje: ") + zdroj);
    return spusti(appDir, [&] {
        Prenos p;
        if (!verzie) {
            PrenesTextyKancelarie(p, zdroj, nastavenia);
            return vysledokPrenosu(p);
        }
        QStringList priecinky, nahradPriecinky;
        for (const QString& r : RokyZdroja(zdroj)) {
            if (!roky || roky->contains(r.right(4)))
                priecinky << r;
            if (nahradit.contains(r.right(4)))
                nahradPriecinky << r;
        }
        PrenesKevrot(p, zdroj, *verzia, {priecinky, nahradPriecinky, nastavenia, texty});
        QJsonObject j = vysledokPrenosu(p);
        j.insert(QStringLiteral("roky"), QJsonArray::fromStringList(priecinky));
        return j;
    });
}

// backup [SÚBOR], restore SÚBOR [--without-manifest]
VysledokCli zalohaCli(const QStringList& a, const QString& appDir)
{
    const bool obnova = a.first() == QLatin1String("restore");
    const bool bezManifestu = obnova && a.size() == 3 && a.at(2) == QLatin1String("--without-manifest");
    if (obnova ? (a.size() != 2 && !bezManifestu) : a.size() > 2)
        return chybaPouzitia(obnova ? QStringLiteral("Príkaz restore potrebuje súbor zálohy (a pre zálohu bez manifestu "
                                                     "voľbu --without-manifest).")
                                    : QStringLiteral("Príkaz backup má najviac jeden argument: súbor."));
    const QString subor = a.size() >= 2 ? QFileInfo(a.at(1)).absoluteFilePath() : QString();
    return spusti(appDir, [&] {
        if (obnova) {
            const PrehladZalohy p = Zaloha::Prehlad(subor);
            const bool ok = Zaloha::Obnov(subor, bezManifestu);
            return QJsonObject{{QStringLiteral("obnovene"), ok},
                               {QStringLiteral("manifest"), p.manifest},
                               {QStringLiteral("obsah"), p.citatelna ? p.Popis() : QString()}};
        }
        QStringList vynechane;
        if (subor.isEmpty()) {
            const auto z = Zaloha::Vytvor();
            return QJsonObject{{QStringLiteral("zaloha"), z.value_or(QString())}};
        }
        QString chyba;
        const bool ok = Zaloha::Zapis(subor, &chyba, &vynechane);
        if (!ok)
            spravy().chyba(QStringLiteral("Zálohu %1 sa nepodarilo vytvoriť: %2").arg(subor, chyba));
        return QJsonObject{{QStringLiteral("zaloha"), ok ? subor : QString()},
                           {QStringLiteral("vynechane"), QJsonArray::fromStringList(vynechane)}};
    });
}

int rokZ(const QString& text)
{
    bool ok = false;
    const int rok = text.toInt(&ok);
    return ok && rok >= 1 && rok <= 9999 ? rok : 0;
}

// finance ROK [all|state|private|performed OD DO|paid OD DO]
VysledokCli financieCli(const QStringList& a, const QString& appDir)
{
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
    return spusti(appDir, [&] { return financie(rok, volba, od, po); });
}

// xlsx register|finance ROK SÚBOR
VysledokCli zositCli(const QStringList& a, const QString& appDir)
{
    const int rok = a.size() == 3 ? rokZ(a.at(1)) : 0;
    const QString v = a.isEmpty() ? QString() : a.first();
    if (rok == 0 || (v != QLatin1String("register") && v != QLatin1String("finance")))
        return chybaPouzitia(QStringLiteral("Príkaz xlsx potrebuje register alebo finance, rok a súbor."));
    const VariantExportu variant = v == QLatin1String("register") ? VariantExportu::Register : VariantExportu::Financny;
    const QString subor = QFileInfo(a.at(2)).absoluteFilePath();
    return spusti(appDir, [&] { return zosit(variant, rok, subor); });
}

// The real path of a file that may not exist yet: links of its existing folders resolved.
QString skutocnaCesta(const QString& c)
{
    QFileInfo f(QFileInfo(c).absoluteFilePath());
    if (f.exists())
        return f.canonicalFilePath();
    QString zvysok = f.fileName();
    QFileInfo d(f.absolutePath());
    while (!d.exists() && !d.isRoot()) {
        zvysok = d.fileName() + u'/' + zvysok;
        d = QFileInfo(d.absolutePath());
    }
    return d.canonicalFilePath() + u'/' + zvysok;
}

// Why an output file may not be written: inside the data directory only Tmp_doc, an
// entry's document folder and (for backups) the backup folder take output, and never over
// a data file. Empty when it may.
QString odmietnutyVystup(const QString& prikaz, const QString& subor, const QString& appDir)
{
    const QString koren = skutocnaCesta(appDir);
    const QString ciel = skutocnaCesta(subor);
    if (!ciel.startsWith(koren + u'/'))
        return {};
    const QString rel = ciel.mid(koren.size() + 1);
    const QString adresar = rel.section(u'/', 0, -2);
    static const QRegularExpression dokumenty(QStringLiteral("^ZnalKevrot\\d{4}/\\d{1,9}-\\d{4}$"));
    const bool vDokumentoch = dokumenty.match(adresar).hasMatch();
    bool povolene = adresar.section(u'/', 0, 0).compare(QLatin1String("Tmp_doc"), Qt::CaseInsensitive) == 0 || vDokumentoch;
    if (prikaz == QLatin1String("backup")) {
        Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
        povolene = povolene || QFileInfo(ciel).absolutePath() == skutocnaCesta(Zaloha::Adresar());
    }
    if (povolene && !(QFileInfo::exists(ciel) && DatovaSada::patri(rel) && !vDokumentoch))
        return {};
    return QStringLiteral("Výstupný súbor %1 leží v adresári údajov. Príkaz %2 tam smie zapisovať len do Tmp_doc, "
                          "do priečinka dokumentov záznamu%3, a nikdy nie cez súbor údajov; nič sa nezapísalo.")
        .arg(QDir::toNativeSeparators(subor), prikaz,
             prikaz == QLatin1String("backup") ? QStringLiteral(" alebo do adresára záloh") : QString());
}

// Where the data and the shipped files are.
QJsonObject kdeSuUdaje(const QString& zdroj)
{
    return {{QStringLiteral("data"), QDir::toNativeSeparators(Cesty::AppDir())},
            {QStringLiteral("zdroj"), zdroj},
            {QStringLiteral("existuje"), QFileInfo(Cesty::AppDir()).isDir()},
            {QStringLiteral("programoveSubory"), QDir::toNativeSeparators(ZdielaneSubory::Adresar())}};
}

// A writing command while the program has the directory open: refused, with the holder.
VysledokCli zamknute(const QString& appDir, const QString& prikaz)
{
    const QString text = ZamokAplikacie::textZapisZamknuty(QFileInfo(appDir).absoluteFilePath(), prikaz);
    const QJsonObject j{{QStringLiteral("zamknute"), true},
                        {QStringLiteral("messages"), QJsonArray{text}}};
    return {3, QJsonDocument(j).toJson(QJsonDocument::Indented), text};
}

// What a command is given: its arguments (the first is its name), the data directory and
// where that came from.
struct Volanie {
    const QStringList& a;
    const QString& appDir;
    const QString& zdroj;
};

// How a command uses the data directory.
enum class Pristup {
    BezUdajov,  // does not open it
    Cita,       // reads it (writes there only when its output lies there)
    Zapisuje,   // changes it: always under the program's lock
};

// Which argument names what a command writes, for the lock and the output guard.
enum class Vystup {
    Ziadny,
    Subor,    // the last argument, a file the guard checks
    Adresar,  // the last argument, a folder for new files
    Zaloha,   // an optional file; without it the backup folder inside the data directory
};

struct Prikaz {
    const char* nazov;
    const char* pouzitie;  // the command's part of the usage text
    Pristup pristup;
    Vystup vystup;
    VysledokCli (*spusti)(const Volanie&);
    bool koniecRiadku = false;  // the usage text breaks its line after this command
};

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

VysledokCli kdeCli(const Volanie& v)
{
    if (v.a.size() != 1)
        return chybaPouzitia(QStringLiteral("Príkaz where nemá argument."));
    Cesty::nastavAppDir(QFileInfo(v.appDir).absoluteFilePath());
    return hotovo(kdeSuUdaje(v.zdroj), ZaznamnikSprav());
}

// The journal is written straight, record by record (JsonZurnalu).
VysledokCli zurnalCli(const Volanie& v)
{
    const int rok = rokPrikazu(v.a);
    if (rok == 0)
        return chybaPouzitia(QStringLiteral("Príkaz %1 potrebuje rok.").arg(v.a.first()));
    Cesty::nastavAppDir(QFileInfo(v.appDir).absoluteFilePath());
    ZaznamnikSprav zaznamnik;
    PouziSpravy pouzi(&zaznamnik);
    Zurnal z;
    z.NacitajRok(rok);
    return {0, JsonZurnalu(z, [&] { return g_uvodneSpravy + zaznamnik.texty(); }), {}};
}

VysledokCli kevrotDoPdfCli(const Volanie& v)
{
    const int rok = v.a.size() == 3 ? rokZ(v.a.at(1)) : 0;
    if (rok == 0)
        return chybaPouzitia(QStringLiteral("Príkaz journal-pdf potrebuje rok a súbor."));
    const QString subor = QFileInfo(v.a.at(2)).absoluteFilePath();
    return spusti(v.appDir, [&] { return kevrotDoPdf(rok, subor); });
}

// Year and entry number at a[i] and a[i + 1] of a command of exactly `pocet` words;
// nothing when they are not a valid year and number.
std::optional<std::pair<int, int>> rokACislo(const QStringList& a, qsizetype pocet, qsizetype i)
{
    bool okRok = false, okCislo = false;
    const int rok = a.size() == pocet ? a.at(i).toInt(&okRok) : 0;
    const int cislo = a.size() == pocet ? a.at(i + 1).toInt(&okCislo) : 0;
    if (!okRok || !okCislo || rok < 1 || rok > 9999 || cislo < 1)
        return std::nullopt;
    return std::pair{rok, cislo};
}

VysledokCli dokumentCli(const Volanie& v)
{
    const QStringList& a = v.a;
    const auto rc = rokACislo(a, 5, 2);
    const auto druh = std::find_if(std::begin(kDoklady), std::end(kDoklady),
                                   [&](const auto& d) { return a.size() > 1 && a.at(1) == QLatin1String(d.first); });
    if (druh == std::end(kDoklady) || !rc)
        return chybaPouzitia(QStringLiteral("Príkaz document potrebuje druh (billing, invoice, receipt, travel), rok, číslo a súbor."));
    const QString subor = QFileInfo(a.at(4)).absoluteFilePath();
    return spusti(v.appDir, [&] { return dokument(druh->second, rc->first, rc->second, subor); });
}

// A command of year, entry number and an output path: `prace` runs with them.
template <class Prace>
VysledokCli sRokomCislomACestou(const Volanie& v, const char* prikaz, const char* cesta, Prace prace)
{
    const auto rc = rokACislo(v.a, 4, 1);
    if (!rc)
        return chybaPouzitia(QStringLiteral("Príkaz %1 potrebuje rok, číslo záznamu a %2.")
                                 .arg(QLatin1String(prikaz), QString::fromUtf8(cesta)));
    const QString vystup = QFileInfo(v.a.at(3)).absoluteFilePath();
    return spusti(v.appDir, [&] { return prace(rc->first, rc->second, vystup); });
}

VysledokCli vsetkyDokladyCli(const Volanie& v) { return sRokomCislomACestou(v, "documents", "adresár", vsetkyDoklady); }
VysledokCli eFakturaCli(const Volanie& v) { return sRokomCislomACestou(v, "einvoice", "súbor", eFaktura); }

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

VysledokCli prenosPrikaz(const Volanie& v) { return prenosCli(v.a, v.appDir); }
VysledokCli zalohaPrikaz(const Volanie& v) { return zalohaCli(v.a, v.appDir); }
VysledokCli financiePrikaz(const Volanie& v) { return financieCli(v.a.mid(1), v.appDir); }
VysledokCli zositPrikaz(const Volanie& v) { return zositCli(v.a.mid(1), v.appDir); }

// One row per command: the dispatch, the lock, the output guard and the usage text (in this
// order) all come from here.
const Prikaz kPrikazy[] = {
    {"where", "where", Pristup::BezUdajov, Vystup::Ziadny, kdeCli},
    {"journal", "journal ROK", Pristup::Cita, Vystup::Ziadny, zurnalCli},
    {"orders", "orders ROK", Pristup::Cita, Vystup::Ziadny, sRokom<objednavky>},
    {"clients", "clients", Pristup::Cita, Vystup::Ziadny, bezArgumentu<objednavatelia>},
    {"settings", "settings", Pristup::Cita, Vystup::Ziadny, bezArgumentu<nastavenia>},
    {"codelists", "codelists", Pristup::Cita, Vystup::Ziadny, bezArgumentu<ciselniky>},
    {"billings", "billings ROK", Pristup::Cita, Vystup::Ziadny, sRokom<vyuctovania>},
    {"resave", "resave ROK", Pristup::Zapisuje, Vystup::Ziadny, sRokom<prepis>, true},
    {"journal-pdf", "journal-pdf ROK SÚBOR", Pristup::Cita, Vystup::Subor, kevrotDoPdfCli, true},
    {"transfer", "transfer 5.0|5.2|5.3|5.4 ZDROJ [--years 2011,2012] [--replace 2011] [--no-settings] [--no-texts]",
     Pristup::Zapisuje, Vystup::Ziadny, prenosPrikaz, true},
    {"import-texts", "import-texts ZDROJ [--no-settings]", Pristup::Zapisuje, Vystup::Ziadny, prenosPrikaz},
    {"backup", "backup [SÚBOR]", Pristup::Cita, Vystup::Zaloha, zalohaPrikaz},
    {"restore", "restore SÚBOR [--without-manifest]", Pristup::Zapisuje, Vystup::Ziadny, zalohaPrikaz, true},
    {"finance", "finance ROK [all|state|private|performed OD DO|paid OD DO]", Pristup::Cita, Vystup::Ziadny,
     financiePrikaz, true},
    {"xlsx", "xlsx register|finance ROK SÚBOR", Pristup::Cita, Vystup::Subor, zositPrikaz},
    {"document", "document billing|invoice|receipt|travel ROK ČÍSLO SÚBOR", Pristup::Cita, Vystup::Subor,
     dokumentCli, true},
    {"documents", "documents ROK ČÍSLO ADRESÁR", Pristup::Cita, Vystup::Adresar, vsetkyDokladyCli, true},
    {"einvoice", "einvoice ROK ČÍSLO SÚBOR", Pristup::Zapisuje, Vystup::Subor, eFakturaCli},
    {"extract", "extract ROK 1|2 SÚBOR (.rtf alebo .pdf)", Pristup::Cita, Vystup::Subor, vypisCli},
};

const Prikaz* najdiPrikaz(const QString& nazov)
{
    for (const Prikaz& p : kPrikazy)
        if (nazov == QLatin1String(p.nazov))
            return &p;
    return nullptr;
}

// Whether the command changes files below `appDir`: those that always do, and those whose
// output lies there.
bool zapisujeUdaje(const Prikaz& p, const QStringList& a, const QString& appDir)
{
    if (p.pristup == Pristup::Zapisuje || (p.vystup == Vystup::Zaloha && a.size() == 1))
        return true;
    if (p.vystup == Vystup::Ziadny || a.size() < 2)
        return false;
    auto skutocna = [](const QString& c) {
        const QFileInfo f(c);
        return f.exists() ? f.canonicalFilePath() : f.absoluteFilePath();
    };
    const QString adresarVystupu = skutocna(QFileInfo(a.last()).absolutePath());
    const QString koren = skutocna(appDir);
    return adresarVystupu == koren || adresarVystupu.startsWith(koren + u'/');
}

// The output file the guard checks, or empty.
QString kontrolovanyVystup(const Prikaz& p, const QStringList& a)
{
    if (a.size() < 2)
        return {};
    if (p.vystup == Vystup::Zaloha)
        return a.at(1);
    return p.vystup == Vystup::Subor ? a.last() : QString();
}

}  // namespace

QList<PrikazCli> PrikazyKevrotCli()
{
    QList<PrikazCli> zoznam;
    for (const Prikaz& p : kPrikazy)
        zoznam.append({QString::fromLatin1(p.nazov), QString::fromUtf8(p.pouzitie), p.pristup == Pristup::Zapisuje});
    return zoznam;
}

QString PouzitieKevrotCli()
{
    QString text = QStringLiteral("Použitie: kevrot-cli [--appdir ADRESÁR] PRÍKAZ [ROK]\nPríkazy: ");
    for (const Prikaz& p : kPrikazy) {
        if (&p != std::begin(kPrikazy))
            text += std::prev(&p)->koniecRiadku ? QStringLiteral(",\n         ") : QStringLiteral(", ");
        text += QString::fromUtf8(p.pouzitie);
    }
    return text;
}

VysledokCli SpustiKevrotCli(const QStringList& argumenty, const QString& predvolenyAppDir, const QString& povod)
{
    QStringList a = argumenty;
    QString appDir = predvolenyAppDir;
    QString zdroj = povod;
    if (!a.isEmpty() && a.first() == QLatin1String("--appdir")) {
        if (a.size() < 2)
            return chybaPouzitia(QStringLiteral("Chýba adresár za --appdir."));
        appDir = a.at(1);
        zdroj = QStringLiteral("--appdir");
        a = a.mid(2);
    }
    if (a.isEmpty())
        return chybaPouzitia(QStringLiteral("Chýba príkaz."));
    g_uvodneSpravy.clear();
    const Prikaz* prikaz = najdiPrikaz(a.first());
    const Volanie volanie{a, appDir, zdroj};
    if (prikaz && prikaz->pristup == Pristup::BezUdajov)
        return prikaz->spusti(volanie);
    if (!QFileInfo(appDir).isDir())
        return chybaPouzitia(QStringLiteral("Adresár neexistuje: ") + appDir);
    // A command that writes holds the program's lock for its whole run; so does any command
    // while a restore or transfer cut short waits to be finished.
    std::optional<ZamokAplikacie> zamok;
    Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
    if ((prikaz && zapisujeUdaje(*prikaz, a, appDir)) || ZmenaSuborov::JePrerusena()) {
        zamok.emplace(appDir);
        if (!zamok->ziskaj()) {
            const QString chyba = zamok->textChyby();
            if (chyba.isEmpty())
                return zamknute(appDir, a.first());
            return {3, QJsonDocument(QJsonObject{{QStringLiteral("messages"), QJsonArray{chyba}}}).toJson(), chyba};
        }
        if (const auto sprava = Zaloha::PoStarte())
            g_uvodneSpravy << *sprava;
    }
    if (!prikaz)
        return chybaPouzitia(QStringLiteral("Neznámy príkaz: ") + a.first());
    if (const QString vystup = kontrolovanyVystup(*prikaz, a); !vystup.isEmpty()) {
        const QString dovod = odmietnutyVystup(a.first(), vystup, appDir);
        if (!dovod.isEmpty())
            return {2, {}, dovod};
    }
    return prikaz->spusti(volanie);
}
