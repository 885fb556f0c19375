#pragma once
// The rows of the item tables of the billing document and the invoice, made from the
// entry's stored items and travel block.

#include <QList>
#include <QString>

#include "store/Centy.h"
#include "store/Vydavok.h"

struct RiadokPolozky {
    // The texts of the columns Položka, MJ, Cena MJ and Počet as the tables show them.
    QString Polozka, MJ, CenaMJ, Pocet;
    // The numbers behind Cena MJ and Počet (0 where the column is empty or a blank).
    double Cena = 0, Mnozstvo = 0;
    // The row's amount A, before VAT is applied to it, and the same rounded to cents once:
    // the documents' figures are made of the cents.
    double Suma = 0;
    Centy SumaCenty = 0;
    // The item kind; 0 for the travel row.
    qint32 Druh = 0;
    // The sub-item's note ("výsluch obvineného 18:30–21:00"); empty when it has none.
    QString Popis;
};

// The base rate and the surcharges of a tariff item: "19,92 € + 50 % § 12"; empty when the
// item has no surcharge.
QString SadzbaSPriplatkami(const TVydavok& v);
// An invoice row's text: the act as the code list names it, the base rate with surcharges,
// then the note, each on its own line.
QString NazovRiadkuFaktury(const TVydavok& v, const QString& popis);

// "1 234,50": the Slovak form a reader expects, two decimals (no-break space between thousands).
QString CisloRiadku(double cislo);
// A unit price: as CisloRiadku, or with up to four decimals when it has more than two
// ("23.904"), so that quantity × price = the row's amount can be checked on paper.
QString CenaRiadku(double cena);

// One row per sub-item with a quantity above 0 of an item whose Suma is above 0.
QList<RiadokPolozky> RiadkyRozpisu(const TVydavok& v);

// Proportional remuneration: one row, of the first sub-item with a quantity above 0 (the
// item's amount is billed once); the quantity 3 marks land, priced per square metre at
// `sadzbaPozemky`.
QList<RiadokPolozky> RiadkyPodielovej(const TVydavok& v, double sadzbaPozemky);

// One row for the whole item (kinds 3 to 6 in the invoice); none when Suma is not above 0.
QList<RiadokPolozky> RiadokCelejPolozky(const TVydavok& v);

// "Cestovné náklady" with blanks in the middle columns.
RiadokPolozky RiadokCestovneho(double spoluNaklady);

// The rows of one kind in the billing document: per sub-item, or per proportional row for
// kind 8; items with Suma not above 0 give none.
QList<RiadokPolozky> RiadkyDruhu(const QList<TVydavok>& vydavky, qint32 druh, double sadzbaPozemky);

// The sum of Suma of the kind's items whose Suma is above 0.
double SucetDruhu(const QList<TVydavok>& vydavky, qint32 druh);

// The cents of rows, in their order.
QList<Centy> CentyRiadkov(const QList<RiadokPolozky>& riadky);

// The bill of a document's rows: for a VAT payer VAT by the rule of the date of performance
// at `sadzbaDPH`, for a non-payer none.
RozpisSumy RozpisDokladu(const QList<RiadokPolozky>& riadky, bool platca, double datumVykonania, double sadzbaDPH);
