// The predefined headings: record, header frame, the dialog's seven records, bad files.

#include "remuneration/PreddefinovaneTexty.h"
#include "store/Subory.h"

#include "common/TestAppDir.h"

namespace {
const char* const Subor = "Data/odmeny_vydavky_preddef_texty.dat";

QByteArray int32(qint32 n)
{
    QByteArray b;
    Subory::pridajInt32(b, n);
    return b;
}

QByteArray zaznam(qint32 druh, const QByteArray& text, char rezerva = 0)
{
    QByteArray r = int32(druh) + QByteArray(260, '\0');
    r[4] = char(text.size());
    r.replace(5, text.size(), text);
    r[260] = rezerva;
    return r;
}

const QList<qint32> PoradieDruhov = {2, 7, 1, 8, 4, 6, 100};
}  // namespace

using PreddefinovaneTextyTest = TestAppDir;

TEST(TPreddefinovanyText, LayoutCoversTheRecord)
{
    EXPECT_EQ(overRozlozenie(TPreddefinovanyText::rozlozenie(), TPreddefinovanyText::VELKOST),
              QString());
    EXPECT_EQ(TPreddefinovanyText::VELKOST, 264);
}

TEST_F(PreddefinovaneTextyTest, WithoutAFileEveryHeadingIsEmpty)
{
    PreddefinovaneTexty p;
    EXPECT_TRUE(p.NacitajPreddefTexty());
    EXPECT_TRUE(p.Texty.isEmpty());
    for (const auto& d : PreddefinovaneTexty::DruhyHlaviciek())
        EXPECT_EQ(p.HlavickaDruhu(d.druh), QString());
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(PreddefinovaneTextyTest, DialogOkMakesSevenRecordsInItsOrder)
{
    ASSERT_EQ(PreddefinovaneTexty::DruhyHlaviciek().size(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(PreddefinovaneTexty::DruhyHlaviciek()[i].druh, PoradieDruhov[i]);
    EXPECT_EQ(PreddefinovaneTexty::DruhyHlaviciek()[4].nazov,
              "Náhrada hotových výdavkov - paušálne výdavky");

    PreddefinovaneTexty p;
    p.Texty = {TPreddefinovanyText::zObrazu(zaznam(3, "stary"))};
    p.NastavHlavicky({"Paušálna", "Zmluvná", "", "Podielová", QString(300, u'x'),
                      "Hotové\r\nvýdavky"});  // the seventh box is missing: empty
    ASSERT_EQ(p.Texty.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(p.Texty[i].Druh, PoradieDruhov[i]);
        EXPECT_EQ(p.Texty[i].Rezerva, 0);
    }
    EXPECT_EQ(p.HlavickaDruhu(3), QString());
    EXPECT_EQ(p.HlavickaDruhu(2), "Paušálna");
    EXPECT_EQ(p.HlavickaDruhu(4), QString(255, u'x'));
    EXPECT_EQ(p.HlavickaDruhu(6), "Hotové\r\nvýdavky");
    EXPECT_EQ(p.HlavickaDruhu(100), QString());
}

TEST_F(PreddefinovaneTextyTest, SavedFileHasAZeroHeaderAndReadsBack)
{
    PreddefinovaneTexty p;
    p.NastavHlavicky({"a", "b", "c", "d", "e", "Hotové výdavky:\r\n", "Cestovné"});
    ASSERT_TRUE(p.UlozPreddefTexty());
    const QByteArray b = obsah(Subor);
    ASSERT_EQ(b.size(), 8 + 7 * 264);
    EXPECT_EQ(b.left(8), int32(0) + int32(7));
    EXPECT_EQ(b.mid(8, 4), int32(2));
    EXPECT_EQ(b.mid(8 + 6 * 264, 4), int32(100));
    EXPECT_EQ(b.mid(8 + 5 * 264 + 4, 18), QByteArray("\x11Hotov\xE9 v\xFD" "davky:\r\n"));

    PreddefinovaneTexty n;
    ASSERT_TRUE(n.NacitajPreddefTexty());
    ASSERT_EQ(n.Texty.size(), 7);
    EXPECT_EQ(n.HlavickaDruhu(6), "Hotové výdavky:\r\n");
    EXPECT_EQ(n.HlavickaDruhu(100), "Cestovné");
    EXPECT_EQ(n.HlavickaDruhu(1), "c");
}

TEST_F(PreddefinovaneTextyTest, ReadingSkipsTheHeaderAndTheLastOfAKindWins)
{
    zapis(Subor, int32(0x12345678) + int32(3) + zaznam(6, "prvy") + zaznam(2, "odmena", 9) +
                     zaznam(6, "druhy"));
    PreddefinovaneTexty p;
    ASSERT_TRUE(p.NacitajPreddefTexty());
    EXPECT_EQ(p.HlavickaDruhu(6), "druhy");
    EXPECT_EQ(p.HlavickaDruhu(2), "odmena");
    EXPECT_EQ(p.Texty[1].Rezerva, 9);

    // A record read keeps its bytes; the header is written as 0.
    ASSERT_TRUE(p.UlozPreddefTexty());
    const QByteArray b = obsah(Subor);
    EXPECT_EQ(b.left(4), int32(0));
    EXPECT_EQ(b.mid(8), zaznam(6, "prvy") + zaznam(2, "odmena", 9) + zaznam(6, "druhy"));
}

TEST_F(PreddefinovaneTextyTest, ShortOrBrokenFilesAreReportedWithWhatCouldBeRead)
{
    zapis(Subor, int32(0) + int32(5) + zaznam(7, "zmluvna") + QByteArray(10, '\0'));
    PreddefinovaneTexty p;
    EXPECT_FALSE(p.NacitajPreddefTexty());
    ASSERT_EQ(p.Texty.size(), 1);
    EXPECT_EQ(p.HlavickaDruhu(7), "zmluvna");
    EXPECT_EQ(m_spravy.texty(), QStringList{textProblemSoSuborom(cesta(Subor))});

    for (const QByteArray& b : {int32(0), int32(0) + int32(-4) + zaznam(1, "x"), QByteArray()}) {
        m_spravy.vymaz();
        zapis(Subor, b);
        EXPECT_FALSE(p.NacitajPreddefTexty());
        EXPECT_TRUE(p.Texty.isEmpty());
        EXPECT_EQ(m_spravy.texty().size(), 1);
    }
}
