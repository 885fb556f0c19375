#include "word/RtfCitac.h"
#include "RtfVzorky.h"

#include <gtest/gtest.h>

namespace {

RtfDokument citaj(const QByteArray& rtf) { return RtfCitac::citaj(rtf).dokument; }

const RtfBeh* behSTextom(const RtfOdsek& o, const QString& text)
{
    for (const auto& b : o.behy)
        if (b.jeText() && b.text == text)
            return &b;
    return nullptr;
}

}  // namespace

TEST(RtfCitac, VzorovyDokumentTextyAFormaty)
{
    const auto v = RtfCitac::citaj(kVzorovyDokument);
    ASSERT_TRUE(v.jeRtf);
    EXPECT_TRUE(v.uplny);
    const auto& d = v.dokument;
    ASSERT_EQ(d.telo.size(), 6);

    const auto& titul = d.telo[0].odsek;
    EXPECT_EQ(titul.text(), QString::fromUtf8("Vyúčtovanie"));
    EXPECT_EQ(titul.zarovnanie, Zarovnanie::Stred);
    EXPECT_EQ(titul.medzeraZa, 240);
    ASSERT_EQ(titul.behy.size(), 1);
    EXPECT_TRUE(titul.behy[0].format.tucne);
    EXPECT_EQ(titul.behy[0].format.pismo, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(titul.behy[0].format.velkost, 16);

    const auto& text = d.telo[1].odsek;
    EXPECT_EQ(text.text(), QString::fromUtf8("Text s tučným a kurzívou, € 12,50."));
    EXPECT_EQ(text.zarovnanie, Zarovnanie::Dorovnat);
    EXPECT_EQ(text.odsadeniePrvehoRiadku, 567);
    const RtfBeh* tucny = behSTextom(text, QString::fromUtf8("tučným"));
    ASSERT_NE(tucny, nullptr);
    EXPECT_TRUE(tucny->format.tucne);
    EXPECT_FALSE(tucny->format.kurziva);
    const RtfBeh* kurziva = behSTextom(text, QString::fromUtf8("kurzívou"));
    ASSERT_NE(kurziva, nullptr);
    EXPECT_TRUE(kurziva->format.kurziva);
    EXPECT_FALSE(kurziva->format.tucne);
    const RtfBeh* cervena = behSTextom(text, QString::fromUtf8("€ 12,50"));
    ASSERT_NE(cervena, nullptr);
    EXPECT_EQ(cervena->format.farba, QColor(255, 0, 0));
    EXPECT_EQ(text.behy.first().format.pismo, QStringLiteral("Times New Roman"));

    const auto& spolu = d.telo[2].odsek;
    EXPECT_EQ(spolu.text(), QStringLiteral("Spolu: 123,45 EUR"));
    ASSERT_EQ(spolu.behy.size(), 5);
    EXPECT_EQ(spolu.behy[1].druh, RtfBeh::Druh::ZalozkaZaciatok);
    EXPECT_EQ(spolu.behy[1].text, QStringLiteral("Suma"));
    EXPECT_EQ(spolu.behy[2].text, QStringLiteral("123,45"));
    EXPECT_EQ(spolu.behy[3].druh, RtfBeh::Druh::ZalozkaKoniec);

    const auto& odrazka = d.telo[3].odsek;
    EXPECT_TRUE(odrazka.odrazka);
    EXPECT_EQ(odrazka.text(), QString::fromUtf8("prvá položka"));  // the bullet's own text is not content
    EXPECT_EQ(odrazka.odsadenieVlavo, 720);
    EXPECT_EQ(odrazka.odsadeniePrvehoRiadku, -360);

    ASSERT_TRUE(d.telo[4].jeTabulka);
    const auto& tab = d.telo[4].tabulka;
    ASSERT_EQ(tab.riadky.size(), 2);
    ASSERT_EQ(tab.riadky[0].bunky.size(), 2);
    EXPECT_EQ(tab.riadky[0].bunky[0].text(), QString::fromUtf8("Položka"));
    EXPECT_EQ(tab.riadky[0].bunky[0].pravyOkraj, 6000);
    EXPECT_EQ(tab.riadky[0].bunky[1].pravyOkraj, 9638);
    EXPECT_EQ(tab.riadky[0].bunky[1].odseky[0].zarovnanie, Zarovnanie::Vpravo);
    EXPECT_EQ(tab.riadky[0].bunky[0].pozadie, QColor(192, 192, 192));
    EXPECT_EQ(tab.riadky[0].bunky[0].okraje, (RtfOkraje{true, true, true, true}));
    EXPECT_EQ(tab.riadky[1].bunky[0].okraje, (RtfOkraje{false, false, true, false}));
    EXPECT_EQ(tab.riadky[1].bunky[0].tienovanie, 1000);
    EXPECT_EQ(tab.riadky[1].bunky[1].tienovanie, 0);
    EXPECT_EQ(tab.riadky[1].bunky[0].text(), QString::fromUtf8("Cestovné"));

    EXPECT_EQ(d.telo[5].odsek.text(), QString::fromUtf8("V Bratislave, dňa 1. 2. 2024"));
    EXPECT_EQ(d.telo[5].odsek.zarovnanie, Zarovnanie::Vpravo);

    // The footer holds its own paragraph; the field shows its last value.
    ASSERT_EQ(d.pata.size(), 1);
    EXPECT_EQ(d.pata[0].odsek.text(), QStringLiteral("Strana 1"));
    EXPECT_EQ(d.strana.sirkaTextu(), 9638);
}

TEST(RtfCitac, ZnakyPodlaZnakovejSadyPismaAUnicode)
{
    // \'e8 is "č" in a Central European font and "è" in a Western one.
    const QByteArray hlavicka = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 A;}{\\f1\\fcharset0 B;}}";
    EXPECT_EQ(citaj(hlavicka + "\\f0 \\'e8\\f1 \\'e8\\par}").telo[0].odsek.text(), QString::fromUtf8("čè"));
    // Without a charset the document's code page decides.
    EXPECT_EQ(citaj("{\\rtf1\\ansi\\ansicpg1250 \\'9e\\par}").telo[0].odsek.text(), QString::fromUtf8("ž"));

    // The fallback after \uN is skipped as many times as \uc says, and only that often.
    EXPECT_EQ(citaj("{\\rtf1 \\u269\\'e8x\\par}").telo[0].odsek.text(), QString::fromUtf8("čx"));
    EXPECT_EQ(citaj("{\\rtf1 \\uc0\\u269 x\\par}").telo[0].odsek.text(), QString::fromUtf8("čx"));
    EXPECT_EQ(citaj("{\\rtf1 \\uc2\\u269 abc\\par}").telo[0].odsek.text(), QString::fromUtf8("čc"));
    EXPECT_EQ(citaj("{\\rtf1 \\u-1279?\\par}").telo[0].odsek.text(), QString(QChar(0xFB01)));
    // A group boundary ends the skipping; \uc is scoped to its group.
    EXPECT_EQ(citaj("{\\rtf1 {\\uc3\\u269 a}bc\\par}").telo[0].odsek.text(), QString::fromUtf8("čbc"));
    // A surrogate pair written as two \u.
    EXPECT_EQ(citaj("{\\rtf1 \\u-10179?\\u-8694?\\par}").telo[0].odsek.text(), QString::fromUtf8("😊"));
}

TEST(RtfCitac, LexikalnePravidla)
{
    // The space after a control word is its delimiter; a second one is text.
    EXPECT_EQ(citaj("{\\rtf1 {\\b A}\\b0  B\\par}").telo[0].odsek.text(), QStringLiteral("A B"));
    // Line ends in the source are not text; a backslash before one is a paragraph end.
    const auto d = citaj("{\\rtf1 ab\r\ncd\\\r\nef\\par}");
    ASSERT_EQ(d.telo.size(), 2);
    EXPECT_EQ(d.telo[0].odsek.text(), QStringLiteral("abcd"));
    EXPECT_EQ(d.telo[1].odsek.text(), QStringLiteral("ef"));
    // Escaped braces and backslash, tab, line break, named symbols.
    EXPECT_EQ(citaj("{\\rtf1 \\{x\\}\\\\\\tab y\\line z\\emdash\\~\\par}").telo[0].odsek.text(),
              QString::fromUtf8("{x}\\\ty\u2028z—\u00A0"));
    // Unknown starred destinations and skipped ones leave no text; unknown words are ignored.
    EXPECT_EQ(citaj("{\\rtf1 {\\*\\nieco {skryte}}{\\stylesheet{\\s0 Normal;}}a\\neznameslovo5 b\\par}").telo[0].odsek.text(),
              QStringLiteral("ab"));
    // \bin data are not parsed.
    // (the three bytes "}{\\" are data, so the group does not end there)
    EXPECT_EQ(citaj("{\\rtf1 a\\bin3 }{\\b\\par}").telo[0].odsek.text(), QStringLiteral("ab"));
}

TEST(RtfCitac, ObrazokSaZachovaVcelku)
{
    const QByteArray obr = "{\\pict\\pngblip\\picw10\\pich10 89504e47{\\*\\blipuid 00}0d0a}";
    const auto d = citaj("{\\rtf1 pred" + obr + "po\\par}");
    ASSERT_EQ(d.telo.size(), 1);
    const auto& behy = d.telo[0].odsek.behy;
    ASSERT_EQ(behy.size(), 3);
    EXPECT_EQ(behy[1].druh, RtfBeh::Druh::Surove);
    EXPECT_EQ(behy[1].text.toLatin1(), obr);
    EXPECT_EQ(d.telo[0].odsek.text(), QStringLiteral("predpo"));
}

TEST(RtfCitac, ZlyVstupSaCitaKymSaDa)
{
    // Truncated anywhere: never a crash, the text read so far is kept.
    for (qsizetype n = 0; n <= kVzorovyDokument.size(); ++n)
        (void)RtfCitac::citaj(kVzorovyDokument.left(n));
    const auto useknuty = RtfCitac::citaj(kVzorovyDokument.left(kVzorovyDokument.indexOf("123,45") + 2));
    EXPECT_FALSE(useknuty.uplny);
    EXPECT_EQ(useknuty.dokument.telo.last().odsek.text(), QStringLiteral("Spolu: 12"));

    // A surplus closing brace ends the document.
    const auto skoro = RtfCitac::citaj("{\\rtf1 a\\par}b\\par}");
    EXPECT_EQ(skoro.dokument.text(), QStringLiteral("a\n"));

    // Deep nesting is read flat beyond the limit, and its text is still there.
    QByteArray hlboko = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i)
        hlboko += "{\\b ";
    hlboko += "dno";
    for (int i = 0; i < 100000; ++i)
        hlboko += "}";
    hlboko += "koniec\\par}";
    const auto h = RtfCitac::citaj(hlboko);
    EXPECT_EQ(h.dokument.text(), QStringLiteral("dnokoniec\n"));
    EXPECT_TRUE(h.uplny);

    // Huge numbers are clamped, not believed.
    const auto velke = citaj("{\\rtf1 \\fs99999999999999999999 \\cellx-99999999999 \\bin99999999999 x}");
    EXPECT_TRUE(velke.text().isEmpty());
    const auto pismo = citaj("{\\rtf1 \\fs99999999999999999999 A\\par}");
    ASSERT_EQ(pismo.telo.size(), 1);
    EXPECT_LE(pismo.telo[0].odsek.behy[0].format.velkost, 1638.0);

    // Cells without rows and rows without definitions.
    const auto bunky = citaj("{\\rtf1 \\intbl a\\cell b\\cell\\row\\pard c\\intbl d\\cell}");
    ASSERT_GE(bunky.telo.size(), 1);
    ASSERT_TRUE(bunky.telo[0].jeTabulka);
    EXPECT_EQ(bunky.telo[0].tabulka.riadky[0].bunky.size(), 2);
    EXPECT_LT(bunky.telo[0].tabulka.riadky[0].bunky[0].pravyOkraj, bunky.telo[0].tabulka.riadky[0].bunky[1].pravyOkraj);
}

TEST(RtfCitac, ObycajnyTextPoRiadkoch)
{
    const auto v = RtfCitac::citaj(QByteArray("prvý\r\ndruhý\n"));
    EXPECT_FALSE(v.jeRtf);
    EXPECT_EQ(v.dokument.text(), QString::fromUtf8("prvý\ndruhý\n"));
    // Not UTF-8: Windows-1250.
    EXPECT_EQ(RtfCitac::citaj(QByteArray("\x9e\x61")).dokument.text(), QString::fromUtf8("ža\n"));
}
