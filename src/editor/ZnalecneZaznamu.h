#pragma once
// The entry editor's remuneration command ("Znalečné" / "Tlmočné"): the checks before the
// window opens, what it opens with, and what the entry takes back on "OK".

#include <QList>
#include <QString>

#include "editor/PoliaZaznamu.h"
#include "remuneration/UpravaVydavkov.h"
#include "store/ZnalKevrotZaznam.h"

class CiselnikPoloziek;

// The error that stops the command, or empty: a field and branch (expert) or a language,
// then the date of performance.
QString ChybaPredZnalecnym(int druhZnalca, const PoliaZaznamu& p, double datumVykonania);

// The window's copies: the entry's group, its items (pre-filled from the code list when
// empty), travel block, date, VAT rate and the stored-billings flag.
UpravaVydavkov PripravVydavky(const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky, int druhZnalca,
                              const PoliaZaznamu& p, double datumVykonania, double sadzbaDPH, bool platcaDPH,
                              const CiselnikPoloziek& ciselnik);

// The billed amounts and their label texts.
struct UctovaneSumy {
    double odmena = 0;
    double vydavky = 0;
    QString odmenaText;
    QString vydavkyText;
};

// "OK" of the window: the items (each with its sub-item count), the travel block, the flag
// and the two totals through the VAT breakdown (with VAT for a VAT payer).
UctovaneSumy PrevezmiVydavky(const UpravaVydavkov& u, TZnalKevrotZaznam& z, QList<TVydavok>& vydavky);
