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
    QList<TVydavok> PredvyplnPolozky(qint32 skupina) const;
    // The same for an entry: a flat remuneration item (kind 2) takes the price the tariff
    // dialog offers for the entry's date of performance and VAT rate.
    QList<TVydavok> PredvyplnPolozky(qint32 skupina, double datumVykonania, double sadzbaDPH) const;

    // Records the tariff dialog offers for a group and mode (1 tariff, 2 flat), with
    // `Cena` set to the offered price: in mode 2, for a date of performance from
    // 1 January 2011, the price with VAT at the given rate.
    QList<TPolozkaCiselnika> PonukaPoloziek(qint32 skupina, qint32 rezim, double datumVykonania,
                                            double sadzbaDPH) const;
};
