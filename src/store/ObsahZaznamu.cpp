// The layout of an entry file: its record, the items with their sub-items, the payments.
#include "Zurnal.h"

#include <algorithm>

#include "Subory.h"

std::optional<TZnalKevrotZaznam> Zurnal::CitajZaznam(const QByteArray& data, qsizetype& pozicia)
{
    if (pozicia < 0 || data.size() - pozicia < TZnalKevrotZaznam::VELKOST_STARA)
        return std::nullopt;
    const qint32 verzia = Subory::int32Na(data, pozicia + TZnalKevrotZaznam::PoziciaVerzie);
    if (verzia == TZnalKevrotZaznam::VerziaAktualna) {
        if (data.size() - pozicia < TZnalKevrotZaznam::VELKOST)
            return std::nullopt;
        auto z = TZnalKevrotZaznam::zObrazu(data.constData() + pozicia, TZnalKevrotZaznam::VELKOST);
        pozicia += TZnalKevrotZaznam::VELKOST;
        return z;
    }
    if (verzia != 0 && verzia != 1)
        return std::nullopt;
    // The older record in a buffer of the current size: the bytes past it are zero.
    auto z = TZnalKevrotZaznam::zObrazu(data.constData() + pozicia, TZnalKevrotZaznam::VELKOST_STARA);
    if (verzia == 0)
        z.DoZoznamuVyuctovani = true;
    z.CisloObjednavky = z.CisloStare.left(50);
    pozicia += TZnalKevrotZaznam::VELKOST_STARA;
    return z;
}

bool Zurnal::CitajVydavky(const QByteArray& data, qsizetype& pozicia, QList<TVydavok>& vydavky)
{
    vydavky.clear();
    if (pozicia < 0 || data.size() - pozicia < 4)
        return false;
    const qint32 pocet = Subory::int32Na(data, pozicia);
    pozicia += 4;
    // Every item takes at least its head: a count the bytes cannot hold is not believed.
    if (pocet < 0 || pocet > (data.size() - pozicia) / TVydavok::VELKOST)
        return false;
    vydavky.reserve(pocet);
    for (qint32 i = 0; i < pocet; ++i) {
        if (data.size() - pozicia < TVydavok::VELKOST)
            return false;
        TVydavok v = TVydavok::zObrazu(data.constData() + pozicia, TVydavok::VELKOST);
        pozicia += TVydavok::VELKOST;
        const qint32 m = v.PocetRozpisov;
        if (m < 0 || m > (data.size() - pozicia) / TRozpisPolozky::VELKOST)
            return false;
        v.Rozpis.reserve(m);
        for (qint32 k = 0; k < m; ++k) {
            v.Rozpis.append(TRozpisPolozky::zObrazu(data.constData() + pozicia, TRozpisPolozky::VELKOST));
            pozicia += TRozpisPolozky::VELKOST;
        }
        vydavky.append(std::move(v));
    }
    return true;
}

bool Zurnal::CitajVyplatenia(const QByteArray& data, qsizetype& pozicia, qint32 pocet,
                             QList<TVyplatenie>& vyplatenia)
{
    vyplatenia.clear();
    if (pocet < 0 || pozicia < 0 || pozicia > data.size())
        return false;
    const qint64 pritomnych = (data.size() - pozicia) / TVyplatenie::VELKOST;
    const qint64 vziat = std::min<qint64>(pocet, pritomnych);
    vyplatenia.reserve(vziat);
    for (qint64 i = 0; i < vziat; ++i) {
        vyplatenia.append(TVyplatenie::zObrazu(data.constData() + pozicia, TVyplatenie::VELKOST));
        pozicia += TVyplatenie::VELKOST;
    }
    return vziat == pocet;
}

bool Zurnal::RozoberSubor(const QByteArray& data, ObsahZaznamu& obsah, qsizetype* koniec)
{
    obsah.vydavky.clear();
    obsah.vyplatenia.clear();
    qsizetype p = 0;
    auto z = CitajZaznam(data, p);
    if (!z)
        return false;
    obsah.zaznam = *z;
    if (!CitajVydavky(data, p, obsah.vydavky))
        return false;
    const bool ok = CitajVyplatenia(data, p, obsah.zaznam.PocetVyplateni, obsah.vyplatenia);
    if (koniec)
        *koniec = p;
    return ok;
}

QByteArray Zurnal::ObsahSuboru(const TZnalKevrotZaznam& zaznam, const QList<TVydavok>& vydavky,
                               const QList<TVyplatenie>& vyplatenia)
{
    TZnalKevrotZaznam z = zaznam;
    z.Verzia = TZnalKevrotZaznam::VerziaAktualna;  // the record is written at its current size
    z.PocetVyplateni = qint32(vyplatenia.size());
    qsizetype velkost = TZnalKevrotZaznam::VELKOST + 4 + vyplatenia.size() * TVyplatenie::VELKOST;
    for (const auto& v : vydavky)
        velkost += TVydavok::VELKOST + v.Rozpis.size() * TRozpisPolozky::VELKOST;
    QByteArray b;
    b.reserve(velkost);
    b.append(z.obrazNaZapis());
    Subory::pridajInt32(b, qint32(vydavky.size()));
    for (const auto& v : vydavky) {
        if (v.PocetRozpisov == v.Rozpis.size()) {
            b.append(v.obrazNaZapis());
        } else {
            TVydavok hlava = v;
            hlava.PocetRozpisov = qint32(v.Rozpis.size());
            b.append(hlava.obrazNaZapis());
        }
        for (const auto& r : v.Rozpis)
            b.append(r.obrazNaZapis());
    }
    for (const auto& v : vyplatenia)
        b.append(v.obrazNaZapis());
    return b;
}
