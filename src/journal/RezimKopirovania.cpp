#include "RezimKopirovania.h"

void RezimKopirovania::Prepni()
{
    m_zapnuty = !m_zapnuty;
    m_riadok = m_stlpec = -1;
}

void RezimKopirovania::Kopiruj(const TZnalKevrotZaznam& zdroj, int riadok, int stlpec)
{
    if (!m_zapnuty)
        return;
    m_buffer = zdroj;
    m_maKopiu = true;
    m_riadok = riadok;
    m_stlpec = stlpec;
}

bool RezimKopirovania::Vloz(TZnalKevrotZaznam& ciel, int stlpec) const
{
    if (!m_zapnuty || !m_maKopiu)
        return false;
    switch (stlpec) {
    case 1:
        ciel.Meno = m_buffer.Meno;
        ciel.Adresa = m_buffer.Adresa;
        return true;
    case 2: ciel.CisloObjednavky = m_buffer.CisloObjednavky; return true;
    case 3: ciel.DatumVyziadania = m_buffer.DatumVyziadania; return true;
    case 4: ciel.DatumVykonania = m_buffer.DatumVykonania; return true;
    case 5: ciel.Predmet = m_buffer.Predmet; return true;
    default: return false;
    }
}

bool RezimKopirovania::jeKopirovanaBunka(int riadok, int stlpec) const
{
    return m_zapnuty && m_riadok >= 0 && riadok == m_riadok && stlpec == m_stlpec;
}
