#pragma once
// One language of jazyky.dat, and a language registered by an interpreter or translator.

#include "store/Rozlozenie.h"

struct TJazyk : Zaznam<TJazyk, 64> {
    static constexpr int KapacitaKodu = 6;
    // The name field holds 56 characters; the program writes at most 50.
    static constexpr int KapacitaNazvu = 56;
    static constexpr int DlzkaNazvu = 50;

    QString Kod;
    QString Nazov;

    static const Rozlozenie<TJazyk>& rozlozenie();
};

struct TZapisanyJazyk {
    QString Kod;
    QString Nazov;
    bool Najpouzivanejsi = false;
};
