#pragma once
// Qt's own texts (standard buttons, file dialogs, context menus) in Slovak.

#include <QString>

// The directory of Qt's installed translations.
QString AdresarPrekladovQt();
// Installs Qt's Slovak translation from `adresar` into the application; false when the
// translation is not there (the texts stay English).
bool NacitajPrekladQt(const QString& adresar = AdresarPrekladovQt());
