#include "cli/KevrotCli.h"

#include "common/TestAppDir.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Zurnal.h"

#include <QJsonArray>

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class FinancieCliTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        QDir().mkpath(cesta(QStringLiteral("Tmp_doc")));
        QDir().mkpath(cesta(QStringLiteral("ZnalKevrot2024")));
        for (int cislo : {1, 2}) {
            TZnalKevrotZaznam z;
            z.PoradoveCislo = cislo;
            z.Rok = 2024;
            z.StatnyOrgan = cislo - 1;
            z.UctovanaOdmena = 100 * cislo;
            TVyplatenie v;
            v.Datum = TextNaDatum(QStringLiteral("%1.6.2024").arg(cislo));
            v.Suma = 10 * cislo;
            zapis(QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(cislo), Zurnal::ObsahSuboru(z, {}, {v}));
        }
    }
    QJsonObject spusti(const QStringList& a, int* kod = nullptr)
    {
        const VysledokCli v = SpustiKevrotCli(a, m_adresar.path());
        if (kod)
            *kod = v.kod;
        return QJsonDocument::fromJson(v.vystup).object();
    }
};

TEST_F(FinancieCliTest, FinancePrintsTheSumsOfEachChoice)
{
    const struct {
        QStringList argumenty;
        double odmena, vyplatene;
    } pripady[] = {
        {{"finance", "2024"}, 300, 30},
        {{"finance", "2024", "state"}, 200, 20},
        {{"finance", "2024", "private"}, 100, 10},
        {{"finance", "2024", "paid", "2.6.2024", "30.6.2024"}, 200, 20},
        {{"finance", "2024", "performed", "1.1.2024", "31.12.2024"}, 0, 0},
    };
    for (const auto& p : pripady) {
        const QJsonObject j = spusti(p.argumenty);
        EXPECT_EQ(j[QStringLiteral("odmena")].toDouble(), p.odmena) << p.argumenty.join(' ').toStdString();
        EXPECT_EQ(j[QStringLiteral("vyplatene")].toDouble(), p.vyplatene) << p.argumenty.join(' ').toStdString();
    }
    int kod = 0;
    for (const QStringList& a : {QStringList{"finance"}, QStringList{"finance", "2024", "paid"},
                                 QStringList{"finance", "2024", "paid", "x", "1.1.2024"}, QStringList{"finance", "2024", "kto"},
                                 QStringList{"xlsx", "register", "2024"}, QStringList{"xlsx", "iny", "2024", "a.xlsx"}}) {
        spusti(a, &kod);
        EXPECT_EQ(kod, 2) << a.join(' ').toStdString();
    }
}

// The money lines show crowns only when the settings ask for them, as the window does.
TEST_F(FinancieCliTest, FinanceFollowsTheCrownsSetting)
{
    nastavDualneZobrazovanie(true);
    EXPECT_FALSE(spusti({"finance", "2024"})[QStringLiteral("riadky")].toArray().first().toString().contains(
        QStringLiteral("Sk")));
    zapis(QStringLiteral("Data/nastavenie_dualneZobrazovanie.dat"), QByteArray(1, '\1'));
    EXPECT_TRUE(spusti({"finance", "2024"})[QStringLiteral("riadky")].toArray().first().toString().contains(
        QStringLiteral("Sk")));
    nastavDualneZobrazovanie(false);
}

TEST_F(FinancieCliTest, XlsxWritesTheWorkbookOrReportsWhyNot)
{
    const QString subor = cesta(QStringLiteral("Tmp_doc/kevrot.xlsx"));
    QJsonObject j = spusti({"xlsx", "register", "2024", subor});
    EXPECT_EQ(j[QStringLiteral("xlsx")].toString(), subor);
    EXPECT_EQ(j[QStringLiteral("zaznamy")].toInt(), 2);
    EXPECT_TRUE(QFileInfo(subor).size() > 0);
    j = spusti({"xlsx", "finance", "2024", cesta(QStringLiteral("Tmp_doc/nie/je/f.xlsx"))});
    EXPECT_TRUE(j[QStringLiteral("xlsx")].toString().isEmpty());
    EXPECT_EQ(j[QStringLiteral("messages")].toArray().size(), 1);
}

}  // namespace
