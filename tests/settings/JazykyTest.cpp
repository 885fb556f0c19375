#include "common/TestAppDir.h"

#include "settings/OdborKody.h"
#include "settings/Jazyky.h"
#include "store/Subory.h"

namespace {

TJazyk jazyk(const QString& kod, const QString& nazov)
{
    TJazyk j;
    j.Kod = kod;
    j.Nazov = nazov;
    return j;
}

QStringList kody(const QList<TJazyk>& zoznam)
{
    QStringList k;
    for (const auto& z : zoznam)
        k.append(z.Kod);
    return k;
}

class JazykyTest : public TestAppDir {
protected:
    Jazyky m_jazyky;
};

}  // namespace

TEST(JazykRecord, TableAndTheLongNameField)
{
    EXPECT_EQ(overRozlozenie(TJazyk::rozlozenie(), TJazyk::VELKOST), QString());
    EXPECT_EQ(TJazyk::VELKOST, 64);
    // A stored name of 56 characters is read whole and written back unchanged.
    QByteArray obraz(TJazyk::VELKOST, '\0');
    obraz[0] = 3;
    obraz.replace(1, 3, "eng");
    obraz[7] = 56;
    obraz.replace(8, 56, QByteArray(56, 'a'));
    const TJazyk j = TJazyk::zObrazu(obraz);
    EXPECT_EQ(j.Nazov.size(), 56);
    EXPECT_EQ(j.obrazNaZapis(), obraz);
}

TEST_F(JazykyTest, LoadingKeepsFileOrderAndAddingSorts)
{
    zapis(QStringLiteral("Data/jazyky.dat"),
          obsahPocitanehoSuboru(QList<TJazyk>{jazyk(QStringLiteral("eng"), QStringLiteral("Anglický jazyk")),
                                              jazyk(QStringLiteral("deu"), QStringLiteral("Nemecký jazyk"))}));
    ASSERT_TRUE(m_jazyky.NacitajJazyky());
    EXPECT_EQ(kody(m_jazyky.ZoznamJazykov), QStringList({"eng", "deu"}));

    EXPECT_EQ(m_jazyky.PridajJazyk(QStringLiteral("ces"), QString(60, u'č')), QString());
    EXPECT_EQ(kody(m_jazyky.ZoznamJazykov), QStringList({"ces", "deu", "eng"}));
    EXPECT_EQ(m_jazyky.ZoznamJazykov.at(0).Nazov.size(), 50);
    EXPECT_EQ(m_jazyky.PridajJazyk(QStringLiteral("eng"), QStringLiteral("x")),
              QStringLiteral("Jazyk s daným číslo už existuje."));
    EXPECT_EQ(m_jazyky.PridajJazyk(QStringLiteral("deu1234"), QStringLiteral("x")), QString());
    EXPECT_EQ(m_jazyky.PridajJazyk(QStringLiteral("deu123"), QStringLiteral("x")),
              QStringLiteral("Jazyk s daným číslo už existuje."));

    EXPECT_EQ(m_jazyky.PridajJazyk(QStringLiteral("e|g"), QStringLiteral("x")),
              QStringLiteral("Kód nesmie obsahovať znak \"|\"."));

    ASSERT_TRUE(m_jazyky.UlozJazyky());
    Jazyky znova;
    ASSERT_TRUE(znova.NacitajJazyky());
    EXPECT_EQ(kody(znova.ZoznamJazykov), QStringList({"ces", "deu", "deu123", "eng"}));
    EXPECT_EQ(znova.NazovJazyka(QStringLiteral("ces")), QString(50, u'č'));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(JazykyTest, MissingFileIsReportedAndABadOneIsKeptBeforeSaving)
{
    EXPECT_FALSE(m_jazyky.NacitajJazyky());
    EXPECT_EQ(m_spravy.texty(), QStringList({textProblemSoSuborom(Jazyky::SuborJazykov())}));
    EXPECT_TRUE(m_jazyky.ZoznamJazykov.isEmpty());

    const QByteArray zly("\xff\xff\xff\x7f", 4);  // a count no memory could hold
    zapis(QStringLiteral("Data/jazyky.dat"), zly);
    EXPECT_FALSE(m_jazyky.NacitajJazyky());
    EXPECT_TRUE(m_jazyky.ZoznamJazykov.isEmpty());
    m_jazyky.PridajJazyk(QStringLiteral("eng"), QStringLiteral("Anglický"));
    ASSERT_TRUE(m_jazyky.UlozJazyky());
    EXPECT_EQ(obsah(QStringLiteral("Data/jazyky.dat.poskodeny")), zly);
    EXPECT_EQ(obsah(QStringLiteral("Data/jazyky.dat")).size(), 4 + 64);
}

TEST_F(JazykyTest, RegisteredLanguages)
{
    m_jazyky.ZoznamJazykov = {jazyk(QStringLiteral("eng"), QString(56, u'a')),
                              jazyk(QStringLiteral("deu"), QStringLiteral("prvý")),
                              jazyk(QStringLiteral("deu"), QStringLiteral("Nemecký"))};
    EXPECT_TRUE(m_jazyky.JazykExistuje(QStringLiteral("deu")));
    EXPECT_FALSE(m_jazyky.JazykExistuje(QStringLiteral("DEU")));
    EXPECT_EQ(m_jazyky.NazovJazyka(QStringLiteral("deu")), QStringLiteral("Nemecký"));

    auto zoznam = m_jazyky.ZapisaneJazyky(QStringLiteral("deu|eng|xyz|deu"), QStringLiteral("eng"));
    ASSERT_EQ(zoznam.size(), 3);
    EXPECT_EQ(zoznam.at(0).Nazov, QStringLiteral("Nemecký"));
    EXPECT_FALSE(zoznam.at(0).Najpouzivanejsi);
    EXPECT_EQ(zoznam.at(1).Nazov.size(), 50);
    EXPECT_TRUE(zoznam.at(1).Najpouzivanejsi);
    EXPECT_EQ(zoznam.at(2).Nazov, QString());

    zoznam.append(zoznam.at(0));  // registered twice is kept twice
    NastavNajpouzivanejsi(zoznam, 2);
    const auto t = Jazyky::ZapisaneJazykyText(zoznam);
    EXPECT_EQ(t.Jazyky, QStringLiteral("deu|eng|xyz|deu|"));
    EXPECT_EQ(t.Najpouzivanejsi, QStringLiteral("xyz"));
    EXPECT_EQ(Jazyky::ZapisaneJazykyText({}).Jazyky, QString());

    EXPECT_TRUE(m_jazyky.ZmenNazovJazyka(0, QString(70, u'b')));
    EXPECT_EQ(m_jazyky.ZoznamJazykov.at(0).Nazov.size(), 50);
    EXPECT_FALSE(m_jazyky.ZmenNazovJazyka(3, QStringLiteral("x")));
}
