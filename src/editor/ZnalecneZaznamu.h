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

// The billed amounts of the entry's items and travel block as the documents bill them
// (with VAT for a VAT payer), stored into the entry: after the window's "OK" and whenever
// the VAT rate, the payer status or the date of performance changes.
UctovaneSumy PrepocitajUctovane(TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky, bool platcaDPH,
                                double datumVykonania, double sadzbaDPH);

// The VAT rate an entry takes for its date of performance (today when it has none yet): the
// standard rate in force then for a VAT payer, `predvolena` without the rate table; 0 for a
// non-payer, who charges no VAT.
double SadzbaZaznamu(bool platcaDPH, double datumVykonania, double dnes, double predvolena);

// Beside the rate field: empty when the rate is the one in force on the date, else
// "iná ako zákonná sadzba 23 %" (nothing without the rate table or for a non-payer).
QString TextOdlisnejSadzby(bool platcaDPH, double sadzba, double datumVykonania, double dnes);
