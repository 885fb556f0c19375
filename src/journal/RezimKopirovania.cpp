#include "RezimKopirovania.h"

void RezimKopirovania::Prepni()
{
    m_zapnuty = !m_zapnuty;
    m_riadok = m_stlpec = -1;
}

void RezimKopirovania::Kopiruj(const RiadokKevrota& zdroj, int riadok, int stlpec)
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
        ciel.Meno = m_buffer.Meno();
        ciel.Adresa = m_buffer.Adresa();
        return true;
    case 2: ciel.CisloObjednavky = m_buffer.CisloObjednavky(); return true;
    case 3: ciel.DatumVyziadania = m_buffer.DatumVyziadania; return true;
    case 4: ciel.DatumVykonania = m_buffer.DatumVykonania; return true;
    case 5: ciel.Predmet = m_buffer.Predmet(); return true;
    default: return false;
    }
}

bool RezimKopirovania::jeKopirovanaBunka(int riadok, int stlpec) const
{
    return m_zapnuty && m_riadok >= 0 && riadok == m_riadok && stlpec == m_stlpec;
}

QPoint MiestoPonuky(const QRect& panel, const QSize& ponuka, const QPoint& klik, const QRect& plocha)
{
    if (panel.isEmpty())
        return klik;
    constexpr int medzera = 4;
    const int y = qBound(plocha.top(), klik.y(), plocha.bottom() + 1 - ponuka.height());
    const int x = qBound(plocha.left(), klik.x(), plocha.right() + 1 - ponuka.width());
    const QPoint moznosti[] = {
        {panel.right() + 1 + medzera, y},
        {panel.left() - medzera - ponuka.width(), y},
        {x, panel.bottom() + 1 + medzera},
        {x, panel.top() - medzera - ponuka.height()},
    };
    for (const QPoint& m : moznosti) {
        const QRect r(m, ponuka);
        if (plocha.contains(r) && !r.intersects(panel))
            return m;
    }
    return klik;
}
