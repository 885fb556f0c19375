#pragma once
// Which directory holds the user's data (AppDir). In this order: "--appdir DIR", the
// environment variable KEVROT_DATA, the program's own folder when it already holds a data
// set (a portable copy, the build tree), else $XDG_DATA_HOME/ZnaleckyKevrot
// (~/.local/share/ZnaleckyKevrot).

#include <QString>
#include <QStringList>

namespace DatovyAdresar {

enum class Povod { Prepinac, Premenna, Program, Xdg };

struct Vstup {
    QString prepinac;         // the DIR of "--appdir DIR", empty without it
    QString premenna;         // KEVROT_DATA
    QString adresarProgramu;  // the executable's folder
    QString xdgDataHome;      // XDG_DATA_HOME
    QString domov;            // HOME
};

struct Volba {
    QString adresar;  // absolute, clean
    Povod povod = Povod::Xdg;
};

Volba Zvol(const Vstup& vstup);

// The input of this process: KEVROT_DATA, XDG_DATA_HOME and HOME from the environment.
Vstup ZProstredia(const QString& prepinac, const QString& adresarProgramu);

// Whether a folder holds a data set: "nastavenia.dat", the folder "Data" or a year folder.
bool ObsahujeUdaje(const QString& adresar);

// Makes the chosen directory ready: "--appdir DIR" must exist, any other choice is created
// when missing. The error text, empty when the directory is there.
QString Priprav(const Volba& volba);

// Takes "--appdir DIR" out of the arguments into *adresar. False when DIR is missing.
bool VyberPrepinac(QStringList& argumenty, QString* adresar);

// How the directory was chosen, as `kevrot-cli where` and "O programe" say it.
QString TextPovodu(Povod povod);

}  // namespace DatovyAdresar
