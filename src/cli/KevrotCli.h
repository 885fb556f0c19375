#pragma once
// kevrot-cli: reads and rewrites the program's files for users and scripts.
//   kevrot-cli [--appdir DIR] COMMAND [ARG]
// prints one JSON object on standard output.

#include <QByteArray>
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
