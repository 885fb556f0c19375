// PAY by square: the IBAN of a Slovak account, the code read back by an independent
// decoder (Python's base32hex, LZMA and CRC32) from the QR symbol that zbarimg scans, also
// from a page of the program's own PDF.

#include "editor/PlatbaFaktury.h"
#include "word/Dokument.h"
#include "word/PayBySquare.h"
#include "settings/Iban.h"
#include "common/Programy.h"
#include "common/TestAppDir.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// The fields of a code as decoded by Python, or one field "chyba: ..." when it is invalid.
QStringList dekodujPythonom(const QString& kod)
{
    const QString skript = QStringLiteral(R"(
import base64, json, lzma, sys, zlib
t = sys.stdin.read().strip()
b = base64.b32hexdecode(t + '=' * (-len(t) % 8))
n = b[2] | b[3] << 8
f = [{'id': lzma.FILTER_LZMA1, 'lc': 3, 'lp': 0, 'pb': 2, 'dict_size': 1 << 17}]
d = lzma.LZMADecompressor(lzma.FORMAT_RAW, filters=f).decompress(b[4:], n)
crc = int.from_bytes(d[:4], 'little')
if crc != zlib.crc32(d[4:]): sys.exit('chyba: crc')
print(json.dumps(d[4:].decode('utf-8').split('\t')))
)");
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("python3")), {QStringLiteral("-c"), skript});
    p.write(kod.toLatin1());
    p.closeWriteChannel();
    p.waitForFinished(60000);
    if (p.exitCode() != 0)
        return {QStringLiteral("chyba: ") + QString::fromUtf8(p.readAllStandardError())};
    QStringList polia;
    for (const auto& v : QJsonDocument::fromJson(p.readAllStandardOutput()).array())
        polia << v.toString();
    return polia;
}

PlatobnyPrikaz platba()
{
    PlatobnyPrikaz p;
    p.suma = 1234.5;
    p.splatnost = QDate(2024, 7, 31);
    p.variabilnySymbol = QStringLiteral("20240012");
    p.konstantnySymbol = QStringLiteral("0308");
    p.poznamka = QString::fromUtf8("Faktúra\t12/2024");
    p.iban = QStringLiteral("SK3112000000198742637541");
    p.prijemca = QString::fromUtf8("Ing. Ľudovít Šťastný");
    return p;
}

}  // namespace

TEST(Iban, ZoSlovenskehoUctuAUlozeny)
{
    const struct { const char* ucet; const char* banka; const char* iban; } pripady[] = {
        {"19-8742637541", "1200", "SK3112000000198742637541"},
        {"2918599669", "1100", "SK9611000000002918599669"},
        {"000019-8742637541", "1200", "SK3112000000198742637541"},
        {"SK31 1200 0000 1987 4263 7541", "", "SK3112000000198742637541"},
        {"19-8742637542", "1200", ""},       // check of the number fails
        {"18-8742637541", "1200", ""},       // check of the prefix fails
        {"1234567-8742637541", "1200", ""},  // prefix too long
        {"19-8742637541", "12", ""},         // bank code
        {"SK3212000000198742637541", "", ""},  // IBAN check digits
        {"", "1200", ""},
    };
    for (const auto& p : pripady) {
        const auto iban = Iban::preUcet(QString::fromLatin1(p.ucet), QString::fromLatin1(p.banka));
        EXPECT_EQ(iban.hodnotaAlebo({}), QString::fromLatin1(p.iban)) << p.ucet;
        EXPECT_EQ(iban.dovod().isEmpty(), iban.ok()) << p.ucet;
    }
}

class PayBySquareTest : public TestAppDir {
protected:
    static void SetUpTestSuite()
    {
        ZabezpecGuiAplikaciu();
    }
    void SetUp() override
    {
        TestAppDir::SetUp();
        for (const char* p : {"zbarimg", "python3", "pdftoppm"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(p)).isEmpty())
                GTEST_SKIP() << p << " is not installed (./kevrot.sh setup installs it)";
    }
    // What zbarimg reads from a picture.
    QString naskenuj(const QString& obrazok)
    {
        return VystupProgramu(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), obrazok}).trimmed();
    }
};

TEST_F(PayBySquareTest, KodZQrSymboluMaVsetkyPolia)
{
    const QString kod = PayBySquare::kod(platba());
    ASSERT_FALSE(kod.isEmpty());
    const QString png = cesta(QStringLiteral("qr.png"));
    ASSERT_TRUE(PayBySquare::qr(kod).save(png));
    const QString precitany = naskenuj(png);
    EXPECT_EQ(precitany, kod);

    const QStringList f = dekodujPythonom(precitany);
    const QStringList ocakavane{"", "1", "1", "1234.50", "EUR", "20240731", "20240012", "0308", "", "",
                                QString::fromUtf8("Faktúra 12/2024"), "1", "SK3112000000198742637541", "",
                                "0", "0", QString::fromUtf8("Ing. Ľudovít Šťastný"), "", ""};
    EXPECT_EQ(f, ocakavane);

    const auto p = PayBySquare::dekoduj(precitany);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->iban, platba().iban);
    EXPECT_EQ(p->splatnost, platba().splatnost);
    EXPECT_DOUBLE_EQ(p->suma, 1234.5);
}

TEST_F(PayBySquareTest, PoskodenyKodSaOdmietne)
{
    const QString kod = PayBySquare::kod(platba());
    QString zmeneny = kod;
    zmeneny[10] = zmeneny[10] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    for (const QString& zly : {zmeneny, kod.left(kod.size() / 2), QStringLiteral("WXYZ"), QString()})
        EXPECT_FALSE(PayBySquare::dekoduj(zly)) << zly.toStdString();
}

TEST_F(PayBySquareTest, ObrazokVDokumenteAjVPdf)
{
    Dokument d;
    d.vloz(QString::fromUtf8("Zaplaťte cez PAY by square:\r"));
    const QString kod = PayBySquare::kod(platba());
    d.vlozObrazok(PayBySquare::obrazok(PayBySquare::qr(kod), 1700));
    EXPECT_TRUE(d.rtf().contains("{\\pict\\pngblip"));
    ASSERT_TRUE(d.ulozAkoPdf(cesta(QStringLiteral("qr.pdf"))));
    VystupProgramu(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("150"),
                                        QStringLiteral("-singlefile"), cesta(QStringLiteral("qr.pdf")),
                                        cesta(QStringLiteral("strana"))});
    EXPECT_EQ(naskenuj(cesta(QStringLiteral("strana.png"))), kod);
}

TEST_F(PayBySquareTest, FakturaMaKodLenPriPrevodeAUcte)
{
    TNastavenia n;
    n.Meno = QString::fromUtf8("Ľudovít");
    n.Priezvisko = QString::fromUtf8("Šťastný");
    n.CisloUctu = QStringLiteral("19-8742637541");
    n.Banka = QStringLiteral("1200");
    UdajePlatby u{QString(), 120.0, QStringLiteral("7"), QStringLiteral("0308"), QDate(2024, 8, 1)};
    const struct { const char* sposob; const char* ucet; bool kod; } pripady[] = {
        {"prevodný príkaz", "19-8742637541", true}, {"neurčené", "19-8742637541", true},
        {"", "19-8742637541", true},                {"hotovosť", "19-8742637541", false},
        {"dobierka", "19-8742637541", false},       {"prevodný príkaz", "", false},
        {"prevodný príkaz", "19-8742637542", false},
    };
    for (const auto& p : pripady) {
        n.CisloUctu = QString::fromUtf8(p.ucet);
        u.sposobPlatby = QString::fromUtf8(p.sposob);
        Dokument d;
        d.vloz(QStringLiteral("Faktúra\r"));
        EXPECT_EQ(DoplnPlatobnyQr(d, n, u), p.kod) << p.sposob << " " << p.ucet;
        EXPECT_EQ(d.rtf().contains("\\pngblip"), p.kod) << p.sposob << " " << p.ucet;
    }
    // The invalid account was reported.
    EXPECT_EQ(m_spravy.spravy.size(), 1);

    n.CisloUctu = QStringLiteral("19-8742637541");
    u.sposobPlatby = QStringLiteral("prevodný príkaz");
    const auto platba = PlatbaFaktury(n, u);
    ASSERT_TRUE(platba);
    EXPECT_EQ(platba->iban, QStringLiteral("SK3112000000198742637541"));
    EXPECT_EQ(platba->prijemca, QString::fromUtf8("Ľudovít Šťastný"));
    EXPECT_EQ(platba->variabilnySymbol, QStringLiteral("7"));
    EXPECT_EQ(platba->splatnost, QDate(2024, 8, 1));
}
