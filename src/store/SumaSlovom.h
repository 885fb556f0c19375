#pragma once
// The amount in Slovak words on the cash receipt: whole euro, no cents.

#include <QString>

#include "Centy.h"

// `cislice`: a whole number of euro as decimal digits without sign or separators, up to
// nine digits (leading zeros are ignored). "0" gives "0"; "1500000" gives
// "jedenmiliónpäťstotisíc eur". Text that is not digits gives an empty text; a number of
// more than nine digits is given back as its digits with " eur".
QString SumaSlovom(const QString& cislice);

// A total rounded to whole euro, halves to the even neighbour (1234.50 → 1234,
// 1235.50 → 1236), judged on the decimal value the user sees.
double ZaokruhliNaCeleEura(double spolu);

// The total rounded to whole euro and spelled; a negative total is spelled as its amount
// after "mínus ".
QString SumaSlovomZCelkovej(double spolu);

// The amount of a receipt in words, euro and cents in Slovak: "jedno euro", "dve eurá",
// "päť eur"; "jeden cent", "dva centy", "päť centov"; the cents part only when there are
// cents, the euro part only when there are euro ("štyridsaťdeväť centov"); 0 is "nula eur".
// "deväťstodvadsaťšesť eur sedemdesiatdeväť centov".
QString SumaSlovomCenty(Centy suma);
