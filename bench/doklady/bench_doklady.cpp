// The billing document of an entry with 200 items, built and written as RTF.

#include <benchmark/benchmark.h>

#include "editor/DokladVyuctovanie.h"
#include "store/Vydavok.h"

namespace {

PodkladyDokladu podklady()
{
    PodkladyDokladu p;
    p.nastavenie.PlatcaDPH = true;
    p.nastavenie.BasicFontName = p.nastavenie.TableFontName = p.nastavenie.TitleFontName = QStringLiteral("Arial");
    p.nastavenie.BasicFontSize = 11;
    p.nastavenie.TableFontSize = 10;
    p.nastavenie.TitleFontSize = 12;
    p.polia.Cislo = QStringLiteral("7");
    p.polia.Rok = QStringLiteral("2024");
    p.polia.Meno = QStringLiteral("Okresný súd");
    p.datumVykonania = 45356;
    p.sadzbaDPH = 20;
    const qint32 druhy[] = {1, 2, 4, 6, 7, 8};
    for (int i = 0; i < 200; ++i) {
        TVydavok v;
        v.Druh = druhy[i % 6];
        v.Nazov = QStringLiteral("Položka číslo %1").arg(i);
        v.MJ = QStringLiteral("hod");
        v.Cena = 12.5;
        TRozpisPolozky r;
        r.Pocet = 2;
        r.Popis = QStringLiteral("Úkon %1").arg(i);
        v.Rozpis = {r};
        v.Suma = 25;
        p.vydavky.append(v);
    }
    p.zaznam.CestovneNahrady.SpoluNaklady = 41.16;
    return p;
}

void BM_Vyuctovanie200Poloziek(benchmark::State& state)
{
    const PodkladyDokladu p = podklady();
    for (auto _ : state) {
        const Dokument d = ZostavVyuctovanie(p, QString(), QString());
        benchmark::DoNotOptimize(d.rtf());
    }
}
BENCHMARK(BM_Vyuctovanie200Poloziek)->Unit(benchmark::kMillisecond);

}  // namespace
