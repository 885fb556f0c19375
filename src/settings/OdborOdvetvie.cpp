#include "OdborOdvetvie.h"

#include "OdborKody.h"

TZapisaneKody ZapisaneOdboryText(const QList<TOdborOdvetvie>& zoznam)
{
    TZapisaneKody t;
    for (const auto& o : zoznam) {
        t.Odbory += o.Kod + u'|';
        for (const auto& v : o.ZoznamOdvetvi)
            t.Odvetvia += v.Kod + u'|';
    }
    t.Najpouzivanejsi = KodNajpouzivanejsieho(zoznam);
    return t;
}

int PridajZapisaneOdvetvie(QList<TOdborOdvetvie>& zoznam, const QString& kodOdboru,
                           const QString& nazovOdboru, const TOdvetvie& odvetvie)
{
    for (int i = 0; i < zoznam.size(); ++i) {
        if (zoznam.at(i).Kod == kodOdboru) {
            zoznam[i].ZoznamOdvetvi.append(odvetvie);
            return i;
        }
    }
    TOdborOdvetvie o;
    o.Kod = kodOdboru;
    o.Nazov = nazovOdboru;
    o.ZoznamOdvetvi.append(odvetvie);
    zoznam.append(o);
    return int(zoznam.size()) - 1;
}

static bool platnaPozicia(const QList<TOdborOdvetvie>& zoznam, int odbor, int odvetvie)
{
    return odbor >= 0 && odbor < zoznam.size() && odvetvie >= 0 &&
           odvetvie < zoznam.at(odbor).ZoznamOdvetvi.size();
}

bool NahradZapisaneOdvetvie(QList<TOdborOdvetvie>& zoznam, int odbor, int odvetvie,
                            const TOdvetvie& nove)
{
    if (!platnaPozicia(zoznam, odbor, odvetvie))
        return false;
    zoznam[odbor].ZoznamOdvetvi[odvetvie] = nove;
    return true;
}

bool ZmazZapisaneOdvetvie(QList<TOdborOdvetvie>& zoznam, int odbor, int odvetvie)
{
    if (!platnaPozicia(zoznam, odbor, odvetvie))
        return false;
    zoznam[odbor].ZoznamOdvetvi.removeAt(odvetvie);
    if (zoznam.at(odbor).ZoznamOdvetvi.isEmpty())
        zoznam.removeAt(odbor);
    return true;
}
