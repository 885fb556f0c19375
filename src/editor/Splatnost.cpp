#include "Splatnost.h"

double DatumSplatnosti(double datumVykonania, int splatnost)
{
    if (datumVykonania == 0)
        return 0;
    return datumVykonania + splatnost;
}
