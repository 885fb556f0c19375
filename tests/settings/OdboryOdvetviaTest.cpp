#include "common/TestAppDir.h"

#include "settings/OdborKody.h"
#include "settings/OdboryOdvetvia.h"
#include "store/Subory.h"

#include <QFile>

namespace {

TOdbor odbor(const QString& kod, const QString& nazov)
{
    TOdbor o;
    o.Kod = kod;
    o.Nazov = nazov;
    return o;
}

TOdvetvie odvetvie(const QString& kod, const QString& nazov = {})
{
    TOdvetvie v;
    v.Kod = kod;
    v.Nazov = nazov;
    return v;
}

QStringList kody(const auto& zoznam)
{
    QStringList k;
    for (const auto& z : zoznam)
        k.append(z.Kod);
    return k;
}

class OdboryOdvetviaTest : public TestAppDir {
protected:
    void zapisOdbory(const QList<TOdbor>& odbory)
    {
        zapis(QStringLiteral("Data/odbory.dat"), obsahPocitanehoSuboru(odbory));
    }
    void zapisOdvetvia(const QList<TOdvetvie>& odvetvia)
    {
        zapis(QStringLiteral("Data/odvetvia.dat"), obsahPocitanehoSuboru(odvetvia));
    }
    OdboryOdvetvia m_zoznamy;
};

}  // namespace

TEST(OdborRecords, TablesCoverTheRecords)
{
    EXPECT_EQ(overRozlozenie(TOdbor::rozlozenie(), TOdbor::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TOdvetvie::rozlozenie(), TOdvetvie::VELKOST), QString());
    EXPECT_EQ(TOdbor::VELKOST, 58);
    EXPECT_EQ(TOdvetvie::VELKOST, 258);
}

TEST(OdborRecords, FieldsSitAtTheirOffsetsAndTailsRoundTrip)
{
    QByteArray obraz(TOdbor::VELKOST, '\xAB');  // garbage after the string lengths
    obraz[0] = 6;
    obraz.replace(1, 6, "490000");
    obraz[7] = 3;
    obraz.replace(8, 3, "\xC8\x61s");  // "Čas" in Windows-1250
    const TOdbor o = TOdbor::zObrazu(obraz);
    EXPECT_EQ(o.Kod, QStringLiteral("490000"));
    EXPECT_EQ(o.Nazov, QStringLiteral("Čas"));
    EXPECT_EQ(o.obrazNaZapis(), obraz);

    TOdvetvie v;
    v.Kod = QStringLiteral("4915001");  // cut to the capacity on disk
    v.Nazov = QString(300, u'x');
    const QByteArray b = v.obrazNaZapis();
    EXPECT_EQ(quint8(b[0]), 6);
    EXPECT_EQ(b.mid(1, 6), QByteArray("491500"));
    EXPECT_EQ(quint8(b[7]), 250);
    EXPECT_EQ(TOdvetvie::zObrazu(b).Nazov.size(), 250);
}

TEST(OdborKodyTest, SplittingRegisteredTexts)
{
    EXPECT_EQ(OdborKody::RozdelKody(QStringLiteral("490000|330000|")),
              QStringList({QStringLiteral("490000"), QStringLiteral("330000")}));
    // Two bars in a row give an empty code; text after the last bar is ignored.
    EXPECT_EQ(OdborKody::RozdelKody(QStringLiteral("49||33")),
              QStringList({QStringLiteral("49"), QString()}));
    EXPECT_TRUE(OdborKody::RozdelKody(QStringLiteral("490000")).isEmpty());
    EXPECT_TRUE(OdborKody::RozdelKody(QString()).isEmpty());
}

TEST(OdborKodyTest, SortByCodeWithEqualCodesByIndexText)
{
    QList<TOdbor> zoznam;
    for (int i = 0; i < 11; ++i)
        zoznam.append(odbor(QStringLiteral("370000"), QString::number(i)));
    zoznam.insert(3, odbor(QStringLiteral("030000"), QStringLiteral("prvy")));
    zoznam.append(odbor(QStringLiteral("37"), QStringLiteral("kratky")));
    zoznam.append(odbor(QStringLiteral("ab"), QStringLiteral("male")));
    zoznam.append(odbor(QStringLiteral("AA"), QStringLiteral("velke")));
    ZoradPodlaKodu(zoznam);
    QStringList nazvy;
    for (const auto& o : zoznam)
        nazvy.append(o.Nazov);
    // "370000" sits at positions 0-2 and 4-11; as text 10 and 11 come before 2.
    EXPECT_EQ(nazvy, QStringList({QStringLiteral("prvy"), QStringLiteral("kratky"), QStringLiteral("0"),
                                  QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("10"),
                                  QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                  QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                                  QStringLiteral("8"),
                                  QStringLiteral("velke"), QStringLiteral("male")}));
}

TEST_F(OdboryOdvetviaTest, LoadingSortsBothListsByCode)
{
    zapisOdbory({odbor(QStringLiteral("490000"), QStringLiteral("Kriminalistika")),
                 odbor(QStringLiteral("100000"), QStringLiteral("Elektrotechnika")),
                 odbor(QStringLiteral("370000"), QStringLiteral("Stavebníctvo"))});
    zapisOdvetvia({odvetvie(QStringLiteral("370200")), odvetvie(QStringLiteral("100100")),
                   odvetvie(QStringLiteral("370100"))});
    EXPECT_TRUE(m_zoznamy.NacitajOdboryOdvetvia());
    EXPECT_EQ(kody(m_zoznamy.Odbory), QStringList({"100000", "370000", "490000"}));
    EXPECT_EQ(kody(m_zoznamy.Odvetvia), QStringList({"100100", "370100", "370200"}));
    EXPECT_EQ(m_zoznamy.Odbory.at(1).Nazov, QStringLiteral("Stavebníctvo"));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(OdboryOdvetviaTest, MissingFilesAreReportedOnceEachAndLeaveEmptyLists)
{
    zapisOdvetvia({odvetvie(QStringLiteral("370100"))});
    EXPECT_FALSE(m_zoznamy.NacitajOdboryOdvetvia());
    EXPECT_EQ(m_spravy.texty(), QStringList({textProblemSoSuborom(OdboryOdvetvia::SuborOdborov())}));
    EXPECT_TRUE(m_zoznamy.Odbory.isEmpty());
    EXPECT_EQ(m_zoznamy.Odvetvia.size(), 1);
}

TEST_F(OdboryOdvetviaTest, ShortFileKeepsWhatWasReadAndZeroFillsTheRest)
{
    QByteArray b = obsahPocitanehoSuboru(QList<TOdbor>{odbor(QStringLiteral("490000"), QStringLiteral("K"))});
    b[0] = 3;  // announces three
    zapis(QStringLiteral("Data/odbory.dat"), b);
    zapisOdvetvia({});
    m_zoznamy.NacitajOdboryOdvetvia();
    ASSERT_EQ(m_zoznamy.Odbory.size(), 3);
    // Zero-filled records have empty codes and sort first.
    EXPECT_EQ(kody(m_zoznamy.Odbory), QStringList({"", "", "490000"}));
    EXPECT_EQ(m_spravy.spravy.size(), 1);
}

TEST_F(OdboryOdvetviaTest, SaveWritesBothFilesAndAnUnreadableOneIsKeptAside)
{
    const QByteArray poskodeny = QByteArray("\x05\x00\x00\x00garbage", 11);
    zapis(QStringLiteral("Data/odbory.dat"), poskodeny);
    zapisOdvetvia({odvetvie(QStringLiteral("490600"), QStringLiteral("Písmo"))});
    m_zoznamy.NacitajOdboryOdvetvia();
    m_zoznamy.Odbory.clear();
    ASSERT_EQ(m_zoznamy.PridajOdbor(QStringLiteral("490000"), QStringLiteral("Kriminalistika")), QString());
    ASSERT_TRUE(m_zoznamy.UlozOdboryOdvetvia());
    EXPECT_EQ(obsah(QStringLiteral("Data/odbory.dat.poskodeny")), poskodeny);
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("Data/odvetvia.dat.poskodeny"))));

    OdboryOdvetvia znova;
    EXPECT_TRUE(znova.NacitajOdboryOdvetvia());
    EXPECT_EQ(kody(znova.Odbory), QStringList({"490000"}));
    EXPECT_EQ(znova.NazovOdvetvia(QStringLiteral("490600")), QStringLiteral("Písmo"));
    EXPECT_EQ(obsah(QStringLiteral("Data/odbory.dat")).size(), 4 + 58);
}

TEST_F(OdboryOdvetviaTest, LookupsAreExactAndTheLastRecordWins)
{
    m_zoznamy.Odbory = {odbor(QStringLiteral("490000"), QStringLiteral("prvý")),
                        odbor(QStringLiteral("490000"), QStringLiteral("druhý"))};
    EXPECT_TRUE(m_zoznamy.OdborExistuje(QStringLiteral("490000")));
    EXPECT_FALSE(m_zoznamy.OdborExistuje(QStringLiteral("49000")));
    EXPECT_FALSE(m_zoznamy.OdborExistuje(QStringLiteral("490000 ")));
    EXPECT_EQ(m_zoznamy.NazovOdboru(QStringLiteral("490000")), QStringLiteral("druhý"));
    EXPECT_EQ(m_zoznamy.NazovOdboru(QStringLiteral("330000")), QString());
    m_zoznamy.Odvetvia = {odvetvie(QStringLiteral("ab1"), QStringLiteral("malé"))};
    EXPECT_FALSE(m_zoznamy.OdvetvieExistuje(QStringLiteral("AB1")));
    EXPECT_EQ(m_zoznamy.NazovOdvetvia(QStringLiteral("ab1")), QStringLiteral("malé"));
}

TEST_F(OdboryOdvetviaTest, RegisteredSetFromTextsAndBack)
{
    m_zoznamy.Odbory = {odbor(QStringLiteral("490000"), QStringLiteral("Kriminalistika")),
                        odbor(QStringLiteral("370000"), QStringLiteral("Stavebníctvo"))};
    m_zoznamy.Odvetvia = {odvetvie(QStringLiteral("491500"), QStringLiteral("Písmo")),
                          odvetvie(QStringLiteral("370100"), QStringLiteral("Pozemné stavby"))};
    const auto zoznam = m_zoznamy.ZapisaneOdbory(QStringLiteral("490000|370000|4900001|"),
                                                 QStringLiteral("370100|491500|990000|490800|"),
                                                 QStringLiteral("370000"));
    ASSERT_EQ(zoznam.size(), 3);
    EXPECT_EQ(zoznam.at(0).Kod, QStringLiteral("490000"));
    EXPECT_EQ(zoznam.at(0).Nazov, QStringLiteral("Kriminalistika"));
    EXPECT_FALSE(zoznam.at(0).Najpouzivanejsi);
    EXPECT_TRUE(zoznam.at(0).Rozbaleny);
    // Branches in the order of the text; a code without a name keeps an empty name.
    EXPECT_EQ(kody(zoznam.at(0).ZoznamOdvetvi), QStringList({"491500", "490800"}));
    EXPECT_EQ(zoznam.at(0).ZoznamOdvetvi.at(0).Nazov, QStringLiteral("Písmo"));
    EXPECT_EQ(zoznam.at(0).ZoznamOdvetvi.at(1).Nazov, QString());
    EXPECT_TRUE(zoznam.at(1).Najpouzivanejsi);
    EXPECT_EQ(kody(zoznam.at(1).ZoznamOdvetvi), QStringList({"370100"}));
    // A long code is cut; two fields with the same two digits both get the branches.
    EXPECT_EQ(zoznam.at(2).Kod, QStringLiteral("490000"));
    EXPECT_EQ(kody(zoznam.at(2).ZoznamOdvetvi), QStringList({"491500", "490800"}));

    // 990000 matched no field and is gone from the texts.
    const TZapisaneKody t = ZapisaneOdboryText(zoznam);
    EXPECT_EQ(t.Odbory, QStringLiteral("490000|370000|490000|"));
    EXPECT_EQ(t.Odvetvia, QStringLiteral("491500|490800|370100|491500|490800|"));
    EXPECT_EQ(t.Najpouzivanejsi, QStringLiteral("370000"));
}

TEST(ZapisaneOdboryTest, EditingTheRegisteredSet)
{
    QList<TOdborOdvetvie> zoznam;
    EXPECT_EQ(PridajZapisaneOdvetvie(zoznam, QStringLiteral("490000"), QStringLiteral("K"),
                                     odvetvie(QStringLiteral("491500"))), 0);
    EXPECT_EQ(PridajZapisaneOdvetvie(zoznam, QStringLiteral("370000"), QStringLiteral("S"),
                                     odvetvie(QStringLiteral("370100"))), 1);
    // The same branch twice is registered twice.
    EXPECT_EQ(PridajZapisaneOdvetvie(zoznam, QStringLiteral("490000"), QStringLiteral("K"),
                                     odvetvie(QStringLiteral("491500"))), 0);
    EXPECT_EQ(ZapisaneOdboryText(zoznam).Odvetvia, QStringLiteral("491500|491500|370100|"));
    EXPECT_FALSE(zoznam.at(1).Najpouzivanejsi);

    NastavNajpouzivanejsi(zoznam, 1);
    NastavNajpouzivanejsi(zoznam, 0);
    EXPECT_EQ(ZapisaneOdboryText(zoznam).Najpouzivanejsi, QStringLiteral("490000"));
    EXPECT_FALSE(zoznam.at(1).Najpouzivanejsi);

    EXPECT_TRUE(NahradZapisaneOdvetvie(zoznam, 0, 1, odvetvie(QStringLiteral("490800"))));
    EXPECT_FALSE(NahradZapisaneOdvetvie(zoznam, 0, 2, odvetvie(QStringLiteral("490800"))));
    EXPECT_FALSE(ZmazZapisaneOdvetvie(zoznam, 2, 0));
    EXPECT_FALSE(ZmazZapisaneOdvetvie(zoznam, -1, 0));
    // Removing the last branch of a field removes the field.
    EXPECT_TRUE(ZmazZapisaneOdvetvie(zoznam, 1, 0));
    ASSERT_EQ(zoznam.size(), 1);
    EXPECT_TRUE(ZmazZapisaneOdvetvie(zoznam, 0, 0));
    EXPECT_EQ(kody(zoznam.at(0).ZoznamOdvetvi), QStringList({"490800"}));
    EXPECT_EQ(ZapisaneOdboryText(zoznam).Odbory, QStringLiteral("490000|"));
    EXPECT_EQ(ZapisaneOdboryText({}).Najpouzivanejsi, QString());
}

TEST_F(OdboryOdvetviaTest, AddingFieldsKeepsCodesUniqueAndSorted)
{
    m_zoznamy.Odbory = {odbor(QStringLiteral("490000"), QStringLiteral("Kriminalistika"))};
    EXPECT_EQ(m_zoznamy.PridajOdbor(QStringLiteral("330000"), QString(60, u'n')), QString());
    EXPECT_EQ(kody(m_zoznamy.Odbory), QStringList({"330000", "490000"}));
    EXPECT_EQ(m_zoznamy.Odbory.at(0).Nazov.size(), 50);
    EXPECT_EQ(m_zoznamy.PridajOdbor(QStringLiteral("490000"), QStringLiteral("x")),
              QStringLiteral("Odbor s daným číslo už existuje."));
    // Seven characters are stored as six, and then they are the same code.
    EXPECT_EQ(m_zoznamy.PridajOdbor(QStringLiteral("3300001"), QStringLiteral("x")),
              QStringLiteral("Odbor s daným číslo už existuje."));
    EXPECT_EQ(m_zoznamy.PridajOdbor(QStringLiteral("1000001"), QStringLiteral("x")), QString());
    EXPECT_EQ(kody(m_zoznamy.Odbory), QStringList({"100000", "330000", "490000"}));
    // A bar would split the code in the registered texts.
    const QString bezBaru = QStringLiteral("Kód nesmie obsahovať znak \"|\".");
    EXPECT_EQ(m_zoznamy.PridajOdbor(QStringLiteral("33|000"), QStringLiteral("x")), bezBaru);
    EXPECT_EQ(m_zoznamy.PridajOdvetvie(QStringLiteral("490000"), QStringLiteral("49|500"), QStringLiteral("x")),
              bezBaru);
    EXPECT_TRUE(m_zoznamy.Odvetvia.isEmpty());
    // An empty field code is accepted.
    EXPECT_EQ(m_zoznamy.PridajOdbor(QString(), QStringLiteral("bez kódu")), QString());
    EXPECT_EQ(m_zoznamy.Odbory.size(), 4);

    EXPECT_TRUE(m_zoznamy.ZmenNazovOdboru(3, QStringLiteral("Nový")));
    EXPECT_EQ(m_zoznamy.NazovOdboru(QStringLiteral("490000")), QStringLiteral("Nový"));
    EXPECT_FALSE(m_zoznamy.ZmenNazovOdboru(4, QStringLiteral("x")));
}

TEST_F(OdboryOdvetviaTest, BranchNumberingRules)
{
    const QString f49 = QStringLiteral("490000");
    EXPECT_EQ(OdboryOdvetvia::OverCisloOdvetvia(f49, QStringLiteral("4915")), QString());
    EXPECT_EQ(OdboryOdvetvia::OverCisloOdvetvia(f49, QStringLiteral("49")),
              QStringLiteral("Zadané číslo odvetvia je príliš krátke."));
    EXPECT_EQ(OdboryOdvetvia::OverCisloOdvetvia(QStringLiteral("330000"), QStringLiteral("491500")),
              QStringLiteral("Zadané číslo odvetvia nezodpovedá číslu odboru."));

    EXPECT_EQ(m_zoznamy.PridajOdvetvie(QString(), QStringLiteral("491500"), QStringLiteral("x")),
              QStringLiteral("Nie je vybratý žiaden odbor."));
    EXPECT_EQ(m_zoznamy.PridajOdvetvie(f49, QStringLiteral("491500"), QStringLiteral("b")), QString());
    EXPECT_EQ(m_zoznamy.PridajOdvetvie(f49, QStringLiteral("4908"), QString(300, u'v')), QString());
    EXPECT_EQ(kody(m_zoznamy.Odvetvia), QStringList({"4908", "491500"}));
    EXPECT_EQ(m_zoznamy.Odvetvia.at(0).Nazov.size(), 250);
    EXPECT_EQ(m_zoznamy.PridajOdvetvie(f49, QStringLiteral("4915009"), QStringLiteral("x")),
              QStringLiteral("Odvetvie s daným číslo už existuje."));
    EXPECT_EQ(m_zoznamy.PridajOdvetvie(f49, QStringLiteral("33"), QStringLiteral("x")),
              QStringLiteral("Zadané číslo odvetvia je príliš krátke."));
    EXPECT_EQ(m_zoznamy.Odvetvia.size(), 2);

    m_zoznamy.Odvetvia.append(odvetvie(QStringLiteral("370100")));
    EXPECT_EQ(kody(m_zoznamy.OdvetviaOdboru(f49)), QStringList({"4908", "491500"}));
    EXPECT_EQ(kody(m_zoznamy.OdvetviaOdboru(QStringLiteral("37"))), QStringList({"370100"}));
    EXPECT_TRUE(m_zoznamy.ZmenNazovOdvetvia(1, QStringLiteral("Písmo")));
    EXPECT_EQ(m_zoznamy.NazovOdvetvia(QStringLiteral("491500")), QStringLiteral("Písmo"));
    EXPECT_FALSE(m_zoznamy.ZmenNazovOdvetvia(-1, QStringLiteral("x")));
}

TEST_F(OdboryOdvetviaTest, FailedSaveOfBothListsGivesBothMessagesAndReportsNothing)
{
    Subory::nastavPoruchuZapisu(Subory::PoruchaZapisu{0, false});
    const Vysledok v = m_zoznamy.UlozOdboryOdvetvia();
    Subory::nastavPoruchuZapisu(std::nullopt);
    EXPECT_FALSE(v.ok());
    EXPECT_TRUE(v.dovod().startsWith(Subory::textChybaZapisu(OdboryOdvetvia::SuborOdvetvi(), {}))) << qPrintable(v.dovod());
    EXPECT_TRUE(v.dovod().contains(QLatin1Char('\n') + Subory::textChybaZapisu(OdboryOdvetvia::SuborOdborov(), {})))
        << qPrintable(v.dovod());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}
