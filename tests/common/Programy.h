#pragma once
// Tests that draw text or run the machine's tools (pdftotext, zbarimg, python3).

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

// A GUI application for fonts and pictures, made once for the whole test program.
inline void ZabezpecGuiAplikaciu()
{
    static int argc = 1;
    static char meno[] = "test";
    static char* argv[] = {meno, nullptr};
    if (!QGuiApplication::instance())
        new QGuiApplication(argc, argv);
}

// What a program of PATH prints on standard output, `vstup` given on its standard input.
inline QString VystupProgramu(const QString& program, const QStringList& argumenty, const QByteArray& vstup = {})
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(program), argumenty);
    p.write(vstup);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
