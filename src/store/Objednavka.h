#pragma once
// The order record of the orders register, in the current layout and in the older one.

#include "Rozlozenie.h"

// Processing state of an order.
enum StavObjednavky : qint32 { Nerozpracovane = 0, Rozpracovane = 1, Vypracovane = 2 };

struct TObjednavka : Zaznam<TObjednavka, 1344> {
    // Every record is written with this marker.
    static constexpr double VerziaAktualna = -1.0;

    double Verzia = 0.0;
    double CasZalozenia = 0.0;   // time of day the order was added
    QString Meno;
    QString Adresa;
    qint32 TypCisla = 0;         // 0 order number, 1 court file mark
    qint32 StatnyOrgan = 0;      // 0 legal or natural person, 1 state body
    QString DruhUkonu;
    QString TypPosudku;
    double DatumVyziadania = 0.0;
    QString Poznamka;
    QString Podklad;
    QString Predmet;
    QString Ucel;
    qint32 Stav = Nerozpracovane;
    QString Cislo;

    static const Rozlozenie<TObjednavka>& rozlozenie();
};

// The layout earlier versions wrote: no marker, the number a string[20] at offset 218.
struct TObjednavkaStara : Zaznam<TObjednavkaStara, 1284> {
    double CasZalozenia = 0.0;
    QString Meno;
    QString Adresa;
    QString Cislo;
    qint32 TypCisla = 0;
    qint32 StatnyOrgan = 0;
    QString DruhUkonu;
    QString TypPosudku;
    double DatumVyziadania = 0.0;
    QString Poznamka;
    QString Podklad;
    QString Predmet;
    QString Ucel;
    qint32 Stav = 0;

    static const Rozlozenie<TObjednavkaStara>& rozlozenie();
};

// The order in the current layout: every field moved to its new place, the reserved bytes
// carried over, the number widened, the old number's place left empty, Verzia 0.0.
TObjednavka PrevedObjednavku(const TObjednavkaStara& stara);
