#include "StavNahladu.h"

#include <array>
#include <cmath>

namespace {
constexpr std::array<int, 5> kRebrik = {50, 75, 100, 150, 200};
}

void StavNahladu::nastavPocetStran(int n)
{
    m_pocet = n;
    m_strana = 1;
}

void StavNahladu::chodNaStranu(int n)
{
    if (n >= 1 && n <= m_pocet)
        m_strana = n;
}

QString StavNahladu::indikator() const
{
    return QString::number(m_strana) + u'/' + QString::number(m_pocet);
}

void StavNahladu::zvacsenieZTextu(const QString& text)
{
    bool ok = false;
    int z = text.trimmed().toInt(&ok);
    if (!ok)
        z = 100;
    if (z >= 25 && z <= 200)
        m_zvacsenie = z;
}

void StavNahladu::zvacsi()
{
    for (size_t i = 0; i + 1 < kRebrik.size(); ++i)
        if (kRebrik[i] == m_zvacsenie) {
            m_zvacsenie = kRebrik[i + 1];
            return;
        }
}

void StavNahladu::zmensi()
{
    for (size_t i = 1; i < kRebrik.size(); ++i)
        if (kRebrik[i] == m_zvacsenie) {
            m_zvacsenie = kRebrik[i - 1];
            return;
        }
}

QSize StavNahladu::velkostListu(const QSize& strana, bool tien) const
{
    QSize s(int(std::lround(strana.width() * m_zvacsenie / 100.0)), int(std::lround(strana.height() * m_zvacsenie / 100.0)));
    if (tien)
        s += QSize(5, 5);
    return s;
}

QList<QList<int>> StavNahladu::ulohyTlace(int od, int po, int kopie)
{
    QList<QList<int>> ulohy;
    if (od < 1 || po < od || kopie < 1)
        return ulohy;
    for (int k = 0; k < std::min(kopie, 999); ++k) {
        QList<int> strany;
        for (int s = od; s <= po; ++s)
            strany.append(s);
        ulohy.append(strany);
    }
    return ulohy;
}
