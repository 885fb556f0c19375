#include "Datum.h"

#include <cmath>

namespace {
const QDate kZaciatok(1899, 12, 30);

bool naCeleCislo(const QString& t, int& v)
{
    bool ok = false;
    v = t.trimmed().toInt(&ok);
    return ok;
}

double zoZloziek(int d, int m, int r)
{
    const QDate q(r, m, d);
    return q.isValid() ? QDateNaDatum(q) : 0.0;
}
}  // namespace

QDate DatumNaQDate(double datum)
{
    if (!std::isfinite(datum) || std::fabs(datum) > 3.0e6)
        return {};
    return kZaciatok.addDays(qint64(std::floor(datum)));
}

double QDateNaDatum(const QDate& d) { return double(kZaciatok.daysTo(d)); }

QString DatumText(double datum)
{
    const QDate d = DatumNaQDate(datum);
    if (!d.isValid())
        return {};
    return QStringLiteral("%1.%2.%3").arg(d.day()).arg(d.month()).arg(d.year());
}

double TextNaDatum(const QString& text)
{
    if (text.isEmpty())
        return 0;
    const qsizetype i = text.indexOf('.');
    const QString den = i < 0 ? text : text.left(i);
    const QString zvysok = i < 0 ? QString() : text.mid(i + 1);
    const qsizetype j = zvysok.indexOf('.');
    const QString mesiac = j < 0 ? zvysok : zvysok.left(j);
    const QString rok = j < 0 ? QString() : zvysok.mid(j + 1);
    int d = 0, m = 0, r = 0;
    if (!naCeleCislo(den, d) || !naCeleCislo(mesiac, m) || !naCeleCislo(rok, r))
        return 0;
    return zoZloziek(d, m, r);
}

double DatumZTextov(const QString& den, const QString& mesiac, const QString& rok)
{
    int d = 0, m = 0, r = 0;
    if (!naCeleCislo(den, d) || !naCeleCislo(mesiac, m) || !naCeleCislo(rok, r))
        return 0;
    return zoZloziek(d, m, r);
}

QString DatumTextZoZloziek(const QString& den, const QString& mesiac, const QString& rok)
{
    return den + QLatin1Char('.') + mesiac + QLatin1Char('.') + rok;
}

double Dnes() { return QDateNaDatum(QDate::currentDate()); }
QString DnesText() { return DatumText(Dnes()); }

double DatumPrechoduDPH() { return QDateNaDatum(QDate(2011, 1, 1)); }
