// The program's year load as a process of its own: the journal of a year read as the main
// window reads it, then the count printed.
//   kevrot_nacitaj_rok APPDIR YEAR

#include "store/Cesty.h"
#include "store/Zurnal.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s APPDIR YEAR\n", argv[0]);
        return 2;
    }
    Cesty::nastavAppDir(QString::fromLocal8Bit(argv[1]));
    Zurnal z;
    z.NacitajRok(std::atoi(argv[2]));
    std::printf("%lld\n", static_cast<long long>(z.ZaznamyKevrota.size()));
    return 0;
}
