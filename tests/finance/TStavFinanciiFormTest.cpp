#include "common/TestAppDir.h"
#include "finance/TStavFinanciiForm.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Zurnal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class TStavFinanciiFormTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        for (int cislo : {1, 2}) {
            TZnalKevrotZaznam z;
            z.PoradoveCislo = cislo;
            z.Rok = 2024;
            z.StatnyOrgan = cislo - 1;
            z.UctovanaOdmena = 100 * cislo;
            TVyplatenie v;
            v.Suma = 10 * cislo;
            QDir().mkpath(cesta(QStringLiteral("ZnalKevrot2024")));
            zapis(QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(cislo), Zurnal::ObsahSuboru(z, {}, {v}));
            zurnal.ZaznamyKevrota.append(RiadokKevrota::zoZaznamu(z));
        }
    }
    QStringList riadky(const TStavFinanciiForm& f)
    {
        QStringList r;
        for (auto* l : f.Sumy)
            r << l->text();
        return r;
    }
    Zurnal zurnal;
};

TEST_F(TStavFinanciiFormTest, ChoiceAndRecountShowTheFiveLines)
{
    TStavFinanciiForm f(zurnal, 2024, {});
    // opens on "všetky", computed
    EXPECT_TRUE(f.rbVsetky->isChecked());
    EXPECT_EQ(riadky(f).at(2), SumaTextSk(SymbolEuro, 300));
    EXPECT_FALSE(f.lblVyznam->text().isEmpty());
    f.rbStatnyOrgan->click();
    f.btnPrepocitaj->click();
    EXPECT_EQ(riadky(f), (QStringList{SumaTextSk(SymbolEuro, 0), SumaTextSk(SymbolEuro, 0), SumaTextSk(SymbolEuro, 200),
                                      SumaTextSk(SymbolEuro, 20), SumaTextSk(SymbolEuro, 180)}));
    f.rbDatumVykonania->click();
    EXPECT_FALSE(f.rbStatnyOrgan->isChecked());
    // Both dates empty: the entries without a date of performance.
    f.btnPrepocitaj->click();
    EXPECT_EQ(riadky(f).at(2), SumaTextSk(SymbolEuro, 300));
}

TEST_F(TStavFinanciiFormTest, DatesFromTodayAndTypedTextWithBadTextRefused)
{
    TStavFinanciiForm f(zurnal, 2024, {});
    f.btnDnesOd->click();
    EXPECT_EQ(f.datumOd(), Dnes());
    EXPECT_FALSE(f.DatumOdEdit->text().isEmpty());
    f.DatumDoEdit->setText(QStringLiteral("31.12.2024"));
    emit f.DatumDoEdit->editingFinished();
    EXPECT_EQ(f.datumDo(), QDateNaDatum(QDate(2024, 12, 31)));
    f.DatumDoEdit->setText(QStringLiteral("31.2.2024"));
    emit f.DatumDoEdit->editingFinished();
    EXPECT_EQ(f.datumDo(), 0.0);
    EXPECT_TRUE(f.DatumDoEdit->text().isEmpty());
    EXPECT_EQ(m_spravy.texty(), QStringList{QStringLiteral("Neplatná hodnota.")});
}

TEST_F(TStavFinanciiFormTest, AnUnreadableEntryKeepsTheLinesAndExcelWritesAllEntries)
{
    TStavFinanciiForm f(zurnal, 2024, {});
    f.rbVsetky->click();
    f.btnPrepocitaj->click();
    const QStringList pred = riadky(f);
    QFile::remove(cesta(QStringLiteral("ZnalKevrot2024/2-2024.kvd")));
    f.btnPrepocitaj->click();
    EXPECT_EQ(riadky(f), pred);
    EXPECT_EQ(m_spravy.spravy.size(), 1);
    f.btnVytlacExcel->click();
    ASSERT_EQ(m_spravy.otvoreneSubory.size(), 1);
    EXPECT_TRUE(m_spravy.otvoreneSubory.first().endsWith(QStringLiteral("Tmp_doc/ZnaleckyKevrot_2024_financie.xlsx")));
}

}  // namespace
