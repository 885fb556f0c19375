#include "common/PlatnyZaznam.h"
#include "common/TestAppDir.h"
#include "migration/TObnovenieZalohyForm.h"
#include "migration/TTransferKevrotForm.h"
#include "migration/Zaloha.h"

#include <QTableWidget>
#include "migration/TTransferTextForm.h"
#include "migration/UvitanieUpgrade.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class TTransferKevrotFormTest : public TestAppDir {
protected:
    void poloz(const QTemporaryDir& d, const QString& rel, const QByteArray& b)
    {
        QDir().mkpath(QFileInfo(d.filePath(rel)).absolutePath());
        QFile f(d.filePath(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    void SetUp() override
    {
        TestAppDir::SetUp();
        qputenv("WINEPREFIX", wine.path().toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("WINEPREFIX");
        TestAppDir::TearDown();
    }
    QTemporaryDir wine, zdroj;
};

TEST_F(TTransferKevrotFormTest, ChosenFolderListsYearsAndTransfersTheCheckedOnes)
{
    poloz(zdroj, QStringLiteral("ZnalKevrot2011/1-2011.kvd"), platnyZaznam(1, 2011, QStringLiteral("a")));
    poloz(zdroj, QStringLiteral("ZnalKevrot2012/1-2012.kvd"), platnyZaznam(1, 2012, QStringLiteral("b")));
    poloz(zdroj, QStringLiteral("ZnalKevrot2012/2-2012.kvd"), platnyZaznam(2, 2012, QStringLiteral("iny")));
    zapis(QStringLiteral("ZnalKevrot2012/2-2012.kvd"), platnyZaznam(2, 2012, QStringLiteral("moj")));
    poloz(zdroj, QStringLiteral("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"), "h");
    TTransferKevrotForm f(StaraVerzia::V53);
    EXPECT_TRUE(f.ZdrojEdit->text().isEmpty());
    EXPECT_EQ(f.Roky->count(), 0);
    m_spravy.vybery << zdroj.path();
    f.btnZmen->click();
    ASSERT_EQ(f.Roky->count(), 2);
    // The year whose entry here differs is offered for replacing, unticked.
    ASSERT_EQ(f.RokyNahradit->count(), 1);
    EXPECT_TRUE(f.RokyNahradit->item(0)->text().startsWith(QStringLiteral("ZnalKevrot2012")));
    EXPECT_EQ(f.RokyNahradit->item(0)->checkState(), Qt::Unchecked);
    f.Roky->item(0)->setCheckState(Qt::Unchecked);
    f.chkTexty->setChecked(false);
    f.btnPrenes->click();
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnalKevrot2011"))));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2012/1-2012.kvd")), platnyZaznam(1, 2012, QStringLiteral("b")));
    EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2012/2-2012.kvd")), platnyZaznam(2, 2012, QStringLiteral("moj")));
    EXPECT_TRUE(f.zmenene());
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"))));
    ASSERT_EQ(m_spravy.texty().size(), 1);
    EXPECT_TRUE(m_spravy.texty().first().startsWith(TextPrenesene));
    EXPECT_TRUE(m_spravy.texty().first().contains(QStringLiteral("2-2012.kvd")));
    EXPECT_EQ(f.result(), QDialog::Accepted);
}

TEST_F(TTransferKevrotFormTest, TheDefaultSourceIsTheWinePrefixAndTheWelcomeIsOfferedOnce)
{
    EXPECT_FALSE(PonukniUpgrade());
    QDir().mkpath(wine.filePath(QStringLiteral("drive_c/Program Files/Znalecký kevrot 5.4/ZnalKevrot2010")));
    TTransferKevrotForm f(StaraVerzia::V54);
    EXPECT_EQ(f.ZdrojEdit->text(), wine.filePath(QStringLiteral("drive_c/Program Files/Znalecký kevrot 5.4")));
    EXPECT_EQ(f.Roky->count(), 1);
    QDir().mkpath(cesta(QStringLiteral("Data")));
    EXPECT_TRUE(PonukniUpgrade());
    EXPECT_FALSE(PonukniUpgrade());
}

TEST_F(TTransferKevrotFormTest, OfficeTextsWithoutSettingsWhenUnchecked)
{
    poloz(zdroj, QStringLiteral("Data/kevrot_predmet.kvz"), "p");
    poloz(zdroj, QStringLiteral("Data/znalec_kevrot_nastavenie_tlac.dat"), "t");
    TTransferTextForm f;
    m_spravy.vybery << zdroj.path();
    f.btnZmen->click();
    f.chkNastavenia->setChecked(false);
    f.btnPrenesTexty->click();
    EXPECT_EQ(obsah(QStringLiteral("Data/kevrot_predmet.kvz")), "p");
    EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("Data/znalec_kevrot_nastavenie_tlac.dat"))));
    EXPECT_EQ(m_spravy.texty(), QStringList{TextTextyPrenesene});
}

}  // namespace

namespace {

TEST_F(TTransferKevrotFormTest, BackupNowThenRestoreIt)
{
    zapis(QStringLiteral("nastavenia.dat"), "povodne");
    TObnovenieZalohyForm f;
    EXPECT_EQ(f.Zalohy->rowCount(), 0);
    f.btnZalohujTeraz->click();
    ASSERT_EQ(f.Zalohy->rowCount(), 1);
    zapis(QStringLiteral("nastavenia.dat"), "zmenene");
    f.Zalohy->selectRow(0);
    m_spravy.odpovede << true;
    f.btnObnov->click();
    EXPECT_TRUE(f.obnovene());
    EXPECT_EQ(obsah(QStringLiteral("nastavenia.dat")), "povodne");
    EXPECT_EQ(Zaloha::Zoznam().size(), 2);
}

}  // namespace
