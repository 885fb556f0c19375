#include "TlacCestovnehoPrikazu.h"

#include "store/CestovneNahrady.h"
#include "store/Cisla.h"
#include "store/Datum.h"
#include "store/Peniaze.h"

namespace TlacCestovnehoPrikazu {

namespace {
QString suma(double x) { return SumaText(SymbolEuro, x); }
}  // namespace

NazvaneHodnoty Hodnoty(const TCestovneNahrady& c)
{
    NazvaneHodnoty h;
    auto pridaj = [&h](const QString& n, const QString& v) { h.append({n, v}); };
    pridaj(QStringLiteral("Meno"), c.Meno);
    pridaj(QStringLiteral("Bydlisko"), c.Bydlisko);
    pridaj(QStringLiteral("DlzkaTrasy"), QString::number(c.PocetNajazdenychKM));
    pridaj(QStringLiteral("PocetNajazdenychKM"), QString::number(c.PocetNajazdenychKM));
    pridaj(QStringLiteral("Vozidlo"), c.Vozidlo);
    pridaj(QStringLiteral("VozidloEC"), c.VozidloEC);
    pridaj(QStringLiteral("Spotreba"), KratkeCislo(c.Spotreba));
    pridaj(QStringLiteral("PriemernaSpotrebaPodlaTP"), KratkeCislo(c.Spotreba));
    pridaj(QStringLiteral("CenaPHM"), suma(c.CenaPHM));
    pridaj(QStringLiteral("CenaLiterPHM"), suma(c.CenaPHM));
    pridaj(QStringLiteral("Opotrebenie"), suma(c.Opotrebenie));
    const char* casti[4] = {"Zaciatok", "Miesto", "Ucel", "Koniec"};
    for (int s = 0; s < 4; ++s)
        for (int k = 1; k <= 4; ++k)
            pridaj(QString::fromLatin1(casti[s]) + QString::number(k), c.textCesty(k, s));
    pridaj(QStringLiteral("Spolucestujuci"), c.Spolucestujuci);
    const QString datumy[4] = {c.Datum1, c.Datum2, c.Datum3, c.Datum4};
    const double stravne[4] = {c.Stravne1, c.Stravne2, c.Stravne3, c.Stravne4};
    const double noclazne[4] = {c.Noclazne1, c.Noclazne2, c.Noclazne3, c.Noclazne4};
    const double vedlajsie[4] = {c.Vedlajsie1, c.Vedlajsie2, c.Vedlajsie3, c.Vedlajsie4};
    for (int d = 0; d < 4; ++d) {
        const QString n = QString::number(d + 1);
        pridaj(QStringLiteral("Datum") + n, datumy[d]);
        pridaj(QStringLiteral("Stravne") + n, suma(stravne[d]));
        pridaj(QStringLiteral("Noclazne") + n, suma(noclazne[d]));
        pridaj(QStringLiteral("Vedlajsie") + n, suma(vedlajsie[d]));
    }
    pridaj(QStringLiteral("PHM_celkom"), suma(c.PHM_celkom));
    pridaj(QStringLiteral("Cestovne"), suma(c.Cestovne));
    pridaj(QStringLiteral("Stravne"), suma(c.Stravne));
    pridaj(QStringLiteral("OstatneNaklady"), suma(c.OstatneNaklady));
    pridaj(QStringLiteral("SpoluNaklady"), u' ' + suma(c.SpoluNaklady) + u' ');
    pridaj(QStringLiteral("VyuctovaneDna"), c.VyuctovaneDna == 0 ? QString() : DatumText(c.VyuctovaneDna));
    return h;
}

}  // namespace TlacCestovnehoPrikazu
