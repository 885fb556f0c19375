#pragma once
// Backups of the user's data set as one compressed archive (zip) with a manifest, kept in
// "Zaloha/" (the last 30 by default), and restored from, all or nothing.

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

#include "store/Vysledok.h"

struct ZalohaSubor {
    QString cesta;
    QDateTime cas;
    qint64 velkost = 0;
};

// What an archive holds, read before it is restored.
struct PrehladZalohy {
    bool citatelna = false;      // the archive could be read and every entry may be restored
    QString chyba;               // why not
    bool manifest = false;       // made by this program with its manifest
    QDateTime vytvorena;         // from the manifest, else the archive's time
    QString program;             // the program version that made it
    int suborov = 0;             // files to restore
    qint64 bajtov = 0;
    qint64 miesto = 0;           // what the files take on the disk
    QMap<int, int> zaznamyRokov; // year -> number of journal entries
    QStringList nevratene;       // files of the program in an older backup, never restored
    // "Záloha z d.M.yyyy H:mm: roky 2024 (12 záznamov), ...": for the confirmation.
    QString Popis() const;
};

namespace Zaloha {

inline constexpr int PredvolenyPocet = 30;
// The manifest's name in the archive and its format.
inline constexpr const char* MenoManifestu = "kevrot-zaloha.json";
inline constexpr int FormatManifestu = 1;

// The backup folder: "Zaloha" below AppDir unless the backup settings name another one.
QString Adresar();
// How many backups are kept.
int PocetUchovanych();
// Stores the folder (empty: the default) and the count in "Data/zaloha.ini".
bool UlozNastavenie(const QString& adresar, int pocet);

// The files a backup holds, relative to AppDir: the data set (DatovaSada::patri), year and
// document folders that are links included. What lies in the data directory, is neither
// data nor the program's own, and was left out goes to *vynechane ("<file>: <reason>").
QStringList SuboryNaZalohu(QStringList* vynechane = nullptr);

// Writes the archive with its manifest to `cesta` by the one atomic write, after reading it
// back. After a failure an older file of that name is untouched.
Vysledok Zapis(const QString& cesta, QStringList* vynechane = nullptr);

// A new backup in the backup folder ("kevrot-2026-12-10_081500.zip"), then the oldest of this
// program's own backups beyond the kept count are removed. The path, or the failure's message
// for the user. What was left out is reported as a warning.
HodnotaAleboChyba<QString> Vytvor(const QDateTime& cas = QDateTime::currentDateTime(), bool odstranitStare = true);

// The backups, newest first.
QList<ZalohaSubor> Zoznam();

// A backup is due when none was made today and a data file changed since the newest one.
bool JePotrebna(const QDateTime& teraz = QDateTime::currentDateTime());

// Reads the archive through without changing anything.
PrehladZalohy Prehlad(const QString& archiv);

// Replaces the data set by the archive's, all or nothing: every entry checked against the
// allow-list and the manifest and staged first; then the current state is backed up and the
// files switched. An archive without a manifest only with `bezManifestu` (after the user
// confirmed what it holds). After a failure, whose reason is the message for the user, the
// data are unchanged.
Vysledok Obnov(const QString& archiv, bool bezManifestu = false);

// Removes leftovers of interrupted backups in the backup folder.
void ZmazZvysky();

// For the holder of the lock at start: finishes a restore or transfer cut short, then removes
// the leftovers of writes of every shape below AppDir and in the backup folder. The text for
// the user when a change was finished or thrown away.
std::optional<QString> PoStarte();

}  // namespace Zaloha
