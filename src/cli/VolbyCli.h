#pragma once
// kevrot-cli's options: `--appdir DIR` before the command, and the options a command's usage
// line lists in brackets (`[--years 2011,2012]` takes a value, `[--no-texts]` does not).

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The line before the command: the directory given by --appdir (nothing without it), the
// command with its arguments, and a usage error. An unknown option before the command stands
// where the command would, as its word, so that it is reported as an unknown command.
struct RiadokCli {
    std::optional<QString> appDir;
    QStringList prikaz;
    QString chyba;
};
RiadokCli RozoberRiadokCli(const QStringList& argumenty);

// The options of one command. `argumenty` is the command's name with its positional
// arguments; `volby` the parsed options, or null when the line broke the rules of
// `pouzitie` (an unknown option, a missing or an unexpected value).
struct VolbyPrikazu {
    QStringList argumenty;
    std::shared_ptr<const QCommandLineParser> volby;
};
// `a`: the command's words, its name first; `pouzitie`: its usage line.
VolbyPrikazu RozoberVolbyPrikazu(const QStringList& a, const QString& pouzitie);
