#include "word/RtfCitac.h"
#include "word/RtfQt.h"
#include "word/RtfZapisovac.h"
#include "RtfVzorky.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <gtest/gtest.h>

namespace {

int argc = 1;
char meno[] = "test";
char* argv[] = {meno, nullptr};

class RtfQtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
    }
};

}  // namespace

TEST_F(RtfQtTest, VzorVQtDokumente)
{
    QTextDocument q;
    ASSERT_TRUE(RtfQt::nacitajRtf(kVzorovyDokument, q));
    const QString text = q.toPlainText();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Vyúčtovanie\nText s tučným")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Položka")));
    QTextBlock prvy = q.firstBlock();
    EXPECT_EQ(prvy.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(prvy.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(prvy.begin().fragment().charFormat().fontPointSize(), 16);
    // The bullet paragraph is in a list.
    QTextBlock b = q.firstBlock();
    while (b.isValid() && !b.text().startsWith(QString::fromUtf8("prvá")))
        b = b.next();
    ASSERT_TRUE(b.isValid());
    EXPECT_NE(b.textList(), nullptr);
    bool tabulka = false;
    for (auto it = q.rootFrame()->begin(); !it.atEnd(); ++it)
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) {
            tabulka = true;
            EXPECT_EQ(t->rows(), 2);
            EXPECT_EQ(t->columns(), 2);
            EXPECT_EQ(t->cellAt(0, 0).format().background().color(), QColor(192, 192, 192));
        }
    EXPECT_TRUE(tabulka);
}

TEST_F(RtfQtTest, OkruhCezEditorZachovaTextFormatPatuAObrazok)
{
    const QByteArray obr = "{\\pict\\pngblip\\picw1\\pich1 89504e47}";
    QByteArray vstup = kVzorovyDokument;
    vstup.replace("Spolu: ", "Spolu: " + obr);
    const RtfDokument povodny = RtfCitac::citaj(vstup).dokument;
    QTextDocument q;
    RtfQt::doQTextDocument(povodny, q);
    const RtfDokument spat = RtfQt::zQTextDocument(q);

    EXPECT_EQ(spat.text(), povodny.text());
    EXPECT_EQ(RtfDokument::textBlokov(spat.pata), RtfDokument::textBlokov(povodny.pata));
    EXPECT_EQ(spat.strana.sirkaTextu(), povodny.strana.sirkaTextu());
    EXPECT_TRUE(RtfZapisovac::zapis(spat).contains(obr));
    const auto& a = spat.telo[1].odsek;
    const auto& p = povodny.telo[1].odsek;
    EXPECT_EQ(a.zarovnanie, Zarovnanie::Dorovnat);
    EXPECT_NEAR(a.odsadeniePrvehoRiadku, p.odsadeniePrvehoRiadku, 1);
    ASSERT_EQ(a.behy.size(), p.behy.size());
    for (int i = 0; i < a.behy.size(); ++i)
        EXPECT_EQ(a.behy[i].format, p.behy[i].format) << i;
    EXPECT_TRUE(spat.telo[3].odsek.odrazka);
    ASSERT_TRUE(spat.telo[4].jeTabulka);
    const auto& t = spat.telo[4].tabulka;
    EXPECT_NEAR(t.riadky[0].bunky[0].pravyOkraj, 6000, 2);
    EXPECT_NEAR(t.riadky[0].bunky[1].pravyOkraj, 9638, 2);
    EXPECT_EQ(t.riadky[0].bunky[0].okraje, (RtfOkraje{true, true, true, true}));
    EXPECT_EQ(t.riadky[1].bunky[0].okraje, (RtfOkraje{false, false, true, false}));
    EXPECT_EQ(t.riadky[1].bunky[0].tienovanie, 1000);
    EXPECT_EQ(t.riadky[0].bunky[0].pozadie, QColor(192, 192, 192));
    EXPECT_EQ(t.riadky[0].bunky[1].odseky[0].zarovnanie, Zarovnanie::Vpravo);
}

TEST_F(RtfQtTest, UpravaVEditoreSaZapise)
{
    QTextDocument q;
    RtfQt::nacitajRtf("{\\rtf1{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0\\fs22 Text\\par}", q);
    QTextCursor c(&q);
    c.movePosition(QTextCursor::End);
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(11);
    c.insertText(QString::fromUtf8(" ťažký {znak}"), f);
    const auto d = RtfCitac::citaj(RtfQt::rtf(q)).dokument;
    ASSERT_FALSE(d.telo.isEmpty());
    EXPECT_EQ(d.telo[0].odsek.text(), QString::fromUtf8("Text ťažký {znak}"));
    EXPECT_TRUE(d.telo[0].odsek.behy.last().format.tucne);
    EXPECT_FALSE(d.telo[0].odsek.behy.first().format.tucne);
    EXPECT_DOUBLE_EQ(d.telo[0].odsek.behy.first().format.velkost, 11);
}
