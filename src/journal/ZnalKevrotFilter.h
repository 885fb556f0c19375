#pragma once
// The search filter of the journal register.

#include "TextFiltra.h"

class RiadokKevrota;

struct TZnalKevrotFilter : FilterRegistra {
    qint32 PoradoveCislo = 0;      // exact number; 0 = no condition
    QString Zadavatel;             // part of Meno
    QString SpisovaZnacka;         // part of CisloObjednavky
    double DatumVyziadania = 0.0;  // exact day; 0 = no condition
    double DatumVykonania = 0.0;
    QString Predmet;

    // Rebuilds Aktivny and Stlpce from the conditions and returns the text of the box
    // "Filter vyhľadávania", one line per condition.
    QString ObnovTextAStlpce();
    void Vycisti();

    // An inactive filter lets everything through; texts are case-sensitive substrings.
    bool Vyhovuje(const RiadokKevrota& z) const;
};
