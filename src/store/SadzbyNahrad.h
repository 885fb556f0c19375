#pragma once
// Legal rates of travel allowances that change over time, read from the shipped files
// "\Data\stravne.csv" (meal allowance by the length of the absence) and
// "\Data\opotrebenie.csv" (wear of a car per km): one period a line, "yyyy-mm-dd;amounts".

#include <QList>
#include <QString>

#include <optional>

// The data lines of a rate file, each as its first day (days since 1899-12-30) and `pocet`
// non-negative numbers, oldest first; the header and empty lines are skipped. Nothing when a
// line is not such a period.
std::optional<QList<QList<double>>> RiadkySadzieb(const QByteArray& obsah, int pocet);

struct SadzbaStravneho {
    double od = 0;         // first day of the period (days since 1899-12-30)
    double do12h = 0;      // 5 to 12 hours
    double do18h = 0;      // over 12 up to 18 hours
    double nad18h = 0;     // over 18 hours
};

struct SadzbaOpotrebenia {
    double od = 0;
    double sadzba = 0;     // euro per km
};

class SadzbyNahrad {
public:
    // Periods sorted by their first day, oldest first.
    QList<SadzbaStravneho> stravne;
    QList<SadzbaOpotrebenia> opotrebenie;

    static QString SuborStravneho();
    static QString SuborOpotrebenia();

    // Reads both files. A missing or unreadable file, or a line that is not a period, is
    // reported ("Problém s otvorením súboru: " and the path); what could be read is kept.
    bool Nacitaj();
    // Parses the texts of the two files; false when a line was not a period.
    bool NacitajStravne(const QByteArray& obsah);
    bool NacitajOpotrebenie(const QByteArray& obsah);

    // The rates in force on `datum`: the last period that began on or before it; before the
    // first period the first one; all zero without data.
    SadzbaStravneho StravneKDatumu(double datum) const;
    double OpotrebenieKDatumu(double datum) const;
};

// The rates read once per run from the application directory.
const SadzbyNahrad& sadzbyNahrad();
// Forgets the rates read, so that the next call reads the files again (tests).
void zabudniSadzbyNahrad();
