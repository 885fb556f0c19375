// The financial overview's recount over a year of entry files, and the spreadsheet export
// against libxlsxwriter writing the same cells with the same formats on its own.
#include "finance/ExportExcel.h"
#include "finance/StavFinancii.h"
#include "store/Cesty.h"
#include "store/Zurnal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <random>

namespace {

constexpr int kRok = 2024;
constexpr int kPocet = 2000;

TZnalKevrotZaznam zaznam(int cislo, std::mt19937& g)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = kRok;
    z.StatnyOrgan = int(g() % 2);
    z.Meno = QStringLiteral("Okresný súd %1").arg(g() % 50);
    z.Adresa = QStringLiteral("Hlavná %1, Žilina").arg(g() % 100);
    z.CisloObjednavky = QStringLiteral("%1C/%2/2024").arg(g() % 20).arg(g() % 400);
    z.DruhUkonu = QStringLiteral("posudok");
    z.TypPosudku = QStringLiteral("znalecký");
    z.Predmet = QStringLiteral("Ohodnotenie nehnuteľnosti %1").arg(g() % 300);
    z.Ucel = QStringLiteral("dedičské konanie");
    z.DatumVyziadania = 45300.0 + double(g() % 365);
    z.DatumVykonania = z.DatumVyziadania + double(g() % 30);
    z.UctovanaOdmena = double(g() % 100000) / 100.0;
    z.UctovaneVydavky = double(g() % 20000) / 100.0;
    z.PriznanaOdmena = z.UctovanaOdmena;
    z.UdajeOdmena = QStringLiteral("§ 17");
    z.DatumyVyplatenia = QStringLiteral("3.6.2024\r4.7.2024\r");
    z.Poznamka = QStringLiteral("poznámka");
    return z;
}

// A year of entries with two payments each, written once.
struct Rok {
    Rok()
    {
        Cesty::nastavAppDir(adresar.path());
        QDir().mkpath(Cesty::adresarRoka(kRok));
        std::mt19937 g(7);
        for (int c = 1; c <= kPocet; ++c) {
            const TZnalKevrotZaznam z = zaznam(c, g);
            QList<TVyplatenie> v(2);
            v[0].Datum = 45450;
            v[0].Suma = 100;
            v[1].Datum = 45480;
            v[1].Suma = 50;
            QFile f(Zurnal::SuborZaznamu(c, kRok));
            f.open(QIODevice::WriteOnly);
            f.write(Zurnal::ObsahSuboru(z, {}, v));
            zurnal.ZaznamyKevrota.append(RiadokKevrota::zoZaznamu(z));
        }
    }
    QTemporaryDir adresar;
    Zurnal zurnal;
};

Rok& rok()
{
    static Rok r;
    return r;
}

void BM_Prepocitaj(benchmark::State& state)
{
    Rok& r = rok();
    for (auto _ : state)
        benchmark::DoNotOptimize(PrepocitajFinancie(r.zurnal, VolbaFinancii::Vsetky, 0, 0));
}

void BM_ExportRegister(benchmark::State& state)
{
    Rok& r = rok();
    const QString subor = r.adresar.filePath(QStringLiteral("kevrot.xlsx"));
    for (auto _ : state)
        if (!ZapisZosit(r.zurnal.ZaznamyKevrota, VariantExportu::Register, {}, subor)) {
            state.SkipWithError("export failed");
            break;
        }
}

// The same sheets, cells, merges, widths, heights and formats written straight.
void BM_LenLibxlsxwriter(benchmark::State& state)
{
    Rok& r = rok();
    const QByteArray subor = QFile::encodeName(r.adresar.filePath(QStringLiteral("priamo.xlsx")));
    const char* hlavicky[10] = {"Por. čís- lo/rok", "Zadávateľ", "Dátum vyžiadania", "Predmet", "Účtovaná odmena",
                                "Údaje", "Účtované výdavky", "Výška priznanej odmeny", "Dátum vyplatenia", "Poznámka"};
    for (auto _ : state) {
        lxw_workbook* wb = workbook_new(subor.constData());
        lxw_format* f[5];
        for (int i = 0; i < 5; ++i) {
            f[i] = workbook_add_format(wb);
            format_set_font_name(f[i], "Arial");
            format_set_font_size(f[i], 10);
            format_set_align(f[i], i == 4 ? LXW_ALIGN_LEFT : LXW_ALIGN_CENTER);
            format_set_align(f[i], LXW_ALIGN_VERTICAL_CENTER);
            format_set_text_wrap(f[i]);
            format_set_border(f[i], LXW_BORDER_THIN);
        }
        format_set_num_format(f[1], "#,##0.00\\ \"€\"");
        format_set_num_format(f[2], "d.m.yyyy");
        format_set_num_format(f[3], "@");
        lxw_worksheet* ws = nullptr;
        int riadok = 3;
        const auto& zaznamy = r.zurnal.ZaznamyKevrota;
        for (int i = 0; i < zaznamy.size(); ++i) {
            const RiadokKevrota& z = zaznamy.at(i);
            if (i % 10 == 0) {
                ws = workbook_add_worksheet(wb, QStringLiteral("%1. strana").arg(i / 10 + 1).toUtf8().constData());
                for (int s = 0; s < 10; ++s) {
                    worksheet_set_column(ws, s, s, 12, nullptr);
                    worksheet_write_number(ws, 0, s, s + 1, f[0]);
                    worksheet_merge_range(ws, 1, s, 2, s, "", f[0]);
                    worksheet_write_string(ws, 1, s, hlavicky[s], f[0]);
                }
                for (int k = 3; k < 23; ++k)
                    worksheet_set_row(ws, k, 16, nullptr);
                riadok = 3;
            }
            auto zlucene = [&](int s, lxw_format* fm) { worksheet_merge_range(ws, riadok, s, riadok + 1, s, "", fm); };
            auto text = [&](int s, const QString& t, lxw_format* fm) {
                zlucene(s, fm);
                worksheet_write_string(ws, riadok, s, t.toUtf8().constData(), fm);
            };
            auto suma = [&](int s, double v) {
                zlucene(s, f[1]);
                worksheet_write_number(ws, riadok, s, v, f[1]);
            };
            text(0, QStringLiteral("%1/%2").arg(z.PoradoveCislo).arg(z.Rok), f[3]);
            text(1, z.Meno() + u' ' + z.Adresa() + u' ' + z.CisloObjednavky(), f[4]);
            worksheet_write_number(ws, riadok, 2, z.DatumVyziadania, f[2]);
            worksheet_write_number(ws, riadok + 1, 2, z.DatumVykonania, f[2]);
            text(3, z.DruhUkonu() + u' ' + z.TypPosudku() + u' ' + z.Predmet() + u' ' + z.Ucel(), f[4]);
            suma(4, z.UctovanaOdmena);
            text(5, z.UdajeOdmena(), f[0]);
            suma(6, z.UctovaneVydavky);
            worksheet_write_number(ws, riadok, 7, z.PriznanaOdmena, f[1]);
            worksheet_write_number(ws, riadok + 1, 7, z.PriznaneVydavky, f[1]);
            text(8, QStringLiteral("3.6.2024, 4.7.2024"), f[0]);
            text(9, z.Poznamka(), f[0]);
            riadok += 2;
        }
        workbook_close(wb);
    }
}

}  // namespace

BENCHMARK(BM_Prepocitaj)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportRegister)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LenLibxlsxwriter)->Unit(benchmark::kMillisecond);
