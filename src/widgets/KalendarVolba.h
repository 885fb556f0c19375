#pragma once
// The rule of the date picker's three edits: a typed day, month or year is combined with
// the other two parts of the calendar's current date.

#include <QDate>
#include <QString>

#include <optional>

enum class CastDatumu { Den, Mesiac, Rok };

// The date the calendar moves to, or nothing when the text is not a whole number or the
// parts make no valid date (the calendar then stays where it is).
std::optional<QDate> PouziCastDatumu(const QDate& kalendar, CastDatumu cast, const QString& text);
