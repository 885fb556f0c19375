#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/KevrotCli.h"
#include "cli/VolbyCli.h"
#include "store/Cesty.h"
#include "store/DatovyAdresar.h"
#include "store/Spravy.h"
#include "store/ZdielaneSubory.h"

#include <QFileInfo>

int main(int argc, char* argv[])
{
    // Never shows a window; the GUI object only lends fonts to the PDF of the journal.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const QStringList argumenty = app.arguments().mid(1);
    const QString adresarProgramu = QCoreApplication::applicationDirPath();
    ZdielaneSubory::nastavAdresar(ZdielaneSubory::AdresarPreProgram(adresarProgramu));
    // Without --appdir: the program's data directory, made ready as the program does it.
    const DatovyAdresar::Volba volba = DatovyAdresar::Zvol(DatovyAdresar::ZProstredia({}, adresarProgramu));
    const RiadokCli riadok = RozoberRiadokCli(argumenty);
    const bool predvoleny = !riadok.appDir && riadok.chyba.isEmpty() && !riadok.prikaz.isEmpty()
                            && riadok.prikaz.first() != QLatin1String("where");
    if (predvoleny && !QFileInfo(volba.adresar).exists()) {
        if (const QString chyba = DatovyAdresar::Priprav(volba); !chyba.isEmpty()) {
            fprintf(stderr, "%s\n", chyba.toLocal8Bit().constData());
            return 2;
        }
        Cesty::nastavAppDir(volba.adresar);
        ZaznamnikSprav zaznamnik;
        PouziSpravy pouzi(&zaznamnik);
        ZdielaneSubory::DoplnDatovyAdresar();
        for (const QString& t : zaznamnik.texty())
            fprintf(stderr, "%s\n", t.toLocal8Bit().constData());
    }
    const VysledokCli v = SpustiKevrotCli(argumenty, volba.adresar, DatovyAdresar::TextPovodu(volba.povod));
    if (!v.vystup.isEmpty())
        fwrite(v.vystup.constData(), 1, size_t(v.vystup.size()), stdout);
    if (!v.chyba.isEmpty())
        fprintf(stderr, "%s\n", v.chyba.toLocal8Bit().constData());
    return v.kod;
}
