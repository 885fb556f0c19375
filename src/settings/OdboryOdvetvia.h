#pragma once
// The code lists of fields and branches of expertise shared by every expert, with their
// files "\Data\odbory.dat" and "\Data\odvetvia.dat".

#include <QList>
#include <QString>

#include "Odbor.h"
#include "OdborOdvetvie.h"
#include "Odvetvie.h"
#include "store/Vysledok.h"

class OdboryOdvetvia {
public:
    // Both sorted by code after loading and after every insertion.
    QList<TOdbor> Odbory;
    QList<TOdvetvie> Odvetvia;

    static QString SuborOdborov();
    static QString SuborOdvetvi();

    // Reads odvetvia.dat, then odbory.dat (a missing or bad file is reported; its list
    // keeps what could be read), then sorts branches and fields. True when both were read
    // without fault.
    bool NacitajOdboryOdvetvia();

    // Writes odvetvia.dat, then odbory.dat. A file that could not be read whole is kept
    // beside as ".poskodeny" before it is first overwritten. A failure's reason is the
    // message (both, one per line, when both files could not be written).
    Vysledok UlozOdboryOdvetvia();

    void ZoradOdbory();
    void ZoradOdvetvia();

    bool OdborExistuje(const QString& kod) const;
    bool OdvetvieExistuje(const QString& kod) const;
    // The name of the last record with that code; empty when there is none.
    QString NazovOdboru(const QString& kod) const;
    QString NazovOdvetvia(const QString& kod) const;

    // The registered set from the three texts kept in the settings. A branch goes under
    // every registered field with the same first two characters; one that matches none is
    // dropped.
    QList<TOdborOdvetvie> ZapisaneOdbory(const QString& textOdborov, const QString& textOdvetvi,
                                         const QString& najpouzivanejsi) const;

    // Branches whose code begins with the first two characters of the field's code.
    QList<TOdvetvie> OdvetviaOdboru(const QString& kodOdboru) const;

    // Editing the lists. Each returns the system's error text, or an empty text when the
    // list was changed (the code is stored cut to 6 characters, the name to its capacity,
    // and the list is sorted). A code is refused when the list holds it already.
    QString PridajOdbor(const QString& kod, const QString& nazov);
    QString PridajOdvetvie(const QString& kodOdboru, const QString& kod, const QString& nazov);
    // Renames the record at a position of its list; false for a position out of range.
    bool ZmenNazovOdboru(int index, const QString& nazov);
    bool ZmenNazovOdvetvia(int index, const QString& nazov);

    // The numbering rule of a branch typed for a field: empty when it holds, else the
    // system's error text.
    static QString OverCisloOdvetvia(const QString& kodOdboru, const QString& kodOdvetvia);

private:
    bool m_odboryPoskodene = false;
    bool m_odvetviaPoskodene = false;
};
