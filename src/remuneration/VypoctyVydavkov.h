#pragma once
// Amounts of items and the totals of an entry's remuneration and expenses.

#include <QList>
#include <QString>

#include "store/Centy.h"
#include "store/Vydavok.h"

// A document row: quantity × unit price, rounded to cents once.
Centy CentyRiadku(double cena, double pocet);

// The cents an item bills: kind 8 its `Suma`; other kinds the sum of their rows (one row per
// sub-item with a quantity above 0). Items whose `Suma` is not above 0 bill nothing.
Centy CentyPolozky(const TVydavok& v);

// Items billed for every started unit ("za každú aj začatú hodinu"): the code-list name or
// the unit says so.
bool ZaZacatuJednotku(const TVydavok& v);
// Rounds the sub-item quantities of such an item up to whole units; true when one changed.
// Done where a quantity is entered (the tariff dialog, the grid), so stored items keep theirs.
bool ZaokruhliZacateJednotky(TVydavok& v);
// The note the dialog shows when it rounded a quantity up.
QString TextZaokruhleniaNahor();

// `Suma` = the sum of the item's rows, each `Cena` × a sub-item's quantity rounded to
// cents; kind 8 keeps its `Suma`.
void PrepocitajSumu(TVydavok& v);

// The base price with both surcharges added side by side, not compounded.
double CenaSPriplatkami(double zakladnaCena, double priplatok1, double priplatok2);

struct SuctyVydavkov {
    double tarifna = 0;      // kind 1
    double pausalna = 0;     // kind 2
    double zmluvna = 0;      // kind 7
    double vydavky = 0;      // kinds 3, 4 and 6: the expenses before travel and lost time
    double cestovne = 0;     // the travel block's total
    double strataCasu = 0;   // kind 5
    double odmena = 0;       // kinds 1, 2, 7, 8
    double vydavkyCelkom = 0;  // kinds 3 to 6 and the travel total
};

// Over the whole list, each item as it bills (CentyPolozky), the travel total in cents.
SuctyVydavkov SpocitajSucty(const QList<TVydavok>& polozky, double spoluNaklady);

// What an entry bills, with VAT for a VAT payer: the bill of the remuneration and the
// expenses (with travel) as two rows, so its total is the documents' total; the VAT is
// split between the two by largest remainder.
struct UctovaneCenty {
    RozpisSumy rozpis;
    Centy odmena = 0;   // remuneration, with its part of the VAT
    Centy vydavky = 0;  // expenses and travel, with their part of the VAT
};
UctovaneCenty SpocitajUctovane(const QList<TVydavok>& polozky, double spoluNaklady, bool platca, double datumVykonania,
                               double sadzbaDPH);

// Proportional remuneration by the property type (1 building, 2 accessories, 3 land; any
// other: none chosen).
namespace Podielova {
inline constexpr double Minimum = 27;  // 26.56 rounded up
QString TextTypu(int typ);             // "" for no type
QString JednotkaTypu(int typ);         // "€" or "m2"

struct Vysledok {
    double zaokruhlenaHodnota = 0;  // V
    double odmena = 0;              // O
};
// `hodnota` is euro for types 1 and 2, square metres for type 3 (times `sadzbaPozemku`).
// Without a type V is 0 and O is `predoslaOdmena`.
Vysledok Vypocitaj(int typ, double hodnota, double sadzbaPozemku, double predoslaOdmena);
}  // namespace Podielova

// Pre-filled items priced per km take the shipped wear rate in force on `datum` (the
// code list's price is of its own period).
class SadzbyNahrad;
void SadzbyPredvyplnenych(QList<TVydavok>& polozky, const SadzbyNahrad& s, double datum);

// Items as the windows make them from their dialogs.
TVydavok ZmluvnaPolozka(const QString& popis, double cena, int pocet);
TVydavok HotovaPolozka(const QString& popis, const QString& mj, double cena, int pocet);
TVydavok PodielovaPolozka(int typ, double hodnota, const QString& popis, double odmena);

// The sub-item list of a dialog: removes the sub-item at `i`, or clears it when it is the
// only one. Nothing for an index outside the list.
void ZmazRozpis(QList<TRozpisPolozky>& rozpis, int i);

// A whole count of a dialog's spin box from a stored quantity: halves to even, kept within
// 0..100.
int CelyPocet(double pocet);
