#pragma once
// The page model: pages are recorded in screen units (96 to the inch); a page covers the
// whole paper, so its origin is the paper's top-left corner.

#include <QSize>

#include "Komponenty.h"

struct TAlPrinter {
    int ppiStrany = 96;      // page units per inch
    int ppiObrazovky = 96;   // design pixels per inch
    TPrinterOrientation orientacia = TPrinterOrientation::poPortrait;
    tPapersize papier = tPapersize::alr_A4;
    QSize velkostStrany;     // in page units

    void prepocitaj(TPrinterOrientation o, tPapersize p);

    // Design pixels to page units: scaled, plus one half, rounded with ties to even.
    int zDizajnu(int px) const;
    // Millimetres to page units, rounded the same way.
    int zMM(int mm) const;
};
