#pragma once
// kevrot-cli: reads and rewrites the program's files for users and scripts.
//   kevrot-cli [--appdir DIR] COMMAND [ARG]
// prints one JSON object on standard output.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct VysledokCli {
    int kod = 0;           // 0 the command ran, 2 usage error, 3 the program holds the data
    QByteArray vystup;     // JSON (UTF-8) for standard output
    QString chyba;         // text for standard error
};

// `argumenty` without the program name. `predvolenyAppDir`: the data directory used without
// --appdir, chosen as `povod` says (`where` prints it).
VysledokCli SpustiKevrotCli(const QStringList& argumenty, const QString& predvolenyAppDir,
                            const QString& povod = QStringLiteral("adresár programu"));

QString PouzitieKevrotCli();

// Whether the command line's command lays out text with fonts, and so needs a
// QGuiApplication; the others start faster with a QCoreApplication.
bool PotrebujePisma(const QStringList& argumenty);

// The tool's commands as its table lists them: name, part of the usage text, and whether it
// always changes the data (and so runs under the program's lock).
struct PrikazCli {
    QString nazov;
    QString pouzitie;
    bool zapisuje = false;
};
QList<PrikazCli> PrikazyKevrotCli();
