#pragma once
// The user's description lists of item dialogs: one text file per list code in "\Data\",
// one description a line, Windows-1250, lines ending in CR LF. No file ships; a list is
// created on its first save.

#include <QString>
#include <QStringList>

#include "store/Vysledok.h"

namespace ZoznamPopisov {

// List codes and their files: 1 tariff sub-items, 2 flat remuneration sub-items,
// 3 flat-expense breakdown, 4 flat and cash expenses, 5 contractual, 8 proportional.
// Empty for another code.
QString NazovSuboru(int kodZoznamu);
QString Subor(int kodZoznamu);

// The lines of the list's file; empty when the file does not exist or the code is
// unknown. An unreadable file is reported.
QStringList Nacitaj(int kodZoznamu);

// Writes the whole list; fails, with the message for the user, when it cannot be written or the
// code is unknown.
Vysledok Uloz(int kodZoznamu, const QStringList& popisy);

// Alphabetical order of the Slovak language, without regard to letter case.
void Zorad(QStringList& popisy);

// Adds a description that is not empty and not yet in the list (compared without regard
// to letter case) and sorts the list. True when the list changed.
bool Pridaj(QStringList& popisy, const QString& popis);

}  // namespace ZoznamPopisov
