#pragma once
// Which files below AppDir make up the user's data set: what a backup holds, what a
// restore may write and what a transfer may bring. Paths are relative to AppDir with '/'.

#include <QString>

namespace DatovaSada {

// The settings files, the files of "Data/" (not the backup settings), the year folders'
// entry files (every "*.kvd"), orders files and document folders (one level), and the text
// folders. Program files, "qt.conf", libraries and anything else are not data.
bool patri(const QString& rel);

// The program's own working places, never data and never reported as left out: "Tmp_doc",
// "Zaloha", the lock file, the staging folder of a switch and leftovers of writes. (The
// backup settings are neither data nor working files: never backed up, never restored.)
bool jePracovne(const QString& rel);

// Files shipped with the program (layouts and templates of "Zostavy/", the icon): found in
// backups of earlier builds, never restored.
bool jeDodavany(const QString& rel);

// The backup settings ("Data/zaloha.ini"): never in a backup, never restored.
inline constexpr const char* NastavenieZaloh = "Data/zaloha.ini";

}  // namespace DatovaSada
