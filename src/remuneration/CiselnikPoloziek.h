#pragma once
// The code list of remuneration and expense items, loaded once at start-up: what a new
// entry's empty item list is pre-filled with, and what the tariff dialog offers.

#include <QList>
#include <QString>

#include "PolozkaCiselnika.h"
#include "store/Vydavok.h"

class CiselnikPoloziek {
public:
    // In file order; every list built from it keeps that order.
    QList<TPolozkaCiselnika> PolozkyCiselnika;

    static QString SuborPoloziek();

    // Reads "\Data\ZnalKevrot_polozky.dat". A missing or bad file is reported; the list
    // keeps what could be read. True when read without fault.
    bool NacitajPolozky();

    // Items for an empty item list: every record of the group whose kind is above 1 (the
    // tariff is chosen in its dialog), at the code-list price, with one empty sub-item.
    // The code-list price is the net amount: VAT is added once, in the bill, and only for
    // a VAT payer (for acts before 2011 the amounts include it).
    QList<TVydavok> PredvyplnPolozky(qint32 skupina) const;

    // Records the tariff dialog offers for a group and mode (1 tariff, 2 flat), at their
    // code-list price.
    QList<TPolozkaCiselnika> PonukaPoloziek(qint32 skupina, qint32 rezim) const;
};
