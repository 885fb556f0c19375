#pragma once
// The travel order of a travel block, printed through the shipped layout
// "pr_cestovny_prikaz.dfm".

#include "TlacKevrota.h"

struct TCestovneNahrady;

namespace TlacCestovnehoPrikazu {

inline const QString Zostava = QStringLiteral("pr_cestovny_prikaz.dfm");

// The layout's named values.
NazvaneHodnoty Hodnoty(const TCestovneNahrady& c);

}  // namespace TlacCestovnehoPrikazu
