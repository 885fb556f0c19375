#include "KalendarVolba.h"

std::optional<QDate> PouziCastDatumu(const QDate& kalendar, CastDatumu cast, const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || !kalendar.isValid())
        return std::nullopt;
    int d = kalendar.day(), m = kalendar.month(), r = kalendar.year();
    switch (cast) {
    case CastDatumu::Den: d = v; break;
    case CastDatumu::Mesiac: m = v; break;
    case CastDatumu::Rok: r = v; break;
    }
    // Year 0 does not exist in the day count; QDate would take it as 1 BC.
    if (r <= 0)
        return std::nullopt;
    const QDate novy(r, m, d);
    if (!novy.isValid())
        return std::nullopt;
    return novy;
}
