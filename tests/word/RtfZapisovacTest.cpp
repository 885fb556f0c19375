#include "word/RtfCitac.h"
#include "word/RtfText.h"
#include "word/RtfZapisovac.h"
#include "RtfVzorky.h"

#include <gtest/gtest.h>

namespace {

RtfBeh beh(const QString& text, RtfFormat f = {})
{
    RtfBeh b;
    b.text = text;
    b.format = f;
    return b;
}

RtfDokument spatne(const RtfDokument& d)
{
    const QByteArray rtf = RtfZapisovac::zapis(d);
    const auto v = RtfCitac::citaj(rtf);
    EXPECT_TRUE(v.jeRtf);
    EXPECT_TRUE(v.uplny) << rtf.constData();
    return v.dokument;
}

}  // namespace

TEST(RtfText, EscapovanieHodnot)
{
    EXPECT_EQ(RtfText::escapuj(QStringLiteral("a\\b{c}d")), QByteArray("a\\\\b\\{c\\}d"));
    EXPECT_EQ(RtfText::escapuj(QString::fromUtf8("Čašník €")), QByteArray("\\'c8a\\'9an\\'edk \\'80"));
    // Outside Windows-1250: \uN with a "?" for readers without Unicode, signed 16 bits.
    EXPECT_EQ(RtfText::escapuj(QString::fromUtf8("ñ")), QByteArray("\\u241?"));
    EXPECT_EQ(RtfText::escapuj(QString(QChar(0xFB01))), QByteArray("\\u-1279?"));
    EXPECT_EQ(RtfText::escapuj(QString::fromUtf8("😊")), QByteArray("\\u-10179?\\u-8694?"));
    EXPECT_EQ(RtfText::escapuj(QStringLiteral("a\tb\nc")), QByteArray("a\\tab b\\line c"));
    // Everything written is 7-bit.
    for (char c : RtfText::escapujUnicode(QString::fromUtf8("Ľúbica Ťažká – „áno“ ñ 中")))
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_EQ(RtfText::escapujUnicode(QString::fromUtf8("č€ñ")), QByteArray("\\u269\\'e8\\u8364\\'80\\u241?"));
}

TEST(RtfZapisovac, EscapovanyTextSaPrecitaSpat)
{
    const QString hodnota = QString::fromUtf8("{a}\\b ťažké ñ 中 😊 \\'e8 \\par } {");
    for (const auto& zapis : {RtfText::escapuj(hodnota), RtfText::escapujUnicode(hodnota)}) {
        const auto d = RtfCitac::citaj("{\\rtf1\\ansi\\ansicpg1250\\uc1 " + zapis + "\\par}");
        ASSERT_EQ(d.dokument.telo.size(), 1);
        // Characters outside the code page survive only through \u; "?" is their fallback.
        EXPECT_EQ(d.dokument.telo[0].odsek.text(), hodnota);
    }
}

TEST(RtfZapisovac, KostraSubory)
{
    RtfDokument d;
    RtfOdsek o;
    o.behy << beh(QString::fromUtf8("Dobrý deň"));
    d.telo << RtfBlok::zOdseku(o);
    const QByteArray rtf = RtfZapisovac::zapis(d);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
    EXPECT_TRUE(rtf.contains("\\fcharset238 Times New Roman;"));
    EXPECT_TRUE(rtf.contains("\\uc1"));
    for (char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    int hlbka = 0;
    for (char c : rtf.left(rtf.lastIndexOf('}')))
        hlbka += c == '{' ? 1 : c == '}' ? -1 : 0;
    EXPECT_EQ(hlbka, 1);  // only the document's own group is open before its last brace
}

TEST(RtfZapisovac, OkruhZachovaTextAFormatovanie)
{
    const RtfDokument povodny = RtfCitac::citaj(kVzorovyDokument).dokument;
    const RtfDokument d = spatne(povodny);
    EXPECT_EQ(d.text(), povodny.text());
    EXPECT_EQ(RtfDokument::textBlokov(d.pata), RtfDokument::textBlokov(povodny.pata));
    ASSERT_EQ(d.telo.size(), povodny.telo.size());
    for (int i = 0; i < d.telo.size(); ++i) {
        ASSERT_EQ(d.telo[i].jeTabulka, povodny.telo[i].jeTabulka);
        if (!d.telo[i].jeTabulka) {
            const auto& a = d.telo[i].odsek;
            const auto& b = povodny.telo[i].odsek;
            EXPECT_EQ(a.zarovnanie, b.zarovnanie) << i;
            EXPECT_EQ(a.odrazka, b.odrazka) << i;
            EXPECT_EQ(a.odsadenieVlavo, b.odsadenieVlavo) << i;
            EXPECT_EQ(a.odsadeniePrvehoRiadku, b.odsadeniePrvehoRiadku) << i;
            EXPECT_EQ(a.medzeraZa, b.medzeraZa) << i;
            ASSERT_EQ(a.behy.size(), b.behy.size()) << i;
            for (int j = 0; j < a.behy.size(); ++j) {
                EXPECT_EQ(a.behy[j].druh, b.behy[j].druh);
                EXPECT_EQ(a.behy[j].text, b.behy[j].text);
                EXPECT_EQ(a.behy[j].format, b.behy[j].format) << i << " " << j;
            }
            continue;
        }
        const auto& ta = d.telo[i].tabulka;
        const auto& tb = povodny.telo[i].tabulka;
        ASSERT_EQ(ta.riadky.size(), tb.riadky.size());
        for (int r = 0; r < ta.riadky.size(); ++r) {
            ASSERT_EQ(ta.riadky[r].bunky.size(), tb.riadky[r].bunky.size());
            for (int c = 0; c < ta.riadky[r].bunky.size(); ++c) {
                const auto& ca = ta.riadky[r].bunky[c];
                const auto& cb = tb.riadky[r].bunky[c];
                EXPECT_EQ(ca.pravyOkraj, cb.pravyOkraj);
                EXPECT_EQ(ca.okraje, cb.okraje);
                EXPECT_EQ(ca.tienovanie, cb.tienovanie);
                EXPECT_EQ(ca.pozadie, cb.pozadie);
                EXPECT_EQ(ca.text(), cb.text());
                EXPECT_EQ(ca.odseky[0].zarovnanie, cb.odseky[0].zarovnanie);
            }
        }
    }
    // Written again, the same bytes: nothing drifts from one save to the next.
    EXPECT_EQ(RtfZapisovac::zapis(d), RtfZapisovac::zapis(spatne(d)));
}

TEST(RtfZapisovac, FormatyBehovAZnackyOdseku)
{
    RtfDokument d;
    d.predvolenePismo = QStringLiteral("Arial");
    d.predvolenaVelkost = 11;
    RtfOdsek o;
    RtfFormat f;
    f.pismo = QStringLiteral("Courier New");
    f.velkost = 9.5;
    f.podciarknute = true;
    f.farba = QColor(0, 0, 255);
    o.behy << beh(QStringLiteral("modrý"), f) << beh(QStringLiteral(" predvolený"));
    d.telo << RtfBlok::zOdseku(o);
    RtfOdsek prazdny;
    prazdny.znacka.velkost = 20;
    d.telo << RtfBlok::zOdseku(prazdny);

    const auto r = spatne(d);
    ASSERT_EQ(r.telo.size(), 2);
    ASSERT_EQ(r.telo[0].odsek.behy.size(), 2);
    EXPECT_EQ(r.telo[0].odsek.behy[0].format, f);
    EXPECT_EQ(r.telo[0].odsek.behy[1].format.pismo, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(r.telo[0].odsek.behy[1].format.velkost, 11);
    EXPECT_DOUBLE_EQ(r.telo[1].odsek.znacka.velkost, 20);
    EXPECT_EQ(r.predvolenePismo, QStringLiteral("Arial"));
}

TEST(RtfZapisovac, SuroveSkupinyAZalozkyPrejduBezZmeny)
{
    const QByteArray obr = "{\\*\\shppict{\\pict\\pngblip\\picw1\\pich1 89504e470d0a}}";
    const auto d = RtfCitac::citaj("{\\rtf1 a" + obr + "{\\*\\bkmkstart X_1}b{\\*\\bkmkend X_1}\\par}").dokument;
    const QByteArray znova = RtfZapisovac::zapis(d);
    EXPECT_TRUE(znova.contains(obr));
    EXPECT_TRUE(znova.contains("{\\*\\bkmkstart X_1}"));
    EXPECT_TRUE(znova.contains("{\\*\\bkmkend X_1}"));
}

TEST(RtfZapisovac, BunkyRastuAjPriZlychSirkach)
{
    RtfDokument d;
    RtfTabulka t;
    RtfRiadok r;
    for (int okraj : {500, 300, 300}) {
        RtfBunka b;
        b.pravyOkraj = okraj;
        r.bunky << b;
    }
    t.riadky << r;
    d.telo << RtfBlok::zTabulky(t);
    const auto s = spatne(d);
    ASSERT_EQ(s.telo.size(), 1);
    const auto& bunky = s.telo[0].tabulka.riadky[0].bunky;
    ASSERT_EQ(bunky.size(), 3);
    EXPECT_LT(bunky[0].pravyOkraj, bunky[1].pravyOkraj);
    EXPECT_LT(bunky[1].pravyOkraj, bunky[2].pravyOkraj);
}
