#pragma once
// The year's billed and paid sums over a chosen set of entries.

#include <QStringList>

#include <optional>

#include "store/Centy.h"

class Zurnal;

enum class VolbaFinancii {
    Ziadna,           // nothing chosen: no entry counts
    Vsetky,           // "všetky"
    Osoba,            // "Právnická alebo fyzická osoba"
    StatnyOrgan,      // "Štátny orgán"
    DatumVykonania,   // "dátum vykonania" within the range
    DatumVyplatenia,  // "dátum vyplatenia": entries with a payment dated within the range
};

struct SumyFinancii {
    double odmena = 0.0;     // billed remuneration
    double vydavky = 0.0;    // billed expenses
    double vyplatene = 0.0;  // payments received
    double priznana = 0.0;   // awarded remuneration
    double uctovane() const { return ZCentov(NaCenty(odmena) + NaCenty(vydavky)); }
    double rozdiel() const { return ZCentov(NaCenty(uctovane()) - NaCenty(vyplatene)); }
};

// Sums the entries of `zurnal.ZaznamyKevrota` that the choice counts, reading each counted
// entry's payments from its file. Billed and paid amounts always belong to the same
// entries: under "dátum vyplatenia" those with a payment in the range, with their payments
// up to the range's end, so that the difference is what they still owed on that day. A range bound of 0 is the empty date (day count 0).
// Nothing when an entry file cannot be read (reported by the journal): the caller keeps
// what it showed.
std::optional<SumyFinancii> PrepocitajFinancie(Zurnal& zurnal, VolbaFinancii volba, double od, double po);

// The five lines in the dialog's order, money with crowns when the dual display is on.
QStringList RiadkyFinancii(const SumyFinancii& s);
QStringList PopisyFinancii();
// What the line "Rozdiel:" means under a choice, for the window.
QString VyznamRozdielu(VolbaFinancii volba);
