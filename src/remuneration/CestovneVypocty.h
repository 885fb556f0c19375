#pragma once
// The travel tab's logic: the five totals of the travel block, the defaults of a new
// block, a vehicle's values, and the meal allowance and wear rates offered for a date.

#include <QList>
#include <QString>

#include "settings/NastaveniaZaznamy.h"
#include "store/CestovneNahrady.h"
#include "store/SadzbyNahrad.h"

struct TVozidlo;

// How a typed fuel price enters the costs: for a VAT payer a price "s DPH" enters as its
// base, price ÷ (1 + rate / 100); "bez DPH", or any price of a non-payer, as typed.
struct DPHPaliva {
    bool platca = false;
    double sadzba = 0;  // the standard rate in force for the trip
};

// Fuel, wear, meal allowance, lodging and incidental, each rounded to cents once, and their
// sum.
void PrepocitajCestovne(TCestovneNahrady& c, const DPHPaliva& dph = {});

// The wear rate a trip takes from a vehicle: the shipped rate in force on `datum` when the
// vehicle holds none or a rate of the table (an old legal rate); a rate of its own stays.
double OpotrebenieVozidla(const SadzbyNahrad& s, double sadzbaVozidla, double datum);

// Name, residence, billing date `dnes` and the VAT choice of a new block, from the settings.
void PredvolbyCesty(TCestovneNahrady& c, const TNastavenia& n, double dnes);

// Registration number, consumption and wear of the chosen vehicle (OpotrebenieVozidla for
// the billing date, today when none); then the totals.
void ZvolVozidlo(TCestovneNahrady& c, const TVozidlo& v, const SadzbyNahrad& s, double dnes,
                 const DPHPaliva& dph = {});

// Day fields 1..4 of the block.
double& StravneDna(TCestovneNahrady& c, int den);
double& NoclazneDna(TCestovneNahrady& c, int den);
double& VedlajsieDna(TCestovneNahrady& c, int den);
QString& DatumDna(TCestovneNahrady& c, int den);

// The date whose meal allowance the picker of a day offers: the day's "Dátum" when it reads
// as a date, else the billing date, else `dnes`.
double DatumStravneho(const QString& datumDna, double vyuctovaneDna, double dnes);

// The meal allowance derived from the journey's texts: a leg's start and end that hold a
// date and a time ("Nitra, 3.5.2024 7:30") give the hours of that day, from its first
// start to its last end; a day row with that "Dátum" (or the first row without a date,
// which takes it) gets the rate of the band in force that day: nothing under 5 hours,
// then 5–12, 12–18 and over 18 hours. Other days keep what they hold; the user can still
// change the amount. Returns the day rows set (1..4).
QList<int> StravnePodlaCasov(TCestovneNahrady& c, const SadzbyNahrad& sadzby);
// The rate of a band for a journey of `hodin` hours; 0 under 5 hours.
double StravneZaHodiny(const SadzbaStravneho& s, double hodin);

// The three buttons of the meal allowance picker for the rates in force then.
struct TlacidloStravneho {
    QString text;
    double suma;
};
QList<TlacidloStravneho> TlacidlaStravneho(const SadzbaStravneho& s);

// "vývoj cien stravného": every period, newest first: "od 1.9.2012" for the newest, else
// "od <first day> do <day before the next period>", and the three amounts as money.
QList<QStringList> VyvojStravneho(const QList<SadzbaStravneho>& obdobia);

// The wear button: its caption "Aktuálna hodnota 0.313" and its rate for the billing date
// (today when none).
double OpotrebenieKDnu(const SadzbyNahrad& s, double vyuctovaneDna, double dnes);
QString TextAktualnehoOpotrebenia(double sadzba);

// Numbers of the travel tab as shown: right-aligned in five characters, a decimal point.
QString CisloCesty(double x, int desatinne);
