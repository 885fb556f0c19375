#pragma once
// The one atomic write (Subory::ulozAtomicky) for writers that fill a file by its path
// (libraries that write files themselves), and the leftovers of earlier builds' writers.

#include <QString>

#include <functional>

#include "store/Vysledok.h"

namespace Subory {

// `zapis` gets the path of a temporary file of the one pattern beside `cesta`, writes it
// whole and says whether it did; the file is then synced and renamed over `cesta`. On
// failure nothing at `cesta` changed and the temporary file is gone.
Vysledok ulozAtomickyCez(const QString& cesta, const std::function<Vysledok(const QString& docasny)>& zapis);

// Leftovers of writers of earlier builds: ".<name>.xlsx.<12 hex>" of the spreadsheet export,
// "<backup>.zip.tmp-<8 hex>" of backups and ".obnova-<8 hex>" folders of restores. The
// start-up clean-up (zmazZvyskyUkladania) removes them with the leftovers of the one pattern.
bool jeStaryZvysok(const QString& meno);

}  // namespace Subory
