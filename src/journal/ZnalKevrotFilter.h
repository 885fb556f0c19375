#pragma once
// The search filter of the journal register.

#include <QString>

struct TZnalKevrotZaznam;

struct TZnalKevrotFilter {
    qint32 PoradoveCislo = 0;      // exact number; 0 = no condition
    QString Zadavatel;             // part of Meno
    QString SpisovaZnacka;         // part of CisloObjednavky
    double DatumVyziadania = 0.0;  // exact day; 0 = no condition
    double DatumVykonania = 0.0;
    QString Predmet;
    bool Aktivny = false;
    quint8 Stlpce = 0;  // bit c + 1: grid column c is tested

    // Rebuilds Aktivny and Stlpce from the conditions and returns the text of the box
    // "Filter vyhľadávania", one line per condition.
    QString ObnovTextAStlpce();
    void Vycisti();

    bool TestujeStlpec(int stlpec) const;
    // An inactive filter lets everything through; texts are case-sensitive substrings.
    bool Vyhovuje(const TZnalKevrotZaznam& z) const;
};
