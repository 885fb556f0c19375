// The four documents saved as PDF by the program itself, read back with pdftotext.

#include "editor/DokladyZaznamu.h"
#include "store/Peniaze.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include "../common/TestAppDir.h"
#include "PodkladyPomoc.h"

using namespace pomoc;

namespace {

const QString Zostavy = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/");

QString textPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

class DokladyPdf : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        nastavDualneZobrazovanie(false);
        QDir().mkpath(cesta(QStringLiteral("Zostavy")));
        for (const QString& s : QDir(Zostavy).entryList({QStringLiteral("*.dot")}))
            QFile::copy(Zostavy + s, cesta(QStringLiteral("Zostavy/") + s));
    }
    void TearDown() override
    {
        nastavDualneZobrazovanie(true);
        TestAppDir::TearDown();
    }
};

TEST_F(DokladyPdf, EachDocumentOfAPayerAndANonPayerPrintsItsTitleAndAmounts)
{
    struct Pripad {
        bool platca;
        qint32 druh;
        DruhDokladu doklad;
        QStringList texty;
    };
    const QList<Pripad> pripady = {
        {true, Znalec, DruhDokladu::Vyuctovanie, {"Vyúčtovanie znaleckého úkonu: 7/2024", "Štúdium spisu", "120,00 €"}},
        {true, Znalec, DruhDokladu::Faktura, {"FAKTÚRA – DAŇOVÝ DOKLAD", "Okresný súd", "24,00 €", "144,00 €"}},
        {true, Znalec, DruhDokladu::PrijmovyDoklad, {"PRÍJMOVÝ POKLADNIČNÝ DOKLAD", "144,00 €", "stoštyridsaťštyri eur"}},
        {true, Znalec, DruhDokladu::CestovnyPrikaz, {"CESTOVNÝ PRÍKAZ", "VYÚČTOVANIE PRACOVNEJ CESTY"}},
        {false, Tlmocnik, DruhDokladu::Vyuctovanie, {"Vyúčtovanie tlmočníckeho úkonu: 7/2024", "Tlmočník nie je platca DPH."}},
        {false, Tlmocnik, DruhDokladu::Faktura, {"FAKTÚRA", "Tlmočenie", "120,00 €"}},
    };
    for (const Pripad& c : pripady) {
        PodkladyDokladu p = podklady(c.platca, d(2024, 3, 5), 20, c.druh);
        p.vydavky = {polozka(1, c.druh == Znalec ? QStringLiteral("Štúdium spisu") : QStringLiteral("Tlmočenie"), 30, {2, 2})};
        p.zaznam.UctovanaOdmena = c.platca ? 144 : 120;
        const auto dokument = ZostavDoklad(c.doklad, p);
        ASSERT_TRUE(dokument.has_value());
        const QString pdf = cesta(QStringLiteral("doklad.pdf"));
        ASSERT_TRUE(UlozDoklad(*dokument, pdf));
        const QString text = textPdf(pdf);
        for (const QString& t : c.texty)
            EXPECT_TRUE(text.contains(QString(t).replace(QStringLiteral(" €"), QStringLiteral("\u00a0€"))) || text.contains(t))
                << SuborDokladu(c.doklad).toStdString() << ": " << t.toStdString() << "\n" << text.toStdString();
    }
}

}  // namespace
