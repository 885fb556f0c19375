#pragma once
// The e-invoice of an entry: the values of the printed invoice turned into the neutral
// e-invoice, so that both agree to the cent.

#include <QString>

#include "editor/EFaktura.h"
#include "editor/PodkladyDokladu.h"
#include "settings/NastaveniaEFaktury.h"

struct AdresaStrany {
    QString Ulica, PSC, Mesto;
};
// "Štúrova 9, 949 68 Nitra" (or with line ends, or the town before the postal code):
// street, postal code and town. No postal code: the whole text is the street.
AdresaStrany RozdelAdresu(const QString& adresa);

// The UN/ECE unit code of a unit text ("hod" is HUR); C62 (one) for anything unknown.
QString KodJednotky(const QString& mj);

// The invoice of the entry; with `dobropis`, the credit note cancelling it, issued on `vystavenie`.
EFaktura EFakturaZaznamu(const PodkladyDokladu& p, const NastaveniaEFaktury& n, bool dobropis = false,
                         const QDate& vystavenie = {});
