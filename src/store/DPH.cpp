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

double koeficient(double sadzba) { return sadzba / 100 + 1; }

}  // namespace

double ZakladZCelkovej(double sadzba, double spolu)
{
    const double f = koeficient(sadzba);
    if (!(f > 0))
        return spolu;
    return spolu / f;
}

TDPH RozpisDPH(double datum, double sadzba, double suma)
{
    TDPH d;
    d.SadzbaText = sadzbaBezDesatinnych(sadzba) + u'%';
    d.VstupText = SumaTextSk(SymbolEuro, suma);
    d.Vstup = suma;
    if (datum >= DatumPrechoduDPH()) {
        const double spolu = suma * koeficient(sadzba);
        d.ZakladText = SumaText(SymbolEuro, suma);
        d.DPHText = SumaText(SymbolEuro, spolu - suma);
        d.SpoluText = SumaTextSk(SymbolEuro, spolu);
        d.Spolu = spolu;
    } else {
        const double zaklad = ZakladZCelkovej(sadzba, suma);
        d.ZakladText = SumaText(SymbolEuro, zaklad);
        d.DPHText = SumaText(SymbolEuro, suma - zaklad);
        d.SpoluText = SumaTextSk(SymbolEuro, suma);
        d.Spolu = suma;
    }
    return d;
}

TDPH RozpisDPHZCelkovej(double sadzba, double spolu)
{
    TDPH d;
    d.SadzbaText = sadzbaBezDesatinnych(sadzba).rightJustified(5, u' ') + u'%';
    const double zaklad = ZakladZCelkovej(sadzba, spolu);
    d.ZakladText = SumaText(SymbolEuro, zaklad);
    d.DPHText = SumaText(SymbolEuro, spolu - zaklad);
    d.SpoluText = SumaTextSk(SymbolEuro, spolu);
    d.Spolu = spolu;
    return d;
}

QString SumaSDPHText(bool platca, double datum, double sadzba, double suma)
{
    if (platca && datum >= DatumPrechoduDPH() && suma > 0)
        return SumaText(SymbolEuro, suma) + QStringLiteral(" (") +
               SumaTextSk(SymbolEuro, suma * koeficient(sadzba)) + QStringLiteral(" s DPH)");
    return SumaTextSk(SymbolEuro, suma);
}
