#include "common/TestAppDir.h"

#include "remuneration/ZoznamPopisov.h"

#include <QFile>

class ZoznamPopisovTest : public TestAppDir {};

TEST_F(ZoznamPopisovTest, ListCodesNameTheirFiles)
{
    EXPECT_EQ(ZoznamPopisov::NazovSuboru(1), QStringLiteral("kevrot_popis_tarif_odmena.kvz"));
    EXPECT_EQ(ZoznamPopisov::NazovSuboru(3), QStringLiteral("kevrot_popis_pasal_vydavky.kvz"));
    EXPECT_EQ(ZoznamPopisov::NazovSuboru(8), QStringLiteral("kevrot_popis_podielova_odmena.kvz"));
    EXPECT_EQ(ZoznamPopisov::NazovSuboru(6), QString());
    EXPECT_EQ(ZoznamPopisov::Subor(5), cesta(QStringLiteral("Data/kevrot_popis_zmluvna_odmena.kvz")));
    const Vysledok nezname = ZoznamPopisov::Uloz(7, {QStringLiteral("x")});
    EXPECT_FALSE(nezname.ok());
    EXPECT_TRUE(nezname.dovod().contains(QLatin1Char('7')));
}

TEST_F(ZoznamPopisovTest, AMissingFileIsAnEmptyListAndIsCreatedOnSave)
{
    EXPECT_TRUE(ZoznamPopisov::Nacitaj(4).isEmpty());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());

    QStringList popisy;
    EXPECT_TRUE(ZoznamPopisov::Pridaj(popisy, QStringLiteral("obhliadka")));
    ASSERT_TRUE(ZoznamPopisov::Uloz(4, popisy));
    EXPECT_EQ(obsah(QStringLiteral("Data/kevrot_popis_hotove_vydavky.kvz")), QByteArray("obhliadka\r\n"));
    EXPECT_EQ(ZoznamPopisov::Nacitaj(4), popisy);
}

TEST_F(ZoznamPopisovTest, AddingIgnoresCaseAndSortsTheSlovakWay)
{
    QStringList popisy = {QStringLiteral("cesta"), QStringLiteral("dom")};
    EXPECT_FALSE(ZoznamPopisov::Pridaj(popisy, QStringLiteral("CESTA")));
    EXPECT_FALSE(ZoznamPopisov::Pridaj(popisy, QString()));
    EXPECT_TRUE(ZoznamPopisov::Pridaj(popisy, QStringLiteral("čas")));
    EXPECT_TRUE(ZoznamPopisov::Pridaj(popisy, QStringLiteral("Chata")));
    EXPECT_TRUE(ZoznamPopisov::Pridaj(popisy, QStringLiteral("Auto")));
    // "č" after "c", "ch" after "h" in Slovak.
    EXPECT_EQ(popisy, QStringList({"Auto", "cesta", "čas", "dom", "Chata"}));

    ASSERT_TRUE(ZoznamPopisov::Uloz(2, popisy));
    const QByteArray b = obsah(QStringLiteral("Data/kevrot_popis_pausal_odmena.kvz"));
    EXPECT_EQ(b, QByteArray("Auto\r\ncesta\r\n\xe8" "as\r\ndom\r\nChata\r\n"));
}
