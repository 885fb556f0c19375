#pragma once
// What the settings window works on: copies of the settings values, handed in by the
// settings command and taken back on OK; the kind-dependent captions; the reading of the
// VAT rate and the journal number typed into the window.

#include <QList>
#include <QString>

#include <optional>

#include "Jazyky.h"
#include "Nastavenia.h"
#include "NastaveniaEFaktury.h"
#include "OdborOdvetvie.h"
#include "settings/Vozidla.h"
#include "store/Vysledok.h"

struct HodnotyNastavenia {
    // Identity, bank, VAT, fonts, travel-order choice, legacy texts and the kind: the
    // fields of this record that the window shows.
    TNastavenia nastavenie;
    TNastavenieTlac tlac;
    QString hlavickaText;
    bool dualne = true;
    QList<TVozidlo> vozidla;
    TZapisaneKody odbory;       // expert
    TZapisaneJazykyText jazyky; // interpreter, translator
    NastaveniaEFaktury eFaktura;  // IBAN, BIC, phone, e-mail (its own file, saved on OK)
};

// The values for the window. `sadzbaZaznamu`: the entry editor puts its entry's VAT rate
// into the default rate's slot.
HodnotyNastavenia HodnotyZNastaveni(const Nastavenia& n, const QList<TVozidlo>& vozidla,
                                     std::optional<double> sadzbaZaznamu = std::nullopt);

// OK of the window: the values go back into the records (an expert's three code texts, or
// the languages with an empty branch text), the legacy texts come back empty, texts are cut
// to their capacity and characters outside Windows-1250 become "?"; the vehicle list is
// replaced. Nothing is saved here.
void PrevezmiHodnoty(const HodnotyNastavenia& h, Nastavenia& n, QList<TVozidlo>& vozidla);

// The savers after OK, in their order: the legacy travel-order texts and the title style
// code, then the vehicles, nastavenia.dat, the journal print file, the legacy header file
// and the dual display flag. Stops at the first failure (reported) and returns false.
Vysledok UlozPoNastaveni(Nastavenia& n, const Vozidla& vozidla);

// Captions that follow the kind of practitioner.
struct PopisyDruhu {
    QString skupina;      // "Údaje o znalcovi"
    QString meno;         // "Meno znalca:"
    QString platca;       // "znalec je platca DPH"
    QString ciselnik;     // "Zapísané odbory a odvetvia"
    QString editor;       // "Editovanie znaleckého kevrota"
    QString cisloUkonu;   // "Číslo znaleckého úkonu:"
    QString typUkonu;     // "Typ posudku:"
};
PopisyDruhu PopisyPreDruh(int druhZnalca);

// The VAT rate as typed: "," read as "."; empty when it is not a decimal number or is
// negative.
std::optional<double> CitajSadzbu(const QString& text);
// The rate shown in the Slovak form: two decimals after a comma ("5,00", "20,50").
QString TextSadzby(double sadzba);
// "Číslo kevrota:": a whole number, else empty.
std::optional<qint32> CitajCisloKevrota(const QString& text);

// The bank fields of the window: "Číslo účtu" with the bank code, and "IBAN:".
struct PoliaUctu {
    QString cisloUctu, kodBanky, iban;
    bool operator==(const PoliaUctu&) const = default;
};
// An IBAN typed or pasted into "Číslo účtu" moves to "IBAN:"; a Slovak one also gives the
// account and bank code. Spaces of an IBAN are dropped, letters made capitals.
PoliaUctu UpravPoliaUctu(PoliaUctu p);
// Why the fields cannot be kept (an account failing the mod-11 check, a bank code that is
// not four digits, an IBAN failing mod 97, an IBAN that is not the account's), in Slovak;
// empty when they are fine or empty.
QString ChybaPoliUctu(const PoliaUctu& p);

// "Vytvor hlavičku z adresy": title, first name, surname, ", " title after (when there is
// one), ", " street ", " postal code " " town.
QString HlavickaZAdresy(const TNastavenia& n);
