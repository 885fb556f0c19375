#include "StavZoradenia.h"

#include "FarbyRegistra.h"

StavZoradenia::StavZoradenia(int pocetSlotov) : m_stavy(qMax(0, pocetSlotov), 0) {}

int StavZoradenia::stav(int stlpec) const
{
    return stlpec >= 0 && stlpec < m_stavy.size() ? m_stavy[stlpec] : 0;
}

SmerZoradenia StavZoradenia::klik(int stlpec)
{
    const SmerZoradenia smer = stav(stlpec) == 1 ? SmerZoradenia::Vzostupne : SmerZoradenia::Zostupne;
    vynuluj();
    if (stlpec >= 0 && stlpec < m_stavy.size())
        m_stavy[stlpec] = int(smer);
    return smer;
}

void StavZoradenia::nastav(int stlpec, int stav)
{
    if (stlpec >= 0 && stlpec < m_stavy.size() && stav >= 0 && stav <= 2)
        m_stavy[stlpec] = stav;
}

void StavZoradenia::vynuluj() { m_stavy.fill(0); }

QColor StavZoradenia::farbaHlavicky(int stlpec) const
{
    switch (stav(stlpec)) {
    case 1: return FarbaZCisla(FarbyRegistra::HlavickaZostupne);
    case 2: return FarbaZCisla(FarbyRegistra::HlavickaVzostupne);
    default: return QColor(Qt::black);
    }
}
