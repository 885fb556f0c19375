#include "DetailZaznamu.h"

#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/RiadokKevrota.h"

QList<QPair<QString, QString>> DetailZaznamu(const RiadokKevrota& z)
{
    auto datum = [](double d) { return d != 0.0 ? DatumText(d) : QString(); };
    auto suma = [](double s) { return SumaTextSk(SymbolEuro, s); };
    return {
        {QStringLiteral("Poradové číslo:"), QString::number(z.PoradoveCislo) + QLatin1Char('/') + QString::number(z.Rok)},
        {QStringLiteral("Žiadateľ úkonu:"), z.Meno() + QLatin1Char(' ') + z.Adresa()},
        {QStringLiteral("Spisová značka:"), z.CisloObjednavky()},
        {QStringLiteral("Druh úkonu:"), z.DruhUkonu()},
        {QStringLiteral("Predmet úkonu:"), z.Predmet()},
        {QStringLiteral("Typ posudku:"), z.TypPosudku()},
        {QStringLiteral("Dátum vyžiadania:"), datum(z.DatumVyziadania)},
        {QStringLiteral("Dátum vykonania:"), datum(z.DatumVykonania)},
        {QStringLiteral("Účtovaná odmena:"), suma(z.UctovanaOdmena)},
        {QStringLiteral("Údaje k účtovanej odmene:"), z.UdajeOdmena()},
        {QStringLiteral("Účtované výdavky:"), suma(z.UctovaneVydavky)},
        {QStringLiteral("Výška priznanej odmeny:"), suma(z.PriznanaOdmena)},
        {QStringLiteral("Výška náhrady výdavkov:"), suma(z.PriznaneVydavky)},
        {QStringLiteral("Dátum vyplatenia:"), z.DatumyVyplatenia().replace(QLatin1Char('\r'), QLatin1Char('\n')).trimmed()},
        {QStringLiteral("Poznámka:"), z.Poznamka()},
    };
}
