// Filling the journal grid for a year of 5,000 entries, and a header-click sort of them.

#include "journal/KevrotTabulka.h"
#include "store/ZnalKevrotZaznam.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

QList<RiadokKevrota> rok(int pocet)
{
    QList<RiadokKevrota> l;
    l.reserve(pocet);
    const TZnalKevrotZaznam prazdny = TZnalKevrotZaznam::zObrazu(QByteArray(TZnalKevrotZaznam::VELKOST, '\0'));
    for (int i = 0; i < pocet; ++i) {
        TZnalKevrotZaznam z = prazdny;
        z.PoradoveCislo = (i * 7919) % pocet + 1;
        z.Rok = 2024;
        z.Meno = QStringLiteral("Žiadateľ %1").arg((i * 31) % 977);
        z.Adresa = QStringLiteral("Hlavná %1, Košice").arg(i);
        z.Predmet = QStringLiteral("Posúdenie vozidla %1").arg(i % 113);
        z.CisloObjednavky = QStringLiteral("%1 T %2/2024").arg(i % 50).arg(i);
        z.DatumVyziadania = 45292 + i % 360;
        z.UctovanaOdmena = (i * 37) % 2000 + 0.5;
        z.Vyplatene = i % 3 == 0;
        l.append(RiadokKevrota::zoZaznamu(z));
    }
    return l;
}

// Builds the shown rows and reads every cell's text once, as a view painting them would.
void NaplnenieMriezky(benchmark::State& s)
{
    auto l = rok(5000);
    KevrotTabulka t(l);
    t.NastavRok(2024);
    for (auto _ : s) {
        t.Obnov();
        qsizetype dlzka = 0;
        for (int r = 0; r < t.rowCount(); ++r)
            for (int c = 0; c < KevrotTabulka::PocetStlpcov; ++c)
                dlzka += t.data(t.index(r, c)).toString().size();
        benchmark::DoNotOptimize(dlzka);
    }
}
BENCHMARK(NaplnenieMriezky)->Unit(benchmark::kMillisecond);

void ZoradenieKlikom(benchmark::State& s)
{
    const auto povodny = rok(5000);
    for (auto _ : s) {
        s.PauseTiming();
        auto l = povodny;
        KevrotTabulka t(l);
        t.NastavRok(2024);
        s.ResumeTiming();
        t.KlikNaHlavicku(1);  // by requester: the text key
        benchmark::DoNotOptimize(t.rowCount());
    }
}
BENCHMARK(ZoradenieKlikom)->Unit(benchmark::kMillisecond);

}  // namespace
