// "Vytlač obrazovka": the register sorts by number and the listing and cover page open in
// previews of their own.

#include "journal/KevrotPrikazy.h"
#include "journal/KevrotZalozka.h"
#include "journal/TStartForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "reports/TfrmPreview.h"
#include "store/Zurnal.h"

#include "common/TestAppDir.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableView>

class TlacObrazovkyTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        TStartForm::Pauza = 0;
        for (int cislo : {3, 1, 2}) {
            Zurnal z;
            UpravaZaznamu u = KevrotPrikazy::NovyZaznam(z, QDate::currentDate().year(), 0);
            u.zaznam.PoradoveCislo = cislo;
            u.zaznam.Meno = QStringLiteral("Žiadateľ %1").arg(cislo);
            ASSERT_GE(KevrotPrikazy::PridajZaznam(z, u), 0);
        }
    }
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TfrmPreview*>(w))
                delete w;
        TestAppDir::TearDown();
    }
    static QList<TfrmPreview*> nahlady()
    {
        QList<TfrmPreview*> n;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<TfrmPreview*>(w))
                n.append(p);
        return n;
    }
    void kopirujZostavy()
    {
        QDir zdroj(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy"));
        QDir().mkpath(cesta("Zostavy"));
        for (const QString& f : zdroj.entryList({"*.dfm"}, QDir::Files))
            QFile::copy(zdroj.filePath(f), cesta("Zostavy/" + f));
    }
};

TEST_F(TlacObrazovkyTest, OpensTheListingAndTheCoverPageSortedByNumber)
{
    kopirujZostavy();
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    auto* k = f.kevrot();
    ASSERT_TRUE(k->btnVytlacObrazovka->isEnabled());
    m_spravy.vymaz();
    k->btnVytlacObrazovka->click();

    EXPECT_EQ(nahlady().size(), 2);
    const auto* m = k->StringGrid1->model();
    ASSERT_EQ(m->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        EXPECT_TRUE(m->index(r, 0).data().toString().startsWith(QString::number(r + 1)))
            << m->index(r, 0).data().toString().toStdString();
    for (const auto& t : m_spravy.texty())
        EXPECT_FALSE(t.contains(QStringLiteral("Zostavy"))) << t.toStdString();
}

TEST_F(TlacObrazovkyTest, AMissingLayoutIsReportedAndTheOtherPreviewStillOpens)
{
    kopirujZostavy();
    QFile::remove(cesta("Zostavy/pr_znalec_kevrot.dfm"));
    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    m_spravy.vymaz();
    f.kevrot()->btnVytlacObrazovka->click();
    EXPECT_EQ(nahlady().size(), 1);
    bool ohlasene = false;
    for (const auto& t : m_spravy.texty())
        ohlasene |= t.startsWith(QStringLiteral("Nedá sa nahrať zostava")) && t.contains("pr_znalec_kevrot.dfm");
    EXPECT_TRUE(ohlasene) << m_spravy.texty().join('\n').toStdString();
}
