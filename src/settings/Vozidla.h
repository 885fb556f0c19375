#pragma once
// The practitioner's vehicles: the record, the list held for the whole run and its file
// "\Data\znalec_kevrot_nastavenie_vozidlo.dat" (a count, then the records in list order).

#include "store/Rozlozenie.h"
#include "store/Vysledok.h"

#include <QList>

struct TVozidlo : Zaznam<TVozidlo, 240> {
    QString Nazov;           // "Použité motorové vozidlo:"
    QString EvidencneCislo;  // "Evidenčné číslo vozidla:"
    double Spotreba = 0;     // litres per 100 km according to the technical papers
    double Opotrebenie = 0;  // wear allowance per km, euro

    static const Rozlozenie<TVozidlo>& rozlozenie();
};

// The wear allowance the vehicle dialog offers ("Aktuálna hodnota 0.313"): the shipped rate
// in force today.
double AktualneOpotrebenie();

class Vozidla {
public:
    QList<TVozidlo> ZoznamVozidiel;

    static QString SuborVozidiel();

    // Reads the file when it exists, else the list is empty. A bad file is reported and
    // the list keeps what could be read. False when the file was not read without fault.
    bool NacitajVozidla();

    // Writes the whole list; false after reporting a failure.
    Vysledok UlozVozidla() const;

    // The names in list order, for the drop-down of the travel tab.
    QStringList NazvyVozidiel() const;
};

// The vehicle dialog's check on OK: empty when acceptable, else the system's error text.
QString OverVozidlo(const QString& nazov);
