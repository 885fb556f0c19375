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

static void BM_SumaSlovomZCelkovej(benchmark::State& s)
{
    double v = 0.5;
    for (auto _ : s) {
        benchmark::DoNotOptimize(SumaSlovomZCelkovej(v));
        v += 7777.25;
        if (v > 999999999)
            v = 0.5;
    }
}
BENCHMARK(BM_SumaSlovomZCelkovej);
