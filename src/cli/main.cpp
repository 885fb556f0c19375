#include <QGuiApplication>
#include <cstdio>

#include "cli/KevrotCli.h"

int main(int argc, char* argv[])
{
    // Never shows a window; the GUI object only lends fonts to the PDF of the journal.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const VysledokCli v = SpustiKevrotCli(app.arguments().mid(1), QCoreApplication::applicationDirPath());
    if (!v.vystup.isEmpty())
        fwrite(v.vystup.constData(), 1, size_t(v.vystup.size()), stdout);
    if (!v.chyba.isEmpty())
        fprintf(stderr, "%s\n", v.chyba.toLocal8Bit().constData());
    return v.kod;
}
