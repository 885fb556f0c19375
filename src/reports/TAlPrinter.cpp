#include "TAlPrinter.h"

#include <cmath>

namespace {

int zaokruhli(double v)
{
    return int(std::nearbyint(v + 0.5));   // the default rounding mode: ties to even
}

}  // namespace

void TAlPrinter::prepocitaj(TPrinterOrientation o, tPapersize p)
{
    orientacia = o;
    papier = p;
    const QSize mm = rozmerPapieraMM(p);
    QSize v(int(std::lround(mm.width() * ppiStrany / 25.4)), int(std::lround(mm.height() * ppiStrany / 25.4)));
    if (o == TPrinterOrientation::poLandscape)
        v.transpose();
    velkostStrany = v;
}

int TAlPrinter::zDizajnu(int px) const
{
    return zaokruhli(double(px) * ppiStrany / ppiObrazovky);
}

int TAlPrinter::zMM(int mm) const
{
    return zaokruhli(double(mm) * ppiStrany / 25.4);
}
