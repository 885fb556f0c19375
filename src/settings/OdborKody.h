#pragma once
// What the code lists of fields, branches and languages share: the order by code, the
// registered-code texts ("490000|491500|") and the protection of a file that could not be
// read before it is overwritten.

#include <QList>
#include <QString>
#include <QStringList>

#include "store/Subory.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace OdborKody {

// Codes of a registered-code text: every "|" ends one code (two in a row give an empty
// code); characters after the last "|" are ignored.
QStringList RozdelKody(const QString& text);

// A code with "|" would fall apart in the registered-code texts: the error text for it,
// else empty.
QString OverZnakyKodu(const QString& kod);

// Order of two records keyed by code + "|" + position: codes compared without regard to
// letter case (a code that is the beginning of another comes first); equal codes by the
// text of their position ("10" before "9").
bool PredKodom(const QString& kodA, int indexA, const QString& kodB, int indexB);

// Before a list whose file could not be read whole is saved over it, the file is kept
// once as path + ".poskodeny", so what was unreadable is not lost. False when that copy
// could not be made (the caller then does not save).
bool ZachovajPoskodeny(const QString& cesta);

// Saves a code list to `cesta`, keeping first the file it could not read whole
// (`poskodeny`, cleared once saved). A failure's reason is the message for the user.
template <class T>
Vysledok UlozZoznam(const QString& cesta, const QList<T>& zoznam, bool& poskodeny)
{
    if (poskodeny && !ZachovajPoskodeny(cesta))
        return Vysledok::chyba(Subory::textChybaZapisu(cesta + QStringLiteral(".poskodeny"), QString()));
    const Vysledok v = ulozPocitanySubor(cesta, zoznam);
    if (v)
        poskodeny = false;
    return v;
}

}  // namespace OdborKody

// Sorts a list of records with a `Kod` by code.
template <class T>
void ZoradPodlaKodu(QList<T>& zoznam)
{
    std::vector<int> poradie(size_t(zoznam.size()));
    std::iota(poradie.begin(), poradie.end(), 0);
    std::sort(poradie.begin(), poradie.end(), [&](int a, int b) {
        return OdborKody::PredKodom(zoznam.at(a).Kod, a, zoznam.at(b).Kod, b);
    });
    QList<T> zoradeny;
    zoradeny.reserve(zoznam.size());
    for (int i : poradie)
        zoradeny.append(zoznam.at(i));
    zoznam = std::move(zoradeny);
}

// Marks the entry at `index` as the only most used one; an index out of range marks none.
template <class T>
void NastavNajpouzivanejsi(QList<T>& zoznam, int index)
{
    for (int i = 0; i < zoznam.size(); ++i)
        zoznam[i].Najpouzivanejsi = (i == index);
}

// The code of the last entry marked as most used; empty when none is.
template <class T>
QString KodNajpouzivanejsieho(const QList<T>& zoznam)
{
    QString kod;
    for (const auto& z : zoznam)
        if (z.Najpouzivanejsi)
            kod = z.Kod;
    return kod;
}
