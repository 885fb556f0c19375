#pragma once
// Reading and writing whole files: atomic saves, bounded reads, and the common frames
// (counted, single-record) of the binary files.

#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <optional>

#include "Rozlozenie.h"
#include "Spravy.h"
#include "Vysledok.h"

namespace Subory {

// Larger files are not data of this program; they are refused rather than read.
inline constexpr qint64 MaxVelkostSuboru = 256LL * 1024 * 1024;
// A count that would need more memory than this is not believed.
inline constexpr qint64 MaxPamatTabulky = 64LL * 1024 * 1024;

// Size and modification time of a file, as one system call gives them.
struct StavSuboru {
    qint64 velkost = 0;
    qint64 zmenaNs = 0;  // nanoseconds
    bool operator==(const StavSuboru&) const = default;
};
// The state of a regular file; nothing for anything else or when it cannot be asked.
std::optional<StavSuboru> stav(const QString& cesta);

// The whole file, or nothing when it is not a regular file, cannot be opened or read, or is
// absurdly large. With `stav`, the state it had when opened is stored there; a file that
// shrank while it was read gives the bytes there were (fewer than `stav->velkost`).
std::optional<QByteArray> citaj(const QString& cesta, StavSuboru* stav = nullptr);
// The same into `obsah`, reusing its memory: for reading many files one after another.
bool citajDo(const QString& cesta, QByteArray& obsah, StavSuboru* stav = nullptr);

// Writes through a temporary file renamed over the old one: a failed save leaves the old
// file as it was. A failure carries the system's text.
// Every write and the sync before the rename are checked: a short write is a failed save.
// The temporary file is ".<name>.<6 letters or digits>.tmp-kevrot" beside the file.
Vysledok ulozAtomicky(const QString& cesta, const QByteArray& obsah);

// Whether a file name is that of a save's temporary file, which a save cut short (a crash,
// a power cut) leaves behind.
bool jeZvysokUkladania(const QString& meno);
// Removes those leftovers in `koren` and below; the paths removed. Only for the holder of
// the directory's lock: another copy's save in progress looks the same.
QStringList zmazZvyskyUkladania(const QString& koren);

// For tests: makes every save fail, either in the write after `poBajtoch` bytes or, with
// `priPotvrdeni`, at the rename after the whole file was written. Nothing switches it off.
struct PoruchaZapisu {
    qint64 poBajtoch = 0;
    bool priPotvrdeni = false;
};
void nastavPoruchuZapisu(std::optional<PoruchaZapisu> porucha);

// "Nepodarilo sa uložiť súbor: " + path + the system's reason.
QString textChybaZapisu(const QString& cesta, const QString& dovod);

// Reports a failed save through the message service.
void ohlasChybuZapisu(const QString& cesta, const QString& dovod);

// Copies with overwrite; the target is replaced atomically. A failure's reason is the message
// for the user (the source that cannot be read, or the target that cannot be written, with
// the system's reason).
[[nodiscard]] Vysledok kopirujPrepis(const QString& zdroj, const QString& ciel);

qint32 int32Na(const QByteArray& b, qsizetype offset);
void pridajInt32(QByteArray& b, qint32 v);

// Result of reading a counted frame.
struct PocitanyRamec {
    qint32 pocet = 0;          // the count the file announces
    QList<QByteArray> zaznamy; // the records the table gets (present ones, then zero-filled)
    bool chyba = false;        // the file was shorter than announced, or the count absurd
};

// Splits a counted frame (after `hlavicka` bytes) into records of `velkost` bytes.
// Follows the loader shape: records present are taken; when the count announces more,
// the rest are zero-filled, unless the count is negative or would need more memory than
// MaxPamatTabulky, in which case only the records present are taken.
PocitanyRamec rozdelPocitany(const QByteArray& obsah, int velkost, int hlavicka = 0);

}  // namespace Subory

// Loads a counted file into a table. `lenAkExistuje`: a missing file gives an empty table
// silently. Otherwise a missing or bad file is reported with the system's message; the
// table keeps what could be read. Returns true when the file was read without fault.
template <class T>
bool nacitajPocitanySubor(const QString& cesta, QList<T>& tabulka, bool lenAkExistuje, int hlavicka = 0)
{
    tabulka.clear();
    if (lenAkExistuje && !QFileInfo::exists(cesta))
        return true;
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    const auto ramec = Subory::rozdelPocitany(*obsah, T::VELKOST, hlavicka);
    tabulka.reserve(ramec.zaznamy.size());
    for (const auto& z : ramec.zaznamy)
        tabulka.append(T::zObrazu(z));
    if (ramec.chyba)
        spravy().chyba(textProblemSoSuborom(cesta));
    return !ramec.chyba;
}

// The bytes of a counted file for a table.
template <class T>
QByteArray obsahPocitanehoSuboru(const QList<T>& tabulka, int hlavicka = 0)
{
    QByteArray b(hlavicka, '\0');
    b.reserve(hlavicka + 4 + qsizetype(tabulka.size()) * T::VELKOST);
    Subory::pridajInt32(b, qint32(tabulka.size()));
    for (const auto& z : tabulka)
        b.append(z.obrazNaZapis());
    return b;
}

// Saves a table as a counted file, atomically; a failure's reason is the message for the user.
template <class T>
Vysledok ulozPocitanySubor(const QString& cesta, const QList<T>& tabulka, int hlavicka = 0)
{
    const Vysledok v = Subory::ulozAtomicky(cesta, obsahPocitanehoSuboru(tabulka, hlavicka));
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
}

template <class T>
Vysledok ulozJedenZaznam(const QString& cesta, const T& zaznam)
{
    const Vysledok v = Subory::ulozAtomicky(cesta, zaznam.obrazNaZapis());
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
}
