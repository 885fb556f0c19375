// Documents of the word-processor layer opened by a real word processor: each is converted
// to PDF by LibreOffice and every text must be there, in order.

#include "word/Dokument.h"
#include "common/TestAppDir.h"
#include "RtfVzorky.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString program(const QString& meno) { return QStandardPaths::findExecutable(meno); }

// PDF text of a document, or empty with a failure recorded.
QString textPdf(const QString& dokument)
{
    QTemporaryDir profil(QDir::tempPath() + QStringLiteral("/kevrot-lo-XXXXXX"));
    QTemporaryDir vystup;
    QProcess lo;
    lo.start(program(QStringLiteral("soffice")),
             {QStringLiteral("-env:UserInstallation=file://") + profil.path(), QStringLiteral("--headless"),
              QStringLiteral("--norestore"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
              QStringLiteral("--outdir"), vystup.path(), dokument});
    if (!lo.waitForFinished(180000)) {
        lo.kill();
        lo.waitForFinished();
        ADD_FAILURE() << "LibreOffice did not finish in time";
        return {};
    }
    const QString pdf = vystup.filePath(QFileInfo(dokument).completeBaseName() + QStringLiteral(".pdf"));
    if (!QFileInfo::exists(pdf)) {
        ADD_FAILURE() << "no PDF: " << lo.readAllStandardError().toStdString();
        return {};
    }
    // Keep the PDF for a look by hand.
    const QString kopia = QDir::tempPath() + QStringLiteral("/kevrot-") + QFileInfo(pdf).fileName();
    QFile::remove(kopia);
    QFile::copy(pdf, kopia);
    QProcess pt;
    pt.start(program(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pt.waitForFinished(60000);
    return QString::fromUtf8(pt.readAllStandardOutput());
}

void ocakavajVPoradi(const QString& text, const QStringList& casti)
{
    qsizetype od = 0;
    for (const auto& c : casti) {
        const qsizetype i = text.indexOf(c, od);
        ASSERT_GE(i, 0) << "missing or out of order: " << c.toStdString() << "\n--- PDF text ---\n"
                        << text.toStdString();
        od = i + c.size();
    }
}

class LibreOffice : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        if (program(QStringLiteral("soffice")).isEmpty() || program(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "LibreOffice or pdftotext is not installed (./kevrot.sh setup installs them)";
        QDir(m_adresar.path()).mkpath(QStringLiteral("Tmp_doc"));
    }
};

}  // namespace

TEST_F(LibreOffice, DokumentOdZaciatkuSTabulkouVlozenymSuboromAPatou)
{
    zapis("text_vyuctovania.rtf",
          "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}}\r\n"
          "\\pard\\qj\\f0\\fs24 Za vypracovanie znaleck\\'e9ho posudku {\\b \\'e8. 12/2024} vo veci "
          "{\\i ur\\'e8enia v\\'9aeobecnej hodnoty} \\'fa\\'e8tujem:\\par}\r\n");
    zapis("pata.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 Arial;}}\\pard\\qc\\f0\\fs16 "
                      "Ing. \\'8eofia Kr\\'e1\\'beov\\'e1, znalky\\'f2a, \\'8eilina\\par}");

    Dokument d;
    d.nastavZakladnePismo(QStringLiteral("Arial"), 11);
    d.nastavPismo(QStringLiteral("Arial"), 11);
    const auto zadavatel = d.pozicia();
    d.vloz(QString::fromUtf8("Zadávateľ: ; "));
    d.nastavTucne(true);
    d.vloz(QString::fromUtf8("Okresný súd Žilina\r ; Hurbanova 35, Žilina\r"));
    d.nastavTucne(false);
    TabulkaVolby vz;
    vz.sirkyStlpcov = {230, 230};
    vz.zarovnanieStlpcov = {std::nullopt, Zarovnanie::Vpravo};
    ASSERT_GE(d.textNaTabulku(zadavatel, vz), 0);
    d.novyOdsek();
    d.nastavPismo(QStringLiteral("Arial"), 14);
    d.nastavTucne(true);
    d.zarovnaj(Zarovnanie::Stred);
    d.vloz(QString::fromUtf8("Vec: Vyúčtovanie znaleckého úkonu: 12/2024\r"));
    d.nastavPismo(QStringLiteral("Arial"), 11);
    d.nastavTucne(false);
    d.zarovnaj(Zarovnanie::Dorovnat);
    ASSERT_TRUE(d.vlozSubor(cesta("text_vyuctovania.rtf"), true));
    d.zarovnaj(Zarovnanie::Vlavo);
    d.novyOdsek();
    d.nastavPismo(QStringLiteral("Arial"), 10);
    const auto polozky = d.pozicia();
    d.vloz(QString::fromUtf8("Položka ; Cena spolu\rZnalecký posudok ; 250,00 €\rCestovné náklady ; 34,20 €\r"
                             "Spolu ; 284,20 €\r"));
    TabulkaVolby vp;
    vp.sirkyStlpcov = {300, 155};
    vp.okrajeVnutri = vp.okrajeVonku = true;
    vp.tienovaneRiadky = {0, -1};
    vp.zarovnanieStlpcov = {std::nullopt, Zarovnanie::Vpravo};
    ASSERT_GE(d.textNaTabulku(polozky, vp), 0);
    d.nastavPismo(QStringLiteral("Arial"), 11);
    d.vloz(QString::fromUtf8("\rŽilina, dňa 5.3.2024\r"));
    ASSERT_TRUE(d.nastavPatu(cesta("pata.rtf"), true));
    const QString subor = cesta("Tmp_doc/vyuctovanie.doc");
    ASSERT_TRUE(d.ulozAko(subor));

    const QString pdf = textPdf(subor);
    ocakavajVPoradi(pdf, {QString::fromUtf8("Zadávateľ:"), QString::fromUtf8("Okresný súd Žilina"),
                          QString::fromUtf8("Hurbanova 35, Žilina"),
                          QString::fromUtf8("Vec: Vyúčtovanie znaleckého úkonu: 12/2024"),
                          QString::fromUtf8("Za vypracovanie znaleckého posudku č. 12/2024"),
                          QString::fromUtf8("všeobecnej hodnoty"), QString::fromUtf8("Položka"),
                          QString::fromUtf8("Cena spolu"), QString::fromUtf8("Znalecký posudok"),
                          QString::fromUtf8("250,00 €"), QString::fromUtf8("Cestovné náklady"),
                          QString::fromUtf8("34,20 €"), QString::fromUtf8("Spolu"), QString::fromUtf8("284,20 €"),
                          QString::fromUtf8("Žilina, dňa 5.3.2024"),
                          QString::fromUtf8("Ing. Žofia Krá\u013eová, znalkyňa, Žilina")});
}

TEST_F(LibreOffice, SablonaSoZalozkamiVyplnena)
{
    zapis("Zostavy/prijmovy_doklad.dot",
          "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\r\n"
          "\\pard\\qc\\f0\\fs28\\b PR\\'cdJMOV\\'dd POKLADNI\\'c8N\\'dd DOKLAD \\'e8. "
          "{\\*\\bkmkstart Cislo}{\\*\\bkmkend Cislo}\\par\r\n"
          "\\pard\\plain\\f0\\fs20\\trowd\\trgaph70\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\cellx3000"
          "\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\cellx9000\r\n"
          "\\pard\\intbl Prijat\\'e9 od:\\cell\\pard\\intbl {\\*\\bkmkstart prijate_od}{\\*\\bkmkend prijate_od}\\cell\\row\r\n"
          "\\trowd\\trgaph70\\clbrdrb\\brdrs\\brdrw10\\cellx3000\\clbrdrb\\brdrs\\brdrw10\\cellx9000\r\n"
          "\\pard\\intbl Suma:\\cell\\pard\\intbl\\qr {\\*\\bkmkstart suma}0{\\*\\bkmkend suma}\\cell\\row\r\n"
          "\\pard\\f0\\fs20 Slovom: {\\*\\bkmkstart suma_slovom}{\\*\\bkmkend suma_slovom}\\par\r\n"
          "\\pard Vyhotovil: {\\*\\bkmkstart Vyhotovil}{\\*\\bkmkend Vyhotovil}\\par}\r\n");
    auto d = Dokument::zoSablony(cesta("Zostavy/prijmovy_doklad.dot"));
    ASSERT_TRUE(d.has_value());
    const QList<QPair<QString, QString>> hodnoty = {
        {"Cislo", "12/2024"},
        {"prijate_od", QString::fromUtf8("Okresný súd Žilina, Hurbanova 35, {Žilina}")},
        {"suma", QString::fromUtf8("120,00 €")},
        {"suma_slovom", QString::fromUtf8("jednostodvadsať eur")},
        {"Vyhotovil", QString::fromUtf8("Ing. Žofia Kráľová")},
    };
    for (const auto& [zalozka, text] : hodnoty) {
        ASSERT_TRUE(d->chodNaZalozku(zalozka)) << zalozka.toStdString();
        d->vloz(text);
    }
    const QString subor = cesta("Tmp_doc/prijmovy_doklad.doc");
    ASSERT_TRUE(d->ulozAko(subor));

    const QString pdf = textPdf(subor);
    ocakavajVPoradi(pdf, {QString::fromUtf8("PRÍJMOVÝ POKLADNIČNÝ DOKLAD č. 12/2024"), QString::fromUtf8("Prijaté od:"),
                          QString::fromUtf8("Okresný súd Žilina, Hurbanova 35, {Žilina}"), QString::fromUtf8("Suma:"),
                          QString::fromUtf8("120,00 €"), QString::fromUtf8("Slovom: jednostodvadsať eur"),
                          QString::fromUtf8("Vyhotovil: Ing. Žofia Kráľová")});
    EXPECT_FALSE(pdf.contains(QStringLiteral("120,00 €0")));  // the bookmark's old content is gone
}
