#include "TextyZnalca.h"

QString MenoZnalca(const TNastavenia& n)
{
    QString t = n.TitulPred + QLatin1Char(' ') + n.Meno + QLatin1Char(' ') + n.Priezvisko;
    if (!n.TitulZa.isEmpty())
        t += QStringLiteral(", ") + n.TitulZa;
    return t;
}

QString AdresaZnalca(const TNastavenia& n)
{
    return n.Adresa + QStringLiteral(", ") + n.Mesto + QLatin1Char(' ') + n.PSC;
}

QString BankoveSpojenie(const TNastavenia& n) { return n.CisloUctu + QLatin1Char('/') + n.Banka; }

QString NazovDruhuZnalca(qint32 druh)
{
    switch (druh) {
    case Znalec: return QStringLiteral("Znalec");
    case Tlmocnik: return QStringLiteral("Tlmočník");
    case Prekladatel: return QStringLiteral("Prekladateľ");
    }
    return {};
}

QString TextPlatcuDPH(qint32 druh, bool platca)
{
    return NazovDruhuZnalca(druh) + (platca ? QStringLiteral(" je platca DPH.") : QStringLiteral(" nie je platca DPH."));
}
