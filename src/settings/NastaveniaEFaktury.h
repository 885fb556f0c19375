#pragma once
// What the e-invoice needs beyond the old settings records, kept in a small text file of
// the program's own ("\nastavenia_efaktura.txt", UTF-8, one "key=value" a line).

#include <QString>

#include "store/Vysledok.h"

struct NastaveniaEFaktury {
    QString IBAN;             // when it differs from the one computed from the account
    QString BIC;
    QString EndpointId;       // the practitioner's Peppol id; empty = the DIČ
    QString EndpointSchema = QStringLiteral("0245");
    // A non-payer's invoice: category O (outside the scope) or E (exempt) and the reason.
    QString KategoriaNeplatcu = QStringLiteral("O");
    QString DovodNeplatcu = QStringLiteral("Dodávateľ nie je platiteľom DPH.");
    // The practitioner's phone and e-mail: the billing header and the seller's contact.
    QString Telefon;
    QString Email;
    bool operator==(const NastaveniaEFaktury&) const = default;
};

QString SuborNastaveniEFaktury();

// A missing file gives the defaults; unknown keys and bad lines are skipped.
NastaveniaEFaktury NacitajNastaveniaEFaktury();
NastaveniaEFaktury NastaveniaEFakturyZTextu(const QByteArray& obsah);
QByteArray TextNastaveniEFaktury(const NastaveniaEFaktury& n);
// Atomic save; a failure is reported and gives false.
Vysledok UlozNastaveniaEFaktury(const NastaveniaEFaktury& n);

// The Slovak IBAN of an account "prefix-number" (or "number") at a four-digit bank code;
// an account already written as an IBAN is returned without spaces. Empty when it cannot be made.
QString IbanZUctu(const QString& cisloUctu, const QString& kodBanky);
// True for an IBAN whose check digits are right.
bool PlatnyIban(const QString& iban);
