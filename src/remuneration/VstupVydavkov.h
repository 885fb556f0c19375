#pragma once
// Numbers typed into the item dialogs. A bad text is answered with a warning through the
// message service and gives nothing; the dialog then empties the box, focuses it and keeps
// its previous value.

#include <QString>

#include <optional>

namespace VstupVydavkov {
inline constexpr const char* CenaKladna = "Cena musí byť väčšia ako 0";
inline constexpr const char* PocetKladny = "Počet musí byť väčší ako 0";
inline constexpr const char* HodnotaKladna = "Hodnota musí byť väčšia ako 0";

// Largest amount, price or quantity taken from a typed text, so that no product or sum of
// them can overflow to infinity.
inline constexpr double NajvacsieCislo = 1e9;

// A decimal number with a comma or a point, within ±NajvacsieCislo; nothing otherwise.
std::optional<double> Cislo(const QString& text);

// Empty gives 0; a text that is not a number warns "Neplatná hodnota"; 0 or less warns
// `nieKladne`.
std::optional<double> KladneCislo(const QString& text, const char* nieKladne);
}  // namespace VstupVydavkov
