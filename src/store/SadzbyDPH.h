#pragma once
// The standard VAT rate by the date of the taxable supply, read from the shipped file
// "\Data\dph.csv": one period a line, "yyyy-mm-dd;rate in percent".

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct SadzbaDPHObdobia {
    double od = 0;       // first day of the period (days since 1899-12-30)
    double sadzba = 0;   // percent
};

class SadzbyDPH {
public:
    QList<SadzbaDPHObdobia> obdobia;  // sorted by their first day

    static QString Subor();
    // Parses the file's text; false (and the table unchanged) when a line is not a period.
    bool Nacitaj(const QByteArray& obsah);
    // The rate in force on `datum` (before the first period the first one); nothing
    // without data.
    std::optional<double> KDatumu(double datum) const;
};

// The table read once per run from the application directory; a file that cannot be read
// as a table is reported ("Problém s otvorením súboru: " and the path), a missing one
// leaves the table empty.
const SadzbyDPH& sadzbyDPH();
// Forgets the table read, so that the next call reads the file again (tests).
void zabudniSadzbyDPH();

// The standard rate for a date of performance, or `inak` without data.
double SadzbaDPHKDatumu(double datum, double inak);
