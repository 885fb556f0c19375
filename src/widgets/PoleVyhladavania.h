#pragma once
// What the fields of the two search dialogs give when the user leaves them. A bad text is
// answered with the error "Neplatná hodnota."; the caller empties the field and the value
// becomes 0.

#include <QString>

#include <optional>

namespace PoleVyhladavania {

inline constexpr const char* NeplatnaHodnota = "Neplatná hodnota.";

// Empty gives 0; otherwise a whole number, or nothing after the error.
std::optional<int> Cislo(const QString& text);

// Empty gives 0; otherwise a short date (day.month.year), or nothing after the error.
std::optional<double> Datum(const QString& text);

// The text a field shows for a value: nothing for 0.
QString TextCisla(int cislo);
QString TextDatumu(double datum);

}  // namespace PoleVyhladavania
