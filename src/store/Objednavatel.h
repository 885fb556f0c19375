#pragma once
// The client record of the client list, in the current layout and in the older one.

#include "Rozlozenie.h"

// Client categories; 0 when none was chosen.
enum KategoriaObjednavatela : qint32 { BezKategorie = 0, Sudy = 1, Policajti = 2, Exekutori = 3, Ostatne = 4 };

struct TObjednavatel : Zaznam<TObjednavatel, 324> {
    QString Meno;
    QString Adresa;
    qint32 Kategoria = BezKategorie;
    QString ICO;
    QString ICDPH;
    QString DIC;

    static const Rozlozenie<TObjednavatel>& rozlozenie();
};

// The layout earlier versions wrote: the first 260 bytes, without the three numbers.
struct TObjednavatelStary : Zaznam<TObjednavatelStary, 260> {
    QString Meno;
    QString Adresa;
    qint32 Kategoria = BezKategorie;

    static const Rozlozenie<TObjednavatelStary>& rozlozenie();
};

// The client in the current layout: the 260 bytes as they stand, the three numbers empty.
TObjednavatel PrevedObjednavatela(const TObjednavatelStary& stary);
