#include "SadzbyDPH.h"

#include <QDate>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <memory>

#include "Cesty.h"
#include "Cisla.h"
#include "Datum.h"
#include "SadzbyNahrad.h"
#include "Spravy.h"
#include "ZdielaneSubory.h"

QString SadzbyDPH::Subor() { return ZdielaneSubory::subor(QStringLiteral("\\Data\\dph.csv")); }

bool SadzbyDPH::Nacitaj(const QByteArray& obsah)
{
    const auto riadky = RiadkySadzieb(obsah, 1);
    if (!riadky)
        return false;
    QList<SadzbaDPHObdobia> nove;
    for (const QList<double>& r : *riadky) {
        if (r[1] >= 100)
            return false;
        nove.append({r[0], r[1]});
    }
    obdobia = nove;
    return true;
}

std::optional<double> SadzbyDPH::KDatumu(double datum) const
{
    if (obdobia.isEmpty())
        return std::nullopt;
    double s = obdobia.front().sadzba;
    for (const SadzbaDPHObdobia& o : obdobia)
        if (o.od <= datum)
            s = o.sadzba;
    return s;
}

namespace {
std::unique_ptr<SadzbyDPH>& nacitane()
{
    static std::unique_ptr<SadzbyDPH> s;
    return s;
}
}  // namespace

const SadzbyDPH& sadzbyDPH()
{
    auto& s = nacitane();
    if (!s) {
        s = std::make_unique<SadzbyDPH>();
        QFile f(SadzbyDPH::Subor());
        if (f.exists() && (!f.open(QIODevice::ReadOnly) || !s->Nacitaj(f.readAll())))
            spravy().chyba(textProblemSoSuborom(SadzbyDPH::Subor()));
    }
    return *s;
}

void zabudniSadzbyDPH() { nacitane().reset(); }

double SadzbaDPHKDatumu(double datum, double inak) { return sadzbyDPH().KDatumu(datum).value_or(inak); }
