// The streamed journal JSON against QJsonDocument writing the same objects.
#include "cli/JsonZurnalu.h"

#include "common/TestAppDir.h"
#include "store/Cesty.h"
#include "store/Spravy.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

QString divnyText()
{
    QString s = QStringLiteral("\"\\/ é€ \x7f");
    for (char16_t c = 0; c < 0x20; ++c)
        s += QChar(c);
    s += QChar(0xD83D);  // an emoji's pair, then lone halves
    s += QChar(0xDE00);
    s += QChar(0xD800);
    s += u'x';
    s += QChar(0xDC00);
    return s;
}

}  // namespace

TEST(JsonZurnalu, EveryValueAsQJsonDocumentWritesIt)
{
    const double nekonecno = std::numeric_limits<double>::infinity();
    const QJsonValue hodnoty[] = {
        0.0, -0.0, 1.0, -1.0, 0.1, 12.5, -123.456, 99999.0, 100000.0, 999999.0, 1e6, 1234567.0, 1e15,
        9007199254740993.0, 1e21, 1e-7, 45678.25, std::nan(""), nekonecno, -nekonecno, 7, -2147483647 - 1,
        true, false, QString(), divnyText(), QJsonArray(), QJsonObject(),
        QJsonArray{1, QStringLiteral("a"), QJsonArray{}, QJsonObject{{QStringLiteral("z"), 1}, {QStringLiteral("A"), 2}}},
    };
    for (const QJsonValue& v : hodnoty) {
        QByteArray b = "{\n    \"k\": ";
        PripojJson(b, v, 1);
        b += "\n}\n";
        EXPECT_EQ(b, QJsonDocument(QJsonObject{{QStringLiteral("k"), v}}).toJson(QJsonDocument::Indented)) << v.toVariant().toString().toStdString();
    }
}

class JsonZurnaluRoka : public TestAppDir {};

TEST_F(JsonZurnaluRoka, SameBytesAsTheObjectsOfTheEntries)
{
    QDir().mkpath(Cesty::adresarRoka(2024));
    for (int c = 1; c <= 3; ++c) {
        TZnalKevrotZaznam z;
        z.PoradoveCislo = c;
        z.Rok = 2024;
        z.Meno = divnyText().left(60);
        z.UctovanaOdmena = 1234.5 * c;
        z.DatumVyziadania = 45300 + c;
        z.CestovneNahrady.Cesta = {QStringLiteral("Žilina"), QStringLiteral("\"Nitra\"")};
        z.CestovneNahrady.SpoluNaklady = 0.1 * c;
        QList<TVydavok> v(c - 1);
        for (auto& p : v) {
            p.Nazov = QStringLiteral("Položka\t1");
            p.Rozpis.resize(c);
        }
        QList<TVyplatenie> pl(c);
        QFile f(Zurnal::SuborZaznamu(c, 2024));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Zurnal::ObsahSuboru(z, v, pl));
    }
    // The second entry's items cut short: written without items and payments, and reported.
    QFile f2(Zurnal::SuborZaznamu(2, 2024));
    ASSERT_TRUE(f2.resize(TZnalKevrotZaznam::VELKOST + 10));
    Zurnal z;
    z.NacitajRok(2024);
    ASSERT_EQ(z.ZaznamyKevrota.size(), 3);

    QJsonArray zaznamy;
    for (const auto& r : std::as_const(z.ZaznamyKevrota)) {
        ObsahZaznamu o;
        if (!Zurnal::CitajSuborZaznamu(Zurnal::CestaZaznamu(r), o))
            o.vydavky.clear(), o.vyplatenia.clear();
        QJsonObject j = o.zaznam.doJson();
        j.insert(QStringLiteral("Subor"), QFileInfo(o.zaznam.Subor).fileName());
        QJsonArray vydavky, vyplatenia;
        for (const auto& v : std::as_const(o.vydavky))
            vydavky.append(v.doJsonSRozpisom());
        for (const auto& p : std::as_const(o.vyplatenia))
            vyplatenia.append(p.doJson());
        j.insert(QStringLiteral("Vydavky"), vydavky);
        j.insert(QStringLiteral("Vyplatenia"), vyplatenia);
        zaznamy.append(j);
    }
    const QStringList spravy{textProblemSoSuborom(Zurnal::SuborZaznamu(2, 2024))};
    const QByteArray ocakavane = QJsonDocument(QJsonObject{{QStringLiteral("ZaznamyKevrota"), zaznamy},
                                                           {QStringLiteral("messages"), QJsonArray::fromStringList(spravy)}})
                                     .toJson(QJsonDocument::Indented);
    EXPECT_EQ(JsonZurnalu(2024, [&] { return m_spravy.texty(); }), ocakavane);
}
