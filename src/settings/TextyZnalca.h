#pragma once
// Texts made from the practitioner's settings for documents and prints.

#include <QString>

#include <QStringList>

#include "NastaveniaEFaktury.h"
#include "NastaveniaZaznamy.h"
#include "store/Vysledok.h"

// Title before, first name, surname, and ", " + title after when there is one. The space
// after the title before is written also when that title is empty.
QString MenoZnalca(const TNastavenia& n);
// Street, town and postal code.
QString AdresaZnalca(const TNastavenia& n);
// Account number "/" bank code.
QString BankoveSpojenie(const TNastavenia& n);
// "Znalec je platca DPH." and the like for the kind and the VAT status.
QString TextPlatcuDPH(qint32 druh, bool platca);
// The caption of a kind of practitioner; empty for an unknown kind.
QString NazovDruhuZnalca(qint32 druh);

// The IBAN the documents print and pay to: the one in the e-invoice settings, else the one
// made from the account and bank code; the reason when there is none or it fails its check
// (mod 97 for an IBAN, the weighted mod-11 check for an account).
HodnotaAleboChyba<QString> IbanZnalca(const TNastavenia& n, const NastaveniaEFaktury& e);

// "zapísaný v zozname znalcov, tlmočníkov a prekladateľov ... evidenčné číslo 912345".
QString TextZapisuVZozname(const TNastavenia& n);

// The billing header made from the settings: name with titles, the registration in the
// list, "street, postal code town • tel.: … • e-mail: …" (parts that are empty left out).
QStringList RiadkyHlavicky(const TNastavenia& n, const NastaveniaEFaktury& e);
// The billing footer: bank, IBAN and BIC, IČO, DIČ, IČ DPH (empty parts left out).
QString RiadokPaty(const TNastavenia& n, const NastaveniaEFaktury& e);
