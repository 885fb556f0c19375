#pragma once
// The billing header and footer: the user's own files, or, while he has written none (the
// file is missing or still holds the shipped dotted placeholders), made from the settings.

#include <QString>

#include "RtfModel.h"
#include "settings/NastaveniaEFaktury.h"
#include "settings/NastaveniaZaznamy.h"

namespace HlavickaZnalca {

// A header or footer file the user wrote: it is rich text with some text and without the
// shipped placeholders ("........", "Titul Meno Priezvisko").
bool jeVlastna(const QString& cesta);

// The header of RiadkyHlavicky, centred: the name bold and larger, the rest smaller.
RtfDokument hlavicka(const TNastavenia& n, const NastaveniaEFaktury& e);
// The footer of RiadokPaty, centred, small.
RtfDokument pata(const TNastavenia& n, const NastaveniaEFaktury& e);

// The user's file when it is his own, else the one made from the settings.
RtfDokument hlavickaDokladu(const QString& subor, const TNastavenia& n, const NastaveniaEFaktury& e);
RtfDokument pataDokladu(const QString& subor, const TNastavenia& n, const NastaveniaEFaktury& e);

}  // namespace HlavickaZnalca
