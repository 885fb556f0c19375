#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/KevrotCli.h"
#include "cli/VolbyCli.h"
#include "store/CasovePasmo.h"
#include "store/Cesty.h"
#include "store/DatovyAdresar.h"
#include "store/Spravy.h"
#include "store/ZdielaneSubory.h"

#include <QFileInfo>

int main(int argc, char* argv[])
{
    CasovePasmoRaz();
    QStringList argumenty;
    for (int i = 1; i < argc; ++i)
        argumenty << QString::fromLocal8Bit(argv[i]);
    // Never shows a window; the GUI object only lends fonts to the commands that write PDFs
    // and documents.
    std::unique_ptr<QCoreApplication> app;
    if (PotrebujePisma(argumenty)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
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
