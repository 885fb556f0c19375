#include "DPH.h"

#include "Cisla.h"
#include "Datum.h"
#include "Peniaze.h"

namespace {

QString sadzbaBezDesatinnych(double sadzba)
{
    const DesatinneCislo d = ZaokruhliDesatinne(sadzba, 0);
    return (d.zaporne ? QStringLiteral("-") : QString()) + d.cele;
}

}  // namespace

double ZakladZCelkovej(double sadzba, double spolu)
{
    const double f = sadzba / 100 + 1;
    if (!(f > 0))
        return spolu;
    return spolu / f;
}

TDPH RozpisDPH(double datum, double sadzba, double suma)
{
    const RozpisSumy r({NaCenty(suma)}, RozpisSumy::SposobPre(true, datum), sadzba);
    TDPH d = TextyDPH(r.sucet(), r);
    d.VstupText = SumaTextSk(SymbolEuro, suma);
    d.Vstup = suma;
    return d;
}

TDPH RozpisDPHZCelkovej(double sadzba, double spolu)
{
    const RozpisSumy r({NaCenty(spolu)}, RozpisSumy::Sposob::DPHVCene, sadzba);
    TDPH d = TextyDPH(r.sucet(), r);
    d.SadzbaText = sadzbaBezDesatinnych(sadzba).rightJustified(5, u' ') + u'%';
    d.VstupText.clear();
    d.Vstup = 0;
    return d;
}

QString SumaSDPHText(bool platca, double datum, double sadzba, double suma)
{
    if (platca && datum >= DatumPrechoduDPH() && suma > 0) {
        const RozpisSumy r({NaCenty(suma)}, RozpisSumy::Sposob::DPHNavyse, sadzba);
        return SumaText(SymbolEuro, suma) + QStringLiteral(" (") + SumaTextSk(SymbolEuro, ZCentov(r.spolu()))
               + QStringLiteral(" s DPH)");
    }
    return SumaTextSk(SymbolEuro, suma);
}

TDPH TextyDPH(const SumaRiadku& suma, const RozpisSumy& rozpis)
{
    TDPH d;
    d.SadzbaText = sadzbaBezDesatinnych(rozpis.sadzba()) + u'%';
    d.ZakladText = SumaText(SymbolEuro, ZCentov(suma.zaklad));
    d.DPHText = SumaText(SymbolEuro, ZCentov(suma.dph));
    d.Spolu = ZCentov(suma.spolu);
    d.SpoluText = SumaTextSk(SymbolEuro, d.Spolu);
    d.Vstup = rozpis.sposob() == RozpisSumy::Sposob::DPHNavyse ? ZCentov(suma.zaklad) : d.Spolu;
    d.VstupText = SumaTextSk(SymbolEuro, d.Vstup);
    return d;
}
