#include "UlozeneVyuctovanie.h"

#include <QJsonArray>

#include "ZnalKevrotZaznam.h"

QJsonObject TCiselnikVydavokItem::doJson() const
{
    QJsonObject j = doJsonSRozpisom();
    j.insert(QStringLiteral("Rozbalene"), Rozbalene);
    return j;
}

TCiselnikVydavok TCiselnikVydavok::zoZaznamu(const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky)
{
    TCiselnikVydavok c;
    c.Nazov = (QString::number(z.PoradoveCislo) + u'/' + QString::number(z.Rok) + QStringLiteral(" - ") +
               z.Predmet + QStringLiteral(" (") + z.Meno + u')')
                  .left(KapacitaNazvu);
    c.CisloZaznamu = z.PoradoveCislo;
    c.Datum = z.DatumVykonania;
    c.CestovneNahrady = z.CestovneNahrady;
    c.Polozky.reserve(vydavky.size());
    for (const auto& v : vydavky) {
        c.Polozky.append(TCiselnikVydavokItem(v));
        if (DruhVydavku::jeOdmena(v.Druh))
            c.Odmena += v.Suma;
        else if (DruhVydavku::jeVydavok(v.Druh))
            c.Vydavky += v.Suma;
    }
    c.Vydavky += z.CestovneNahrady.SpoluNaklady;
    return c;
}

QJsonObject TCiselnikVydavok::doJson() const
{
    QJsonObject j;
    j.insert(QStringLiteral("Nazov"), Nazov);
    j.insert(QStringLiteral("CisloZaznamu"), CisloZaznamu);
    j.insert(QStringLiteral("Datum"), Datum);
    j.insert(QStringLiteral("Odmena"), Odmena);
    j.insert(QStringLiteral("Vydavky"), Vydavky);
    j.insert(QStringLiteral("CestovneNahrady"), CestovneNahrady.doJson());
    QJsonArray a;
    for (const auto& p : Polozky)
        a.append(p.doJson());
    j.insert(QStringLiteral("Polozky"), a);
    return j;
}
