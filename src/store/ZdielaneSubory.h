#pragma once
// The program's own shipped files (report layouts, templates, code lists, rate tables, legal
// texts, icon). An installed program has them in its share folder
// (/usr/share/znalecky-kevrot) and the user's data in the data directory (AppDir); a
// portable copy and the build tree keep both in one folder.

#include <QList>
#include <QString>

namespace ZdielaneSubory {

// The share folder of a program started from `adresarProgramu`: "../share/znalecky-kevrot"
// beside its bin folder when that exists, else the program's own folder.
QString AdresarPreProgram(const QString& adresarProgramu);

// Set once at start; empty (the default, and for tests) means AppDir itself.
void nastavAdresar(const QString& adresar);
QString Adresar();

// A file the program only reads ("\Data\stravne.csv", "\Zostavy\pr_znalec_kevrot.dfm"):
// the shipped one, or the data directory's when nothing of that name ships (a legal text
// the user put into Data).
QString subor(const QString& relativna);
// A template the user may replace ("\Zostavy\Faktura.dot"): the data directory's own copy
// when there is one, else the shipped one.
QString sablona(const QString& relativna);

// What the data directory receives from the shipped files: the files and folders the
// program or the user changes there. Everything else is read from the share folder.
// A new shipped file that users change is one more line here.
const QList<QString>& KopirovaneDoDat();

// Copies every item of KopirovaneDoDat() that is missing in AppDir as a whole (a folder
// with all its files), never replacing a file. Nothing to do when the share folder is
// AppDir. Returns the relative paths of the files copied; a file that cannot be copied is
// reported and the rest go on.
QStringList DoplnDatovyAdresar();

}  // namespace ZdielaneSubory
