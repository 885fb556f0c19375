#pragma once
// Everything the program keeps in memory for one run, and the start-up loading that
// fills it. Windows and the command-line tool read these tables directly.

#include <QString>
#include <functional>

#include "remuneration/CiselnikPoloziek.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "settings/Vozidla.h"
#include "settings/Jazyky.h"
#include "settings/Nastavenia.h"
#include "settings/OdboryOdvetvia.h"
#include "store/Objednavky.h"
#include "store/Zurnal.h"

class Udaje {
public:
    OdboryOdvetvia odbory;
    Jazyky jazyky;
    Vozidla vozidla;
    PreddefinovaneTexty preddefTexty;
    CiselnikPoloziek polozky;
    Objednavky objednavky;
    Nastavenia nastavenia;
    Zurnal zurnal;

    using Stav = std::function<void(const QString&)>;

    // The start-up loading, in its fixed order: working directory, fields and branches,
    // languages, vehicles, headings, clients, the orders of `rok`, the item code list and
    // the settings. Problems are reported through the message service and loading goes on.
    void NacitajPriStarte(int rok, const Stav& stav = {});
};
