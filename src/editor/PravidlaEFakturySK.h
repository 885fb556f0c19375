#pragma once
// The Slovak rules on top of Peppol BIS Billing 3.0 (as drafted for 2027), checked on the
// written UBL: what a Slovak tax document must carry beyond EN 16931.

#include <QByteArray>
#include <QStringList>

// The rules one by one: a code, then what the document lacks. Empty when all hold.
QStringList ChybyPravidielSK(const QByteArray& xml);
