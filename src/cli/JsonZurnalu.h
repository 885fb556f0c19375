#pragma once
// The JSON of the "journal" command written straight into one buffer: byte for byte what
// QJsonDocument::toJson(Indented) gives for the same objects (keys in order, four spaces a
// level), without building them.

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>

#include "store/Zurnal.h"

// {"ZaznamyKevrota": [each entry of the year's load with "Subor", "Vydavky", "Vyplatenia"],
//  "messages": [...]}: the year is loaded as the journal loads it and each entry written from
// the bytes its file was read in (one whose items or payments cannot be read is reported and
// written without them). `spravy` gives the messages recorded by then.
QByteArray JsonZurnalu(int rok, const std::function<QStringList()>& spravy);

// One value as QJsonDocument would write it at `hlbka` levels (for the tests and for
// values without a faster path).
void PripojJson(QByteArray& b, const QJsonValue& v, int hlbka);
