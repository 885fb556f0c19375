#pragma once
// Storing an e-invoice with its entry: checked, written once, never replaced (a sent
// e-invoice is archived as it was sent), and copied where the user wants it.

#include <QString>
#include <QStringList>

#include "editor/EFaktura.h"

namespace UlozenieEFaktury {

// "efaktura.xml" or "dobropis.xml": the entry's documents.
QString NazovSuboru(bool dobropis);

// What storing the e-invoice did.
struct Ulozenie {
    QString subor;       // the stored file; empty when nothing was written
    bool novy = false;   // false: the file was there already and was kept
    QStringList chyby;   // why nothing was written
};

// Checks the invoice and writes it as `NazovSuboru` into `adresar`, unless the file is there
// already. Writes nothing and returns the faults when a check fails.
Ulozenie Uloz(const EFaktura& f, const QString& adresar);

// The message for the user after `Uloz` (what was stored or kept, and where).
QString Sprava(const Ulozenie& v, bool dobropis);

// What the user confirms before an e-invoice is archived: payee, account, amounts, variable
// symbol and due date, in the Slovak number forms.
QString TextPotvrdenia(const EFaktura& f);

// The editor's command: `Uloz` into `adresar`, the message to the user, then a copy of the
// stored file where the user chooses (nothing when the choice is cancelled).
Ulozenie VytvorAUloz(const EFaktura& f, const QString& adresar);

}  // namespace UlozenieEFaktury
