#pragma once
// Numbers typed by the user and the plain number text of edit fields, and the decimal
// rounding that every amount shown goes through.

#include <QString>

#include <optional>

// A decimal text with "," or "." as the decimal point. Empty when the whole text is not a
// finite number (the caller then keeps its previous value).
std::optional<double> TextNaCislo(const QString& text);

// A decimal 32-bit integer, or empty when the whole text is not one.
std::optional<qint32> TextNaCeleCislo(const QString& text);

// A decimal comma, `desatinne` decimals, right-aligned in five characters (" 1,50", "20,00",
// "1234,50"): the form of counts, rates and prices put into edit fields and grids (read back
// by TextNaCislo).
QString CisloText(double cislo, int desatinne = 2);

// The shortest decimal text of a number with a decimal comma ("6,5", "2", "0,183").
QString KratkeCislo(double cislo);

// An amount rounded to `desatinne` decimals, as digits.
//
// Rounding is half away from zero on the decimal value the user sees: the double is first
// read to 15 significant digits, which drops the binary representation error, so 1.005,
// 2.675 and 0.125 round up as they do on paper (1.01, 2.68, 0.13), and 114.99999999999999
// (from 100 × 1.15) is 115. A result that rounds to zero is never negative. A value that
// is not finite is taken as 0.
struct DesatinneCislo {
    bool zaporne = false;
    QString cele;       // integer digits without leading zeros ("0" for zero)
    QString desatinne;  // exactly the requested number of digits
};
DesatinneCislo ZaokruhliDesatinne(double cislo, int desatinne);

// The value the user sees: the double read to 15 significant digits.
double DesatinnaHodnota(double cislo);
