#pragma once
// The fixed list of constant symbols offered beside "Konštantný symbol:".

#include <QString>
#include <QStringList>

namespace KonstantneSymboly {

// Code used when an entry has none.
inline constexpr const char* Predvoleny = "0308";

// Every item as code + " - " + description, in list order (61 items).
const QStringList& Zoznam();

// The first item whose text contains `text`; -1 for an empty text or no match.
int IndexPodlaTextu(const QString& text);

// The code of an item: its first four characters; empty for an index out of range.
QString KodPolozky(int index);

}  // namespace KonstantneSymboly
