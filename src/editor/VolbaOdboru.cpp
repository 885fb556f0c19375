#include "VolbaOdboru.h"

QList<PolozkaVolby> VolbyOdborov(const QList<TOdborOdvetvie>& odbory)
{
    QList<PolozkaVolby> r;
    for (const auto& o : odbory) {
        PolozkaVolby p{o.Kod, o.Kod + QLatin1Char(' ') + o.Nazov, o.Najpouzivanejsi, {}};
        for (const auto& v : o.ZoznamOdvetvi)
            p.Odvetvia.append({v.Kod, v.Kod + QLatin1Char(' ') + v.Nazov, false, {}});
        r.append(p);
    }
    return r;
}

QList<PolozkaVolby> VolbyJazykov(const QList<TZapisanyJazyk>& jazyky)
{
    QList<PolozkaVolby> r;
    for (const auto& j : jazyky)
        r.append({j.Kod, j.Kod + QLatin1Char(' ') + j.Nazov, j.Najpouzivanejsi, {}});
    return r;
}

QList<PolozkaVolby> VsetkyOdbory(const OdboryOdvetvia& ciselnik)
{
    QList<PolozkaVolby> r;
    for (const auto& o : ciselnik.Odbory) {
        PolozkaVolby p{o.Kod, o.Kod + QLatin1Char(' ') + o.Nazov, false, {}};
        for (const auto& v : ciselnik.OdvetviaOdboru(o.Kod))
            p.Odvetvia.append({v.Kod, v.Kod + QLatin1Char(' ') + v.Nazov, false, {}});
        r.append(p);
    }
    return r;
}

QList<PolozkaVolby> VsetkyJazyky(const Jazyky& ciselnik)
{
    QList<PolozkaVolby> r;
    for (const auto& j : ciselnik.ZoznamJazykov)
        r.append({j.Kod, j.Kod + QLatin1Char(' ') + j.Nazov, false, {}});
    return r;
}

int IndexKodu(const QList<PolozkaVolby>& polozky, const QString& kod)
{
    if (kod.isEmpty())
        return -1;
    for (int i = 0; i < polozky.size(); ++i)
        if (polozky[i].Kod == kod)
            return i;
    return -1;
}

int IndexPredvolenej(const QList<PolozkaVolby>& polozky)
{
    for (int i = 0; i < polozky.size(); ++i)
        if (polozky[i].Predvolena)
            return i;
    return polozky.size() == 1 ? 0 : -1;
}

int IndexZvolenej(const QList<PolozkaVolby>& polozky, const QString& kod)
{
    if (kod.isEmpty())
        return polozky.size() == 1 ? 0 : -1;
    return IndexKodu(polozky, kod);
}
