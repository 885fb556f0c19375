#pragma once
// The code-list group of a journal entry, from the practitioner's kind and, for an
// expert, the entry's field and branch codes.

#include <QString>

namespace SkupinaCiselnika {
inline constexpr qint32 Znalec = 1;
inline constexpr qint32 ZnalecOdbor49 = 2;
inline constexpr qint32 ZnalecOdbor33 = 3;
inline constexpr qint32 ZnalecOdvetvie4915 = 4;
inline constexpr qint32 Tlmocnik = 6;
inline constexpr qint32 Prekladatel = 7;
}  // namespace SkupinaCiselnika

// `druhZnalca`: 0 expert, 1 interpreter, 2 translator (any other value counts as an
// expert). Codes are compared as whole texts.
qint32 SkupinaZaznamu(qint32 druhZnalca, const QString& kodOdboru, const QString& kodOdvetvia);

// The proportional remuneration is offered to experts only.
bool ZobrazitPodielovuOdmenu(qint32 druhZnalca);

// The heading of the tariff dialog's sub-items for a group.
QString NadpisUkonu(qint32 skupina);
// The caption of the act's drop-down: "Znalecký úkon:", "Tlmočnícky úkon:", "Prekladateľský úkon:".
QString PopisUkonu(qint32 skupina);
