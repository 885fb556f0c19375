#pragma once
// The predefined headings that the billing document prints above each kind of item, and
// their file "\Data\odmeny_vydavky_preddef_texty.dat" (a reserved word, a count, records).

#include "store/Rozlozenie.h"
#include "store/Vysledok.h"

#include <QList>

struct TPreddefinovanyText : Zaznam<TPreddefinovanyText, 264> {
    qint32 Druh = 0;     // item kind (1, 2, 4, 6, 7, 8) or 100 for the travel costs
    QString Text;        // may hold several lines separated by CR LF
    quint8 Rezerva = 0;

    static const Rozlozenie<TPreddefinovanyText>& rozlozenie();
};

// Code of the travel-cost heading.
inline constexpr qint32 DruhCestovneNahrady = 100;

// One box of the headings dialog: its label and the kind it edits.
struct HlavickaDruhuPopis {
    QString nazov;
    qint32 druh;
};

class PreddefinovaneTexty {
public:
    QList<TPreddefinovanyText> Texty;

    static QString SuborPreddefTextov();

    // The seven boxes of the headings dialog, in their order.
    static const QList<HlavickaDruhuPopis>& DruhyHlaviciek();

    // Reads the file when it exists, else the table is empty. A bad file is reported and
    // the table keeps what could be read. False when the file was not read without fault.
    bool NacitajPreddefTexty();

    // Writes the table (the reserved word as 0); false after reporting a failure.
    Vysledok UlozPreddefTexty() const;

    // The text of the last record of that kind, or an empty text.
    QString HlavickaDruhu(qint32 druh) const;

    // "OK" of the headings dialog: exactly seven records in the order of DruhyHlaviciek,
    // each text cut to 255 characters. Missing texts count as empty.
    void NastavHlavicky(const QStringList& texty);
};
