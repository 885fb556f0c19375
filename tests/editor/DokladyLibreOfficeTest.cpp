// The templates and documents in a real word processor: every template saved again by
// LibreOffice keeps its bookmarks, and produced documents print their values as typed.

#include "editor/DokladyZaznamu.h"
#include "editor/DokladySablon.h"
#include "store/Peniaze.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "../common/TestAppDir.h"
#include "PodkladyPomoc.h"

using namespace pomoc;

namespace {

const QString Zostavy = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/");

class DokladyLibreOffice : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        m_lo = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        QDir().mkpath(cesta(QStringLiteral("Zostavy")));
        QDir().mkpath(cesta(QStringLiteral("Tmp_doc")));
    }

    // Converts the files with LibreOffice into `adresar`; false when it failed.
    bool konvertuj(const QStringList& subory, const QString& format, const QString& adresar)
    {
        QProcess p;
        p.start(m_lo, QStringList{"-env:UserInstallation=file://" + cesta(QStringLiteral("lo-profil")), "--headless",
                                  "--convert-to", format, "--outdir", adresar} + subory);
        return p.waitForFinished(240000) && p.exitCode() == 0;
    }

    QString m_lo;
};

QString textPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

}  // namespace

TEST_F(DokladyLibreOffice, TemplatesSavedAgainKeepEveryBookmarkAndAreFilled)
{
    if (m_lo.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    // The billing documents' templates; the extract's has a test of its own.
    QStringList sablony = QDir(Zostavy).entryList({QStringLiteral("*.dot")});
    sablony.removeAll(QStringLiteral("vypis.dot"));
    ASSERT_EQ(sablony.size(), 8);
    QStringList zdroje;
    QDir().mkpath(cesta(QStringLiteral("povodne")));
    for (const QString& s : sablony) {
        // LibreOffice takes a ".dot" for a Word template; as ".rtf" it is read as rich text.
        zdroje << cesta(QStringLiteral("povodne/") + s.chopped(4) + QStringLiteral(".rtf"));
        ASSERT_TRUE(QFile::copy(Zostavy + s, zdroje.last()));
    }
    ASSERT_TRUE(konvertuj(zdroje, QStringLiteral("rtf"), cesta(QStringLiteral("lo"))));

    for (const QString& s : sablony) {
        const QString ulozena = cesta(QStringLiteral("lo/") + s.chopped(4) + QStringLiteral(".rtf"));
        QFile::copy(ulozena, cesta(QStringLiteral("Zostavy/") + s));
        const QStringList potrebne = s.startsWith(QLatin1String("prijmovy")) ? ZalozkyPrijmovehoDokladu()
                                     : s.startsWith(QLatin1String("cestovny")) ? ZalozkyCestovnehoPrikazu()
                                     : ZalozkyFaktury(s.startsWith(QLatin1String("FakturaRozpisDPH")));
        auto d = Dokument::zoSablony(ulozena);
        ASSERT_TRUE(d) << s.toStdString();
        for (const QString& z : potrebne) {
            EXPECT_TRUE(d->chodNaZalozku(z)) << s.toStdString() << " " << z.toStdString();
            d->vloz(QStringLiteral("<") + z + QStringLiteral(">"));
        }
        const QString text = cely(precitaj(d->rtf()));
        for (const QString& z : potrebne)
            EXPECT_TRUE(text.contains(QStringLiteral("<") + z + QStringLiteral(">"))) << s.toStdString() << " " << z.toStdString();
    }

    // The documents built from the saved templates carry their amounts.
    nastavDualneZobrazovanie(false);
    PodkladyDokladu p = podklady(true, d(2024, 3, 5), 20);
    p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 100, {1})};
    p.zaznam.UctovanaOdmena = 120;
    p.zaznam.CestovneNahrady.SpoluNaklady = 0;
    const QString faktura = cely(precitaj(ZostavDoklad(DruhDokladu::Faktura, p)->rtf()));
    EXPECT_TRUE(faktura.contains(QStringLiteral("120,00\u00a0€")));
    EXPECT_TRUE(faktura.contains(QStringLiteral("Okresný súd")));
    const QString doklad = cely(precitaj(ZostavDoklad(DruhDokladu::PrijmovyDoklad, p)->rtf()));
    EXPECT_TRUE(doklad.contains(QStringLiteral("stodvadsať eur")));
    nastavDualneZobrazovanie(true);
}

TEST_F(DokladyLibreOffice, DocumentsPrintUserTextsAsTypedAndTheirAmounts)
{
    if (m_lo.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    for (const QString& s : QDir(Zostavy).entryList({QStringLiteral("*.dot")}))
        QFile::copy(Zostavy + s, cesta(QStringLiteral("Zostavy/") + s));
    nastavDualneZobrazovanie(false);
    const QString zly = QStringLiteral("Novák {\\b x} \\par }");
    PodkladyDokladu p = podklady(true, d(2010, 6, 1), 20);  // before 2011 the amount includes VAT
    p.polia.Meno = zly;
    p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 100, {1})};
    p.vydavky[0].Rozpis[0].Popis = zly + QStringLiteral("; ďalej");
    QStringList subory;
    for (DruhDokladu druh : {DruhDokladu::Vyuctovanie, DruhDokladu::Faktura}) {
        const QString subor = cesta(SuborDokladu(druh));
        ASSERT_TRUE(ZostavDoklad(druh, p)->ulozAko(subor));
        subory << subor;
    }
    nastavDualneZobrazovanie(true);
    ASSERT_TRUE(konvertuj(subory, QStringLiteral("pdf"), cesta(QStringLiteral("pdf"))));
    const QString vyuctovanie = textPdf(cesta(QStringLiteral("pdf/vyuctovanie.pdf")));
    const QString faktura = textPdf(cesta(QStringLiteral("pdf/faktura.pdf")));
    for (const QString& t : {vyuctovanie, faktura}) {
        EXPECT_TRUE(t.contains(zly)) << t.toStdString();
        EXPECT_TRUE(t.contains(zly + QStringLiteral("; ďalej")));
        EXPECT_TRUE(t.contains(QStringLiteral("83,33 €")));
        EXPECT_TRUE(t.contains(QStringLiteral("16,67 €")));
    }
    EXPECT_TRUE(vyuctovanie.contains(QStringLiteral("Znalečné celkom s DPH:")));
    EXPECT_FALSE(vyuctovanie.contains(QStringLiteral("120,00")));
}

TEST_F(DokladyLibreOffice, WriterKeepsTheTotalsAndSignatureLinesOfTheStatementOnOnePage)
{
    if (m_lo.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    nastavDualneZobrazovanie(false);
    // Billing texts of growing length push the totals across the end of page 1.
    QStringList subory;
    for (int riadkov = 14; riadkov <= 30; riadkov += 2) {
        PodkladyDokladu p = podklady(true, d(2024, 3, 5), 20);
        p.vydavky = {polozka(DruhVydavku::PausalnaOdmena, QStringLiteral("Posudok"), 100, {1}),
                     polozka(DruhVydavku::HotoveVydavky, QStringLiteral("Kópie"), 10, {2})};
        QByteArray text = "{\\rtf1\\ansi ";
        for (int i = 1; i <= riadkov; ++i)
            text += "Riadok " + QByteArray::number(i) + "\\par ";
        p.textVyuctovania = cesta(QStringLiteral("text%1.rtf").arg(riadkov));
        zapis(QFileInfo(p.textVyuctovania).fileName(), text + '}');
        subory << cesta(QStringLiteral("v%1.rtf").arg(riadkov));
        ASSERT_TRUE(ZostavDoklad(DruhDokladu::Vyuctovanie, p)->ulozAko(subory.last()));
    }
    nastavDualneZobrazovanie(true);
    ASSERT_TRUE(konvertuj(subory, QStringLiteral("pdf"), cesta(QStringLiteral("pdf"))));
    for (const QString& s : subory) {
        const QString pdf = cesta(QStringLiteral("pdf/") + QFileInfo(s).completeBaseName() + QStringLiteral(".pdf"));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QStringList strany = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
        const auto strana = [&](const QString& t) {
            for (int i = 0; i < strany.size(); ++i)
                if (strany[i].contains(t))
                    return i;
            return -1;
        };
        EXPECT_GE(strana(QStringLiteral("celkom bez DPH")), 0) << s.toStdString();
        EXPECT_EQ(strana(QStringLiteral("celkom bez DPH")), strana(QStringLiteral("Podpis"))) << s.toStdString();
    }
}
