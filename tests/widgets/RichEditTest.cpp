#include "widgets/RichEditForm.h"
#include "widgets/RichEditLogika.h"
#include "word/RtfCitac.h"
#include "common/TestAppDir.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

int argc = 1;
char meno[] = "test";
char* argv[] = {meno, nullptr};

class RichEdit_ : public TestAppDir {
protected:
    static void SetUpTestSuite()
    {
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

}  // namespace

TEST(RichEdit, PaneleATextyStavu)
{
    EXPECT_EQ(RichEdit::tlacidlaPanela(RichEdit::Panel::Vyuctovanie).size(), 6);
    const auto kor = RichEdit::tlacidlaPanela(RichEdit::Panel::Korespondencia);
    EXPECT_EQ(kor.size(), 11);
    EXPECT_TRUE(kor.contains("ZNALEC_HLAVICKA"));
    EXPECT_TRUE(RichEdit::tlacidlaPanela(RichEdit::Panel::Ziadny).isEmpty());
    EXPECT_EQ(RichEdit::zastupca("ZNALEC_PATA"), QStringLiteral("$ZNALEC_PATA$"));
    EXPECT_EQ(RichEdit::textPolohy(3, 12), QString::fromUtf8("Riadok:   3   Stĺpec:  12"));
}

TEST_F(RichEdit_, VlozZapiseAleboZmazeCiel)
{
    const QString ciel = cesta("text.rtf");
    QTextDocument d;
    RichEdit::nacitajCiel(d, ciel, "Verdana", 10);
    EXPECT_TRUE(d.isEmpty());
    EXPECT_EQ(d.defaultFont().family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(d.defaultFont().pointSizeF(), 10);

    QTextCursor(&d).insertText(QString::fromUtf8("Účtujem {sumu}"));
    ASSERT_TRUE(RichEdit::vlozDoCiela(d, ciel));
    const auto r = RtfCitac::citajSubor(ciel);
    ASSERT_TRUE(r.jeRtf);
    EXPECT_EQ(r.dokument.text(), QString::fromUtf8("Účtujem {sumu}\n"));
    EXPECT_EQ(r.dokument.telo[0].odsek.behy[0].format.pismo, QStringLiteral("Verdana"));

    QTextDocument znova;
    RichEdit::nacitajCiel(znova, ciel, "Arial", 11);
    EXPECT_EQ(znova.toPlainText(), QString::fromUtf8("Účtujem {sumu}"));

    znova.clear();
    ASSERT_TRUE(RichEdit::vlozDoCiela(znova, ciel));
    EXPECT_FALSE(QFile::exists(ciel));
    // Nothing to delete is not a failure.
    EXPECT_TRUE(RichEdit::vlozDoCiela(znova, ciel));
}

TEST_F(RichEdit_, PrepisanieLenSoSuhlasom)
{
    const QString s = cesta("x.rtf");
    EXPECT_TRUE(RichEdit::smiePrepisat(s));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    zapis("x.rtf", "{\\rtf1 a}");
    m_spravy.odpovede = {false, true};
    EXPECT_FALSE(RichEdit::smiePrepisat(s));
    EXPECT_TRUE(RichEdit::smiePrepisat(s));
    ASSERT_EQ(m_spravy.spravy.size(), 2);
    EXPECT_EQ(m_spravy.spravy[0].text, QString::fromUtf8("Chcete prepísať ") + s);
}

TEST_F(RichEdit_, OknoVkladaZastupcuAUkladaNovyPodMenom)
{
    TRichEditForm okno;
    const QString ciel = cesta("korespondencia.rtf");
    okno.nastavCiel(ciel, QString::fromUtf8("[Korešpondencia - objednávky]"), RichEdit::Panel::Korespondencia, true,
                    "Arial", 11);
    EXPECT_EQ(okno.windowTitle(), QString::fromUtf8("[Korešpondencia - objednávky]"));
    okno.editor()->insertPlainText(QStringLiteral("Pata: "));
    auto* tlacidlo = okno.findChild<QPushButton*>(QStringLiteral("ZNALEC_PATA"));
    ASSERT_NE(tlacidlo, nullptr);
    tlacidlo->click();
    EXPECT_EQ(okno.editor()->toPlainText(), QStringLiteral("Pata: $ZNALEC_PATA$"));

    // "Ulož súbor" of an untitled text asks for a name; cancelled, nothing is written.
    EXPECT_EQ(okno.aktualnySubor(), RichEdit::Neoznaceny);
    EXPECT_FALSE(okno.ulozSuborClick());
    m_spravy.vybery = {cesta("ina.rtf")};
    EXPECT_TRUE(okno.ulozSuborClick());
    EXPECT_EQ(okno.aktualnySubor(), cesta("ina.rtf"));
    EXPECT_TRUE(QFile::exists(cesta("ina.rtf")));

    okno.btnVlozClick();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(RtfCitac::citajSubor(ciel).dokument.text(), QStringLiteral("Pata: $ZNALEC_PATA$\n"));
}
