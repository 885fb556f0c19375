#pragma once
// The JSON of the "journal" command written straight into one buffer: byte for byte what
// QJsonDocument::toJson(Indented) gives for the same objects (keys in order, four spaces a
// level), without building them.

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>

#include "store/Zurnal.h"

// {"ZaznamyKevrota": [each loaded entry with "Subor", "Vydavky", "Vyplatenia"],
//  "messages": [...]}; `zurnal` holds the loaded year, each entry's items and payments are
// read from its file. `spravy` gives the messages recorded by then.
QByteArray JsonZurnalu(Zurnal& zurnal, const std::function<QStringList()>& spravy);

// One value as QJsonDocument would write it at `hlbka` levels (for the tests and for
// values without a faster path).
void PripojJson(QByteArray& b, const QJsonValue& v, int hlbka);
