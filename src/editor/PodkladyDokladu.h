#pragma once
// What the billing documents are built from: the entry editor's field texts, the entry
// copy with its items and travel block, and the practitioner's settings.

#include <QHash>
#include <QList>

#include "editor/PoliaZaznamu.h"
#include "settings/NastaveniaEFaktury.h"
#include "settings/NastaveniaZaznamy.h"
#include "store/Vydavok.h"
#include "store/ZnalKevrotZaznam.h"

struct PodkladyDokladu {
    PoliaZaznamu polia;           // the editor's texts (Edit4, Edit16, Edit2 ...)
    TZnalKevrotZaznam zaznam;     // items' totals, travel block
    QList<TVydavok> vydavky;
    double datumVykonania = 0;    // the date of performance the editor holds
    double sadzbaDPH = 0;         // the rate the editor holds
    TNastavenia nastavenie;
    NastaveniaEFaktury eFaktura;  // IBAN, BIC, phone and e-mail of the practitioner
    double sadzbaPozemky = TNastaveniePodielOdmena::PredvolenaSadzbaPozemky;
    QString hlavickaText;         // HlavickaText of the settings
    QHash<qint32, QString> hlavickyDruhov;  // HlavickaDruhu by item kind, 100 travel costs
    QString textVyuctovania;      // the billing text file (may be missing)
    QString textFinancnaCiastka;  // the payment text file (may be missing)
    double dnes = 0;              // today's date
    double datumVystavenia = 0;   // the documents' issue date: the kept one, else today
};

// The caption of the number type (cmbObjednavkaTyp): "Číslo objednávky" or "Spisová značka".
QString TextTypuCisla(int typCisla);

// The heading of an item kind's group when the user has written none: "Znalečné" (an
// interpreter's and a translator's "Tlmočné"), "Náhrada výdavkov", "Náhrada za stratu času",
// "Cestovné náhrady" (key DruhVydavku::CestovneNahrady).
QString PredvolenaHlavickaDruhu(qint32 druh, qint32 druhZnalca);

class Nastavenia;
class PreddefinovaneTexty;

// Everything the commands take: the field texts, the entry copy (its date of performance
// and VAT rate as the editor holds them), the settings with empty document fonts filled in
// (DoplnPredvoleneFonty), the headings of the kinds, the working billing texts, today.
PodkladyDokladu PodkladyDokladov(const PoliaZaznamu& polia, const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky,
                                 Nastavenia& nastavenia, const PreddefinovaneTexty& hlavicky);

// The documents of a stored entry, as the editor would build them right after opening it;
// the billing texts are the working files, today is today.
PodkladyDokladu PodkladyZoZaznamu(const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky,
                                  const TNastavenia& nastavenie, double sadzbaPozemky);
