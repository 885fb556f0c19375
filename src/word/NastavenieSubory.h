#pragma once
// The files the settings window works on: the legacy texts of earlier versions turned into
// template files, the billing header and footer made from the settings, the template files
// of a folder made, opened and deleted. A failure's reason is the message for the user.

#include <QString>

#include "store/Vysledok.h"

struct HodnotyNastavenia;
struct TNastavenia;
struct NastaveniaEFaktury;

namespace NastavenieSubory {

// On opening, in the expert's folders: the template folders are created; a missing header
// file is made of the legacy one-line header; a legacy billing text (with amount) becomes
// "default.rtf" of the expert's billing-text (with amount) folder, replacing one that is
// there. Each file is one paragraph in the basic font and size. Every failure, one a line.
Vysledok PrevedStareTexty(const HodnotyNastavenia& h);

// "Vytvor hlavičku z adresy": the header made from the settings (name, registration in the
// list, address, phone, e-mail) written over the header file.
Vysledok VytvorHlavickuZAdresy(const TNastavenia& n, const NastaveniaEFaktury& e);
// "Vytvor pätu z nastavení": the footer (bank, IBAN, BIC, IČO, DIČ, IČ DPH) over the footer file.
Vysledok VytvorPatuZNastaveni(const TNastavenia& n, const NastaveniaEFaktury& e);

// A file handed to the word processor: a missing one is made first as an empty text in the
// basic font and size.
Vysledok ZalozPrazdny(const QString& subor, const TNastavenia& n);

// Path of a new template of a folder, or empty when the name cannot be a file of it.
QString suborSablony(const QString& adresar, const QString& nazov);
// The file of a listed template (".rtf" in any case), or empty when the name cannot be a
// file of the folder or no such file is there.
QString existujucaSablona(const QString& adresar, const QString& nazov);
// "Vymaž text": the listed template's file deleted; one that is not there is no failure.
Vysledok VymazSablonu(const QString& adresar, const QString& nazov);

}  // namespace NastavenieSubory
