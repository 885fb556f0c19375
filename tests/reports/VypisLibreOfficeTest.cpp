// The shipped extract template after a user saved it in LibreOffice Writer: every bookmark
// is still there and is filled.

#include "reports/VypisKevrota.h"
#include "word/RtfCitac.h"
#include "common/TestAppDir.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

TEST_F(TestAppDir, SablonaVypisuPoUlozeniVLibreOfficeMaVsetkyZalozky)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed (./kevrot.sh setup installs it)";
    const QString zdroj = cesta(QStringLiteral("vypis.dot"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/vypis.dot"), zdroj));
    QDir().mkpath(cesta(QStringLiteral("lo")));
    QProcess lo;
    lo.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + cesta(QStringLiteral("profil")),
                       QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("rtf"),
                       QStringLiteral("--outdir"), cesta(QStringLiteral("lo")), zdroj});
    ASSERT_TRUE(lo.waitForFinished(180000));
    const QString upravena = cesta(QStringLiteral("lo/vypis.rtf"));
    ASSERT_TRUE(QFileInfo::exists(upravena)) << lo.readAllStandardError().toStdString();

    TNastavenia n;
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QString::fromUtf8("Kováč");
    n.Adresa = QString::fromUtf8("Hlavná 1");
    n.EC = QStringLiteral("ABCDEF");
    n.Odbory = QStringLiteral("370000|");
    n.Odvetvia = QStringLiteral("370100|");
    const auto d = VypisKevrota(n, OdboryOdvetvia{}, {}, 2024).VytvorDokument(upravena);
    ASSERT_TRUE(d);
    const QStringList zalozky = d->zalozky();
    for (const char* z : {"znalec_meno", "znalec_adresa", "EC1", "EC2", "EC3", "EC4", "EC5", "EC6", "za_obdobie",
                          "znalecky_ukon1"})
        EXPECT_TRUE(zalozky.contains(QString::fromLatin1(z))) << z;
    const QString text = RtfCitac::citaj(d->rtf()).dokument.text();
    for (const QString& t : {QString::fromUtf8("Ján Kováč"), QString::fromUtf8("Hlavná 1, "),
                             QStringLiteral("A\tB\tC\tD\tE\tF"), QString::fromUtf8("1.1.2024 až 30.6.2024"),
                             QString::fromUtf8("0\t znaleckých úkonov pre štátne orgány")})
        EXPECT_TRUE(text.contains(t)) << t.toStdString() << "\n" << text.toStdString();
}
