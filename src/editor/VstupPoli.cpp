#include "VstupPoli.h"

#include "store/Datum.h"
#include "store/Spravy.h"

#include <QLocale>

#include <cmath>

namespace VstupPoli {

std::optional<double> Cislo(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> CeleCislo(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

QString CisloDoPola(double hodnota)
{
    QLocale sk(QLocale::Slovak, QLocale::Slovakia);
    sk.setNumberOptions(QLocale::OmitGroupSeparator);
    return sk.toString(hodnota, 'f', 2);
}

std::optional<int> Splatnost(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    const auto v = CeleCislo(text);
    if (!v) {
        spravy().upozornenie(QString::fromUtf8(NeplatnaHodnota));
        return std::nullopt;
    }
    if (*v <= 0) {
        spravy().upozornenie(QStringLiteral("Hodnota musí byť väčšia ako 0"));
        return std::nullopt;
    }
    return v;
}

std::optional<double> SadzbaDPH(const QString& text)
{
    const auto v = Suma(text);
    if (v && *v < 0) {
        spravy().upozornenie(QStringLiteral("Hodnota DPH musí byť kladná."));
        return std::nullopt;
    }
    return v;
}

std::optional<double> Suma(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    const auto v = Cislo(text);
    if (!v) {
        spravy().upozornenie(QString::fromUtf8(NeplatnaHodnota));
        return std::nullopt;
    }
    return v;
}

std::optional<double> Datum(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    const double d = TextNaDatum(text.trimmed());
    if (d == 0) {
        spravy().chyba(QString::fromUtf8(NeplatnaHodnotaBodka));
        return std::nullopt;
    }
    return d;
}

}  // namespace VstupPoli
