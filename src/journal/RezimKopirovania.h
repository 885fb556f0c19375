#pragma once
// Copy mode of the journal register: one entry taken with "Kopiruj", one value of it put
// into another entry with "Vloz", chosen by the column of the selected cell.

#include "store/RiadokKevrota.h"
#include "store/ZnalKevrotZaznam.h"

#include <QPoint>
#include <QRect>

class RezimKopirovania {
public:
    bool zapnuty() const { return m_zapnuty; }
    // On: the copied cell is forgotten (the buffer stays). Off: back to row selection.
    void Prepni();

    // Takes the entry into the buffer and remembers the cell.
    void Kopiruj(const RiadokKevrota& zdroj, int riadok, int stlpec);

    // Puts the buffer's value of a column into the entry: 1 Meno and Adresa, 2 order
    // number, 3 date of request, 4 date of performance, 5 subject. False, and the entry
    // untouched, outside copy mode, in any other column, and before anything was copied.
    bool Vloz(TZnalKevrotZaznam& ciel, int stlpec) const;

    bool maKopiu() const { return m_maKopiu; }
    bool jeKopirovanaBunka(int riadok, int stlpec) const;
    const RiadokKevrota& buffer() const { return m_buffer; }

private:
    bool m_zapnuty = false;
    bool m_maKopiu = false;
    RiadokKevrota m_buffer;
    int m_riadok = -1;
    int m_stlpec = -1;
};

// Where the pop-up menu of copy mode opens so that it leaves the detail panel visible:
// beside the panel at the click's height, else below or above it, within the screen.
// All in screen coordinates; an empty panel leaves the menu at the click.
QPoint MiestoPonuky(const QRect& panel, const QSize& ponuka, const QPoint& klik, const QRect& plocha);
