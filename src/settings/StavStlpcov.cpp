#include "StavStlpcov.h"

#include <QStringList>

namespace {
// Wider than any screen: such a width comes from a damaged file.
constexpr int MaxSirka = 100000;
}

QString ZakodujStavStlpcov(const QList<StavStlpca>& stlpce)
{
    QString t;
    for (const auto& s : stlpce)
        t += QStringLiteral("(%1)%2|").arg(s.stav).arg(s.sirka);
    return t;
}

std::optional<QList<StavStlpca>> DekodujStavStlpcov(const QString& text, int pocetStlpcov)
{
    QStringList kusy = text.split(QLatin1Char('|'));
    kusy.removeLast();  // what follows the last "|" (or the whole text without one)
    if (kusy.size() != pocetStlpcov)
        return std::nullopt;
    QList<StavStlpca> stlpce;
    stlpce.reserve(kusy.size());
    for (QString kus : kusy) {
        StavStlpca s;
        for (int stav = 0; stav <= 2; ++stav) {
            const QString znacka = QStringLiteral("(%1)").arg(stav);
            const int kde = kus.indexOf(znacka);
            if (kde >= 0) {
                s.stav = stav;
                kus.remove(kde, znacka.size());
                break;
            }
        }
        bool ok = false;
        s.sirka = kus.toInt(&ok);
        if (!ok || s.sirka < 0 || s.sirka > MaxSirka)
            return std::nullopt;
        stlpce.append(s);
    }
    return stlpce;
}
