#pragma once
// IBAN of a Slovak account: checked as typed, or made from "prefix-number" and the
// four-digit bank code.

#include <QString>

#include "store/Vysledok.h"

namespace Iban {

// The IBAN in its electronic form (no spaces, capitals) when `text` is a valid IBAN of
// any country, else empty.
QString over(const QString& text);

// "SK" + check digits + bank code + prefix (6) + number (10), from an account "19-123457"
// or "123457" and a bank code "0200"; the reason when the account or code is not a valid
// Slovak one (digits, lengths, the weighted check of both parts).
HodnotaAleboChyba<QString> zUctu(const QString& ucet, const QString& kodBanky);

// The stored IBAN when `ucet` is one, else the IBAN made from the account and bank code.
HodnotaAleboChyba<QString> preUcet(const QString& ucet, const QString& kodBanky);

// The paper form: groups of four characters ("SK31 1200 0000 ...").
QString naTlac(const QString& iban);

// Why a typed IBAN is not valid, in Slovak; empty for a valid one.
QString chyba(const QString& text);

// A Slovak IBAN split into the account "prefix-number" (no prefix when it is zero, no
// leading zeros) and the bank code. False for an IBAN that is not a valid Slovak one.
bool naUcet(const QString& iban, QString* ucet, QString* kodBanky);

}  // namespace Iban
