#pragma once
// Checks of an e-invoice before it is written (what EN 16931 and the Slovak rules need,
// each missing value named with the place where the user fills it) and of the written XML
// against the Peppol BIS rules that the EN 16931 validation does not cover.

#include <QByteArray>
#include <QStringList>

#include "editor/EFaktura.h"

// Empty when the invoice can be written; otherwise one Slovak sentence per fault.
QStringList ChybyEFaktury(const EFaktura& f);

// Peppol BIS Billing 3.0 rules on the written document: CustomizationID, ProfileID, the
// endpoint ids with a known scheme, a buyer reference, one note at most.
QStringList ChybyPeppol(const QByteArray& xml);
