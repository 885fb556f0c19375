#include "HlavickaZnalca.h"

#include <QFileInfo>

#include "RtfCitac.h"
#include "settings/TextyZnalca.h"

namespace HlavickaZnalca {
namespace {

RtfOdsek odsek(const QString& text, double velkost, bool tucne)
{
    RtfOdsek o;
    o.zarovnanie = Zarovnanie::Stred;
    RtfBeh b;
    b.text = text;
    b.format.velkost = velkost;
    b.format.tucne = tucne;
    o.behy << b;
    o.znacka = b.format;
    return o;
}

RtfDokument dokument(const TNastavenia& n)
{
    RtfDokument d;
    if (!n.BasicFontName.isEmpty())
        d.predvolenePismo = n.BasicFontName;
    if (n.BasicFontSize > 0)
        d.predvolenaVelkost = n.BasicFontSize;
    return d;
}

}  // namespace

bool jeVlastna(const QString& cesta)
{
    if (cesta.isEmpty() || !QFileInfo(cesta).isFile())
        return false;
    const RtfCitac::Vysledok v = RtfCitac::citajSubor(cesta);
    const QString text = v.dokument.text();
    return v.jeRtf && !text.trimmed().isEmpty() && !text.contains(QLatin1String("....."))
           && !text.contains(QLatin1String("Titul Meno Priezvisko"));
}

RtfDokument hlavicka(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    RtfDokument d = dokument(n);
    const QStringList r = RiadkyHlavicky(n, e);
    const double z = d.predvolenaVelkost;
    d.telo << RtfBlok::zOdseku(odsek(r.value(0), z + 2, true));
    for (int i = 1; i < r.size(); ++i)
        if (!r.at(i).isEmpty())
            d.telo << RtfBlok::zOdseku(odsek(r.at(i), std::max(7.0, z - 2), false));
    return d;
}

RtfDokument pata(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    RtfDokument d = dokument(n);
    d.telo << RtfBlok::zOdseku(odsek(RiadokPaty(n, e), std::max(7.0, d.predvolenaVelkost - 3), false));
    return d;
}

RtfDokument hlavickaDokladu(const QString& subor, const TNastavenia& n, const NastaveniaEFaktury& e)
{
    return jeVlastna(subor) ? RtfCitac::citajSubor(subor).dokument : hlavicka(n, e);
}

RtfDokument pataDokladu(const QString& subor, const TNastavenia& n, const NastaveniaEFaktury& e)
{
    return jeVlastna(subor) ? RtfCitac::citajSubor(subor).dokument : pata(n, e);
}

}  // namespace HlavickaZnalca
