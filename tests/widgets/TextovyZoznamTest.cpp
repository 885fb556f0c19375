// The user text lists: reading, adding without duplicates, Slovak order, writing.

#include "widgets/TextovyZoznam.h"

#include "common/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace {
const QString Subor = QStringLiteral("Data/kevrot_druh_ukonu.kvz");
const QStringList Vstavane = {"znalecký posudok", "odborné vyjadrenie"};
}  // namespace

using TextovyZoznamTest = TestAppDir;

TEST_F(TextovyZoznamTest, WithoutAFileTheBuiltInItemsStay)
{
    TextovyZoznam z(TextoveZoznamy::DruhUkonu, Vstavane);
    EXPECT_EQ(z.Subor(), cesta(Subor));
    EXPECT_FALSE(z.NacitajZoznam());
    EXPECT_EQ(z.Polozky, Vstavane);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(TextovyZoznamTest, AFileReplacesTheItemsWhateverItsLineEnds)
{
    zapis(Subor, "posudok\r\nvyjadrenie\nk\xF3pia\rdoplnenie\r\n\r\nposledn\xFD");
    TextovyZoznam z(TextoveZoznamy::DruhUkonu, Vstavane);
    EXPECT_TRUE(z.NacitajZoznam());
    EXPECT_EQ(z.Polozky,
              QStringList({"posudok", "vyjadrenie", "kópia", "doplnenie", "posledný"}));

    zapis(Subor, "");
    EXPECT_TRUE(z.NacitajZoznam());
    EXPECT_TRUE(z.Polozky.isEmpty());
}

TEST_F(TextovyZoznamTest, AddingToAnEmptyListWritesOneLine)
{
    zapis(Subor, "");
    TextovyZoznam z(TextoveZoznamy::DruhUkonu, Vstavane);
    ASSERT_TRUE(z.NacitajZoznam());
    EXPECT_TRUE(z.PridajText("Obhliadka"));
    EXPECT_EQ(z.Polozky, QStringList{"Obhliadka"});
    EXPECT_EQ(obsah(Subor), "Obhliadka\r\n");
}

TEST_F(TextovyZoznamTest, AddIgnoresCaseAndEmptyTextAndKeepsTheListSorted)
{
    TextovyZoznam z(TextoveZoznamy::Predmet);
    EXPECT_TRUE(z.PridajText("Škoda na vozidle"));
    EXPECT_TRUE(z.PridajText("autonehoda"));
    EXPECT_FALSE(z.PridajText("ŠKODA NA VOZIDLE"));
    EXPECT_FALSE(z.PridajText("AutoNehoda"));
    EXPECT_FALSE(z.PridajText(""));
    EXPECT_TRUE(z.PridajText("Cena bytu"));
    EXPECT_EQ(z.Polozky, QStringList({"autonehoda", "Cena bytu", "Škoda na vozidle"}));
    // Every line, the last included, ends with CR LF, in Windows-1250.
    EXPECT_EQ(obsah("Data/kevrot_predmet.kvz"),
              QByteArray("autonehoda\r\nCena bytu\r\n\x8Akoda na vozidle\r\n"));
}

TEST_F(TextovyZoznamTest, SlovakOrderDoesNotDependOnTheProcessLocale)
{
    const QStringList neusporiadane = {"ihla", "chata", "Hora", "čas", "Cesta", "dub", "Ďateľ",
                                      "ch", "šalát", "sova", "Zub", "žaba", "ako", "Áno"};
    // č, š, ž and ch are letters of their own; ď, á only differ in accent from d, a.
    const QStringList slovensky = {"ako", "Áno", "Cesta", "čas", "Ďateľ", "dub", "Hora",
                                   "ch", "chata", "ihla", "sova", "šalát", "Zub", "žaba"};
    const QLocale predtym;
    for (const QLocale& l : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c(),
                             QLocale(QLocale::German)}) {
        QLocale::setDefault(l);
        QStringList t = neusporiadane;
        TextovyZoznam::ZoradTexty(t);
        EXPECT_EQ(t, slovensky) << l.name().toStdString();
    }
    QLocale::setDefault(predtym);
}

TEST_F(TextovyZoznamTest, ListWindowRowsAreSortedAndWritten)
{
    TextovyZoznam z(TextoveZoznamy::Ucel, {"b", "a", "c"});
    QStringList riadky = z.Polozky;
    riadky.removeAt(1);
    riadky.append("Aa");
    ASSERT_TRUE(z.NahradPolozky(riadky));
    EXPECT_EQ(z.Polozky, QStringList({"Aa", "b", "c"}));
    EXPECT_EQ(obsah("Data/kevrot_ucel.kvz"), "Aa\r\nb\r\nc\r\n");

    // Duplicates from the window are allowed; items equal but for case keep their order.
    ASSERT_TRUE(z.NahradPolozky({"x", "X", "a", "x"}));
    EXPECT_EQ(z.Polozky, QStringList({"a", "x", "X", "x"}));
}

TEST_F(TextovyZoznamTest, TextsTheFileCannotHoldAreStoredAsTheFileGivesThemBack)
{
    TextovyZoznam z(TextoveZoznamy::UdajeOdmena);
    EXPECT_TRUE(z.PridajText("España"));
    EXPECT_EQ(z.Polozky, QStringList{"Espa?a"});
    EXPECT_FALSE(z.PridajText("ESPA?A"));
    // A line break inside an item would split it into two items of the file.
    ASSERT_TRUE(z.NahradPolozky({"dva\r\nriadky"}));
    TextovyZoznam n(TextoveZoznamy::UdajeOdmena);
    ASSERT_TRUE(n.NacitajZoznam());
    EXPECT_EQ(n.Polozky.size(), 1);
}

TEST_F(TextovyZoznamTest, UnreadableFileIsReportedAndTheItemsStay)
{
    ASSERT_TRUE(QDir().mkpath(cesta(Subor)));  // a directory where the file should be
    TextovyZoznam z(TextoveZoznamy::DruhUkonu, Vstavane);
    EXPECT_FALSE(z.NacitajZoznam());
    EXPECT_EQ(z.Polozky, Vstavane);
    EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(Subor))});
}

TEST_F(TextovyZoznamTest, FailedWriteIsReportedAndTheNewItemStays)
{
    ASSERT_TRUE(QDir(cesta("Data")).removeRecursively());
    zapis("Data", "x");
    TextovyZoznam z(TextoveZoznamy::Predmet);
    EXPECT_TRUE(z.PridajText("analýza"));
    EXPECT_EQ(z.Polozky, QStringList{"analýza"});
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_EQ(m_spravy.spravy[0].druh, Spravy::Druh::Chyba);
    EXPECT_FALSE(ohlas(z.NahradPolozky({"a"})));
    EXPECT_EQ(m_spravy.spravy.size(), 2);
}

TEST_F(TextovyZoznamTest, BlankTextsNeverBecomeItemsAndTheFirstFileKeepsTheBuiltInKinds)
{
    // The order editor's kind of act: one empty built-in item, no file yet.
    TextovyZoznam objednavka(TextoveZoznamy::DruhUkonu, {QString()});
    for (const QString& prazdny : {QString(), QStringLiteral("   "), QStringLiteral("\t")})
        EXPECT_FALSE(objednavka.PridajText(prazdny)) << prazdny.toStdString();
    EXPECT_FALSE(QFile::exists(cesta(Subor)));
    EXPECT_TRUE(objednavka.PridajText("obhliadka"));
    EXPECT_FALSE(obsah(Subor).contains("\r\n\r\n"));
    EXPECT_FALSE(obsah(Subor).startsWith("\r\n"));

    // The entry editor reads that file and still offers its built-in kinds.
    const QStringList vstavane = TextoveZoznamy::Vstavane(TextoveZoznamy::DruhUkonu);
    ASSERT_FALSE(vstavane.isEmpty());
    TextovyZoznam zaznam(TextoveZoznamy::DruhUkonu, vstavane);
    ASSERT_TRUE(zaznam.NacitajZoznam());
    for (const QString& v : vstavane)
        EXPECT_TRUE(zaznam.Polozky.contains(v)) << v.toStdString();
    EXPECT_TRUE(zaznam.Polozky.contains("obhliadka"));
    EXPECT_FALSE(zaznam.Polozky.contains(QString()));

    // Blank lines of a file and blank rows of the list window are dropped.
    zapis(Subor, "a\r\n\r\n  \r\nb\r\n");
    ASSERT_TRUE(zaznam.NacitajZoznam());
    EXPECT_EQ(zaznam.Polozky, QStringList({"a", "b"}));
    EXPECT_TRUE(zaznam.NahradPolozky({"c", " ", ""}));
    EXPECT_EQ(obsah(Subor), "c\r\n");
}
