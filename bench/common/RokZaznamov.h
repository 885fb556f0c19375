#pragma once
// A year of generated entry files for the benchmarks: entries with 6 items of 2 sub-items
// and 3 payments each, written into the data directory of the current application folder.

#include "store/Cesty.h"
#include "store/Zurnal.h"

#include <QDir>
#include <QFile>

#include <random>

inline TZnalKevrotZaznam generujZaznam(int cislo, int rok, std::mt19937& g)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = rok;
    z.Verzia = 2;
    z.SadzbaDPH = 20.0;
    z.Meno = QStringLiteral("Žiadateľ %1").arg(g() % 500);
    z.Adresa = QStringLiteral("Hlavná %1, Nitra").arg(g() % 100);
    z.Predmet = QStringLiteral("Predmet úkonu %1").arg(g() % 300);
    z.CisloObjednavky = QStringLiteral("%1C/%2/%3").arg(g() % 20).arg(g() % 400).arg(rok);
    z.DatumVyziadania = 45300.0 + double(g() % 365);
    z.DatumVykonania = z.DatumVyziadania + double(g() % 30);
    z.UctovanaOdmena = double(g() % 100000) / 100.0;
    z.UctovaneVydavky = double(g() % 20000) / 100.0;
    z.DoZoznamuVyuctovani = g() % 2 == 0;
    z.CestovneNahrady.SpoluNaklady = double(g() % 5000) / 100.0;
    return z;
}

inline void zapisRokZaznamov(int rok, int pocet)
{
    QDir().mkpath(Cesty::adresarRoka(rok));
    std::mt19937 g(42);
    for (int c = 1; c <= pocet; ++c) {
        QList<TVydavok> vydavky;
        for (int i = 0; i < 6; ++i) {
            TVydavok v;
            v.Nazov = QStringLiteral("Položka %1").arg(i);
            v.Druh = 1 + i;
            v.Cena = 20.0;
            v.MJ = QStringLiteral("hod");
            for (int k = 0; k < 2; ++k) {
                TRozpisPolozky r;
                r.Pocet = 1.5;
                r.Popis = QStringLiteral("rozpis %1").arg(k);
                v.Rozpis.append(r);
            }
            v.Suma = v.Cena * v.SucetPoctov();
            vydavky.append(v);
        }
        QList<TVyplatenie> vyplatenia;
        for (int i = 0; i < 3; ++i) {
            TVyplatenie p;
            p.Datum = 45400.0 + i;
            p.Suma = 10.0 * i;
            vyplatenia.append(p);
        }
        QFile f(Zurnal::SuborZaznamu(c, rok));
        f.open(QIODevice::WriteOnly);
        f.write(Zurnal::ObsahSuboru(generujZaznam(c, rok, g), vydavky, vyplatenia));
    }
}
