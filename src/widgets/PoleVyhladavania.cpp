#include "PoleVyhladavania.h"

#include "store/Datum.h"
#include "store/Spravy.h"

#include <cmath>

namespace PoleVyhladavania {

namespace {
void ohlasNeplatnu() { spravy().chyba(QString::fromUtf8(NeplatnaHodnota)); }
}  // namespace

std::optional<int> Cislo(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok) {
        ohlasNeplatnu();
        return std::nullopt;
    }
    return v;
}

std::optional<double> Datum(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0.0;
    const double d = TextNaDatum(t);
    if (d == 0.0) {
        ohlasNeplatnu();
        return std::nullopt;
    }
    return std::floor(d);
}

QString TextCisla(int cislo) { return cislo != 0 ? QString::number(cislo) : QString(); }

QString TextDatumu(double datum) { return datum != 0.0 ? DatumText(datum) : QString(); }

}  // namespace PoleVyhladavania
