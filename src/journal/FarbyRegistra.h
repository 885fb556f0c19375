#pragma once
// The colours that carry meaning in the two registers. Colour numbers are 24-bit values
// with red in the lowest byte.

#include <QColor>

inline QColor FarbaZCisla(int cislo) { return QColor(cislo & 0xFF, (cislo >> 8) & 0xFF, (cislo >> 16) & 0xFF); }

namespace FarbyRegistra {
inline constexpr int HlavickaZostupne = 255;        // red
inline constexpr int HlavickaVzostupne = 16711680;  // blue
inline constexpr int VybranyRiadok = 12632256;      // silver
inline constexpr int StlpecFiltra = 13083635;
inline constexpr int KopirovanieStlpce = 13758963;
inline constexpr int KopirovanaBunka = 8315603;
inline constexpr int KopirovanaBunkaText = 8388608;  // navy
}  // namespace FarbyRegistra
