#pragma once
#include "store/Zurnal.h"

// The bytes of an entry file that loads: entry `cislo` of `rok` named `meno`.
inline QByteArray platnyZaznam(int cislo, int rok, const QString& meno)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = rok;
    z.Meno = meno;
    return Zurnal::ObsahSuboru(z, {}, {});
}
