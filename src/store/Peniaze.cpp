#include "Peniaze.h"

#include "Centy.h"
#include "Cisla.h"

#include <cmath>

namespace {

bool g_dualne = false;

constexpr char16_t Nbsp = u'\u00A0';

// Thousands separated by no-break spaces.
QString zoskup(const QString& cele)
{
    QString t;
    t.reserve(cele.size() + cele.size() / 3);
    const qsizetype n = cele.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            t += Nbsp;
        t += cele.at(i);
    }
    return t;
}

QString menovyText(const QString& symbol, double suma, int desatinne)
{
    const DesatinneCislo d = ZaokruhliDesatinne(suma, desatinne);
    QString t = d.zaporne ? QStringLiteral("-") : QString();
    t += zoskup(d.cele);
    if (desatinne > 0)
        t += u',' + d.desatinne;
    t += Nbsp;
    t += symbol;
    return t;
}

}  // namespace

void nastavDualneZobrazovanie(bool zapnute) { g_dualne = zapnute; }
bool DualneZobrazovanie() { return g_dualne; }

QString SumaText(const QString& symbol, double suma) { return menovyText(symbol, suma, 2); }

QString PocetText(qint64 pocet)
{
    const QString cislice = QString::number(pocet < 0 ? -pocet : pocet);
    return (pocet < 0 ? QStringLiteral("-") : QString()) + zoskup(cislice);
}

QString CastVSk(double suma)
{
    // The crowns of the euro amount as shown, not of its unrounded value.
    return QStringLiteral(" (") + menovyText(SymbolSk, ZCentov(NaCenty(suma)) * KurzSk, 2) + u')';
}

QString SumaTextSk(const QString& symbol, double suma)
{
    QString t = SumaText(symbol, suma);
    if (DualneZobrazovanie())
        t += CastVSk(suma);
    return t;
}

QString SumaText3(const QString& symbol, double suma)
{
    QString t = menovyText(symbol, suma, 3);
    if (DualneZobrazovanie())
        t += QStringLiteral(" (") + menovyText(SymbolSk, DesatinnaHodnota(std::round(DesatinnaHodnota(suma) * 1000) / 1000) * KurzSk, 2) + u')';
    return t;
}
