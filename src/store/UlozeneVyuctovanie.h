#pragma once
// A stored billing: one entry's items and travel block, offered as a template.
// Memory only; rebuilt from the year's entry files.

#include <QJsonObject>
#include <QList>

#include "CestovneNahrady.h"
#include "Vydavok.h"

struct TZnalKevrotZaznam;

// An item of a stored billing: the item with its sub-items, and whether the list shows
// the sub-items under it.
struct TCiselnikVydavokItem : TVydavok {
    bool Rozbalene = true;

    TCiselnikVydavokItem() = default;
    explicit TCiselnikVydavokItem(const TVydavok& v) : TVydavok(v) {}

    QJsonObject doJson() const;
};

struct TCiselnikVydavok {
    static constexpr int KapacitaNazvu = 200;

    QString Nazov;
    qint32 CisloZaznamu = 0;
    double Datum = 0.0;
    double Odmena = 0.0;
    double Vydavky = 0.0;
    TCestovneNahrady CestovneNahrady;
    QList<TCiselnikVydavokItem> Polozky;

    // Built from an entry and its items: the name, the sums, the travel block.
    static TCiselnikVydavok zoZaznamu(const TZnalKevrotZaznam& z, const QList<TVydavok>& vydavky);

    QJsonObject doJson() const;
};
