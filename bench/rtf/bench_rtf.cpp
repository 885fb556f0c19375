// Reading and writing RTF of the size of long billing documents, and hostile nesting.

#include "word/Dokument.h"
#include "word/RtfCitac.h"
#include "word/RtfZapisovac.h"

#include <benchmark/benchmark.h>

namespace {

// A document of `riadkov` table rows and as many formatted paragraphs.
QByteArray dlhyDokument(int riadkov)
{
    Dokument d;
    d.nastavZakladnePismo(QStringLiteral("Arial"), 11);
    for (int i = 0; i < riadkov; ++i) {
        d.nastavTucne(i % 3 == 0);
        d.vloz(QString::fromUtf8("Odsek %1: znalecký posudok, účtovná položka € %1,00\r").arg(i));
    }
    const auto od = d.pozicia();
    for (int i = 0; i < riadkov; ++i)
        d.vloz(QString::fromUtf8("Položka %1 ; hod ; 25.00 ; %1.00 ; %1,00 €\r").arg(i));
    TabulkaVolby v;
    v.sirkyStlpcov = {170, 30, 70, 50, 130};
    v.okrajeVnutri = v.okrajeVonku = true;
    v.tienovaneRiadky = {0, -1};
    d.textNaTabulku(od, v);
    return d.rtf();
}

void BM_CitajDokument(benchmark::State& s)
{
    const QByteArray rtf = dlhyDokument(int(s.range(0)));
    for (auto _ : s)
        benchmark::DoNotOptimize(RtfCitac::citaj(rtf));
    s.SetBytesProcessed(s.iterations() * rtf.size());
}
BENCHMARK(BM_CitajDokument)->Arg(100)->Arg(2000);

void BM_ZapisDokument(benchmark::State& s)
{
    const RtfDokument d = RtfCitac::citaj(dlhyDokument(int(s.range(0)))).dokument;
    for (auto _ : s)
        benchmark::DoNotOptimize(RtfZapisovac::zapis(d));
}
BENCHMARK(BM_ZapisDokument)->Arg(100)->Arg(2000);

// Hostile input stays linear: a megabyte of opening braces.
void BM_HlbokeVnorenie(benchmark::State& s)
{
    const QByteArray rtf = "{\\rtf1 " + QByteArray(int(s.range(0)), '{');
    for (auto _ : s)
        benchmark::DoNotOptimize(RtfCitac::citaj(rtf));
    s.SetBytesProcessed(s.iterations() * rtf.size());
}
BENCHMARK(BM_HlbokeVnorenie)->Arg(1 << 16)->Arg(1 << 20);

}  // namespace
