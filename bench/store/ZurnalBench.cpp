// Loading a year of the journal against merely reading its files, opening one entry, and
// sorting the journal register.
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

TZnalKevrotZaznam generujZaznam(int cislo, std::mt19937& g)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = kRok;
    z.Verzia = 2;
    z.SadzbaDPH = 20.0;
    z.Meno = QStringLiteral("Žiadateľ %1").arg(g() % 500);
    z.Adresa = QStringLiteral("Hlavná %1, Nitra").arg(g() % 100);
    z.Predmet = QStringLiteral("Predmet úkonu %1").arg(g() % 300);
    z.CisloObjednavky = QStringLiteral("%1C/%2/2024").arg(g() % 20).arg(g() % 400);
    z.DatumVyziadania = 45300.0 + double(g() % 365);
    z.DatumVykonania = z.DatumVyziadania + double(g() % 30);
    z.UctovanaOdmena = double(g() % 100000) / 100.0;
    z.UctovaneVydavky = double(g() % 20000) / 100.0;
    z.DoZoznamuVyuctovani = g() % 2 == 0;
    z.CestovneNahrady.SpoluNaklady = double(g() % 5000) / 100.0;
    return z;
}

// A year of entries with 6 items of 2 sub-items and 3 payments each, written once.
class GenerovanyRok {
public:
    GenerovanyRok()
    {
        Cesty::nastavAppDir(m_adresar.path());
        QDir().mkpath(Cesty::adresarRoka(kRok));
        std::mt19937 g(42);
        for (int c = 1; c <= kPocetZaznamov; ++c) {
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
            QFile f(Zurnal::SuborZaznamu(c, kRok));
            f.open(QIODevice::WriteOnly);
            f.write(Zurnal::ObsahSuboru(generujZaznam(c, g), vydavky, vyplatenia));
        }
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

QList<TZnalKevrotZaznam> nahodnyZoznam(int n)
{
    std::mt19937 g(7);
    QList<TZnalKevrotZaznam> l;
    l.reserve(n);
    for (int i = 0; i < n; ++i)
        l.append(generujZaznam(i + 1, g));
    std::shuffle(l.begin(), l.end(), g);
    return l;
}

void zoradenie(benchmark::State& state, int stlpec)
{
    const auto povodny = nahodnyZoznam(10000);
    QList<TZnalKevrotZaznam> l;
    for (auto _ : state) {
        // A fresh unsorted copy each time; copying and freeing the old one are not timed.
        state.PauseTiming();
        l = povodny;
        l.detach();
        state.ResumeTiming();
        ZoradKevrot(l, stlpec, true);
        benchmark::DoNotOptimize(l.constData());
    }
    state.counters["sizeof"] = double(sizeof(TZnalKevrotZaznam));
}

void BM_ZoradenieText(benchmark::State& state) { zoradenie(state, 1); }
void BM_ZoradenieCislo(benchmark::State& state) { zoradenie(state, 6); }
BENCHMARK(BM_ZoradenieText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoradenieCislo)->Unit(benchmark::kMillisecond);

}  // namespace
