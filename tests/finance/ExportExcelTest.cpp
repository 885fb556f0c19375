#include "common/TestAppDir.h"
#include "finance/ExportExcel.h"
#include "store/ZnalKevrotZaznam.h"
#include "store/Datum.h"

#include <QDate>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

TZnalKevrotZaznam zaznam(int cislo, int rok = 2024)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = rok;
    z.Meno = QStringLiteral("Okresný súd");
    z.Adresa = QStringLiteral("Hlavná 1, Košice");
    z.CisloObjednavky = QStringLiteral("5C/12/2024");
    z.DruhUkonu = QStringLiteral("posudok");
    z.TypPosudku = QStringLiteral("znalecký");
    z.Predmet = QStringLiteral("byt");
    z.Ucel = QStringLiteral("dedičské konanie");
    z.DatumVykonania = QDateNaDatum(QDate(2024, 5, cislo % 28 + 1));
    z.UctovanaOdmena = 1234.5 * cislo;
    z.UctovaneVydavky = 1.5;
    z.PriznanaOdmena = 100;
    z.DatumyVyplatenia = QStringLiteral("3.6.2024\r4.7.2024\r");
    z.Poznamka = QStringLiteral("ok");
    return z;
}

QList<RiadokKevrota> zaznamy(int pocet)
{
    QList<RiadokKevrota> v;
    for (int i = 1; i <= pocet; ++i)
        v.append(RiadokKevrota::zoZaznamu(zaznam(i)));
    return v;
}

class ExportExcelTest : public TestAppDir {
protected:
    // The workbook as the spreadsheet reader sees it.
    QJsonArray precitaj(const QString& subor)
    {
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(ZOSIT_JSON), subor});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    }

    QJsonArray zapisAPrecitaj(const QList<RiadokKevrota>& z, VariantExportu v)
    {
        const QString subor = cesta(QStringLiteral("zosit.xlsx"));
        const Vysledok ok = ZapisZosit(z, v, {QStringLiteral("Liberation Sans"), 9}, subor);
        EXPECT_TRUE(ok) << ok.dovod().toStdString();
        return precitaj(subor);
    }
};

QJsonObject bunka(const QJsonObject& harok, const char* adresa)
{
    return harok[QStringLiteral("cells")].toObject()[QLatin1String(adresa)].toObject();
}

TEST_F(ExportExcelTest, RegisterVariantHasSheetsOfTenWithHeaderMergesAndBorders)
{
    const QJsonArray harky = zapisAPrecitaj(zaznamy(25), VariantExportu::Register);
    ASSERT_EQ(harky.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject h = harky[i].toObject();
        EXPECT_EQ(h[QStringLiteral("name")].toString(), QStringLiteral("%1. strana").arg(i + 1));
        const int pocet = i < 2 ? 10 : 5;
        // Eight merged columns in the header and per entry.
        EXPECT_EQ(h[QStringLiteral("merges")].toArray().size(), 8 * (1 + pocet));
        EXPECT_EQ(bunka(h, "A1")[QStringLiteral("v")].toInt(), 1);
        EXPECT_EQ(bunka(h, "J1")[QStringLiteral("v")].toInt(), 10);
        EXPECT_TRUE(bunka(h, "B2")[QStringLiteral("bold")].toBool());
        EXPECT_FALSE(bunka(h, "B1")[QStringLiteral("bold")].toBool());
        EXPECT_EQ(bunka(h, "C3")[QStringLiteral("v")].toString(), QStringLiteral("Dátum vykonania"));
        const int posledny = 4 + 2 * pocet - 1;
        EXPECT_EQ(bunka(h, QStringLiteral("A%1").arg(posledny - 1).toLatin1())[QStringLiteral("v")].toString(),
                  QStringLiteral("%1/2024").arg(10 * i + pocet));
        EXPECT_EQ(bunka(h, QStringLiteral("H%1").arg(posledny).toLatin1())[QStringLiteral("borders")].toString(),
                  QStringLiteral("lrtb"));
        EXPECT_GE(h[QStringLiteral("heights")].toObject()[QString::number(posledny)].toDouble(), 16);
    }
    const QJsonObject h = harky[0].toObject();
    EXPECT_TRUE(h[QStringLiteral("merges")].toArray().contains(QStringLiteral("B4:B5")));
    EXPECT_FALSE(h[QStringLiteral("merges")].toArray().contains(QStringLiteral("C4:C5")));
    // Stored widths carry the reader's padding of 0.71 characters.
    const QJsonObject w = h[QStringLiteral("widths")].toObject();
    auto sirka = [&](const char* s) { return w[QLatin1String(s)].toDouble() - 0.71; };
    EXPECT_NEAR(sirka("B") / sirka("A"), 3, 0.02);
    EXPECT_NEAR(sirka("C") / sirka("A"), 4.0 / 3, 0.02);
}

TEST_F(ExportExcelTest, CellsHoldNumbersDatesAndTextsInTheTableFont)
{
    TZnalKevrotZaznam z = zaznam(3);
    // The requester's three texts at their full capacity: 252 characters joined.
    z.Meno = QString(300, QLatin1Char('M'));
    z.Adresa = QString(100, QLatin1Char('A'));
    z.CisloObjednavky = QString(50, QLatin1Char('C'));
    z.Poznamka = QStringLiteral("a\x01" "b\r\nc");
    const QJsonObject h = zapisAPrecitaj({RiadokKevrota::zoZaznamu(z)}, VariantExportu::Register)[0].toObject();
    const QJsonObject a = bunka(h, "A4"), b = bunka(h, "B4"), c4 = bunka(h, "C4"), c5 = bunka(h, "C5");
    EXPECT_EQ(a[QStringLiteral("fmt")].toString(), QStringLiteral("@"));
    EXPECT_EQ(a[QStringLiteral("h")].toString(), QStringLiteral("center"));
    EXPECT_EQ(b[QStringLiteral("v")].toString().size(), 252);
    EXPECT_EQ(b[QStringLiteral("h")].toString(), QStringLiteral("left"));
    EXPECT_EQ(b[QStringLiteral("font")].toString(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(b[QStringLiteral("size")].toDouble(), 9);
    EXPECT_TRUE(c4.isEmpty() || c4[QStringLiteral("v")].isNull());  // no date of request
    EXPECT_EQ(c5[QStringLiteral("v")].toString(), QStringLiteral("2024-05-04T00:00:00"));
    EXPECT_EQ(c5[QStringLiteral("fmt")].toString(), QStringLiteral("d.m.yyyy"));
    const QJsonObject e = bunka(h, "E4");
    EXPECT_DOUBLE_EQ(e[QStringLiteral("v")].toDouble(), 3703.5);
    EXPECT_TRUE(e[QStringLiteral("fmt")].toString().contains(QStringLiteral("€")));
    EXPECT_EQ(bunka(h, "D4")[QStringLiteral("v")].toString(), QStringLiteral("posudok znalecký byt dedičské konanie"));
    EXPECT_EQ(bunka(h, "I4")[QStringLiteral("v")].toString(), QStringLiteral("3.6.2024, 4.7.2024"));
    EXPECT_EQ(bunka(h, "J4")[QStringLiteral("v")].toString(), QStringLiteral("a?b\nc"));
    // header rows fit their captions (two lines at least), the entry's rows its 252
    // characters of requester
    const QJsonObject vysky = h[QStringLiteral("heights")].toObject();
    EXPECT_GE(vysky[QStringLiteral("2")].toDouble() + vysky[QStringLiteral("3")].toDouble(), 4 * 9 * 1.2);
    EXPECT_GE(vysky[QStringLiteral("3")].toDouble(), 2 * 9 * 1.2);  // "Výška náhrady výdavkov"
    EXPECT_GE(vysky[QStringLiteral("4")].toDouble() + vysky[QStringLiteral("5")].toDouble(), 10 * 9 * 1.2);
    // The widest amount still fits its column.
    EXPECT_GE(h[QStringLiteral("widths")].toObject()[QStringLiteral("E")].toDouble(), QStringLiteral("3 703,50 €").size());
}

TEST_F(ExportExcelTest, FinancialVariantIsOneSheetOfEveryEntryWithoutPurpose)
{
    QList<RiadokKevrota> z = zaznamy(12);
    z.append(RiadokKevrota::zoZaznamu(zaznam(13, 2023)));
    z[0].nastavDatumyVyplatenia(QStringLiteral("10.12.2024\r"));
    const QJsonArray harky = zapisAPrecitaj(ZaznamyExportu(z, 2024, VariantExportu::Financny), VariantExportu::Financny);
    ASSERT_EQ(harky.size(), 1);
    const QJsonObject h = harky[0].toObject();
    EXPECT_EQ(h[QStringLiteral("name")].toString(), QStringLiteral("Financie"));
    // a single payment date is a date cell
    EXPECT_EQ(bunka(h, "I4")[QStringLiteral("v")].toString(), QStringLiteral("2024-12-10T00:00:00"));
    EXPECT_EQ(bunka(h, "I4")[QStringLiteral("fmt")].toString(), QStringLiteral("d.m.yyyy"));
    EXPECT_EQ(bunka(h, "A28")[QStringLiteral("v")].toString(), QStringLiteral("13/2023"));
    EXPECT_EQ(bunka(h, "D4")[QStringLiteral("v")].toString(), QStringLiteral("posudok znalecký byt"));
    EXPECT_EQ(ZaznamyExportu(z, 2024, VariantExportu::Register).size(), 12);
}

TEST_F(ExportExcelTest, AnEmptyYearGivesTheHeaderOnly)
{
    for (auto v : {VariantExportu::Register, VariantExportu::Financny}) {
        const QJsonArray harky = zapisAPrecitaj({}, v);
        ASSERT_EQ(harky.size(), 1);
        const QJsonObject bunky = harky[0].toObject()[QStringLiteral("cells")].toObject();
        EXPECT_TRUE(bunky.contains(QStringLiteral("J3")));
        EXPECT_FALSE(bunky.contains(QStringLiteral("A4")));
    }
}

TEST_F(ExportExcelTest, AFailedWriteLeavesNoWorkbookBehind)
{
    const QString adresar = cesta(QStringLiteral("nie/je"));
    const Vysledok chyba = ZapisZosit(zaznamy(2), VariantExportu::Register, {}, adresar + QStringLiteral("/z.xlsx"));
    EXPECT_FALSE(chyba);
    EXPECT_FALSE(chyba.dovod().isEmpty());
    // The old workbook under the final name stays whole when the new one cannot be renamed over it.
    const QString cielovy = cesta(QStringLiteral("stary.xlsx"));
    QDir().mkpath(cielovy);  // a directory where the workbook would go
    EXPECT_FALSE(ZapisZosit(zaznamy(2), VariantExportu::Register, {}, cielovy));
    EXPECT_EQ(QDir(m_adresar.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(ExportExcelTest, AWorkbookStillOpenKeepsItsNameAndTheExportOpensANewOne)
{
    const QString adresar = cesta(QStringLiteral("Tmp_doc"));
    QDir().mkpath(adresar);
    EXPECT_EQ(NazovZosita(adresar, 2024, VariantExportu::Financny), adresar + QStringLiteral("/ZnaleckyKevrot_2024_financie.xlsx"));
    zapis(QStringLiteral("Tmp_doc/.~lock.ZnaleckyKevrot_2024.xlsx#"), "x");
    zapis(QStringLiteral("Tmp_doc/.~lock.ZnaleckyKevrot_2024 (2).xlsx#"), "x");
    const QString subor = VytlacExcel(zaznamy(1), 2024, VariantExportu::Register, {});
    EXPECT_EQ(subor, adresar + QStringLiteral("/ZnaleckyKevrot_2024 (3).xlsx"));
    EXPECT_EQ(m_spravy.otvoreneSubory, QStringList{subor});
}

}  // namespace
