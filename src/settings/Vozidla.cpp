#include "Vozidla.h"

#include "store/Datum.h"
#include "store/SadzbyNahrad.h"

#include "store/Cesty.h"
#include "store/Subory.h"

#include <QFileInfo>

const Rozlozenie<TVozidlo>& TVozidlo::rozlozenie()
{
    using T = TVozidlo;
    static const Rozlozenie<T> r = {
        retazec<T>(0, 200, "Nazov", &T::Nazov),
        retazec<T>(201, 20, "EvidencneCislo", &T::EvidencneCislo),
        vypln<T>(222, 2),
        dbl<T>(224, "Spotreba", &T::Spotreba),
        dbl<T>(232, "Opotrebenie", &T::Opotrebenie),
    };
    return r;
}

QString Vozidla::SuborVozidiel()
{
    return Cesty::cesta(QStringLiteral("\\Data\\znalec_kevrot_nastavenie_vozidlo.dat"));
}

bool Vozidla::NacitajVozidla()
{
    const QString cesta = SuborVozidiel();
    if (nacitajPocitanySubor(cesta, ZoznamVozidiel, true))
        return true;
    // A file shorter than its count gives only the vehicles it holds, never empty ones
    // that a later save would write as real vehicles.
    const qint64 pritomnych = (QFileInfo(cesta).size() - 4) / TVozidlo::VELKOST;
    while (ZoznamVozidiel.size() > qMax<qint64>(pritomnych, 0))
        ZoznamVozidiel.removeLast();
    return false;
}

Vysledok Vozidla::UlozVozidla() const { return ulozPocitanySubor(SuborVozidiel(), ZoznamVozidiel); }

QStringList Vozidla::NazvyVozidiel() const
{
    QStringList n;
    n.reserve(ZoznamVozidiel.size());
    for (const auto& v : ZoznamVozidiel)
        n.append(v.Nazov);
    return n;
}

QString OverVozidlo(const QString& nazov)
{
    return nazov.isEmpty() ? QStringLiteral("Nie je zadané žiadne vozidlo.") : QString();
}

double AktualneOpotrebenie() { return sadzbyNahrad().OpotrebenieKDatumu(Dnes()); }
