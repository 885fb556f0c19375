#pragma once
// The billing document ("Tlač vyúčtovania"), composed from scratch.

#include "editor/PodkladyDokladu.h"
#include "word/Dokument.h"

// The whole document with its page footer. `hlavicka` and `pata`: the header and footer
// files (used when they exist).
Dokument ZostavVyuctovanie(const PodkladyDokladu& p, const QString& hlavicka, const QString& pata);

// "Znalečné" for an expert, "Tlmočné" for an interpreter or translator.
QString SlovoOdmeny(qint32 druh);
// The signature line "Znalecký úkon prevzal dňa:...  Podpis:..." for the kind.
QString RiadokPrevzatia(qint32 druh);
