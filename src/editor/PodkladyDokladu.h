#pragma once
// What the billing documents are built from: the entry editor's field texts, the entry
// copy with its items and travel block, and the practitioner's settings.

#include <QList>

#include "editor/PoliaZaznamu.h"
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
    double sadzbaPozemky = TNastaveniePodielOdmena::PredvolenaSadzbaPozemky;
    QString hlavickaText;         // HlavickaText of the settings
};

// The caption of the number type (cmbObjednavkaTyp): "Číslo objednávky" or "Spisová značka".
QString TextTypuCisla(int typCisla);

// The documents of a stored entry, as the editor would build them right after opening it.
PodkladyDokladu PodkladyZoZaznamu(const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky,
                                  const TNastavenia& nastavenie, double sadzbaPozemky);
