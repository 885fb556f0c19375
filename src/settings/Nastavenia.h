#pragma once
// The single instances of the settings records with their loaders and savers.

#include <QList>
#include <QString>

#include "NastaveniaZaznamy.h"
#include "settings/Vozidla.h"
#include "store/Vysledok.h"

class Nastavenia {
public:
    TNastavenia Nastavenie;
    TNastavenieTlac NastavenieTlac;
    TNastavenieHlavicka NastavenieHlavicka;  // never loaded: starts empty at every start
    TNastavenieManazer NastavenieManazer;
    TNastaveniePodielOdmena PodielOdmena;
    TDualneZobrazovanie Dualne;

    static QString SuborNastavenia();
    static QString SuborNastavenieTlac();
    static QString SuborNastavenieHlavicka();
    static QString SuborNastavenieManazer();
    static QString SuborPodielOdmena();
    static QString SuborDualneZobrazovanie();

    // A missing file keeps the record's defaults silently. A file that cannot be read or is
    // shorter than the record is reported; the fields that are there whole are taken, the
    // rest keeps the defaults. True when the file was missing or whole.
    bool NacitajNastavenia();
    bool NacitajNastavenieTlac();
    bool NacitajNastavenieManazer();
    // Also switches the money texts to show crowns, or not.
    bool NacitajDualneZobrazovanie();
    bool NacitajPodielOdmena();
    // The five loaders in the start-up order; true when all of them were.
    bool NacitajVsetko();

    // Atomic saves; on failure reported and false.
    Vysledok UlozNastavenia() const;
    Vysledok UlozNastavenieTlac() const;
    Vysledok UlozNastavenieHlavicka() const;
    // Also switches the money texts to the saved choice.
    Vysledok UlozDualneZobrazovanie() const;
    Vysledok UlozNastavenieManazer() const;
    Vysledok UlozPodielOdmena();  // always as version 1

    // Arial 11 / 10 / 12 for the fonts without a name; a title font filled so is bold.
    void DoplnPredvoleneFonty();
    // The legacy travel-order texts from the vehicle list (the last vehicle's values).
    void UlozStaryCestak(const QList<TVozidlo>& vozidla);
    // TitleFontStyle from the bold and italic flags.
    void NastavStylNadpisu();
    static quint16 KodStyluNadpisu(bool tucne, bool kurziva);
};
