#include "SadzbyDPH.h"

#include <QDate>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <memory>

#include "Cesty.h"
#include "Cisla.h"
#include "Datum.h"
#include "Spravy.h"
#include "ZdielaneSubory.h"

QString SadzbyDPH::Subor() { return ZdielaneSubory::subor(QStringLiteral("\\Data\\dph.csv")); }

bool SadzbyDPH::Nacitaj(const QByteArray& obsah)
{
    QList<SadzbaDPHObdobia> nove;
    const QList<QByteArray> linky = obsah.split('\n');
    for (int i = 0; i < linky.size(); ++i) {
        const QString l = QString::fromUtf8(linky[i]).trimmed();
        if (l.isEmpty() || (i == 0 && !l.front().isDigit()))
            continue;
        const QStringList casti = l.split(u';');
        const QDate d = casti.size() == 2 ? QDate::fromString(casti[0].trimmed(), Qt::ISODate) : QDate();
        const auto s = casti.size() == 2 ? TextNaCislo(casti[1].trimmed()) : std::nullopt;
        if (!d.isValid() || !s || *s < 0 || *s >= 100)
            return false;
        nove.append({QDateNaDatum(d), *s});
    }
    std::stable_sort(nove.begin(), nove.end(), [](const auto& a, const auto& b) { return a.od < b.od; });
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
