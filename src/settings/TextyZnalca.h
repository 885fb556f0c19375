#pragma once
// Texts made from the practitioner's settings for documents and prints.

#include <QString>

#include "NastaveniaZaznamy.h"

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
