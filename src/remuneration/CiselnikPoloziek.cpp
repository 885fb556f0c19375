#include "CiselnikPoloziek.h"

#include "store/Cesty.h"
#include "store/Subory.h"
#include "store/ZdielaneSubory.h"

QString CiselnikPoloziek::SuborPoloziek()
{
    return ZdielaneSubory::subor(QStringLiteral("\\Data\\ZnalKevrot_polozky.dat"));
}

bool CiselnikPoloziek::NacitajPolozky()
{
    return nacitajPocitanySubor(SuborPoloziek(), PolozkyCiselnika, false);
}

QList<TVydavok> CiselnikPoloziek::PredvyplnPolozky(qint32 skupina) const
{
    QList<TVydavok> polozky;
    for (const auto& p : PolozkyCiselnika) {
        if (p.Skupina != skupina || p.Druh <= DruhVydavku::TarifnaOdmena)
            continue;
        TVydavok v;
        v.Nazov = p.Nazov;
        v.Skupina = p.Skupina;
        v.Druh = p.Druh;
        v.MJ = p.MJ;
        v.ZakladnaCena = p.Cena;
        v.Cena = p.Cena;
        v.Suma = 0;
        TRozpisPolozky r;
        r.Pocet = 0;
        v.Rozpis.append(r);
        v.PocetRozpisov = 1;
        polozky.append(v);
    }
    return polozky;
}

QList<TPolozkaCiselnika> CiselnikPoloziek::PonukaPoloziek(qint32 skupina, qint32 rezim) const
{
    QList<TPolozkaCiselnika> ponuka;
    for (const auto& p : PolozkyCiselnika)
        if (p.Skupina == skupina && p.Druh == rezim)
            ponuka.append(p);
    return ponuka;
}
