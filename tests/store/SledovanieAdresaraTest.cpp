#include "store/SledovanieAdresara.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void zapis(const QString& cesta, const QByteArray& b)
{
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

TEST(SledovanieAdresaraTest, NamesWrittenFilesAndTellsListingChanges)
{
    QTemporaryDir d;
    const QString a = d.filePath("a.kvd");
    zapis(a, "1");
    SledovanieAdresara s;
    ASSERT_TRUE(s.sleduj(d.path()));
    auto z = s.zmeny();
    EXPECT_FALSE(z.vsetko);
    EXPECT_FALSE(z.zoznam);
    EXPECT_TRUE(z.subory.isEmpty());

    zapis(a, "2");
    z = s.zmeny();
    EXPECT_FALSE(z.zoznam);
    EXPECT_EQ(z.subory, QSet<QString>{a});
    EXPECT_TRUE(s.zmeny().subory.isEmpty());  // taken once

    ASSERT_TRUE(QFile::rename(a, d.filePath("b.kvd")));
    z = s.zmeny();
    EXPECT_TRUE(z.zoznam);
    EXPECT_EQ(z.subory, (QSet<QString>{a, d.filePath("b.kvd")}));
}

TEST(SledovanieAdresaraTest, LostDirectoryStopsTheWatchAndUnwatchableIsRefused)
{
    QTemporaryDir d;
    const QString rok = d.filePath("ZnalKevrot2024");
    ASSERT_TRUE(QDir().mkdir(rok));
    SledovanieAdresara s;
    ASSERT_TRUE(s.sleduj(rok));
    SledovanieAdresara kopia = s;
    EXPECT_FALSE(kopia.sleduje());
    EXPECT_TRUE(kopia.zmeny().vsetko);

    ASSERT_TRUE(QDir().rename(rok, d.filePath("ine")));
    EXPECT_TRUE(s.zmeny().vsetko);
    EXPECT_FALSE(s.sleduje());
    EXPECT_FALSE(s.sleduj(d.filePath("chyba")));
    EXPECT_FALSE(s.sleduj(d.filePath("ine/subor")));
}

}  // namespace
