#pragma once
// The amount in Slovak words on the cash receipt: euro and cents.

#include <QString>

#include "Centy.h"

// `cislice`: a whole number of euro as decimal digits without sign or separators, up to
// nine digits (leading zeros are ignored). "0" gives "0"; "1500000" gives
// "jedenmiliónpäťstotisíc eur". Text that is not digits gives an empty text; a number of
// more than nine digits is given back as its digits with " eur".
QString SumaSlovom(const QString& cislice);

// The amount of a receipt in words, euro and cents in Slovak: "jedno euro", "dve eurá",
// "päť eur"; "jeden cent", "dva centy", "päť centov"; the cents part only when there are
// cents, the euro part only when there are euro ("štyridsaťdeväť centov"); 0 is "nula eur".
// "deväťstodvadsaťšesť eur sedemdesiatdeväť centov".
QString SumaSlovomCenty(Centy suma);
