#pragma once
// The language code list of interpreters and translators, file "\Data\jazyky.dat".

#include <QList>
#include <QString>

#include "Jazyk.h"
#include "store/Vysledok.h"

// The two texts in which the settings keep the registered languages.
struct TZapisaneJazykyText {
    QString Jazyky;          // "eng|deu|"
    QString Najpouzivanejsi; // "eng"
};

class Jazyky {
public:
    // In file order after loading; sorted by code after every insertion.
    QList<TJazyk> ZoznamJazykov;

    static QString SuborJazykov();

    // Reads jazyky.dat without sorting; a missing or bad file is reported and the list
    // keeps what could be read. True when read without fault.
    bool NacitajJazyky();
    // Writes jazyky.dat. A file that could not be read whole is kept beside as
    // ".poskodeny" before it is first overwritten. A failure's reason is the message.
    Vysledok UlozJazyky();
    void ZoradJazyky();

    bool JazykExistuje(const QString& kod) const;
    // The name of the last record with that code; empty when there is none.
    QString NazovJazyka(const QString& kod) const;

    // The registered languages from the language text and the most used code.
    QList<TZapisanyJazyk> ZapisaneJazyky(const QString& text, const QString& najpouzivanejsi) const;
    static TZapisaneJazykyText ZapisaneJazykyText(const QList<TZapisanyJazyk>& zoznam);

    // Adds a language (code cut to 6, name to 50 characters) and sorts the list; returns
    // the system's error text when the code is there already, else an empty text.
    QString PridajJazyk(const QString& kod, const QString& nazov);
    // Renames the language at a position; false for a position out of range.
    bool ZmenNazovJazyka(int index, const QString& nazov);

private:
    bool m_poskodene = false;
};
