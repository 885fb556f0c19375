#include "DokladySablon.h"

#include <QFileInfo>
#include <QLocale>

#include "editor/DokladVyuctovanie.h"
#include "editor/HodnotyFaktury.h"
#include "editor/TabulkaPoloziek.h"
#include "settings/Iban.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/ZdielaneSubory.h"
#include "store/Cisla.h"
#include "store/DPH.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/SumaSlovom.h"

namespace {

// Goes to the bookmark and inserts the text; a missing bookmark is skipped.
bool naZalozku(Dokument& d, const char* zalozka, const QString& text = {})
{
    if (!d.chodNaZalozku(QString::fromUtf8(zalozka)))
        return false;
    d.vloz(text);
    return true;
}

// A labelled line ("BIC: ") whose value is empty is left out with its label.
void riadokSHodnotou(Dokument& d, const char* zalozka, const QString& text)
{
    if (text.trimmed().isEmpty())
        d.odstranOdsekSoZalozkou(QString::fromUtf8(zalozka));
    else
        naZalozku(d, zalozka, text);
}

// "6,5": the shortest decimal form, with the Slovak decimal comma.
QString najkratsie(double cislo)
{
    return QLocale::c().toString(cislo, 'g', QLocale::FloatingPointShortest).replace(u'.', u',');
}

QString cisloAkoText(const PoliaZaznamu& f) { return f.Cislo + u'/' + f.Rok; }

}  // namespace

QString SablonaFaktury(qint32 druh, bool platca)
{
    const QString pripona = druh == Tlmocnik ? QStringLiteral("_tlmocnik")
                            : druh == Prekladatel ? QStringLiteral("_prekladatel") : QString();
    return ZdielaneSubory::sablona(QStringLiteral("\\Zostavy\\") + (platca ? QStringLiteral("FakturaRozpisDPH") : QStringLiteral("Faktura"))
                        + pripona + QStringLiteral(".dot"));
}

QString SablonaPrijmovehoDokladu() { return ZdielaneSubory::sablona(QStringLiteral("\\Zostavy\\prijmovy_doklad.dot")); }
QString SablonaCestovnehoPrikazu() { return ZdielaneSubory::sablona(QStringLiteral("\\Zostavy\\cestovny_prikaz.dot")); }

const QStringList& ZalozkyFaktury(bool platca)
{
    static const QStringList spolocne{
        "Faktura_cislo", "Znalec_meno", "Znalec_adresa", "Znalec_PSC_Mesto", "Znalec_ICO", "Znalec_DIC",
        "Znalec_ICdph", "Znalec_Banka", "Znalec_Ucet", "Vystavil", "Zadavatel_meno", "Zadavatel_adresa",
        "Zadavatel_ICO", "Zadavatel_DIC", "Zadavatel_ICdph", "datum_vystavenia", "datum_dodania",
        "datum_splatnosti", "forma_uhrady", "variabilny_symbol", "konstantny_symbol", "fakturujeme_vam",
        "Znalec_zapis", "Znalec_IBAN", "Znalec_BIC"};
    static const QStringList sDph = spolocne + QStringList{"sumaBezDPH", "sadzbaDPH", "hodnotaDPH", "sumaSDPH", "dphInfo"};
    static const QStringList bezDph = spolocne + QStringList{"sumaSDPH", "dphInfo"};
    return platca ? sDph : bezDph;
}

const QStringList& ZalozkyPrijmovehoDokladu()
{
    static const QStringList z{"Firma", "Firma_adresa", "Firma_DIC", "Firma_ICO", "den", "prijate_od", "ICO", "DIC",
                               "DPH_percent", "suma_DPH", "suma_bez_DPH", "suma", "suma_slovom", "Ucel", "Cislo",
                               "Cislo1", "Vyhotovil", "Schvalil"};
    return z;
}

const QStringList& ZalozkyCestovnehoPrikazu()
{
    static const QStringList z{"Meno", "Bydlisko", "DlzkaTrasy", "Vozidlo", "VozidloEC", "Spotreba", "CenaPHM",
                               "PriebehCesty", "Spolucestujuci", "PocetNajazdenychKM", "PriemernaSpotrebaPodlaTP",
                               "CenaLiterPHM", "Opotrebenie", "FinancieCesty", "PHM_celkom", "Cestovne", "Stravne",
                               "OstatneNaklady", "SpoluNaklady", "VyuctovaneDna"};
    return z;
}

void VyplnFakturu(Dokument& d, const PodkladyDokladu& p)
{
    const TNastavenia& n = p.nastavenie;
    const PoliaZaznamu& f = p.polia;
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    d.nastavZakladnePismo(n.BasicFontName, n.BasicFontSize);
    d.pismoVsetkeho(n.BasicFontName);

    if (naZalozku(d, "Faktura_cislo", h.Cislo) && !f.CisloObjednavky.isEmpty()) {
        d.vloz(QStringLiteral("\r"));
        d.nastavTucne(false);
        ZakladnePismo(d, n);
        d.vloz(h.TypCisla + QStringLiteral(": ") + f.CisloObjednavky);
    }
    naZalozku(d, "Znalec_meno", h.Dodavatel.Meno);
    naZalozku(d, "Znalec_adresa", n.Adresa);
    naZalozku(d, "Znalec_PSC_Mesto", n.PSC + u' ' + n.Mesto);
    riadokSHodnotou(d, "Znalec_ICO", n.ICO);
    riadokSHodnotou(d, "Znalec_DIC", n.DIC);
    riadokSHodnotou(d, "Znalec_ICdph", n.ICDPH);
    riadokSHodnotou(d, "Znalec_Banka", h.NazovBanky);
    riadokSHodnotou(d, "Znalec_Ucet", n.CisloUctu.trimmed().isEmpty() ? QString() : h.BankoveSpojenie);
    naZalozku(d, "Znalec_zapis", TextZapisuVZozname(n));
    riadokSHodnotou(d, "Znalec_IBAN", Iban::naTlac(IbanZnalca(n, p.eFaktura).hodnotaAlebo({})));
    riadokSHodnotou(d, "Znalec_BIC", p.eFaktura.BIC.trimmed());
    naZalozku(d, "Vystavil", h.Vystavil);
    naZalozku(d, "Zadavatel_meno", f.Meno);
    naZalozku(d, "Zadavatel_adresa", f.Adresa);
    riadokSHodnotou(d, "Zadavatel_ICO", f.ICO);
    riadokSHodnotou(d, "Zadavatel_DIC", f.DIC);
    riadokSHodnotou(d, "Zadavatel_ICdph", f.ICDPH);
    naZalozku(d, "datum_vystavenia", h.DatumVystavenia);
    naZalozku(d, "datum_dodania", h.DatumDodania);
    naZalozku(d, "datum_splatnosti", h.DatumSplatnosti);
    naZalozku(d, "forma_uhrady", h.SposobPlatby);
    naZalozku(d, "variabilny_symbol", h.VariabilnySymbol);
    naZalozku(d, "konstantny_symbol", h.KonstantnySymbol);

    if (d.chodNaZalozku(QStringLiteral("fakturujeme_vam"))) {
        ZakladnePismo(d, n);
        if (QFileInfo::exists(p.textVyuctovania))
            d.vlozSubor(p.textVyuctovania, true);
        VlozTabulkuPoloziek(d, n, DruhTabulky::Faktura, h.Riadky, h.Rozpis, 0, true);
    }
    const TDPH& r = h.RozpisSpolu;
    if (h.Rozpis.sDPH()) {
        naZalozku(d, "sumaBezDPH", r.ZakladText);
        naZalozku(d, "sadzbaDPH", r.SadzbaText);
        naZalozku(d, "hodnotaDPH", r.DPHText);
        naZalozku(d, "sumaSDPH", r.SpoluText);
    } else {
        naZalozku(d, "sumaSDPH", r.VstupText);
    }
    if (naZalozku(d, "dphInfo", h.TextPlatcuDPH)) {
        ZakladnePismo(d, n);
        d.vloz(QStringLiteral("\r\r") + RiadokPrevzatia(n.Druh).chopped(1));
    }
}

RozpisSumy RozpisPrijmovehoDokladu(const PodkladyDokladu& p)
{
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    if (!h.Riadky.isEmpty())
        return h.Rozpis;
    // An entry without items (transferred with its totals only): its billed total, which
    // includes VAT for a VAT payer.
    const Centy spolu = NaCenty(p.zaznam.UctovanaOdmena) + NaCenty(p.zaznam.UctovaneVydavky);
    return RozpisSumy({spolu}, p.nastavenie.PlatcaDPH ? RozpisSumy::Sposob::DPHVCene : RozpisSumy::Sposob::BezDPH,
                      p.sadzbaDPH);
}

void VyplnPrijmovyDoklad(Dokument& d, const PodkladyDokladu& p)
{
    const TNastavenia& n = p.nastavenie;
    const PoliaZaznamu& f = p.polia;
    const RozpisSumy rozpis = RozpisPrijmovehoDokladu(p);
    naZalozku(d, "Firma", MenoZnalca(n));
    naZalozku(d, "Firma_adresa", AdresaZnalca(n));
    naZalozku(d, "Firma_DIC", n.DIC);
    naZalozku(d, "Firma_ICO", n.ICO);
    naZalozku(d, "den", DatumText(p.datumVystavenia > 0 ? p.datumVystavenia : p.dnes));
    naZalozku(d, "prijate_od", f.Meno + QStringLiteral(", ") + f.Adresa);
    naZalozku(d, "ICO", f.ICO);
    naZalozku(d, "DIC", f.DIC);
    if (rozpis.sDPH()) {
        const TDPH r = TextyDPH(rozpis.sucet(), rozpis);
        naZalozku(d, "DPH_percent", KratkeCislo(p.sadzbaDPH) + QStringLiteral(" %"));
        naZalozku(d, "suma_DPH", r.DPHText);
        naZalozku(d, "suma_bez_DPH", r.ZakladText);
    } else {
        // A non-payer charges no VAT: the line of base and VAT goes.
        d.odstranRiadokSoZalozkou(QStringLiteral("DPH_percent"));
    }
    naZalozku(d, "suma", SumaTextSk(SymbolEuro, ZCentov(rozpis.spolu())));
    naZalozku(d, "suma_slovom", SumaSlovomCenty(rozpis.spolu()));
    const QString ucel = n.Druh == Znalec ? QStringLiteral("úhrada znaleckého úkonu číslo: ")
                                          : QStringLiteral("úhrada tlmočníckeho úkonu číslo: ");
    naZalozku(d, "Ucel", ucel + cisloAkoText(f));
    naZalozku(d, "Cislo", cisloAkoText(f));
    naZalozku(d, "Cislo1", cisloAkoText(f));
    naZalozku(d, "Vyhotovil", MenoZnalca(n));
    naZalozku(d, "Schvalil", MenoZnalca(n));
}

namespace {

// Lines of cells joined by " ; " become a bordered table at the bookmark.
void tabulkaNaZalozke(Dokument& d, const char* zalozka, const QList<QStringList>& riadky, const TabulkaVolby& volby)
{
    if (!d.chodNaZalozku(QString::fromUtf8(zalozka)) || riadky.isEmpty())
        return;
    const Dokument::Pozicia od = d.pozicia();
    const QString oddelovac = QStringLiteral(" ") + OddelovacBuniek + QStringLiteral(" ");
    for (const QStringList& r : riadky) {
        QStringList bunky;
        for (const QString& t : r)
            bunky << Bunka(t);
        d.vloz(bunky.join(oddelovac) + u'\r');
    }
    TabulkaVolby v = volby;
    v.oddelovac = OddelovacBuniek;
    v.okrajeVnutri = v.okrajeVonku = true;
    d.textNaTabulku(od, v);
}

}  // namespace

void VyplnCestovnyPrikaz(Dokument& d, const PodkladyDokladu& p)
{
    const TNastavenia& n = p.nastavenie;
    const TCestovneNahrady& c = p.zaznam.CestovneNahrady;
    d.nastavZakladnePismo(n.BasicFontName, n.BasicFontSize);
    d.pismoVsetkeho(n.BasicFontName);
    naZalozku(d, "Meno", c.Meno);
    naZalozku(d, "Bydlisko", c.Bydlisko);
    naZalozku(d, "DlzkaTrasy", QString::number(c.PocetNajazdenychKM));
    naZalozku(d, "Vozidlo", c.Vozidlo);
    naZalozku(d, "VozidloEC", c.VozidloEC);
    naZalozku(d, "Spotreba", najkratsie(c.Spotreba));
    naZalozku(d, "CenaPHM", SumaText3(SymbolEuro, c.CenaPHM));

    QList<QStringList> cesta;
    for (int k = 1; k <= 4; ++k)
        if (!c.textCesty(k, 0).isEmpty())
            cesta << QStringList{c.textCesty(k, 0), c.textCesty(k, 1), c.textCesty(k, 2), c.textCesty(k, 3)};
    tabulkaNaZalozke(d, "PriebehCesty", cesta, {});

    naZalozku(d, "Spolucestujuci", c.Spolucestujuci);
    naZalozku(d, "PocetNajazdenychKM", QString::number(c.PocetNajazdenychKM));
    naZalozku(d, "PriemernaSpotrebaPodlaTP", najkratsie(c.Spotreba));
    naZalozku(d, "CenaLiterPHM", SumaText3(SymbolEuro, c.CenaPHM));
    naZalozku(d, "Opotrebenie", SumaText3(SymbolEuro, c.Opotrebenie));

    const struct {
        const QString& datum;
        double stravne, noclazne, vedlajsie;
    } dni[] = {{c.Datum1, c.Stravne1, c.Noclazne1, c.Vedlajsie1},
               {c.Datum2, c.Stravne2, c.Noclazne2, c.Vedlajsie2},
               {c.Datum3, c.Stravne3, c.Noclazne3, c.Vedlajsie3},
               {c.Datum4, c.Stravne4, c.Noclazne4, c.Vedlajsie4}};
    QList<QStringList> financie;
    for (const auto& den : dni)
        if (!den.datum.isEmpty())
            financie << QStringList{den.datum, SumaTextSk(SymbolEuro, den.stravne), SumaTextSk(SymbolEuro, den.noclazne),
                                    SumaTextSk(SymbolEuro, den.vedlajsie)};
    TabulkaVolby v;
    v.sirkyStlpcov = {61, 140, 140, 140};  // the header row of the template, full width
    v.zarovnanieStlpcov = {Zarovnanie::Vlavo, Zarovnanie::Vpravo, Zarovnanie::Vpravo, Zarovnanie::Vpravo};
    tabulkaNaZalozke(d, "FinancieCesty", financie, v);

    naZalozku(d, "PHM_celkom", SumaTextSk(SymbolEuro, c.PHM_celkom));
    naZalozku(d, "Cestovne", SumaTextSk(SymbolEuro, c.Cestovne));
    naZalozku(d, "Stravne", SumaTextSk(SymbolEuro, c.Stravne));
    naZalozku(d, "OstatneNaklady", SumaTextSk(SymbolEuro, c.OstatneNaklady));
    naZalozku(d, "SpoluNaklady", SumaTextSk(SymbolEuro, c.SpoluNaklady));
    naZalozku(d, "VyuctovaneDna", c.VyuctovaneDna == 0 ? QString() : DatumText(c.VyuctovaneDna));
}
