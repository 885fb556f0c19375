#pragma once
// Colours of the layouts: 32-bit values $00BBGGRR, system colours, named colours.

#include <QColor>
#include <QString>

#include <optional>

namespace Farby {

inline constexpr qint64 clBlack = 0x000000;
inline constexpr qint64 clWhite = 0xFFFFFF;
inline constexpr qint64 clSilver = 0xC0C0C0;
inline constexpr qint64 clNone = 0x1FFFFFFF;
inline constexpr qint64 clDefault = 0x20000000;
inline constexpr qint64 clBtnFace = 0xFF00000F;
inline constexpr qint64 clWindowText = 0xFF000008;

// The value of a colour name (case-insensitive), or nothing.
std::optional<qint64> zMena(const QString& meno);

// The colour to paint with. clNone is transparent; system colours get common defaults.
QColor naQColor(qint64 farba);

}  // namespace Farby
