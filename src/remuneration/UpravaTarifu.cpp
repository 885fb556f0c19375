#include "UpravaTarifu.h"

#include "VstupVydavkov.h"
#include "VypoctyVydavkov.h"

#include <algorithm>
#include <cmath>

UpravaTarifu::UpravaTarifu(qint32 skupina, qint32 rezim, QList<TPolozkaCiselnika> ponuka)
    : m_skupina(skupina), m_rezim(rezim), m_ponuka(std::move(ponuka))
{
    m_v.Druh = rezim;
    m_v.Skupina = skupina;
}

void UpravaTarifu::Pridaj()
{
    if (!m_ponuka.isEmpty())
        Zvol(0);
}

void UpravaTarifu::Oprav(const TVydavok& v)
{
    m_v = v;
    nastavOvladania();
    prepocitaj();
}

void UpravaTarifu::Zvol(int i)
{
    if (i < 0 || i >= m_ponuka.size())
        return;
    const TPolozkaCiselnika& p = m_ponuka[i];
    m_v.Nazov = p.Nazov;
    m_v.Skupina = p.Skupina;
    m_v.Druh = p.Druh;
    m_v.MJ = p.MJ;
    m_v.ZakladnaCena = p.Cena;
    m_v.Priplatok1Max = p.Priplatok1Max;
    m_v.Priplatok1Text = p.Priplatok1Text;
    m_v.Priplatok2Max = p.Priplatok2Max;
    m_v.Priplatok2Text = p.Priplatok2Text;
    m_v.Priplatok1 = m_v.Priplatok2 = 0;
    if (m_v.Rozpis.isEmpty()) {
        TRozpisPolozky r;
        r.Pocet = 1;
        m_v.Rozpis.append(r);
    }
    nastavOvladania();
    prepocitaj();
}

void UpravaTarifu::nastavOvladania()
{
    const double maxima[2] = {m_v.Priplatok1Max, m_v.Priplatok2Max};
    const double hodnoty[2] = {m_v.Priplatok1, m_v.Priplatok2};
    const QString texty[2] = {m_v.Priplatok1Text, m_v.Priplatok2Text};
    for (int k = 0; k < 2; ++k) {
        PriplatokOvladania& o = m_priplatky[k];
        o = {};
        if (!(maxima[k] > 0))
            continue;
        o.viditelny = true;
        o.text = texty[k];
        o.maximum = int(std::lround(std::min(maxima[k], 1e6)));
        o.zaskrtnuty = hodnoty[k] > 0;
        o.hodnota = o.zaskrtnuty ? int(std::lround(std::min(hodnoty[k], 1e6))) : o.maximum;
    }
}

void UpravaTarifu::NastavPriplatok(int k, bool zaskrtnuty, int hodnota)
{
    PriplatokOvladania& o = m_priplatky[k == 2 ? 1 : 0];
    if (!o.viditelny)
        return;
    o.zaskrtnuty = zaskrtnuty;
    o.hodnota = std::clamp(hodnota, 0, o.maximum);
    prepocitaj();
}

void UpravaTarifu::prepocitaj()
{
    m_v.Priplatok1 = m_priplatky[0].zaskrtnuty ? m_priplatky[0].hodnota : 0;
    m_v.Priplatok2 = m_priplatky[1].zaskrtnuty ? m_priplatky[1].hodnota : 0;
    m_v.Cena = CenaSPriplatkami(m_v.ZakladnaCena, m_v.Priplatok1, m_v.Priplatok2);
    if (ZaokruhliZacateJednotky(m_v))
        m_zaokruhlene = true;
    PrepocitajSumu(m_v);
}

bool UpravaTarifu::OpustilCenu(const QString& text)
{
    const auto c = VstupVydavkov::KladneCislo(text, VstupVydavkov::CenaKladna);
    if (!c)
        return false;
    m_v.ZakladnaCena = *c;
    prepocitaj();
    return true;
}

void UpravaTarifu::PridajRozpis(const TRozpisPolozky& r)
{
    m_v.Rozpis.append(r);
    prepocitaj();
}

void UpravaTarifu::OpravRozpis(int i, const TRozpisPolozky& r)
{
    if (i >= 0 && i < m_v.Rozpis.size())
        m_v.Rozpis[i] = r;
    prepocitaj();
}

void UpravaTarifu::ZmazRozpis(int i)
{
    ::ZmazRozpis(m_v.Rozpis, i);
    prepocitaj();
}

QString UpravaTarifu::Potvrd(const QString& nazov, const QString& mj)
{
    if (nazov.isEmpty())
        return QStringLiteral("Nie je zadaný názov položky.");
    m_v.Nazov = nazov.left(200);
    m_v.MJ = mj.left(10);
    m_v.Skupina = m_skupina;
    m_v.Druh = m_rezim;
    m_v.PocetRozpisov = m_v.Rozpis.size();
    prepocitaj();
    if (m_v.Suma == 0)
        return QStringLiteral("Nie je zadaná položka, resp. celkový počet MJ je rovný nule.");
    return {};
}
