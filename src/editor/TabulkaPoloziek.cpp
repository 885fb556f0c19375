#include "TabulkaPoloziek.h"

#include "store/DPH.h"
#include "store/Peniaze.h"

namespace {

QString riadok(const QStringList& bunky) { return bunky.join(OddelovacBuniek) + u'\r'; }

// The header texts as written, ";" turned into the cell separator.
QString zoStrednikov(const char* text) { return QString::fromUtf8(text).replace(u';', OddelovacBuniek) + u'\r'; }

}  // namespace

QString Bunka(const QString& text)
{
    QString t = text;
    t.remove(OddelovacBuniek);
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');
    return t;
}

QList<double> SirkyStlpcov(DruhTabulky druh, bool platca, bool dualne)
{
    switch (druh) {
    // The statement's tables are as wide as its totals box (455 points).
    case DruhTabulky::Vyuctovanie:
        if (!platca)
            return {160, 40, 70, 50, 135};
        // MJ wide enough for "strana" and "hod".
        return dualne ? QList<double>{125, 35, 45, 45, 50, 50, 40, 65} : QList<double>{125, 35, 45, 45, 50, 50, 50, 55};
    case DruhTabulky::VyuctovaniePodiel:
        if (!platca)
            return {170, 30, 70, 70, 115};
        return dualne ? QList<double>{130, 25, 35, 60, 50, 50, 40, 65} : QList<double>{130, 25, 35, 60, 50, 50, 50, 55};
    case DruhTabulky::VyuctovanieCestovne:
        // The columns of the item tables above, so that they line up.
        return SirkyStlpcov(DruhTabulky::Vyuctovanie, platca, dualne);
    case DruhTabulky::Faktura:
        if (!platca)
            return {186, 40, 80, 50, 125};
        // As wide as the totals box below (481 points).
        return dualne ? QList<double>{141, 35, 45, 45, 50, 50, 40, 75} : QList<double>{141, 35, 45, 45, 50, 50, 50, 65};
    }
    return {};
}

QString HlavickaTabulky(bool platca, bool podiel)
{
    if (podiel)
        return platca ? zoStrednikov("Položka ; MJ ; Cena MJ € ; Východisk. hodnota ; Základ dane ; Sadzba DPH ;  DPH ; Cena spolu")
                      : zoStrednikov("Položka ; MJ ; Cena MJ € ; Východisk. hodnota ; Cena spolu");
    return platca ? zoStrednikov("Položka ; MJ ; Cena MJ € ; Počet ; Základ dane ; Sadzba DPH ;  DPH ; Cena spolu")
                  : zoStrednikov("Položka ; MJ ; Cena MJ € ; Počet ; Cena spolu");
}

QString RiadokTabulky(const RiadokPolozky& r, const SumaRiadku& suma, const RozpisSumy& rozpis)
{
    QStringList bunky{Bunka(r.Polozka), Bunka(r.MJ), r.CenaMJ, r.Pocet};
    const TDPH d = TextyDPH(suma, rozpis);
    if (rozpis.sDPH())
        bunky << d.ZakladText << d.SadzbaText << d.DPHText << d.SpoluText;
    else
        bunky << d.VstupText;
    return riadok(bunky);
}

QString RiadokSuctu(const SumaRiadku& sucet, const RozpisSumy& rozpis)
{
    const TDPH d = TextyDPH(sucet, rozpis);
    if (rozpis.sDPH())
        return riadok({QStringLiteral("Spolu"), {}, {}, {}, d.ZakladText, {}, d.DPHText, d.SpoluText});
    return riadok({QStringLiteral("Spolu"), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), d.VstupText});
}

void ZakladnePismo(Dokument& d, const TNastavenia& n) { d.nastavPismo(n.BasicFontName, n.BasicFontSize); }

void VlozTabulkuPoloziek(Dokument& d, const TNastavenia& n, DruhTabulky druh, const QList<RiadokPolozky>& riadky,
                         const RozpisSumy& rozpis, qsizetype od, bool tucnaHlavicka)
{
    const bool platca = rozpis.sDPH();
    const Dokument::Pozicia zaciatok = d.pozicia();
    d.nastavPismo(n.TableFontName, n.TableFontSize);
    d.nastavTucne(tucnaHlavicka);
    d.vloz(HlavickaTabulky(platca, druh == DruhTabulky::VyuctovaniePodiel));
    d.nastavTucne(false);
    QString text;
    for (qsizetype i = 0; i < riadky.size(); ++i)
        text += RiadokTabulky(riadky[i], rozpis.riadky().value(od + i), rozpis);
    text += RiadokSuctu(rozpis.sucetRiadkov(od, riadky.size()), rozpis);
    d.vloz(text);

    TabulkaVolby v;
    v.oddelovac = OddelovacBuniek;
    v.sirkyStlpcov = SirkyStlpcov(druh, platca, DualneZobrazovanie());
    v.okrajeVnutri = v.okrajeVonku = true;
    v.tienovaneRiadky = {0, -1};
    v.zarovnanieStlpcov = {Zarovnanie::Vlavo, Zarovnanie::Vlavo};
    for (int c = 2; c < v.sirkyStlpcov.size(); ++c)
        v.zarovnanieStlpcov << Zarovnanie::Vpravo;
    d.textNaTabulku(zaciatok, v);
    ZakladnePismo(d, n);
    d.zarovnaj(Zarovnanie::Vlavo);
    d.novyOdsek();
}
