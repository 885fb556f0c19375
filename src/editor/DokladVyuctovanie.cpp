#include "DokladVyuctovanie.h"

#include <QFileInfo>

#include "editor/RiadkyPoloziek.h"
#include "editor/TabulkaPoloziek.h"
#include "remuneration/VypoctyVydavkov.h"
#include "settings/TextyZnalca.h"
#include "word/HlavickaZnalca.h"
#include "store/DPH.h"
#include "store/Datum.h"

namespace {

// Inserts a rich-text file when it exists, in the basic font when the settings ask for it.
void vlozSuborAkJe(Dokument& d, const TNastavenia& n, const QString& cesta)
{
    if (!cesta.isEmpty() && QFileInfo::exists(cesta))
        d.vlozSubor(cesta, n.PataZakladnymPismom == 1);
}

QString vecVyuctovania(qint32 druh)
{
    switch (druh) {
    case Tlmocnik: return QStringLiteral("Vec: Vyúčtovanie tlmočníckeho úkonu: ");
    case Prekladatel: return QStringLiteral("Vec: Vyúčtovanie prekladateľského úkonu: ");
    default: return QStringLiteral("Vec: Vyúčtovanie znaleckého úkonu: ");
    }
}

void hlavicka(Dokument& d, const PodkladyDokladu& p, const QString& subor)
{
    const TNastavenia& n = p.nastavenie;
    const Dokument::Pozicia od = d.pozicia();
    if (HlavickaZnalca::jeVlastna(subor)) {
        vlozSuborAkJe(d, n, subor);
    } else if (!p.hlavickaText.isEmpty()) {
        ZakladnePismo(d, n);
        d.nastavTucne(true);
        d.zarovnaj(Zarovnanie::Stred);
        d.vloz(Bunka(p.hlavickaText) + u'\r');
        d.nastavTucne(false);
    } else {
        d.vlozDokument(HlavickaZnalca::hlavicka(n, p.eFaktura));
    }
    TabulkaVolby v;
    v.okrajSpodny = true;
    d.textNaTabulku(od, v);
}

void zadavatel(Dokument& d, const PodkladyDokladu& p)
{
    const TNastavenia& n = p.nastavenie;
    const PoliaZaznamu& f = p.polia;
    const Dokument::Pozicia od = d.pozicia();
    ZakladnePismo(d, n);
    d.vloz(QStringLiteral("Zadávateľ: ") + OddelovacBuniek);
    d.nastavTucne(true);
    d.vloz(Bunka(f.Meno) + u'\r');
    d.vloz(QString(u' ') + OddelovacBuniek + Bunka(f.Adresa) + u'\r');
    d.nastavTucne(false);
    d.nastavPismo(n.BasicFontName, n.BasicFontSize - 2);
    const std::pair<const char*, QString> cisla[] = {{" IČO: ", f.ICO}, {" DIČ: ", f.DIC}, {" IČ DPH: ", f.ICDPH}};
    for (const auto& [nazov, hodnota] : cisla)
        if (!hodnota.isEmpty())
            d.vloz(QString(u' ') + OddelovacBuniek + QString::fromUtf8(nazov) + Bunka(hodnota) + u'\r');
    TabulkaVolby v;
    v.oddelovac = OddelovacBuniek;
    v.sirkyStlpcov = {230, 230};
    v.zarovnanieStlpcov = {Zarovnanie::Vlavo, Zarovnanie::Vpravo};
    d.textNaTabulku(od, v);
    ZakladnePismo(d, n);
    d.vloz(QStringLiteral("\r\r"));
}

// A heading of several lines keeps its lines, whatever ends them.
QString HlavickaDruhu(const PodkladyDokladu& p, qint32 druh)
{
    return p.hlavickyDruhov.value(druh).replace(QLatin1String("\r\n"), QLatin1String("\r"));
}

// The tables of the statement: every kind with an amount, then travel costs. Kind 3 is
// listed under the heading of flat expenses, whose tab it shares; the loss of time, which
// has no heading of its own among the settings, under its name.
struct SkupinaVyuctovania {
    QString hlavicka;
    DruhTabulky tabulka;
    QList<RiadokPolozky> riadky;
};

QList<SkupinaVyuctovania> skupinyVyuctovania(const PodkladyDokladu& p)
{
    using namespace DruhVydavku;
    const QList<QList<qint32>> poradie{{PausalnaOdmena}, {ZmluvnaOdmena},   {TarifnaOdmena}, {PodielovaOdmena},
                                       {PausalneVydavky, VydavokSCenou},      {StrataCasu},    {HotoveVydavky}};
    QList<SkupinaVyuctovania> skupiny;
    for (const QList<qint32>& druhy : poradie) {
        SkupinaVyuctovania s;
        for (const TVydavok& v : p.vydavky)
            if (druhy.contains(v.Druh) && CentyPolozky(v) > 0)
                s.riadky += v.Druh == PodielovaOdmena ? RiadkyPodielovej(v, p.sadzbaPozemky) : RiadkyRozpisu(v);
        if (s.riadky.isEmpty())
            continue;
        const qint32 druh = druhy.first();
        s.hlavicka = HlavickaDruhu(p, druh);
        if (s.hlavicka.isEmpty() && druh == StrataCasu)
            s.hlavicka = QStringLiteral("Náhrada za stratu času");
        s.tabulka = druh == PodielovaOdmena ? DruhTabulky::VyuctovaniePodiel : DruhTabulky::Vyuctovanie;
        skupiny.append(s);
    }
    const double cestovne = p.zaznam.CestovneNahrady.SpoluNaklady;
    if (cestovne > 0)
        skupiny.append({HlavickaDruhu(p, CestovneNahrady), DruhTabulky::VyuctovanieCestovne, {RiadokCestovneho(cestovne)}});
    return skupiny;
}

RozpisSumy skupiny(Dokument& d, const PodkladyDokladu& p)
{
    const TNastavenia& n = p.nastavenie;
    const QList<SkupinaVyuctovania> zoznam = skupinyVyuctovania(p);
    QList<RiadokPolozky> vsetky;
    for (const SkupinaVyuctovania& s : zoznam)
        vsetky += s.riadky;
    const RozpisSumy rozpis = RozpisDokladu(vsetky, n.PlatcaDPH, p.datumVykonania, p.sadzbaDPH);
    qsizetype od = 0;
    for (const SkupinaVyuctovania& s : zoznam) {
        ZakladnePismo(d, n);
        d.nastavTucne(false);
        d.vloz(s.hlavicka + u'\r');
        VlozTabulkuPoloziek(d, n, s.tabulka, s.riadky, rozpis, od, false);
        od += s.riadky.size();
    }
    return rozpis;
}

void celkom(Dokument& d, const PodkladyDokladu& p, const RozpisSumy& rozpis)
{
    const TNastavenia& n = p.nastavenie;
    const QString w = SlovoOdmeny(n.Druh);
    const TDPH r = TextyDPH(rozpis.sucet(), rozpis);
    const QChar o = OddelovacBuniek;
    const Dokument::Pozicia od = d.pozicia();
    ZakladnePismo(d, n);
    d.nastavTucne(true);
    if (rozpis.sDPH())
        d.vloz(w + QStringLiteral(" celkom bez DPH: ") + o + u' ' + r.ZakladText + u'\r' + QStringLiteral("DPH: ")
               + r.SadzbaText + u' ' + o + u' ' + r.DPHText + u'\r' + w + QStringLiteral(" celkom s DPH: ") + o + u' '
               + r.SpoluText + u'\r');
    else
        d.vloz(w + QStringLiteral(" celkom: ") + o + u' ' + r.VstupText + u'\r');
    TabulkaVolby v;
    v.oddelovac = o;
    v.sirkyStlpcov = {200, 255};
    v.okrajeVonku = true;
    v.tienovaneRiadky = {-1};
    v.zarovnanieStlpcov = {Zarovnanie::Vlavo, Zarovnanie::Vpravo};
    d.textNaTabulku(od, v);
    d.nastavTucne(false);
    ZakladnePismo(d, n);
}

}  // namespace

QString SlovoOdmeny(qint32 druh) { return druh == Znalec ? QStringLiteral("Znalečné") : QStringLiteral("Tlmočné"); }

QString RiadokPrevzatia(qint32 druh)
{
    const QString bodky = QStringLiteral(" prevzal dňa:........................  Podpis:..............................\r");
    switch (druh) {
    case Tlmocnik: return QStringLiteral("Tlmočnícky  úkon") + bodky;
    case Prekladatel: return QStringLiteral("Prekladateľský úkon") + bodky;
    default: return QStringLiteral("Znalecký úkon") + bodky;
    }
}

Dokument ZostavVyuctovanie(const PodkladyDokladu& p, const QString& suborHlavicky, const QString& suborPaty)
{
    const TNastavenia& n = p.nastavenie;
    const PoliaZaznamu& f = p.polia;
    Dokument d;
    d.nastavZakladnePismo(n.BasicFontName, n.BasicFontSize);
    hlavicka(d, p, suborHlavicky);

    d.zarovnaj(Zarovnanie::Vlavo);
    d.nastavTucne(false);
    d.nastavKurzivu(false);
    d.vloz(QStringLiteral("\r\r"));
    zadavatel(d, p);

    if (!f.CisloObjednavky.isEmpty()) {
        d.nastavTucne(true);
        d.vloz(TextTypuCisla(f.TypCisla) + QStringLiteral(": ") + f.CisloObjednavky + u'\r');
        d.nastavTucne(false);
        d.novyOdsek();
    }

    d.novyOdsek();
    d.nastavPismo(n.TitleFontName, n.TitleFontSize);
    d.nastavTucne(n.TitleFontStyleBold);
    d.nastavKurzivu(n.TitleFontStyleItalic);
    d.zarovnaj(Zarovnanie::Stred);
    d.vloz(vecVyuctovania(n.Druh) + f.Cislo + u'/' + f.Rok + u'\r');

    d.nastavTucne(false);
    d.nastavKurzivu(false);
    d.zarovnaj(Zarovnanie::Vlavo);
    d.novyOdsek();
    d.zarovnaj(Zarovnanie::Dorovnat);
    ZakladnePismo(d, n);
    // The billing texts take the document's font: a template's own font would stand out.
    if (QFileInfo::exists(p.textVyuctovania))
        d.vlozSubor(p.textVyuctovania, true);

    d.novyOdsek();
    d.zarovnaj(Zarovnanie::Vlavo);
    d.vloz(QStringLiteral("\r"));

    const RozpisSumy rozpis = skupiny(d, p);
    const Dokument::Pozicia sucty = d.pozicia();
    celkom(d, p, rozpis);

    d.vloz(QStringLiteral("\r") + TextPlatcuDPH(n.Druh, n.PlatcaDPH) + QStringLiteral("\r"));
    if (!p.textFinancnaCiastka.isEmpty() && QFileInfo::exists(p.textFinancnaCiastka)) {
        d.novyOdsek();
        d.vlozSubor(p.textFinancnaCiastka, true);
    }

    d.vloz(QStringLiteral("\r\r"));
    d.zarovnaj(Zarovnanie::Vlavo);
    ZakladnePismo(d, n);
    d.vloz(n.Mesto + QStringLiteral(", dňa ") + DatumText(p.datumVystavenia > 0 ? p.datumVystavenia : p.dnes) + u'\r');
    d.zarovnaj(Zarovnanie::Vpravo);
    d.vloz(MenoZnalca(n) + u'\r');
    d.zarovnaj(Zarovnanie::Vlavo);
    d.novyOdsek();
    d.vloz(RiadokPrevzatia(n.Druh));
    // The totals, the date and the signature lines on one page.
    d.drzPohromade(sucty);

    d.nastavPatu(HlavickaZnalca::pataDokladu(suborPaty, n, p.eFaktura), n.PataZakladnymPismom == 1);
    return d;
}
