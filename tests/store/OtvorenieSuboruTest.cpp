// Which program opens a file, and what the user is told when none does.

#include "store/OtvorenieSuboru.h"

#include "common/TestAppDir.h"

#include <QFileInfo>

using OtvorenieSuboruTest = TestAppDir;

TEST_F(OtvorenieSuboruTest, WriterForRichTextCalcForWorkbooksElseTheDefaultAppElseAMessage)
{
    zapis("Tmp_doc/faktura.rtf", "{\\rtf1}");
    zapis("Tmp_doc/zakon.pdf", "%PDF-1.4");
    zapis("Tmp_doc/kevrot.xlsx", "PK");
    const QString rtf = cesta("Tmp_doc/faktura.rtf");
    const QString xlsx = cesta("Tmp_doc/kevrot.xlsx");
    const QString pdf = cesta("Tmp_doc/zakon.pdf");
    struct Pripad {
        QString subor;
        QStringList programy;   // executables on PATH
        bool predvolena;        // the desktop has a default application for the type
        QString program;        // expected; empty: the default application
        QStringList argumenty;
        QString vChybe;         // expected part of the message; empty: no message
    };
    const QList<Pripad> pripady{
        {rtf, {"lowriter", "libreoffice"}, true, "/usr/bin/lowriter", {rtf}, {}},
        {rtf, {"libreoffice"}, false, "/usr/bin/libreoffice", {"--writer", rtf}, {}},
        {rtf, {}, true, {}, {}, {}},
        {rtf, {}, false, {}, {}, "libreoffice-writer"},
        {xlsx, {"localc", "libreoffice"}, false, "/usr/bin/localc", {xlsx}, {}},
        {xlsx, {"libreoffice"}, false, "/usr/bin/libreoffice", {"--calc", xlsx}, {}},
        {xlsx, {"lowriter"}, false, {}, {}, "libreoffice-calc"},
        {pdf, {"lowriter"}, true, {}, {}, {}},
        {pdf, {"lowriter"}, false, {}, {}, "PDF"},
        {cesta("Tmp_doc/chyba.rtf"), {"lowriter"}, true, {}, {}, "neexistuje"},
    };
    for (const Pripad& p : pripady) {
        const auto najdi = [&](const QString& meno) {
            return p.programy.contains(meno) ? QStringLiteral("/usr/bin/") + meno : QString();
        };
        const auto predvolena = [&](const QString&) { return p.predvolena ? QStringLiteral("x.desktop") : QString(); };
        const SposobOtvorenia s = UrciOtvorenie(p.subor, najdi, predvolena);
        const std::string popis = (p.subor + " " + p.programy.join(',')).toStdString();
        EXPECT_EQ(s.program, p.program) << popis;
        EXPECT_EQ(s.argumenty, p.argumenty) << popis;
        if (p.vChybe.isEmpty()) {
            EXPECT_TRUE(s.chyba.isEmpty()) << popis << s.chyba.toStdString();
        } else {
            EXPECT_TRUE(s.chyba.contains(p.vChybe)) << popis << s.chyba.toStdString();
            EXPECT_TRUE(s.chyba.contains(QFileInfo(p.subor).fileName())) << popis;
        }
    }
}
