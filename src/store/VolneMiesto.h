#pragma once
// Free space on the data's file system, asked before writing many files.

#include <QString>

#include "Vysledok.h"

namespace Subory {

// Free bytes on the file system of `cesta`; -1 when it cannot be asked.
qint64 volneMiesto(const QString& cesta);
// "Na disku s údajmi (<folder>) nie je dosť miesta: treba <n>, voľných je <m>."
QString textMaloMiesta(const QString& cesta, qint64 treba);
// The room a file of `velkost` bytes takes: whole blocks of 4 KiB.
inline qint64 naBloky(qint64 velkost) { return (velkost + 4095) / 4096 * 4096 + 4096 * (velkost == 0); }
// Whether there is room for `treba` bytes with a margin; otherwise the text why not.
Vysledok overMiesto(const QString& cesta, qint64 treba);

}  // namespace Subory
