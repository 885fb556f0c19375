#pragma once
// The PAY by square code of an invoice: carried when the payment is by transfer (or its
// method is not chosen) and the settings hold an account.

#include <QDate>
#include <QString>

#include <optional>

#include "word/Dokument.h"
#include "word/PayBySquare.h"
#include "settings/NastaveniaEFaktury.h"
#include "settings/NastaveniaZaznamy.h"

struct UdajePlatby {
    QString sposobPlatby;      // the text of "Spôsob platby:"
    double suma = 0;           // the amount to pay, euro
    QString variabilnySymbol;
    QString konstantnySymbol;
    QDate splatnost;
};

// The payment order of an invoice; nothing when the method is another one, the settings
// hold no account, or the amount is not positive. An account from which no IBAN can be made
// is reported (the invoice then goes without the code).
std::optional<PlatobnyPrikaz> PlatbaFaktury(const TNastavenia& nastavenie, const UdajePlatby& udaje,
                                           const NastaveniaEFaktury& eFaktura = {});

// Puts the code's picture, with the caption "PAY by square", into the invoice templates'
// bookmark "platobny_kod" (or "pay_by_square"), or at the document's end when it has none. Width in twips.
void VlozPlatobnyQr(Dokument& dokument, const PlatobnyPrikaz& platba, int sirka = 1700);

// Both: true when the invoice got the code.
bool DoplnPlatobnyQr(Dokument& dokument, const TNastavenia& nastavenie, const UdajePlatby& udaje,
                     const NastaveniaEFaktury& eFaktura = {});

struct PodkladyDokladu;
// The invoice's own values: its method, its bill's total, symbols and due date.
UdajePlatby UdajePlatbyFaktury(const PodkladyDokladu& p);
bool DoplnPlatobnyQrFaktury(Dokument& dokument, const PodkladyDokladu& p);
