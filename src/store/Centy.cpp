#include "Centy.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "Cisla.h"
#include "Datum.h"

Centy NaCenty(double suma)
{
    const double v = DesatinnaHodnota(suma) * 100;
    if (!std::isfinite(v) || std::fabs(v) > 9e17)
        return 0;
    // The value read to 15 significant digits; its hundredfold is again read so, so that
    // 3062.4999999 from binary noise does not lose the half cent.
    return Centy(std::round(DesatinnaHodnota(v)));
}

namespace {

// The rate in hundredths of a percent: 20 → 2000, 19.5 → 1950.
qint64 stotinySadzby(double sadzba)
{
    if (!std::isfinite(sadzba))
        return 0;
    return qint64(std::llround(std::clamp(sadzba, -1e6, 1e6) * 100));
}

// a × b / c rounded half away from zero, in integers (c > 0).
Centy zaokruhlenyPodiel(Centy a, qint64 b, qint64 c)
{
    const __int128 n = __int128(a) * b;
    const __int128 q = n / c, r = n % c;
    if (2 * (r < 0 ? -r : r) >= c)
        return Centy(q + (n < 0 ? -1 : 1));
    return Centy(q);
}

}  // namespace

Centy DPHZakladu(Centy zaklad, double sadzba) { return zaokruhlenyPodiel(zaklad, stotinySadzby(sadzba), 10000); }

QList<Centy> RozdelNajvacsimZvyskom(Centy celkom, const QList<Centy>& vahy)
{
    QList<Centy> casti(vahy.size(), 0);
    if (vahy.isEmpty())
        return casti;
    __int128 spolu = 0;
    for (Centy v : vahy)
        spolu += std::max<Centy>(v, 0);
    if (spolu == 0) {
        casti[0] = celkom;
        return casti;
    }
    const Centy c = celkom < 0 ? -celkom : celkom;
    QList<__int128> zvysky(vahy.size());
    Centy zostava = c;
    for (qsizetype i = 0; i < vahy.size(); ++i) {
        const __int128 n = __int128(std::max<Centy>(vahy[i], 0)) * c;
        casti[i] = Centy(n / spolu);
        zvysky[i] = n % spolu;
        zostava -= casti[i];
    }
    QList<qsizetype> poradie(vahy.size());
    std::iota(poradie.begin(), poradie.end(), 0);
    std::stable_sort(poradie.begin(), poradie.end(), [&](qsizetype a, qsizetype b) { return zvysky[a] > zvysky[b]; });
    for (qsizetype k = 0; zostava > 0; ++k, --zostava)
        casti[poradie[k % poradie.size()]] += 1;
    if (celkom < 0)
        for (Centy& x : casti)
            x = -x;
    return casti;
}

RozpisSumy::Sposob RozpisSumy::SposobPre(bool platca, double datumVykonania)
{
    if (!platca)
        return Sposob::BezDPH;
    return datumVykonania >= DatumPrechoduDPH() ? Sposob::DPHNavyse : Sposob::DPHVCene;
}

RozpisSumy::RozpisSumy(const QList<Centy>& riadky, Sposob sposob, double sadzba)
    : m_sposob(sposob), m_sadzba(sposob == Sposob::BezDPH ? 0 : sadzba)
{
    Centy sucet = 0;
    for (Centy r : riadky)
        sucet += r;
    switch (m_sposob) {
    case Sposob::BezDPH: m_sucet = {sucet, 0, sucet}; break;
    case Sposob::DPHNavyse: {
        const Centy dph = DPHZakladu(sucet, m_sadzba);
        m_sucet = {sucet, dph, sucet + dph};
        break;
    }
    case Sposob::DPHVCene: {
        // The base within the total; of the bases next to the quotient the one whose VAT,
        // reckoned as on a base, gives the total back, so that an e-invoice of the same
        // base and rate adds up to the same total.
        const qint64 s = stotinySadzby(m_sadzba);
        Centy zaklad = s > -10000 ? zaokruhlenyPodiel(sucet, 10000, 10000 + s) : sucet;
        for (Centy k : {zaklad, zaklad - 1, zaklad + 1})
            if (k + DPHZakladu(k, m_sadzba) == sucet) {
                zaklad = k;
                break;
            }
        m_sucet = {zaklad, sucet - zaklad, sucet};
        break;
    }
    }
    // The VAT column: the bill's VAT spread over the rows by their share of the sum.
    const QList<Centy> dph = RozdelNajvacsimZvyskom(m_sucet.dph, riadky);
    m_riadky.reserve(riadky.size());
    for (qsizetype i = 0; i < riadky.size(); ++i) {
        if (m_sposob == Sposob::DPHVCene)
            m_riadky.append({riadky[i] - dph[i], dph[i], riadky[i]});
        else
            m_riadky.append({riadky[i], dph[i], riadky[i] + dph[i]});
    }
}

SumaRiadku RozpisSumy::sucetRiadkov(qsizetype od, qsizetype pocet) const
{
    SumaRiadku s;
    for (qsizetype i = std::max<qsizetype>(od, 0); i < std::min(od + pocet, m_riadky.size()); ++i) {
        s.zaklad += m_riadky[i].zaklad;
        s.dph += m_riadky[i].dph;
        s.spolu += m_riadky[i].spolu;
    }
    return s;
}
