#include "word/Dokument.h"
#include "word/RtfCitac.h"
#include "RtfVzorky.h"
#include "common/TestAppDir.h"

#include <gtest/gtest.h>

namespace {

RtfDokument ulozeny(const Dokument& d) { return RtfCitac::citaj(d.rtf()).dokument; }

}  // namespace

TEST(Dokument, TextOdsekyAFormat)
{
    Dokument d;
    d.nastavZakladnePismo(QStringLiteral("Arial"), 11);
    d.nastavTucne(true);
    d.zarovnaj(Zarovnanie::Stred);
    d.vloz(QString::fromUtf8("Nadpis\r"));
    d.nastavTucne(false);
    d.zarovnaj(Zarovnanie::Vlavo);
    d.nastavPismo(QStringLiteral("Courier New"), 9);
    d.vloz(QStringLiteral("a"));
    d.vloz(QStringLiteral("b\rc"));
    const auto m = ulozeny(d);
    ASSERT_EQ(m.telo.size(), 3);
    EXPECT_EQ(m.text(), QStringLiteral("Nadpis\nab\nc\n"));
    EXPECT_EQ(m.telo[0].odsek.zarovnanie, Zarovnanie::Stred);
    EXPECT_TRUE(m.telo[0].odsek.behy[0].format.tucne);
    EXPECT_EQ(m.telo[0].odsek.behy[0].format.pismo, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(m.telo[0].odsek.behy[0].format.velkost, 11);
    EXPECT_EQ(m.telo[1].odsek.zarovnanie, Zarovnanie::Vlavo);
    ASSERT_EQ(m.telo[1].odsek.behy.size(), 1);  // "a" and "b" in one format are one run
    EXPECT_EQ(m.telo[1].odsek.behy[0].format.pismo, QStringLiteral("Courier New"));
    EXPECT_FALSE(m.telo[1].odsek.behy[0].format.tucne);
}

TEST(Dokument, TextNaTabulkuSoSirkamiTienovanimAOkrajmi)
{
    Dokument d;
    d.vloz(QStringLiteral("Pred\r"));
    const auto od = d.pozicia();
    d.vloz(QString::fromUtf8("Položka ; Cena spolu\rA ; 1,00\rSpolu; 1,00\r"));
    TabulkaVolby v;
    v.sirkyStlpcov = {170, 130};
    v.okrajeVnutri = v.okrajeVonku = true;
    v.tienovaneRiadky = {0, -1};
    v.zarovnanieStlpcov = {std::nullopt, Zarovnanie::Vpravo};
    EXPECT_EQ(d.textNaTabulku(od, v), 1);
    d.vloz(QStringLiteral("Po"));
    const auto m = ulozeny(d);
    ASSERT_EQ(m.telo.size(), 3);
    EXPECT_EQ(m.telo[0].odsek.text(), QStringLiteral("Pred"));
    ASSERT_TRUE(m.telo[1].jeTabulka);
    EXPECT_EQ(m.telo[2].odsek.text(), QStringLiteral("Po"));
    const auto& t = m.telo[1].tabulka;
    ASSERT_EQ(t.riadky.size(), 3);
    // Cells keep their blanks.
    EXPECT_EQ(t.riadky[0].bunky[0].text(), QString::fromUtf8("Položka "));
    EXPECT_EQ(t.riadky[0].bunky[1].text(), QStringLiteral(" Cena spolu"));
    EXPECT_EQ(t.riadky[0].bunky[0].pravyOkraj, 3400);
    EXPECT_EQ(t.riadky[0].bunky[1].pravyOkraj, 6000);
    EXPECT_EQ(t.riadky[0].bunky[0].tienovanie, 1000);
    EXPECT_EQ(t.riadky[1].bunky[0].tienovanie, 0);
    EXPECT_EQ(t.riadky[2].bunky[1].tienovanie, 1000);
    EXPECT_EQ(t.riadky[0].bunky[0].okraje, (RtfOkraje{true, true, true, true}));
    EXPECT_EQ(t.riadky[1].bunky[1].okraje, (RtfOkraje{true, true, true, true}));
    EXPECT_EQ(t.riadky[1].bunky[0].odseky[0].zarovnanie, Zarovnanie::Vlavo);
    EXPECT_EQ(t.riadky[1].bunky[1].odseky[0].zarovnanie, Zarovnanie::Vpravo);
}

TEST(Dokument, SpodnyOkrajAFormatVBunkach)
{
    Dokument d;
    const auto od = d.pozicia();
    d.vloz(QString::fromUtf8("Zadávateľ: ; "));
    d.nastavTucne(true);
    d.vloz(QString::fromUtf8("Okresný súd\r"));
    d.nastavTucne(false);
    TabulkaVolby v;
    v.okrajSpodny = true;
    ASSERT_EQ(d.textNaTabulku(od, v), 0);
    const auto m = ulozeny(d);
    ASSERT_TRUE(m.telo[0].jeTabulka);
    const auto& r = m.telo[0].tabulka.riadky[0];
    ASSERT_EQ(r.bunky.size(), 2);
    EXPECT_EQ(r.bunky[0].okraje, (RtfOkraje{false, false, true, false}));
    EXPECT_FALSE(r.bunky[0].odseky[0].behy[0].format.tucne);
    EXPECT_TRUE(r.bunky[1].odseky[0].behy.last().format.tucne);
    // Widths not given share the text width.
    EXPECT_EQ(r.bunky[1].pravyOkraj, m.strana.sirkaTextu());
}

class DokumentSubory : public TestAppDir {};

TEST_F(DokumentSubory, VlozenySuborZachovaFormatAleboDostaneZakladnePismo)
{
    zapis("vzor.rtf", kVzorovyDokument);
    Dokument d;
    d.nastavZakladnePismo(QStringLiteral("Verdana"), 10);
    d.vloz(QStringLiteral("Hore\r"));
    ASSERT_TRUE(d.vlozSubor(cesta("vzor.rtf")));
    d.vloz(QStringLiteral("Dole\r"));
    ASSERT_TRUE(d.vlozSubor(cesta("vzor.rtf"), true));
    EXPECT_FALSE(d.vlozSubor(cesta("chyba.rtf")));

    const auto m = ulozeny(d);
    const QString vzor = RtfCitac::citaj(kVzorovyDokument).dokument.text();
    EXPECT_EQ(m.text(), "Hore\n" + vzor + "Dole\n" + vzor + "\n");
    // First copy: own fonts (title in Arial 16 bold).
    const auto& titul1 = m.telo[1].odsek.behy[0].format;
    EXPECT_EQ(titul1.pismo, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(titul1.velkost, 16);
    EXPECT_TRUE(titul1.tucne);
    // Second copy: basic font and size, bold kept.
    const int druhy = 1 + 6 + 1;
    const auto& titul2 = m.telo[druhy].odsek.behy[0].format;
    EXPECT_EQ(titul2.pismo, QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(titul2.velkost, 10);
    EXPECT_TRUE(titul2.tucne);
    // The table of the inserted file keeps its shading.
    ASSERT_TRUE(m.telo[druhy + 4].jeTabulka);
    EXPECT_EQ(m.telo[druhy + 4].tabulka.riadky[0].bunky[0].pozadie, QColor(192, 192, 192));
}

TEST_F(DokumentSubory, SablonaSoZalozkamiAPatou)
{
    zapis("Zostavy/faktura.dot",
          "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 Times New Roman;}}\r\n"
          "\\pard Fakt\\'fara \\'e8. {\\*\\bkmkstart Faktura_cislo}{\\*\\bkmkend Faktura_cislo}\\par\r\n"
          "\\trowd\\cellx3000\\cellx6000\\pard\\intbl Dod\\'e1vate\\'be:\\cell\\pard\\intbl {\\*\\bkmkstart Znalec_meno}XXX{\\*\\bkmkend Znalec_meno}\\cell\\row\r\n"
          "\\pard Suma: {\\*\\bkmkstart sumaSDPH}{\\*\\bkmkend sumaSDPH} \\'80\\par}\r\n");
    zapis("pata.rtf", "{\\rtf1{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0\\fs16 Ing. Peter Nov\\'e1k\\par}");
    auto d = Dokument::zoSablony(cesta("Zostavy/faktura.dot"));
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->zalozky(), (QStringList{"Faktura_cislo", "Znalec_meno", "sumaSDPH"}));
    d->pismoVsetkeho(QStringLiteral("Arial"));
    ASSERT_TRUE(d->chodNaZalozku("Faktura_cislo"));
    d->vloz(QStringLiteral("12/2024\rČíslo objednávky: 5"));
    ASSERT_TRUE(d->chodNaZalozku("Znalec_meno"));
    d->vloz(QStringLiteral("Ing. Peter Novák"));
    ASSERT_TRUE(d->chodNaZalozku("sumaSDPH"));
    d->vloz(QStringLiteral("120,00"));
    EXPECT_FALSE(d->chodNaZalozku("neexistuje"));
    ASSERT_TRUE(d->nastavPatu(cesta("pata.rtf"), false));
    zapis("Tmp_doc/.nic", {});
    ASSERT_TRUE(d->ulozAko(cesta("Tmp_doc/faktura.doc")));

    const auto m = RtfCitac::citajSubor(cesta("Tmp_doc/faktura.doc")).dokument;
    EXPECT_EQ(m.text(), QString::fromUtf8("Faktúra č. 12/2024\nČíslo objednávky: 5\nDodávateľ:\tIng. Peter Novák\n"
                                          "Suma: 120,00 €\n"));
    EXPECT_EQ(RtfDokument::textBlokov(m.pata), QString::fromUtf8("Ing. Peter Novák\n"));
    EXPECT_EQ(m.pata[0].odsek.behy[0].format.pismo, QStringLiteral("Arial"));
    // The marks stay in the saved document and still enclose the inserted text.
    Dokument znova(m);
    EXPECT_EQ(znova.zalozky().size(), 3);
    for (const auto& b : m.telo[0].odsek.behy)
        if (b.jeText())
            EXPECT_EQ(b.format.pismo, QStringLiteral("Arial"));
}

TEST_F(DokumentSubory, NajdiAOdstranAUlozenieDoZlehoMiesta)
{
    Dokument d;
    d.vloz(QStringLiteral("Vážený @MIESTO@ pán\r"));
    ASSERT_TRUE(d.najdiAOdstran(QStringLiteral("@MIESTO@")));
    d.vloz(QStringLiteral("X"));
    EXPECT_EQ(ulozeny(d).text(), QString::fromUtf8("Vážený X pán\n\n"));
    EXPECT_FALSE(d.najdiAOdstran(QStringLiteral("@MIESTO@")));

    EXPECT_FALSE(ohlas(d.ulozAko(cesta("neexistuje/x/y.doc"))));
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

TEST(Dokument, ZobrazOtvoriSuborCezSluzbu)
{
    ZaznamnikSprav z;
    PouziSpravy p(&z);
    EXPECT_TRUE(Dokument::zobraz(QStringLiteral("/tmp/x.doc")));
    EXPECT_EQ(z.otvoreneSubory, QStringList{QStringLiteral("/tmp/x.doc")});
}
