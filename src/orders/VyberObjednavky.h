#pragma once
// The order picker's content: the orders of a year and the texts of their rows.

#include <QList>
#include <QStringList>

#include "store/Objednavka.h"

// The orders of a year, read into a list of their own: the orders register's list (which
// may show another year and is saved under that year) is left as it is.
QList<TObjednavka> ObjednavkyNaVyber(int rok);

// The nine visible cells of a row: date, requester, order or file number, kind of act,
// type of opinion, note, basis, subject, purpose.
QStringList RiadokVyberu(const TObjednavka& o);

// Orders in progress or done are written in red.
bool JeRozpracovana(const TObjednavka& o);
