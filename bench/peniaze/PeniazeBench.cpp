// Money texts are made for every amount cell of the registers and the overview; these
// figures show what a register of a few thousand rows costs to format.

#include "store/Peniaze.h"
#include "store/SumaSlovom.h"

#include <benchmark/benchmark.h>

static void BM_SumaTextSk(benchmark::State& s)
{
    nastavDualneZobrazovanie(true);
    double v = 0.005;
    for (auto _ : s) {
        benchmark::DoNotOptimize(SumaTextSk(SymbolEuro, v));
        v += 123.457;
    }
}
BENCHMARK(BM_SumaTextSk);

static void BM_SumaSlovomCenty(benchmark::State& s)
{
    Centy v = 50;
    for (auto _ : s) {
        benchmark::DoNotOptimize(SumaSlovomCenty(v));
        v += 777725;
        if (v > 99999999900)
            v = 50;
    }
}
BENCHMARK(BM_SumaSlovomCenty);
