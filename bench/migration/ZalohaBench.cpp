// A backup of a year of 2,000 entries with a document each, and its restore.
#include "migration/Zaloha.h"
#include "store/Cesty.h"
#include "store/Zurnal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRok = 2024;

struct Data {
    Data()
    {
        Cesty::nastavAppDir(adresar.path());
        QDir().mkpath(Cesty::cesta(QStringLiteral("Data")));
        for (int c = 1; c <= 2000; ++c) {
            TZnalKevrotZaznam z;
            z.PoradoveCislo = c;
            z.Rok = kRok;
            z.Meno = QStringLiteral("Okresný súd %1").arg(c);
            QList<TVydavok> v(6);
            for (auto& p : v) {
                p.Nazov = QStringLiteral("Položka");
                p.Rozpis.resize(2);
            }
            QDir().mkpath(Zurnal::AdresarDokumentov(c, kRok));
            QFile f(Zurnal::SuborZaznamu(c, kRok));
            f.open(QIODevice::WriteOnly);
            f.write(Zurnal::ObsahSuboru(z, v, {}));
            QFile d(QDir(Zurnal::AdresarDokumentov(c, kRok)).filePath(QStringLiteral("Faktura.rtf")));
            d.open(QIODevice::WriteOnly);
            d.write(QByteArray("{\\rtf1\\ansi faktúra č. ") + QByteArray::number(c) + QByteArray(3000, ' ') + "}");
        }
    }
    QTemporaryDir adresar;
};

Data& data()
{
    static Data d;
    return d;
}

void BM_Zaloha(benchmark::State& state)
{
    Data& d = data();
    const QString subor = QDir(d.adresar.path()).filePath(QStringLiteral("../zaloha-bench.zip"));
    for (auto _ : state)
        if (!Zaloha::Zapis(subor))
            state.SkipWithError("backup failed");
    state.counters["bajty"] = double(QFileInfo(subor).size());
    QFile::remove(subor);
}

void BM_Obnova(benchmark::State& state)
{
    Data& d = data();
    const QString subor = QDir(d.adresar.path()).filePath(QStringLiteral("../obnova-bench.zip"));
    if (!Zaloha::Zapis(subor))
        state.SkipWithError("backup failed");
    for (auto _ : state)
        if (!Zaloha::Obnov(subor))
            state.SkipWithError("restore failed");
    QFile::remove(subor);
    QDir(Zaloha::Adresar()).removeRecursively();
}

}  // namespace

BENCHMARK(BM_Zaloha)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Obnova)->Unit(benchmark::kMillisecond)->Iterations(3);
