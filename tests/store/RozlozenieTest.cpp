#include "store/Rozlozenie.h"

#include <gtest/gtest.h>

namespace {

struct TVnutorny : Zaznam<TVnutorny, 8> {
    qint32 A = 0;
    static const Rozlozenie<TVnutorny>& rozlozenie()
    {
        static const Rozlozenie<TVnutorny> r = {
            int32<TVnutorny>(0, "A", &TVnutorny::A),
            rezerva<TVnutorny>(4, 4),
        };
        return r;
    }
};

struct TSkusobny : Zaznam<TSkusobny, 48> {
    qint32 Cislo = 0;
    QString Meno;
    bool Priznak = false;
    double Suma = 0;
    QStringList Texty;
    TVnutorny Vnutro;
    static const Rozlozenie<TSkusobny>& rozlozenie()
    {
        using T = TSkusobny;
        static const Rozlozenie<T> r = {
            int32<T>(0, "Cislo", &T::Cislo),
            retazec<T>(4, 5, "Meno", &T::Meno),
            boolean<T>(10, "Priznak", &T::Priznak),
            vypln<T>(11, 5),
            dbl<T>(16, "Suma", &T::Suma),
            retazce<T>(24, 2, 3, "Texty", &T::Texty),
            blok<&T::Vnutro>(32, "Vnutro"),
            rezerva<T>(40, 8),
        };
        return r;
    }
};

QByteArray vzor()
{
    QByteArray b(48, '\0');
    for (int i = 0; i < 48; ++i)
        b[i] = char(0xA0 + i);
    b[0] = 7; b[1] = 0; b[2] = 0; b[3] = 0;
    b[4] = 3; b[5] = 'a'; b[6] = 'b'; b[7] = 'c';
    b[10] = 5;  // any non-zero byte is true
    double d = 2.5;
    memcpy(b.data() + 16, &d, 8);
    b[24] = 9;  // length above the capacity reads as the capacity
    b[25] = 'x'; b[26] = 'y'; b[27] = 'z';
    b[28] = 1; b[29] = 'q';
    b[32] = 1; b[33] = 0; b[34] = 0; b[35] = 0;
    return b;
}

}  // namespace

TEST(Rozlozenie, TableCoversTheRecordExactly)
{
    EXPECT_EQ(overRozlozenie(TSkusobny::rozlozenie(), TSkusobny::VELKOST), QString());
    auto zle = TSkusobny::rozlozenie();
    zle.erase(zle.begin() + 3);
    EXPECT_NE(overRozlozenie(zle, TSkusobny::VELKOST), QString());
}

TEST(Rozlozenie, ReadsFieldsAndWritesBackByteExact)
{
    const QByteArray b = vzor();
    const TSkusobny t = TSkusobny::zObrazu(b);
    EXPECT_EQ(t.Cislo, 7);
    EXPECT_EQ(t.Meno, QStringLiteral("abc"));
    EXPECT_TRUE(t.Priznak);
    EXPECT_DOUBLE_EQ(t.Suma, 2.5);
    EXPECT_EQ(t.Texty, (QStringList{QStringLiteral("xyz"), QStringLiteral("q")}));
    EXPECT_EQ(t.Vnutro.A, 1);
    EXPECT_EQ(t.obrazNaZapis(), b);
}

TEST(Rozlozenie, WritingChangesOnlyChangedFields)
{
    const QByteArray b = vzor();
    TSkusobny t = TSkusobny::zObrazu(b);
    t.Meno = QStringLiteral("Žofia");
    t.Vnutro.A = -2;
    const QByteArray o = t.obrazNaZapis();
    EXPECT_EQ(quint8(o[4]), 5);  // cut to the capacity
    EXPECT_EQ(o.mid(5, 5), QByteArray("\x8Eofia"));
    EXPECT_EQ(o.mid(32, 4), QByteArray("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(o.mid(36), b.mid(36));  // the nested reserve and the tail keep their bytes
    EXPECT_EQ(o.left(4), b.left(4));
    EXPECT_EQ(o.mid(10, 22), b.mid(10, 22));
}

TEST(Rozlozenie, ShortTextKeepsTheTailOfTheField)
{
    TSkusobny t = TSkusobny::zObrazu(vzor());
    t.Meno = QStringLiteral("z");
    const QByteArray o = t.obrazNaZapis();
    EXPECT_EQ(quint8(o[4]), 1);
    EXPECT_EQ(o[5], 'z');
    EXPECT_EQ(o.mid(6, 4), vzor().mid(6, 4));
    EXPECT_EQ(TSkusobny::zObrazu(o).Meno, QStringLiteral("z"));
}

TEST(Rozlozenie, NewRecordStartsFromZerosAndJsonNamesFields)
{
    TSkusobny t;
    t.Cislo = 1;
    t.Priznak = true;
    const QByteArray o = t.obrazNaZapis();
    EXPECT_EQ(o.size(), 48);
    EXPECT_EQ(o[10], 1);
    EXPECT_EQ(o.count('\0'), 46);
    const QJsonObject j = t.doJson();
    EXPECT_EQ(j.keys(), (QStringList{"Cislo", "Meno", "Priznak", "Suma", "Texty", "Vnutro"}));
    EXPECT_EQ(j["Texty"].toArray().size(), 2);
    EXPECT_EQ(j["Vnutro"].toObject()["A"].toInt(), 0);
}
