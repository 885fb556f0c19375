#pragma once
// The search filter of the orders register.

#include "TextFiltra.h"

struct TObjednavka;

struct TObjednavkaFilter : FilterRegistra {
    double DatumVyziadania = 0.0;  // exact day; 0 = no condition
    QString Zadavatel;             // part of Meno
    QString SpisovaZnacka;         // part of Cislo
    QString Predmet;
    QString Ucel;

    // Rebuilds Aktivny and Stlpce from the conditions and returns the text of the box
    // "Filter vyhľadávania", one line per condition.
    QString ObnovTextAStlpce();
    // Every condition empty, the box text empty.
    void Vycisti();

    // An inactive filter lets everything through; texts are case-sensitive substrings.
    bool Vyhovuje(const TObjednavka& o) const;
};
