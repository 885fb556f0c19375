// Loading a year of the journal against merely reading its files, opening one entry, and
// sorting the journal register.
#include "common/RokZaznamov.h"
#include "journal/ZoradenieKevrota.h"
#include "store/Cesty.h"
#include "store/Zurnal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRok = 2024;
constexpr int kPocetZaznamov = 2000;

// A year of entries written once into a temporary application folder.
class GenerovanyRok {
public:
    GenerovanyRok()
    {
        Cesty::nastavAppDir(m_adresar.path());
        zapisRokZaznamov(kRok, kPocetZaznamov);
    }

private:
    QTemporaryDir m_adresar;
};

void pripravRok()
{
    static GenerovanyRok rok;
}

// Loading a year as the journal window does on showing it: the entries and the stored billings.
void BM_NacitanieRoka(benchmark::State& state)
{
    pripravRok();
    for (auto _ : state) {
        Zurnal j;
        j.NacitajKevrot(kRok);
        benchmark::DoNotOptimize(j.UlozeneVyuctovania.size());
    }
    state.counters["zaznamy"] = kPocetZaznamov;
}
// The reading is shared among the cores: wall time is what counts, CPU of all threads shown.
BENCHMARK(BM_NacitanieRoka)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

// Only listing the year's files and reading their bytes with open/read/close into one
// reused buffer, one file after another.
void BM_LenCitanieSuborov(benchmark::State& state)
{
    pripravRok();
    std::vector<char> buffer;
    for (auto _ : state) {
        const QDir d(Cesty::adresarRoka(kRok));
        qint64 spolu = 0;
        for (const auto& m : d.entryList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Name)) {
            const int fd = ::open(QFile::encodeName(d.filePath(m)).constData(), O_RDONLY | O_CLOEXEC);
            struct stat st {};
            if (fd < 0 || ::fstat(fd, &st) != 0) {
                state.SkipWithError("open");
                break;
            }
            buffer.resize(std::max(buffer.size(), size_t(st.st_size)));
            for (ssize_t r; (r = ::read(fd, buffer.data(), buffer.size())) > 0;)
                spolu += r;
            ::close(fd);
        }
        benchmark::DoNotOptimize(spolu);
    }
}
BENCHMARK(BM_LenCitanieSuborov)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

// Opening one entry after the load: its file is read again.
void BM_OtvorenieZaznamu(benchmark::State& state)
{
    pripravRok();
    Zurnal j;
    for (auto _ : state)
        benchmark::DoNotOptimize(j.NacitajZaznam(kPocetZaznamov / 2, kRok));
}
BENCHMARK(BM_OtvorenieZaznamu)->Unit(benchmark::kMicrosecond);

QList<RiadokKevrota> nahodnyZoznam(int n)
{
    std::mt19937 g(7);
    QList<RiadokKevrota> l;
    l.reserve(n);
    for (int i = 0; i < n; ++i)
        l.append(RiadokKevrota::zoZaznamu(generujZaznam(i + 1, kRok, g)));
    std::shuffle(l.begin(), l.end(), g);
    return l;
}

void zoradenie(benchmark::State& state, int stlpec)
{
    const auto povodny = nahodnyZoznam(10000);
    QList<RiadokKevrota> l;
    for (auto _ : state) {
        // A fresh unsorted copy each time; copying and freeing the old one are not timed.
        state.PauseTiming();
        l = povodny;
        l.detach();
        state.ResumeTiming();
        ZoradKevrot(l, stlpec, true);
        benchmark::DoNotOptimize(l.constData());
    }
    state.counters["sizeof"] = double(sizeof(RiadokKevrota));
}

void BM_ZoradenieText(benchmark::State& state) { zoradenie(state, 1); }
void BM_ZoradenieCislo(benchmark::State& state) { zoradenie(state, 6); }
BENCHMARK(BM_ZoradenieText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoradenieCislo)->Unit(benchmark::kMillisecond);

}  // namespace

// The journal's order by number (after adding an entry, for the spreadsheet and the print).
void BM_ZoradeniePodlaCisla(benchmark::State& state)
{
    Zurnal z;
    const auto povodny = nahodnyZoznam(10000);
    for (auto _ : state) {
        state.PauseTiming();
        z.ZaznamyKevrota = povodny;
        z.ZaznamyKevrota.detach();
        state.ResumeTiming();
        z.ZoradPodlaCisla();
        benchmark::DoNotOptimize(z.ZaznamyKevrota.constData());
    }
}
BENCHMARK(BM_ZoradeniePodlaCisla)->Unit(benchmark::kMillisecond);
