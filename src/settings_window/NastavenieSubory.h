#pragma once
// What the settings window does with files of its own: the legacy texts of earlier versions
// turned into template files, the billing header made from the address, new template files.

#include <QString>

struct HodnotyNastavenia;
struct TNastavenia;
struct NastaveniaEFaktury;

namespace NastavenieSubory {

// On opening, in the expert's folders: the template folders are created; a missing header
// file is made of the legacy one-line header; a legacy billing text (with amount) becomes
// "default.rtf" of the expert's billing-text (with amount) folder, replacing one that is
// there. Each file is one paragraph in the basic font and size. False when a file could
// not be written (reported).
bool PrevedStareTexty(const HodnotyNastavenia& h);

// "Vytvor hlavičku z adresy": the header made from the settings (name, registration in the
// list, address, phone, e-mail) written over the header file. False when it could not be
// written (reported).
bool VytvorHlavickuZAdresy(const TNastavenia& n, const NastaveniaEFaktury& e);
// "Vytvor pätu z nastavení": the footer (bank, IBAN, BIC, IČO, DIČ, IČ DPH) over the footer file.
bool VytvorPatuZNastaveni(const TNastavenia& n, const NastaveniaEFaktury& e);

// Path of a template of a folder, or empty when the name cannot be a file of it.
QString suborSablony(const QString& adresar, const QString& nazov);

}  // namespace NastavenieSubory
