#include "ObjednavkaFilter.h"

#include "store/Datum.h"
#include "store/Objednavka.h"

#include <QStringList>

namespace {
bool obsahuje(const QString& text, const QString& cast)
{
    return cast.isEmpty() || text.contains(cast, Qt::CaseSensitive);
}
}  // namespace

QString TObjednavkaFilter::ObnovTextAStlpce()
{
    QStringList riadky;
    Stlpce = 0;
    Aktivny = false;
    auto pridaj = [&](const QString& riadok, int bit) {
        riadky << riadok;
        Stlpce |= quint8(1u << bit);
        Aktivny = true;
    };
    if (DatumVyziadania != 0.0)
        pridaj(QStringLiteral("Dátum vyžiadania: ") + DatumText(DatumVyziadania), 1);
    if (!Zadavatel.isEmpty())
        pridaj(QStringLiteral("Zadávateľ: ") + Zadavatel, 2);
    if (!SpisovaZnacka.isEmpty())
        pridaj(QStringLiteral("Spisová značka: ") + SpisovaZnacka, 3);
    if (!Predmet.isEmpty())
        pridaj(QStringLiteral("Predmet: ") + Predmet, 6);
    if (!Ucel.isEmpty())
        pridaj(QStringLiteral("Účel: ") + Ucel, 7);
    return riadky.join(QLatin1Char('\n'));
}

void TObjednavkaFilter::Vycisti() { *this = TObjednavkaFilter{}; }

bool TObjednavkaFilter::TestujeStlpec(int stlpec) const
{
    return Aktivny && stlpec >= 0 && stlpec < 7 && (Stlpce & (1u << (stlpec + 1)));
}

bool TObjednavkaFilter::Vyhovuje(const TObjednavka& o) const
{
    if (!Aktivny)
        return true;
    return (DatumVyziadania == 0.0 || o.DatumVyziadania == DatumVyziadania) && obsahuje(o.Meno, Zadavatel) &&
           obsahuje(o.Cislo, SpisovaZnacka) && obsahuje(o.Predmet, Predmet) && obsahuje(o.Ucel, Ucel);
}
