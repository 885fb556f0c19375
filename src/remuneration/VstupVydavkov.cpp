#include "VstupVydavkov.h"

#include "store/Cisla.h"
#include "store/Spravy.h"

#include <cmath>

namespace VstupVydavkov {

std::optional<double> Cislo(const QString& text)
{
    const auto c = TextNaCislo(text.trimmed());
    if (!c || std::abs(*c) > NajvacsieCislo)
        return std::nullopt;
    return c;
}

std::optional<double> KladneCislo(const QString& text, const char* nieKladne)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    const auto c = Cislo(text);
    if (!c) {
        spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
        return std::nullopt;
    }
    if (*c <= 0) {
        spravy().upozornenie(QString::fromUtf8(nieKladne));
        return std::nullopt;
    }
    return c;
}

}  // namespace VstupVydavkov
