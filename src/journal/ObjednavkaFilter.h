#pragma once
// The search filter of the orders register.

#include <QString>

struct TObjednavka;

struct TObjednavkaFilter {
    double DatumVyziadania = 0.0;  // exact day; 0 = no condition
    QString Zadavatel;             // part of Meno
    QString SpisovaZnacka;         // part of Cislo
    QString Predmet;
    QString Ucel;
    bool Aktivny = false;
    quint8 Stlpce = 0;  // bit c + 1: grid column c is tested

    // Rebuilds Aktivny and Stlpce from the conditions and returns the text of the box
    // "Filter vyhľadávania", one line per condition.
    QString ObnovTextAStlpce();
    // Every condition empty, the box text empty.
    void Vycisti();

    bool TestujeStlpec(int stlpec) const;
    // An inactive filter lets everything through; texts are case-sensitive substrings.
    bool Vyhovuje(const TObjednavka& o) const;
};
