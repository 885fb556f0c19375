#pragma once
// A user text list behind a drop-down of the entry and order editors: a file in "\Data\"
// with one item a line (Windows-1250, CR LF), read when an editor opens and written whole
// after every change. Items are kept in Slovak alphabetical order, case-insensitive.

#include <QString>
#include <QStringList>

#include "store/Vysledok.h"

namespace TextoveZoznamy {
inline const QString DruhUkonu = QStringLiteral("kevrot_druh_ukonu.kvz");
inline const QString TypPosudku = QStringLiteral("kevrot_typ_posudku.kvz");
inline const QString Predmet = QStringLiteral("kevrot_predmet.kvz");
inline const QString Ucel = QStringLiteral("kevrot_ucel.kvz");
inline const QString UdajeOdmena = QStringLiteral("kevrot_udaje_odmena.kvz");
// The entries a list offers before its file exists (the entry editor's drop-downs).
QStringList Vstavane(const QString& nazovSuboru);
}  // namespace TextoveZoznamy

class TextovyZoznam {
public:
    // `vstavanePolozky`: the drop-down's own items, kept while no file exists.
    explicit TextovyZoznam(const QString& nazovSuboru, const QStringList& vstavanePolozky = {});

    QStringList Polozky;

    QString NazovSuboru() const { return m_nazovSuboru; }
    QString Subor() const;

    // An existing file replaces the items by its non-blank lines; without a file the items stay.
    // An unreadable file is reported and the items stay. True when the file was read.
    bool NacitajZoznam();

    // The "+" button: a text that is not blank and not yet an item (without regard to
    // case) is added, the items are sorted and the file is written; a list without a file
    // keeps the list's built-in entries in it. True when added;
    // a failed write is reported and the new item stays.
    bool PridajText(const QString& text);

    // "OK" of the list window: its rows, sorted, become the items and the file is written.
    // A failed write's reason is the message for the user.
    Vysledok NahradPolozky(const QStringList& riadky);

    // Writes every item; a failure's reason is the message for the user.
    Vysledok UlozZoznam() const;

    // Slovak alphabetical order without regard to case (ch after h, č after c), the same
    // whatever the process's locale; equal items keep their order.
    static void ZoradTexty(QStringList& texty);

    // True when an item equals the text without regard to case.
    static bool ObsahujeText(const QStringList& texty, const QString& text);

private:
    QString m_nazovSuboru;
    bool m_zoSuboru = false;  // the items are the file's (read or written), not the built-in ones
};
