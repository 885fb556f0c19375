#include "cli/PrikazyDokladov.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include "editor/DatumVystavenia.h"
#include "editor/DokladyZaznamu.h"
#include "editor/PodkladyDokladu.h"
#include "editor/PoliaZaznamu.h"
#include "editor/EFakturaZaznamu.h"
#include "editor/TextyVyuctovania.h"
#include "editor/UlozenieEFaktury.h"
#include "kevrot/Udaje.h"
#include "settings/NastaveniaEFaktury.h"
#include "store/Cesty.h"
#include "store/Peniaze.h"
#include "store/Subory.h"

#include <algorithm>

namespace Cli {
namespace {

const std::pair<const char*, DruhDokladu> kDoklady[] = {
    {"billing", DruhDokladu::Vyuctovanie},
    {"invoice", DruhDokladu::Faktura},
    {"receipt", DruhDokladu::PrijmovyDoklad},
    {"travel", DruhDokladu::CestovnyPrikaz},
};

// The position of the entry of a number in the loaded year (the last of several), or -1.
int indexZaznamu(const Zurnal& z, int cislo)
{
    int index = -1;
    for (int i = 0; i < z.ZaznamyKevrota.size(); ++i)
        if (z.ZaznamyKevrota.at(i).PoradoveCislo == cislo)
            index = i;
    return index;
}

// A stored entry of a year, read for its documents.
struct UlozenyZaznam {
    bool najdeny = false;                     // the year lists it
    std::optional<PodkladyDokladu> podklady;  // what its documents are built from, when it loaded
};

// What the entry editor builds the documents of entry `cislo` of `rok` from right after
// opening it, with the entry's stored billing texts and its kept issue date (else today).
UlozenyZaznam ulozenyZaznam(int rok, int cislo)
{
    Udaje u;
    u.nastavenia.NacitajVsetko();
    nastavDualneZobrazovanie(u.nastavenia.Dualne.DualneZobrazovanie);
    u.preddefTexty.NacitajPreddefTexty();
    u.zurnal.NacitajRok(rok);
    const int index = indexZaznamu(u.zurnal, cislo);
    UlozenyZaznam vysledok;
    vysledok.najdeny = index >= 0;
    const auto z = index < 0 ? std::nullopt : u.zurnal.NacitajCelyZaznam(index);
    if (!z)
        return vysledok;
    PodkladyDokladu p = PodkladyDokladov(ZobrazZaznam(*z), *z, u.zurnal.VydavkyZaznamu, u.nastavenia, u.preddefTexty);
    const QDir dokumenty(Zurnal::AdresarDokumentov(*z));
    p.textVyuctovania = dokumenty.filePath(QFileInfo(TextyVyuctovania::pracovnySubor(DruhTextu::Vyuctovanie)).fileName());
    p.textFinancnaCiastka = dokumenty.filePath(QFileInfo(TextyVyuctovania::pracovnySubor(DruhTextu::Vyplatenie)).fileName());
    const double vystavenie = NacitajDatumVystavenia(dokumenty.path());
    p.datumVystavenia = vystavenie > 0 ? vystavenie : p.dnes;
    vysledok.podklady = std::move(p);
    return vysledok;
}

void ohlasNeexistuje(int rok, int cislo)
{
    spravy().chyba(QStringLiteral("Záznam %1/%2 neexistuje.").arg(cislo).arg(rok));
}

// A document of a stored entry as the entry editor builds it right after opening the entry.
QJsonObject dokument(DruhDokladu druh, int rok, int cislo, const QString& subor)
{
    const UlozenyZaznam z = ulozenyZaznam(rok, cislo);
    if (!z.najdeny)
        ohlasNeexistuje(rok, cislo);
    bool ok = false;
    if (z.podklady) {
        const auto d = ZostavDoklad(druh, *z.podklady);
        ok = d && UlozDoklad(*d, subor);
    }
    return {{QStringLiteral("document"), ok ? subor : QString()}};
}

// "Všetky doklady" of a stored entry into `adresar`: the PDFs and, for a VAT payer, the
// e-invoice (archived in the entry's folder as the editor does, then copied beside them).
QJsonObject vsetkyDoklady(int rok, int cislo, const QString& adresar)
{
    const UlozenyZaznam z = ulozenyZaznam(rok, cislo);
    if (!z.podklady) {
        ohlasNeexistuje(rok, cislo);
        return {{QStringLiteral("files"), QJsonArray()}};
    }
    const VysledokVsetkych v = VytvorVsetkyDoklady(*z.podklady, adresar);
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
        ohlasNeexistuje(rok, cislo);
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
    const bool ok = ohlas(Subory::kopirujPrepis(v.subor, subor));
    return {{QStringLiteral("file"), ok ? subor : QString()}, {QStringLiteral("stored"), v.subor},
            {QStringLiteral("new"), v.novy}};
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

}  // namespace

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

VysledokCli vsetkyDokladyCli(const Volanie& v) { return sRokomCislomACestou(v, "documents", "adresár", vsetkyDoklady); }
VysledokCli eFakturaCli(const Volanie& v) { return sRokomCislomACestou(v, "einvoice", "súbor", eFaktura); }

}  // namespace Cli
