// Documents printed to PDF by the program itself, read back with pdftotext.

#include "word/Dokument.h"
#include "word/RtfCitac.h"
#include "word/RtfPdf.h"
#include "common/Programy.h"
#include "common/TestAppDir.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class RtfPdfTest : public TestAppDir {
protected:
    static void SetUpTestSuite()
    {
        ZabezpecGuiAplikaciu();
    }
    void SetUp() override
    {
        TestAppDir::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext is not installed (./kevrot.sh setup installs it)";
    }
    QString textPdf(const Dokument& d)
    {
        const QString pdf = cesta(QStringLiteral("d.pdf"));
        EXPECT_TRUE(d.ulozAkoPdf(pdf));
        // Kept for a look by hand.
        const QString kopia = QDir::tempPath() + QStringLiteral("/kevrot-rtfpdf.pdf");
        QFile::remove(kopia);
        QFile::copy(pdf, kopia);
        return VystupProgramu(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }
};

Dokument dokumentSTabulkou(int riadkov)
{
    Dokument d;
    d.nastavPismo(QStringLiteral("Arial"), 11);
    d.nastavTucne(true);
    d.vloz(QString::fromUtf8("Vyúčtovanie znalečného: ľščťžýáíéúäňôŕĺď ĽŠČŤŽÝÁÍÉÚÄŇÔŔĹĎ\r"));
    d.nastavTucne(false);
    const auto od = d.pozicia();
    d.vloz(QString::fromUtf8("Položka;Počet;Suma\r"));
    for (int i = 1; i <= riadkov; ++i)
        d.vloz(QString::fromUtf8("Úkon č. %1;%1 h;%1,50 €\r").arg(i));
    TabulkaVolby v;
    v.sirkyStlpcov = {250, 80, 100};
    v.okrajeVnutri = v.okrajeVonku = true;
    v.tienovaneRiadky = {0};
    d.textNaTabulku(od, v);
    d.vloz(QString::fromUtf8("Koniec dokumentu\r"));
    return d;
}

}  // namespace

TEST_F(RtfPdfTest, SlovenskePismenaABunkyTabulkyVRiadkoch)
{
    const QString text = textPdf(dokumentSTabulkou(3));
    EXPECT_TRUE(text.contains(QString::fromUtf8("ľščťžýáíéúäňôŕĺď ĽŠČŤŽÝÁÍÉÚÄŇÔŔĹĎ"))) << text.toStdString();
    // Cells of one row stand on one line, in column order.
    EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8("Položka +Počet +Suma")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8("Úkon č. 3 +3 ?h +3,50 €")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Koniec dokumentu")));
}

TEST_F(RtfPdfTest, DlhaTabulkaNaViacStranachNestratiRiadok)
{
    const QString text = textPdf(dokumentSTabulkou(200));
    for (int i : {1, 57, 123, 200})
        EXPECT_TRUE(text.contains(QString::fromUtf8("Úkon č. %1 ").arg(i))) << i;
    const QString info = VystupProgramu(QStringLiteral("pdfinfo"), {cesta(QStringLiteral("d.pdf"))});
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    EXPECT_FALSE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n")))) << info.toStdString();
    // Every page break leaves a form feed; the text goes on after each.
    EXPECT_GE(text.count(QChar('\f')), 3);
}

TEST_F(RtfPdfTest, PatyNaKazdejStraneAChybaZapisuOhlasena)
{
    Dokument d = dokumentSTabulkou(120);
    RtfDokument pata;
    RtfOdsek o;
    o.behy << RtfBeh{RtfBeh::Druh::Text, QString::fromUtf8("Pätička účtu"), {}};
    pata.telo << RtfBlok::zOdseku(o);
    d.nastavPatu(pata);
    const QString text = textPdf(d);
    const auto strany = text.split(QChar('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(strany.size(), 2);
    for (const auto& s : strany)
        EXPECT_TRUE(s.contains(QString::fromUtf8("Pätička účtu")));
    EXPECT_FALSE(ohlas(RtfPdf::uloz(d.model(), cesta(QStringLiteral("chyba/niet/d.pdf")))));
    EXPECT_FALSE(m_spravy.spravy.isEmpty());
}

namespace {

// `riadkov` lines of text, then a totals table and signature lines kept together.
Dokument dokumentSPodpisom(int riadkov, bool drzat)
{
    Dokument d;
    d.nastavPismo(QStringLiteral("Arial"), 11);
    for (int i = 1; i <= riadkov; ++i)
        d.vloz(QStringLiteral("Riadok %1\r").arg(i));
    const auto od = d.pozicia();
    d.vloz(QStringLiteral("Spolu;100,00 €\rDPH;23,00 €\r"));
    TabulkaVolby v;
    v.okrajeVonku = true;
    d.textNaTabulku(od, v);
    d.vloz(QStringLiteral("\rBratislava, dňa 1.2.2026\rIng. Ján Nový\r\rPrevzal dňa:.......  Podpis:.......\r"));
    if (drzat)
        d.drzPohromade(od);
    RtfDokument pata;
    RtfOdsek o;
    o.behy << RtfBeh{RtfBeh::Druh::Text, QStringLiteral("PATA"), {}};
    pata.telo << RtfBlok::zOdseku(o);
    d.nastavPatu(pata);
    return d;
}

int stranaS(const QStringList& strany, const QString& text)
{
    for (int i = 0; i < strany.size(); ++i)
        if (strany[i].contains(text))
            return i;
    return -1;
}

}  // namespace

TEST_F(RtfPdfTest, SuctyAPodpisyNaJednejStrane)
{
    // Whatever the length before them, the totals and the signature lines share a page.
    for (int riadkov = 40; riadkov <= 52; riadkov += 2) {
        const QStringList strany = textPdf(dokumentSPodpisom(riadkov, true)).split(QChar('\f'));
        EXPECT_EQ(stranaS(strany, QStringLiteral("Spolu")), stranaS(strany, QStringLiteral("Podpis"))) << riadkov;
        EXPECT_GE(stranaS(strany, QStringLiteral("Riadok %1").arg(riadkov)), 0) << riadkov;
    }
    // Kept in the RTF for a word processor too.
    const QByteArray rtf = dokumentSPodpisom(1, true).rtf();
    EXPECT_TRUE(rtf.contains("\\trkeep") && rtf.contains("\\keepn"));
    const RtfDokument spat = RtfCitac::citaj(rtf).dokument;
    EXPECT_TRUE(spat.telo[1].tabulka.riadky[0].drzPohromade);
    EXPECT_TRUE(spat.telo[2].odsek.drzSoNasledujucim);
    EXPECT_FALSE(dokumentSPodpisom(1, false).rtf().contains("\\keepn"));
}

TEST_F(RtfPdfTest, ZiadnaStranaLenSPatou)
{
    // Empty paragraphs spilling over the end of the text make no page of their own.
    Dokument d = dokumentSPodpisom(40, false);
    d.vloz(QString(60, u'\r'));
    textPdf(d);
    const QString info = VystupProgramu(QStringLiteral("pdfinfo"), {cesta(QStringLiteral("d.pdf"))});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n")))) << info.toStdString();
}
