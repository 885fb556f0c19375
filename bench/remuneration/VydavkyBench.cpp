// The remuneration window's refill of an entry with 1,000 items of 3 sub-items each, and
// the stored-billings window for a year of 2,000 billings showing one of 200 items.

#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/TVsetkyPolozkyForm.h"
#include "remuneration/TVydavkyForm.h"
#include "settings/Vozidla.h"
#include "settings/Nastavenia.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

QApplication& aplikacia()
{
    static int argc = 1;
    static char nazov[] = "bench";
    static char* argv[] = {nazov, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

TVydavok polozka(int i)
{
    TVydavok v;
    v.Nazov = QStringLiteral("Položka %1").arg(i);
    v.Druh = i % 8 + 1;
    v.MJ = QStringLiteral("hod");
    v.Cena = 10 + i % 17;
    for (int k = 0; k < 3; ++k) {
        TRozpisPolozky r;
        r.Pocet = k + 0.5;
        r.Popis = QStringLiteral("popis %1").arg(k);
        v.Rozpis.append(r);
    }
    v.PocetRozpisov = 3;
    return v;
}

void NaplnenieOkna(benchmark::State& s)
{
    aplikacia();
    UpravaVydavkov u;
    u.skupina = 1;
    u.platcaDPH = true;
    u.datumVykonania = 45000;
    u.sadzbaDPH = 20;
    for (int i = 0; i < 1000; ++i)
        u.polozky.append(polozka(i));
    CiselnikPoloziek c;
    Nastavenia n;
    QList<TVozidlo> vozidla;
    QList<TCiselnikVydavok> ulozene;
    TVydavkyForm okno(u, {c, n, vozidla, ulozene, {}});
    for (auto _ : s)
        okno.NaplnVsetko();
}
BENCHMARK(NaplnenieOkna)->Unit(benchmark::kMillisecond);

void UlozeneVyuctovania(benchmark::State& s)
{
    aplikacia();
    QList<TCiselnikVydavok> rok;
    for (int i = 0; i < 2000; ++i) {
        TCiselnikVydavok v;
        v.Nazov = QStringLiteral("%1/2024 - Posúdenie vozidla (Okresný súd)").arg(i + 1);
        v.CisloZaznamu = i + 1;
        v.Odmena = i;
        v.Vydavky = i / 2.0;
        const int pocet = i == 1000 ? 200 : 5;
        for (int k = 0; k < pocet; ++k) {
            TCiselnikVydavokItem p(polozka(k));
            p.Suma = 1 + k;
            v.Polozky.append(p);
        }
        rok.append(v);
    }
    for (auto _ : s) {
        TVsetkyPolozkyForm okno(rok);
        okno.Zobraz(1000);
        benchmark::DoNotOptimize(okno.zvolene());
    }
}
BENCHMARK(UlozeneVyuctovania)->Unit(benchmark::kMillisecond);

}  // namespace
