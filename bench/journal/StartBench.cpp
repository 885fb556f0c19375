// The program's start-up to a painted journal of 2,000 entries against a bare Qt Widgets
// program showing a table of 2,000 rows: each started as a fresh process, and each window
// built and shown again inside a running process. The splash pauses are switched off.

#include "common/RokZaznamov.h"
#include "journal/TStartForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "settings/Nastavenia.h"
#include "app/PrvaKresbaTabulky.h"

#include <QCoreApplication>
#include <QDate>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kPocet = 2000;

// A copy of the built application folder with a year of entries and saved settings.
class AplikaciaSRokom {
public:
    AplikaciaSRokom()
    {
        const QString zdroj = QStringLiteral(KEVROT_APPDIR);
        QDirIterator it(zdroj, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString s = it.next();
            const QString ciel = m_adresar.filePath(QDir(zdroj).relativeFilePath(s));
            QDir().mkpath(QFileInfo(ciel).path());
            QFile::copy(s, ciel);
        }
        Cesty::nastavAppDir(m_adresar.path());
        zapisRokZaznamov(QDate::currentDate().year(), kPocet);
        Nastavenia n;
        n.NacitajVsetko();
        (void)n.UlozNastavenia();
    }
    QString program() const { return m_adresar.filePath(QStringLiteral("ZnaleckyKevrot")); }

private:
    QTemporaryDir m_adresar;
};

AplikaciaSRokom& aplikacia()
{
    static AplikaciaSRokom a;
    return a;
}

void spustProces(benchmark::State& s, const QString& program, const QStringList& argumenty)
{
    for (auto _ : s) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(program, argumenty);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            s.SkipWithError("the process did not end on its own");
            break;
        }
        s.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    }
}

void BM_StartProgramu_NovyProces(benchmark::State& s)
{
    spustProces(s, aplikacia().program(), {QStringLiteral("--zmeraj-start")});
}
BENCHMARK(BM_StartProgramu_NovyProces)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_HolaTabulka_NovyProces(benchmark::State& s)
{
    spustProces(s, QStringLiteral(HOLA_TABULKA), {});
}
BENCHMARK(BM_HolaTabulka_NovyProces)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Shows the window and runs the events until its table has been painted.
template <class Okno>
void ukazAPockaj(benchmark::State& s, const std::function<std::unique_ptr<Okno>()>& vytvor)
{
    for (auto _ : s) {
        bool hotovo = false;
        PrvaKresbaTabulky kresba(1, [&] { hotovo = true; });
        auto okno = vytvor();
        okno->showMaximized();
        QElapsedTimer t;
        t.start();
        while (!hotovo && t.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        s.PauseTiming();
        okno.reset();
        QCoreApplication::processEvents();
        s.ResumeTiming();
    }
}

void BM_StartProgramu_VBeziacomProcese(benchmark::State& s)
{
    aplikacia();
    TStartForm::Pauza = 0;
    ukazAPockaj<TZnalecKevrotForm>(s, [] { return std::make_unique<TZnalecKevrotForm>(QStringList{}); });
}
BENCHMARK(BM_StartProgramu_VBeziacomProcese)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HolaTabulka_VBeziacomProcese(benchmark::State& s)
{
    ukazAPockaj<QMainWindow>(s, [] {
        auto okno = std::make_unique<QMainWindow>();
        auto* t = new QTableWidget(kPocet, 8, okno.get());
        for (int r = 0; r < kPocet; ++r)
            for (int c = 0; c < 8; ++c)
                t->setItem(r, c, new QTableWidgetItem(QStringLiteral("Žiadateľ %1").arg(r * 8 + c)));
        okno->setCentralWidget(t);
        return okno;
    });
}
BENCHMARK(BM_HolaTabulka_VBeziacomProcese)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
