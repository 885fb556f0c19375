#include "EditorVolania.h"

#include "store/Spravy.h"
#include "store/Objednavka.h"

// The editors' windows are being written; until they are wired here the commands say so
// and change nothing.
bool UpravZaznamVEditore(QWidget*, Udaje&, UpravaZaznamu&, int)
{
    spravy().informacia(QStringLiteral("Funkcia zatiaľ nie je k dispozícii."));
    return false;
}

bool UpravObjednavkuVEditore(QWidget*, Udaje&, TObjednavka&, bool)
{
    spravy().informacia(QStringLiteral("Funkcia zatiaľ nie je k dispozícii."));
    return false;
}
