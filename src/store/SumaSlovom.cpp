#include "SumaSlovom.h"

#include "Cisla.h"

#include <QStringList>

#include <cmath>

namespace {

const char16_t* const Cislovky[10] = {u"",     u"jeden", u"dva",   u"tri",  u"štyri",
                                      u"päť",  u"šesť",  u"sedem", u"osem", u"deväť"};

const char16_t* const Nasty[10] = {u"desať",    u"jedenásť",  u"dvanásť",   u"trinásť",
                                   u"štrnásť",  u"pätnásť",   u"šestnásť",  u"sedemnásť",
                                   u"osemnásť", u"devätnásť"};

QString slovo(int cislica) { return QString::fromUtf16(Cislovky[cislica]); }

// Up to three digits, the units last; a missing digit is -1.
QString skupina(int stovky, int desiatky, int jednotky)
{
    QString t;
    if (stovky == 1)
        t += QStringLiteral("sto");
    else if (stovky == 2)
        t += QStringLiteral("dvesto");
    else if (stovky >= 3)
        t += slovo(stovky) + QStringLiteral("sto");

    if (desiatky == 1)
        return t + QString::fromUtf16(Nasty[jednotky < 0 ? 0 : jednotky]);
    if (desiatky >= 2 && desiatky <= 4)
        t += slovo(desiatky) + QStringLiteral("dsať");
    else if (desiatky >= 5)
        t += slovo(desiatky) + QStringLiteral("desiat");

    if (jednotky > 0)
        t += slovo(jednotky);
    return t;
}

}  // namespace

QString SumaSlovom(const QString& cislice)
{
    if (cislice.isEmpty())
        return {};
    for (QChar c : cislice)
        if (c < u'0' || c > u'9')
            return {};
    QString t = cislice;
    while (t.size() > 1 && t.at(0) == u'0')
        t.remove(0, 1);
    if (t == QStringLiteral("0"))
        return t;
    if (t.size() > 9)
        return t + QStringLiteral(" eur");

    const qsizetype n = t.size();
    // d(1) is the units digit, d(9) the hundreds of millions; -1 where the number has none.
    const auto d = [&](int i) { return i <= n ? t.at(n - i).digitValue() : -1; };

    QString slova;
    if (n > 6) {
        const QString w = skupina(d(9), d(8), d(7));
        if (n == 7 && d(7) >= 2 && d(7) <= 4)
            slova += w + QStringLiteral("milióny");
        else if (n == 7 && d(7) == 1)
            slova += w + QStringLiteral("milión");
        else
            slova += w + QStringLiteral("miliónov");
    }
    if (n > 3) {
        QString w = skupina(d(6), d(5), d(4));
        if (w == QStringLiteral("dva"))
            w = QStringLiteral("dve");
        const bool nuly = d(4) <= 0 && d(5) <= 0 && d(6) <= 0;
        slova += nuly ? w : w + QStringLiteral("tisíc");
    }
    slova += skupina(d(3), d(2), d(1));
    return slova + QStringLiteral(" eur");
}

namespace {

// `pocet` with the noun's form for 1, 2 to 4 and the rest.
QString sPodstatnym(qint64 pocet, const QString& jeden, const QString& dva, const QString& tri, const QString& styri,
                    const QString& mnozne)
{
    switch (pocet) {
    case 1: return jeden;
    case 2: return dva;
    case 3: return tri;
    case 4: return styri;
    default: {
        QString t = SumaSlovom(QString::number(pocet));
        if (t.endsWith(QLatin1String(" eur")))
            t.chop(4);
        return t + u' ' + mnozne;
    }
    }
}

}  // namespace

QString SumaSlovomCenty(Centy suma)
{
    if (suma == 0)
        return QStringLiteral("nula eur");
    const Centy a = suma < 0 ? -suma : suma;
    QStringList casti;
    if (const qint64 eura = a / 100; eura > 0)
        casti << sPodstatnym(eura, QStringLiteral("jedno euro"), QStringLiteral("dve eurá"), QStringLiteral("tri eurá"),
                             QStringLiteral("štyri eurá"), QStringLiteral("eur"));
    if (const qint64 centy = a % 100; centy > 0)
        casti << sPodstatnym(centy, QStringLiteral("jeden cent"), QStringLiteral("dva centy"), QStringLiteral("tri centy"),
                             QStringLiteral("štyri centy"), QStringLiteral("centov"));
    const QString t = casti.join(u' ');
    return suma < 0 ? QStringLiteral("mínus ") + t : t;
}
