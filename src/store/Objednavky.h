#pragma once
// The orders of one year and the client list, with their files.

#include <QList>
#include <QSet>
#include <QString>

#include "Objednavatel.h"
#include "Objednavka.h"
#include "Vysledok.h"

// What the bytes of an orders file hold.
struct CitanieObjednavok {
    QList<TObjednavka> zaznamy;
    bool chyba = false;           // short file, bad count: the records present were taken
    bool neznamyFormat = false;   // a marker no version writes, a negative count: nothing taken
    bool staryFormat = false;     // records of the older layout, converted
};

// What the bytes of a clients file hold.
struct CitanieObjednavatelov {
    QList<TObjednavatel> zaznamy;
    bool chyba = false;
    bool staryFormat = false;
};

class Objednavky {
public:
    // The orders of the year last loaded, in file order; a register addresses them by position.
    QList<TObjednavka> ZoznamObjednavok;
    // The client list, in file order.
    QList<TObjednavatel> ZoznamObjednavatelov;

    static QString SuborObjednavok(int rok);
    static QString SuborObjednavatelov();

    // Empties the list and reads the year's file when it exists. A missing file is silent;
    // a bad one is reported and the list keeps what could be read. A file of an unknown
    // layout, or one that cannot be read at all, gives an empty list and is never
    // overwritten afterwards (see UlozObjednavky).
    // True when the file was missing or read without fault.
    bool NacitajObjednavky(int rok);
    // The year of the list loaded last; 0 before any.
    int Rok() const { return m_rok; }

    // Creates the year's directory when missing and writes the list, each record marked
    // as the current layout (also in the list). Refuses, after reporting, when the year's
    // file was refused on loading or when the list holds another year than `rok`.
    Vysledok UlozObjednavky(int rok);

    // Empties the client list and reads the clients file when it exists.
    bool NacitajObjednavatelov();
    Vysledok UlozObjednavatelov(const QString& cesta);

    // Converts a clients file of the older layout in place; the client list then holds the
    // converted clients. A file already in the current layout is only read.
    bool PrevedObjednavatelov(const QString& cesta);

    // The year's file could not be taken when last loaded: saving over it is refused.
    bool JeOdmietnuty(int rok) const;

    // A new order: added now (time of day), not started.
    static TObjednavka NovaObjednavka();
    // Removes the order at a position, closing the gap; false for a position out of range.
    bool ZmazObjednavku(int pozicia);
    bool ZmazObjednavatela(int pozicia);

    // Reading without files, for the loaders and for checking damaged input.
    static CitanieObjednavok CitajObjednavky(const QByteArray& obsah);
    static CitanieObjednavatelov CitajObjednavatelov(const QByteArray& obsah);
    static QByteArray ObsahObjednavatelov(const QList<TObjednavatel>& zoznam);

private:
    int m_rok = 0;
    QSet<QString> m_odmietnute;  // orders files of an unknown layout
};
