#pragma once
// VAT breakdowns of an amount as texts, computed in cents by the bill (Centy.h). For acts
// performed from 1 January 2011 on the amount is the tax base and VAT is added to it; for
// earlier acts the amount already includes VAT.

#include <QString>

#include "Centy.h"

struct TDPH {
    QString ZakladText;  // tax base, money text
    QString SadzbaText;  // rate without decimals and "%"
    QString DPHText;     // VAT, money text
    QString SpoluText;   // total including VAT, money text with crowns
    double Spolu = 0;
    QString VstupText;   // the amount passed in, money text with crowns
    double Vstup = 0;
};

// `datum`: date of performance (days since 1899-12-30); `sadzba`: rate in percent.
TDPH RozpisDPH(double datum, double sadzba, double suma);

// The breakdown of a total that includes VAT (cash receipt): fields ZakladText to Spolu;
// the rate right-aligned in five characters ("   20%").
TDPH RozpisDPHZCelkovej(double sadzba, double spolu);

// What an amount shows: for a VAT payer with an act from 2011 on and a positive amount,
// "100,00 € (120,00 € (3 615,12 Sk) s DPH)"; otherwise the amount with crowns.
QString SumaSDPHText(bool platca, double datum, double sadzba, double suma);

// The tax base within a total including VAT. A rate of -100 % or below has no base: the
// total is then taken as the base, with no VAT.
double ZakladZCelkovej(double sadzba, double spolu);

// The texts of a row or a sum of a bill in cents: base, rate, VAT, total with crowns;
// `Vstup` is the amount as the row holds it (the base when VAT is added, else the total).
TDPH TextyDPH(const SumaRiadku& suma, const RozpisSumy& rozpis);
