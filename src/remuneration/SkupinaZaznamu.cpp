#include "SkupinaZaznamu.h"

qint32 SkupinaZaznamu(qint32 druhZnalca, const QString& kodOdboru, const QString& kodOdvetvia)
{
    if (druhZnalca == 1)
        return SkupinaCiselnika::Tlmocnik;
    if (druhZnalca == 2)
        return SkupinaCiselnika::Prekladatel;
    if (kodOdboru == u"490000")
        return kodOdvetvia == u"491500" ? SkupinaCiselnika::ZnalecOdvetvie4915
                                        : SkupinaCiselnika::ZnalecOdbor49;
    if (kodOdboru == u"330000")
        return SkupinaCiselnika::ZnalecOdbor33;
    return SkupinaCiselnika::Znalec;
}

bool ZobrazitPodielovuOdmenu(qint32 druhZnalca) { return druhZnalca != 1 && druhZnalca != 2; }

QString NadpisUkonu(qint32 skupina)
{
    if (skupina == SkupinaCiselnika::Tlmocnik)
        return QStringLiteral("Editovanie tlmočníckeho úkonu");
    if (skupina == SkupinaCiselnika::Prekladatel)
        return QStringLiteral("Editovanie prekladateľského úkonu");
    return QStringLiteral("Editovanie znaleckého úkonu");
}

QString PopisUkonu(qint32 skupina)
{
    if (skupina == SkupinaCiselnika::Tlmocnik)
        return QStringLiteral("Tlmočnícky úkon:");
    if (skupina == SkupinaCiselnika::Prekladatel)
        return QStringLiteral("Prekladateľský úkon:");
    return QStringLiteral("Znalecký úkon:");
}
