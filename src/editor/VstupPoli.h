#pragma once
// What a typed field gives when the user leaves it. Each reader reports a bad text through
// the message service and returns nothing; the caller then empties the field, gives it the
// focus and keeps its previous value.

#include <QString>

#include <optional>

namespace VstupPoli {

inline constexpr const char* NeplatnaHodnota = "Neplatná hodnota";
inline constexpr const char* NeplatnaHodnotaBodka = "Neplatná hodnota.";

// A decimal number with a comma or a point; nothing when the whole text is not a number.
std::optional<double> Cislo(const QString& text);
// A whole decimal number.
std::optional<int> CeleCislo(const QString& text);

// Amount or rate shown in an edit: two decimals after a comma, no thousands separator
// ("23,00", "1234,50"), so that the text reads back through Cislo.
QString CisloDoPola(double hodnota);

// Payment term in days: empty gives 0; a non-number warns "Neplatná hodnota"; a number
// not above 0 warns "Hodnota musí byť väčšia ako 0".
std::optional<int> Splatnost(const QString& text);

// VAT rate: empty gives 0; a non-number warns "Neplatná hodnota"; a negative one warns
// "Hodnota DPH musí byť kladná.".
std::optional<double> SadzbaDPH(const QString& text);

// Amount: empty gives 0; a non-number warns "Neplatná hodnota"; any number is taken.
std::optional<double> Suma(const QString& text);

// Date typed as day.month.year: empty gives 0 without a message; an invalid date is the
// error "Neplatná hodnota.".
std::optional<double> Datum(const QString& text);

}  // namespace VstupPoli
