#include "SadzbyNahrad.h"

#include "Cesty.h"
#include "Cisla.h"
#include "Datum.h"
#include "Spravy.h"
#include "ZdielaneSubory.h"

#include <QFile>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

std::optional<QList<QList<double>>> RiadkySadzieb(const QByteArray& obsah, int pocet)
{
    QList<QList<double>> vysledok;
    const QList<QByteArray> linky = obsah.split('\n');
    for (int i = 0; i < linky.size(); ++i) {
        const QString l = QString::fromUtf8(linky[i]).trimmed();
        if (l.isEmpty() || (i == 0 && !l.front().isDigit()))
            continue;
        const QStringList casti = l.split(u';');
        if (casti.size() != pocet + 1)
            return std::nullopt;
        const QDate d = QDate::fromString(casti[0].trimmed(), Qt::ISODate);
        if (!d.isValid())
            return std::nullopt;
        QList<double> r{QDateNaDatum(d)};
        for (int k = 1; k <= pocet; ++k) {
            const auto c = TextNaCislo(casti[k].trimmed());
            if (!c || *c < 0)
                return std::nullopt;
            r.append(*c);
        }
        vysledok.append(r);
    }
    std::stable_sort(vysledok.begin(), vysledok.end(), [](const auto& a, const auto& b) { return a[0] < b[0]; });
    return vysledok;
}

namespace {

template <class T>
const T* platna(const QList<T>& obdobia, double datum)
{
    if (obdobia.isEmpty())
        return nullptr;
    const T* p = &obdobia.front();
    for (const T& o : obdobia)
        if (o.od <= datum)
            p = &o;
    return p;
}

bool nacitajSubor(const QString& cesta, const std::function<bool(const QByteArray&)>& citaj)
{
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly) || !citaj(f.readAll())) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    return true;
}

std::unique_ptr<SadzbyNahrad>& nacitane()
{
    static std::unique_ptr<SadzbyNahrad> s;
    return s;
}

}  // namespace

QString SadzbyNahrad::SuborStravneho() { return ZdielaneSubory::subor(QStringLiteral("\\Data\\stravne.csv")); }
QString SadzbyNahrad::SuborOpotrebenia() { return ZdielaneSubory::subor(QStringLiteral("\\Data\\opotrebenie.csv")); }

bool SadzbyNahrad::NacitajStravne(const QByteArray& obsah)
{
    const auto r = RiadkySadzieb(obsah, 3);
    if (!r)
        return false;
    stravne.clear();
    for (const auto& x : *r)
        stravne.append({x[0], x[1], x[2], x[3]});
    return true;
}

bool SadzbyNahrad::NacitajOpotrebenie(const QByteArray& obsah)
{
    const auto r = RiadkySadzieb(obsah, 1);
    if (!r)
        return false;
    opotrebenie.clear();
    for (const auto& x : *r)
        opotrebenie.append({x[0], x[1]});
    return true;
}

bool SadzbyNahrad::Nacitaj()
{
    const bool s = nacitajSubor(SuborStravneho(), [this](const QByteArray& b) { return NacitajStravne(b); });
    const bool o = nacitajSubor(SuborOpotrebenia(), [this](const QByteArray& b) { return NacitajOpotrebenie(b); });
    return s && o;
}

SadzbaStravneho SadzbyNahrad::StravneKDatumu(double datum) const
{
    const SadzbaStravneho* p = platna(stravne, datum);
    return p ? *p : SadzbaStravneho{};
}

double SadzbyNahrad::OpotrebenieKDatumu(double datum) const
{
    const SadzbaOpotrebenia* p = platna(opotrebenie, datum);
    return p ? p->sadzba : 0.0;
}

const SadzbyNahrad& sadzbyNahrad()
{
    auto& s = nacitane();
    if (!s) {
        s = std::make_unique<SadzbyNahrad>();
        s->Nacitaj();
    }
    return *s;
}

void zabudniSadzbyNahrad() { nacitane().reset(); }
