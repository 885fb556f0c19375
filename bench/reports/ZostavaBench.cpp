// Laying out the journal of 2,000 entries into pages, and painting one page at preview size.

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "reports/TAlZostava.h"
#include "reports/TlacKevrota.h"
#include "store/RiadokKevrota.h"
#include "store/ZnalKevrotZaznam.h"
#include "settings/NastaveniaZaznamy.h"
#include "store/Datum.h"
#include "store/ZnalKevrotZaznam.h"

namespace {

const QString kZostava = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/pr_znalec_kevrot.dfm");

NazvaneHodnoty hodnoty2000()
{
    QList<RiadokKevrota> zaznamy;
    for (int i = 1; i <= 2000; ++i) {
        TZnalKevrotZaznam z;
        z.PoradoveCislo = i;
        z.Rok = 2024;
        z.Meno = QStringLiteral("Žiadateľ %1").arg(i);
        z.Adresa = QStringLiteral("Hlavná %1, Bratislava").arg(i);
        z.DruhUkonu = QStringLiteral("znalecký posudok");
        z.Predmet = QStringLiteral("ohodnotenie nehnuteľnosti v katastrálnom území");
        z.Ucel = QStringLiteral("pre potreby súdu");
        z.DatumVyziadania = QDateNaDatum(QDate(2024, 1 + i % 12, 1 + i % 28));
        z.DatumVykonania = z.DatumVyziadania + 10;
        z.UctovanaOdmena = 100.0 + i;
        z.Poznamka = QStringLiteral("poznámka");
        zaznamy.append(RiadokKevrota::zoZaznamu(z));
    }
    TNastavenia n;
    n.Meno = QStringLiteral("Peter");
    n.Priezvisko = QStringLiteral("Novák");
    return TlacKevrota::HodnotyZoznamu(zaznamy, n, 2024);
}

void BM_RozlozenieKevrota2000(benchmark::State& state)
{
    const NazvaneHodnoty h = hodnoty2000();
    int stran = 0;
    for (auto _ : state) {
        auto z = NahrajZostavu(kZostava);
        TlacKevrota::pridaj(*z->report(), h);
        tPages strany;
        z->report()->PreparePages(strany);
        stran = int(strany.size());
        benchmark::DoNotOptimize(strany);
    }
    state.counters["strany"] = stran;
}
BENCHMARK(BM_RozlozenieKevrota2000)->Unit(benchmark::kMillisecond);

void BM_VykreslenieStrany(benchmark::State& state)
{
    auto z = NahrajZostavu(kZostava);
    TlacKevrota::pridaj(*z->report(), hodnoty2000());
    tPages strany;
    z->report()->PreparePages(strany);
    const TDrawMetaFile& strana = strany.at(1);
    QImage obraz(strana.velkost, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        obraz.fill(Qt::white);
        QPainter p(&obraz);
        kresliStranu(p, strana, QRectF(QPointF(0, 0), QSizeF(strana.velkost)));
        p.end();
        benchmark::DoNotOptimize(obraz.constBits());
    }
}
BENCHMARK(BM_VykreslenieStrany)->Unit(benchmark::kMillisecond);

}  // namespace
