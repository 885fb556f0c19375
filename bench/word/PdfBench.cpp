// The program's own PDF of a billing-like document: title, texts, an item table of 200
// rows with borders and shading, a total block and a footer.

#include "word/Dokument.h"
#include "word/RtfPdf.h"


#include <benchmark/benchmark.h>

namespace {

Dokument vyuctovanie(int poloziek)
{
    Dokument d;
    d.nastavZakladnePismo(QStringLiteral("Arial"), 10);
    d.nastavTucne(true);
    d.zarovnaj(Zarovnanie::Stred);
    d.vloz(QString::fromUtf8("Vyúčtovanie znalečného, znalcovských výdavkov a cestovných náhrad\r"));
    d.nastavTucne(false);
    d.zarovnaj(Zarovnanie::Vlavo);
    d.vloz(QString::fromUtf8("Za vypracovanie znaleckého posudku č. 12/2024 vo veci určenia všeobecnej hodnoty "
                             "nehnuteľnosti účtujem nasledovne:\r"));
    const auto od = d.pozicia();
    d.vloz(QString::fromUtf8("Položka;Počet;Jednotka;Cena;Suma\r"));
    for (int i = 1; i <= poloziek; ++i)
        d.vloz(QString::fromUtf8("Úkon č. %1 – obhliadka a meranie;%1;hod;25,00 €;%1,00 €\r").arg(i));
    d.vloz(QString::fromUtf8("Spolu;;;;12 345,67 €\r"));
    TabulkaVolby v;
    v.sirkyStlpcov = {220, 50, 60, 70, 80};
    v.okrajeVnutri = v.okrajeVonku = true;
    v.tienovaneRiadky = {0, -1};
    d.textNaTabulku(od, v);
    d.vloz(QString::fromUtf8("Znalec nie je platiteľ DPH.\rSumu prosím uhradiť na účet SK31 1200 0000 1987 4263 7541.\r"));
    RtfDokument pata;
    RtfOdsek o;
    o.behy << RtfBeh{RtfBeh::Druh::Text, QString::fromUtf8("Ing. Ján Novák, znalec, Hlavná 1, 811 01 Bratislava"), {}};
    pata.telo << RtfBlok::zOdseku(o);
    d.nastavPatu(pata);
    return d;
}

void BM_PdfVyuctovania(benchmark::State& s)
{
    const Dokument d = vyuctovanie(int(s.range(0)));
    qsizetype velkost = 0;
    for (auto _ : s) {
        const QByteArray pdf = RtfPdf::pdf(d.model());
        velkost = pdf.size();
        benchmark::DoNotOptimize(pdf);
    }
    s.counters["bajtov"] = double(velkost);
}
BENCHMARK(BM_PdfVyuctovania)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
