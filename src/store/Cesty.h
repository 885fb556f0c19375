#pragma once
#include <QString>

// Every path of the program is AppDir followed by a relative path written the way the
// program's files are named ("\Data\odbory.dat"); backslashes become '/'.
namespace Cesty {

void nastavAppDir(const QString& adresar);
const QString& AppDir();

// AppDir + relative path, with separators of this system.
QString cesta(const QString& relativna);

// "\ZnalKevrot" + year, below AppDir.
QString adresarRoka(int rok);

// The one spelling of the working directory.
inline constexpr const char* TmpDoc = "\\Tmp_doc";
QString tmpDoc();

// Creates one directory level (the parent must exist). True when it exists afterwards.
bool vytvorJednuUroven(const QString& adresar);

}  // namespace Cesty
