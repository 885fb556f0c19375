// Order and client records: layout tables, byte-exact round trips, older layouts.

#include "store/Objednavatel.h"
#include "store/Objednavka.h"

#include "ObjednavkaObrazy.h"

#include <gtest/gtest.h>

using namespace obrazy;

TEST(ObjednavkaZaznam, LayoutTablesCoverTheRecordsExactly)
{
    EXPECT_EQ(overRozlozenie(TObjednavka::rozlozenie(), TObjednavka::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TObjednavkaStara::rozlozenie(), TObjednavkaStara::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TObjednavatel::rozlozenie(), TObjednavatel::VELKOST), QString());
    EXPECT_EQ(overRozlozenie(TObjednavatelStary::rozlozenie(), TObjednavatelStary::VELKOST), QString());
}

TEST(ObjednavkaZaznam, ReadsEveryFieldAtItsOffset)
{
    const auto o = TObjednavka::zObrazu(objednavka('\x5A', "Okresn\xFD s\xFA" "d", "2C/15/2023"));
    EXPECT_EQ(o.Verzia, -1.0);
    EXPECT_EQ(o.CasZalozenia, 0.5);
    EXPECT_EQ(o.Meno, QStringLiteral("Okresný súd"));
    EXPECT_EQ(o.Adresa, QStringLiteral("Hlavná 1, Nitra"));
    EXPECT_EQ(o.TypCisla, 1);
    EXPECT_EQ(o.StatnyOrgan, 1);
    EXPECT_EQ(o.DruhUkonu, QStringLiteral("znalecký posudok"));
    EXPECT_EQ(o.TypPosudku, QStringLiteral("odhad"));
    EXPECT_EQ(o.DatumVyziadania, 45292.0);
    EXPECT_EQ(o.Poznamka, QStringLiteral("poznámka"));
    EXPECT_EQ(o.Podklad, QStringLiteral("podklad"));
    EXPECT_EQ(o.Predmet, QStringLiteral("predmet"));
    EXPECT_EQ(o.Ucel, QStringLiteral("účel"));
    EXPECT_EQ(o.Stav, 2);
    EXPECT_EQ(o.Cislo, QStringLiteral("2C/15/2023"));
}

TEST(ObjednavkaZaznam, ChangedFieldsAreWrittenOverTheImageAndEverythingElseStays)
{
    const QByteArray povodny = objednavka('\xA7', "Meno", "1");
    auto o = TObjednavka::zObrazu(povodny);
    EXPECT_EQ(o.obrazNaZapis(), povodny);

    o.Meno = QStringLiteral("Krajský súd v Bratislave");
    o.Stav = 1;
    o.Cislo = QString(60, QChar('x'));  // cut to 50
    const QByteArray novy = o.obrazNaZapis();
    ASSERT_EQ(novy.size(), 1344);
    Obraz cakany(0);
    cakany.b = povodny;
    cakany.str(24, "Krajsk\xFD s\xFA" "d v Bratislave").i32(1288, 1).str(1292, QByteArray(50, 'x'));
    EXPECT_EQ(novy, cakany.b);

    const auto znova = TObjednavka::zObrazu(novy);
    EXPECT_EQ(znova.Cislo.size(), 50);
    EXPECT_EQ(znova.Meno, o.Meno);
}

TEST(ObjednavkaZaznam, TextsAreCutToCapacityAndForeignCharactersBecomeQuestionMarks)
{
    TObjednavka o;
    o.Meno = QString(150, QChar(u'ž'));
    o.Poznamka = QStringLiteral("Cena 5 € — 中");
    const auto z = TObjednavka::zObrazu(o.obrazNaZapis());
    EXPECT_EQ(z.Meno, QString(100, QChar(u'ž')));
    EXPECT_EQ(z.Poznamka, QStringLiteral("Cena 5 € — ?"));
    // The neighbouring field is untouched by the long name.
    EXPECT_EQ(z.Adresa, QString());
}

TEST(ObjednavkaZaznam, LengthByteAboveCapacityIsReadAsTheCapacity)
{
    Obraz o(1344);
    o.b[1292] = char(200);  // Cislo, string[50], is the last field before one padding byte
    std::memset(o.b.data() + 1293, 'k', 50);
    const auto z = TObjednavka::zObrazu(o.b);
    EXPECT_EQ(z.Cislo, QString(50, QChar('k')));
}

TEST(ObjednavkaZaznam, OlderLayoutConvertsFieldByFieldWithReservedBytesCarriedOver)
{
    Obraz s(0);
    s.b = staraObjednavka('\0', "Okresn\xFD s\xFA" "d", "ABCDEFGHIJKLMNOPQRST", 0.75);
    // Reserved bytes with recognisable contents.
    for (int i = 8; i < 16; ++i)
        s.b[i] = char(0x10 + i);
    s.str(244, "rezerva50").str(295, "r1").str(316, "r2").str(337, "r3");

    const auto o = PrevedObjednavku(TObjednavkaStara::zObrazu(s.b));
    EXPECT_EQ(o.Verzia, 0.0);
    EXPECT_EQ(o.CasZalozenia, 0.75);
    EXPECT_EQ(o.Meno, QStringLiteral("Okresný súd"));
    EXPECT_EQ(o.Adresa, QStringLiteral("Hlavná 1, Nitra"));
    EXPECT_EQ(o.Cislo, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(o.TypCisla, 1);
    EXPECT_EQ(o.StatnyOrgan, 1);
    EXPECT_EQ(o.DruhUkonu, QStringLiteral("znalecký posudok"));
    EXPECT_EQ(o.TypPosudku, QStringLiteral("odhad"));
    EXPECT_EQ(o.DatumVyziadania, 45292.0);
    EXPECT_EQ(o.Poznamka, QStringLiteral("poznámka"));
    EXPECT_EQ(o.Podklad, QStringLiteral("podklad"));
    EXPECT_EQ(o.Predmet, QStringLiteral("predmet"));
    EXPECT_EQ(o.Ucel, QStringLiteral("účel"));
    EXPECT_EQ(o.Stav, 2);

    const QByteArray n = o.obrazNaZapis();
    EXPECT_EQ(n.mid(16, 8), s.b.mid(8, 8));
    EXPECT_EQ(n.mid(252, 51 + 3 * 21), s.b.mid(244, 51 + 3 * 21));
    // The old number's place is left empty.
    EXPECT_EQ(n.mid(226, 21), QByteArray(21, '\0'));
}

TEST(ObjednavkaZaznam, OlderNumberWithAnImpossibleLengthTakesOnlyItsTwentyCharacters)
{
    Obraz s(1284, 'q');
    s.b[218] = char(255);
    const auto o = PrevedObjednavku(TObjednavkaStara::zObrazu(s.b));
    EXPECT_EQ(o.Cislo, QString(20, QChar('q')));
}

TEST(ObjednavatelZaznam, RoundTripAndCapacities)
{
    const QByteArray povodny = objednavatel('\x33', "Exek\xFAtorsk\xFD \xFArad", 3);
    auto k = TObjednavatel::zObrazu(povodny);
    EXPECT_EQ(k.Meno, QStringLiteral("Exekútorský úrad"));
    EXPECT_EQ(k.Adresa, QStringLiteral("Námestie 2, Trnava"));
    EXPECT_EQ(k.Kategoria, Exekutori);
    EXPECT_EQ(k.ICO, QStringLiteral("12345678"));
    EXPECT_EQ(k.ICDPH, QStringLiteral("SK2020"));
    EXPECT_EQ(k.DIC, QStringLiteral("2020"));
    EXPECT_EQ(k.obrazNaZapis(), povodny);

    k.Adresa = QString(200, QChar('a'));
    k.ICO = QString(25, QChar('1'));
    const auto z = TObjednavatel::zObrazu(k.obrazNaZapis());
    EXPECT_EQ(z.Adresa.size(), 150);
    EXPECT_EQ(z.ICO.size(), 20);
    EXPECT_EQ(z.Kategoria, Exekutori);  // not overrun by the long address
    EXPECT_EQ(z.ICDPH, QStringLiteral("SK2020"));
}

TEST(ObjednavatelZaznam, OlderLayoutKeepsItsBytesAndGetsEmptyNumbers)
{
    const QByteArray s = staryObjednavatel('\x77', "Pol\xED" "cia", 2);
    const auto k = PrevedObjednavatela(TObjednavatelStary::zObrazu(s));
    EXPECT_EQ(k.Meno, QStringLiteral("Polícia"));
    EXPECT_EQ(k.Kategoria, Policajti);
    EXPECT_TRUE(k.ICO.isEmpty());
    EXPECT_TRUE(k.ICDPH.isEmpty());
    EXPECT_TRUE(k.DIC.isEmpty());
    const QByteArray n = k.obrazNaZapis();
    ASSERT_EQ(n.size(), 324);
    EXPECT_EQ(n.left(260), s);
}
