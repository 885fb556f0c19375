#pragma once
// Backups of the whole data directory as one compressed archive (zip), verified after
// writing, kept in "Zaloha/" (the last 30 by default), and restored from.

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct ZalohaSubor {
    QString cesta;
    QDateTime cas;
    qint64 velkost = 0;
};

namespace Zaloha {

inline constexpr int PredvolenyPocet = 30;

// The backup folder: "Zaloha" below AppDir unless the backup settings name another one.
QString Adresar();
// How many backups are kept.
int PocetUchovanych();
// Stores the folder (empty: the default) and the count in "Data/zaloha.ini".
bool UlozNastavenie(const QString& adresar, int pocet);

// The files a backup holds, relative to AppDir: everything but the programs, the backup
// and working folders, the lock and temporary save files.
QStringList SuboryNaZalohu();

// Writes the archive to `cesta` through a temporary name, reads it back and compares every
// file's checksum before it takes the final name. False with the reason in *chyba; an
// older file of that name is then untouched.
bool Zapis(const QString& cesta, QString* chyba = nullptr);

// A new backup in the backup folder ("kevrot-2026-12-10_081500.zip"), then the oldest
// beyond the kept count are removed. The path, or nothing after reporting the failure.
std::optional<QString> Vytvor(const QDateTime& cas = QDateTime::currentDateTime(), bool odstranitStare = true);

// The backups, newest first.
QList<ZalohaSubor> Zoznam();

// A backup is due when none was made today and a data file changed since the newest one.
bool JePotrebna(const QDateTime& teraz = QDateTime::currentDateTime());

// Backs the current state up first, then replaces the data by the archive's files (data
// files the archive does not hold are removed, so the state is the archive's). Entries
// with unsafe paths are refused. False after reporting; nothing is replaced when the
// archive cannot be read whole.
bool Obnov(const QString& archiv);

}  // namespace Zaloha
