// The shipped templates in a real word processor: letters filled the way the order editor
// fills them (the header's source pasted in) and a billing document with the header,
// billing and payment texts and footer are converted to PDF; every text must be there,
// in order, with its Slovak letters, and no RTF source may show.

#include "word/Dokument.h"
#include "word/RtfZastupcovia.h"
#include "common/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString Koren = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/ZnaleckyKevrot texty/");

// A shipped file, by its path below the texts' folder.
QByteArray dodany(const QString& relativna)
{
    QFile f(Koren + relativna);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray vyplnenyList(const QString& sablona, const QString& kraj)
{
    QByteArray zdroj = dodany(sablona);
    zdroj.replace("$ZNALEC_HLAVICKA$", dodany("hlavicka_vyuctovania.rtf"));
    return RtfZastupcovia::nahrad(zdroj, {
        {"$DATUM_VYZIAD$", "12.3.2024"},
        {"$ZADAVATEL_MENO$", QString::fromUtf8("Okresný súd ") + kraj},
        {"$ZADAVATEL_ADRESA$", QString::fromUtf8("Námestie {hrdinov} 7")},
        {"$ZNALEC_MENO$", QString::fromUtf8("Ing. Ľubica Šťastná")},
        {"$ZNALEC_ADRESA$", QString::fromUtf8("Hlavná 5, 040 01 Košice")},
        {"$ZNALEC_MESTO$", QString::fromUtf8("Košice")},
        {"$ZNALEC_PATA$", QString()},
        {"$DNES$", "5.4.2024"},
        {"$CISLO_UCTU$", "1234567890/0900"},
        {"$OBJEDNAVKA$", "3C 145/2024"},
    });
}

// The PDF's text with all white space as single blanks; empty when conversion failed.
QString textPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// The texts appear in this order; the first one missing is returned.
QString chybajuci(const QString& text, const QStringList& poradie)
{
    qsizetype od = 0;
    for (const QString& t : poradie) {
        const qsizetype i = text.indexOf(t, od);
        if (i < 0)
            return t;
        od = i + t.size();
    }
    return {};
}

class DodaneTextyLibreOffice : public TestAppDir {};

}  // namespace

TEST_F(DodaneTextyLibreOffice, ListyAVyuctovanieSaZobraziaCelePoSlovensky)
{
    const QString lo = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (lo.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "libreoffice or pdftotext is not installed";

    zapis("list_znalec.rtf", vyplnenyList("Korespondencia - objednavky/Potvrdenie prijatia objednávky.rtf",
                                          QString::fromUtf8("Žilina")));
    zapis("list_tlmocnik.rtf", vyplnenyList("Korespondencia - objednavky (tlmocnik)/Potvrdenie prijatia objednávky.rtf",
                                            QString::fromUtf8("Trenčín")));
    zapis("list_prekladatel.rtf", vyplnenyList("Korespondencia - objednavky (prekladatel)/Sprievodný list k prekladu.rtf",
                                               QString::fromUtf8("Poprad")));

    Dokument d;
    d.nastavZakladnePismo(QStringLiteral("Times New Roman"), 12);
    const auto od = d.pozicia();
    ASSERT_TRUE(d.vlozSubor(Koren + "hlavicka_vyuctovania.rtf"));
    TabulkaVolby volby;
    volby.okrajSpodny = true;
    ASSERT_GE(d.textNaTabulku(od, volby), 0);
    d.vloz(QString::fromUtf8("\rVec: Vyúčtovanie tlmočníckeho úkonu: 7/2024\r"));
    const QList<Zastupca> z = {{"$CISLO$", "7/2024"}, {"$UKON$", QString::fromUtf8("tlmočenie")},
                               {"$PREDMET$", QString::fromUtf8("výsluch svedka")}, {"$OBJEDNAVKA$", "2T 18/2024"},
                               {"$VARIAB_SYMBOL$", "72024"}, {"$CISLO_UCTU$", "1234567890/0900"},
                               {"$SPLATNOST$", "14"}, {"$DATUM_SPLATNOSTI$", "20.3.2024"}};
    zapis("text.rtf", RtfZastupcovia::nahrad(dodany("Text vyuctovania (tlmocnik)/Tlmočnícky úkon pre súd.rtf"), z));
    zapis("platba.rtf", RtfZastupcovia::nahrad(dodany("Text vyuctovania - financna ciastka (tlmocnik)/Úhrada na účet.rtf"), z));
    ASSERT_TRUE(d.vlozSubor(cesta("text.rtf")));
    ASSERT_TRUE(d.vlozSubor(cesta("platba.rtf")));
    ASSERT_TRUE(d.nastavPatu(Koren + "pata_vyuctovania.rtf"));
    ASSERT_TRUE(d.ulozAko(cesta("vyuctovanie.doc")));

    QProcess p;
    p.setWorkingDirectory(m_adresar.path());
    const QStringList subory = {"list_znalec.rtf", "list_tlmocnik.rtf", "list_prekladatel.rtf", "vyuctovanie.doc"};
    p.start(lo, QStringList{"-env:UserInstallation=file://" + cesta("lo-profil"), "--headless",
                            "--convert-to", "pdf", "--outdir", cesta("pdf")} + subory);
    ASSERT_TRUE(p.waitForFinished(240000)) << "libreoffice did not finish";

    const QString hlavicka = QString::fromUtf8("Titul Meno Priezvisko zapísaný v zozname znalcov, tlmočníkov a prekladateľov");
    const QString vyhlaska = QString::fromUtf8("č. 491/2004 Z. z. o odmenách, náhradách výdavkov a náhradách za stratu času");
    const QMap<QString, QStringList> ocakavane = {
        {"list_znalec", {hlavicka, QString::fromUtf8("Okresný súd Žilina Námestie {hrdinov} 7"),
                         QString::fromUtf8("Košice, dňa 5.4.2024"),
                         QString::fromUtf8("Vec: Potvrdenie prijatia objednávky č. 3C 145/2024"),
                         QString::fromUtf8("zo dňa 12.3.2024 na vykonanie znaleckého úkonu"), vyhlaska,
                         "1234567890/0900.", "S pozdravom", QString::fromUtf8("Ing. Ľubica Šťastná znalec")}},
        {"list_tlmocnik", {hlavicka, QString::fromUtf8("Okresný súd Trenčín"), QString::fromUtf8("na tlmočenie"),
                           QString::fromUtf8("Tlmočné, náhradu výdavkov"), QString::fromUtf8("Šťastná tlmočník")}},
        {"list_prekladatel", {QString::fromUtf8("Ing. Ľubica Šťastná Hlavná 5, 040 01 Košice Okresný súd Poprad"),
                              QString::fromUtf8("Vec: Vyúčtovanie prekladateľského – objednávka č. 3C 145/2024"),
                              QString::fromUtf8("úradný preklad"), QString::fromUtf8("Šťastná prekladateľ"),
                              QString::fromUtf8("preklad s prekladateľskou doložkou")}},
        {"vyuctovanie", {hlavicka, QString::fromUtf8("Vec: Vyúčtovanie tlmočníckeho úkonu: 7/2024"),
                         QString::fromUtf8("sp. zn. 2T 18/2024 bol vykonaný tlmočnícky úkon č. 7/2024 – tlmočenie"),
                         QString::fromUtf8("si uplatňujem tlmočné"),
                         QString::fromUtf8("na účet č. 1234567890/0900 s variabilným symbolom 72024"),
                         QString::fromUtf8("Bankové spojenie:")}},
    };
    for (auto it = ocakavane.begin(); it != ocakavane.end(); ++it) {
        const QString text = textPdf(cesta("pdf/" + it.key() + ".pdf"));
        ASSERT_FALSE(text.isEmpty()) << it.key().toStdString() << ": no PDF or no text";
        EXPECT_EQ(chybajuci(text, it.value()), QString()) << it.key().toStdString() << ":\n" << text.toStdString();
        for (const char* zdroj : {"$", "rtf1", "fonttbl", "\\par", "Times New Roman;"})
            EXPECT_FALSE(text.contains(QLatin1String(zdroj))) << it.key().toStdString() << " shows " << zdroj;
    }
}
