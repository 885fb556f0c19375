#pragma once
// What every command of kevrot-cli shares: what it is given, how it reads its year and
// entry number, and how its JSON answer and the messages it recorded become its result.

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

#include "cli/KevrotCli.h"
#include "store/Spravy.h"

namespace Cli {

// What a command is given: its arguments (the first is its name; without the options its
// usage line lists), the data directory, where that came from, and those options (null when
// the line broke their rules).
struct Volanie {
    const QStringList& a;
    const QString& appDir;
    const QString& zdroj;
    const QCommandLineParser* volby = nullptr;
};

// What the start of a writing command did (a change cut short, finished), for its messages.
QStringList& uvodneSpravy();

// The answer `j` with the messages recorded: exit code 0.
VysledokCli hotovo(QJsonObject j, const ZaznamnikSprav& zaznamnik);
// `text` and the usage text on standard error: exit code 2.
VysledokCli chybaPouzitia(const QString& text);

// Sets AppDir to `appDir` (made absolute).
void nastavAppDir(const QString& appDir);

// Runs `prikaz` on `appDir` with the messages recorded.
template <class F>
VysledokCli spusti(const QString& appDir, F prikaz)
{
    nastavAppDir(appDir);
    ZaznamnikSprav zaznamnik;
    PouziSpravy pouzi(&zaznamnik);
    return hotovo(prikaz(), zaznamnik);
}

// A year 1..9999; 0 for anything else.
int rokZ(const QString& text);
// Year and entry number at a[i] and a[i + 1] of a command of exactly `pocet` words;
// nothing when they are not a valid year and number.
std::optional<std::pair<int, int>> rokACislo(const QStringList& a, qsizetype pocet, qsizetype i);

}  // namespace Cli
