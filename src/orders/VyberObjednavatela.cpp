#include "VyberObjednavatela.h"

#include "store/Win1250.h"

#include <algorithm>

VyberObjednavatela::VyberObjednavatela(QList<TObjednavatel>& zoznam) : m_zoznam(zoznam) { Filtruj(); }

void VyberObjednavatela::NastavKategoriu(FilterKategorie k)
{
    m_kategoria = k;
    Filtruj();
}

void VyberObjednavatela::Filtruj(bool sHladanim)
{
    m_pohlad.clear();
    const bool hladaj = sHladanim && !m_hladanie.isEmpty();
    for (int i = 0; i < m_zoznam.size(); ++i) {
        const TObjednavatel& o = m_zoznam[i];
        if (m_kategoria != FilterKategorie::Vsetci && o.Kategoria != qint32(m_kategoria))
            continue;
        if (hladaj && !o.Meno.contains(m_hladanie, Qt::CaseSensitive))
            continue;
        m_pohlad.append({i, o.Meno, o.Adresa, o.Kategoria});
    }
    // The view is back in list order: no column is sorted any more.
    m_stav[0] = m_stav[1] = 0;
}

void VyberObjednavatela::Zorad(int stlpec)
{
    if (stlpec != 0 && stlpec != 1)
        return;
    const bool zostupne = m_stav[stlpec] != 1;
    auto kluc = [stlpec](const Riadok& r) { return Win1250::koduj(stlpec == 0 ? r.Meno : r.Adresa); };
    std::stable_sort(m_pohlad.begin(), m_pohlad.end(), [&](const Riadok& a, const Riadok& b) {
        const QByteArray ka = kluc(a), kb = kluc(b);
        return zostupne ? kb < ka : ka < kb;
    });
    m_stav[stlpec] = zostupne ? 1 : 2;
    m_stav[1 - stlpec] = 0;
}

int VyberObjednavatela::StavStlpca(int stlpec) const
{
    return stlpec == 0 || stlpec == 1 ? m_stav[stlpec] : 0;
}

KategoriaObjednavatela VyberObjednavatela::PredvolenaKategoria() const
{
    return m_kategoria == FilterKategorie::Vsetci ? Ostatne : KategoriaObjednavatela(m_kategoria);
}

void VyberObjednavatela::Pridaj(const TObjednavatel& udaje)
{
    TObjednavatel o;
    o.Meno = udaje.Meno;
    o.Adresa = udaje.Adresa;
    o.ICO = udaje.ICO;
    o.DIC = udaje.DIC;
    o.ICDPH = udaje.ICDPH;
    o.Kategoria = udaje.Kategoria != BezKategorie ? udaje.Kategoria : qint32(PredvolenaKategoria());
    m_zoznam.append(o);
    m_zmeneny = true;
    Filtruj();
}

const TObjednavatel* VyberObjednavatela::Objednavatel(int riadok) const
{
    if (riadok < 0 || riadok >= m_pohlad.size())
        return nullptr;
    const int p = m_pohlad[riadok].pozicia;
    if (p < 0 || p >= m_zoznam.size())
        return nullptr;
    return &m_zoznam[p];
}

bool VyberObjednavatela::Zmen(int riadok, const TObjednavatel& udaje)
{
    if (!Objednavatel(riadok))
        return false;
    TObjednavatel& o = m_zoznam[m_pohlad[riadok].pozicia];
    o.Meno = udaje.Meno;
    o.Adresa = udaje.Adresa;
    o.ICO = udaje.ICO;
    o.DIC = udaje.DIC;
    o.ICDPH = udaje.ICDPH;
    if (udaje.Kategoria != BezKategorie)
        o.Kategoria = udaje.Kategoria;
    m_zmeneny = true;
    Filtruj();
    return true;
}

bool VyberObjednavatela::Zmaz(int riadok)
{
    if (!Objednavatel(riadok))
        return false;
    m_zoznam.removeAt(m_pohlad[riadok].pozicia);
    m_zmeneny = true;
    Filtruj();
    return true;
}

VybranyObjednavatel VyberObjednavatela::Vysledok(int riadok) const
{
    VybranyObjednavatel v;
    const TObjednavatel* o = Objednavatel(riadok);
    if (!o)
        return v;
    v.Meno = o->Meno;
    v.Adresa = o->Adresa;
    v.ICO = o->ICO;
    v.DIC = o->DIC;
    v.ICDPH = o->ICDPH;
    v.StatnyOrgan = o->Kategoria == Sudy || o->Kategoria == Policajti || o->Kategoria == Exekutori;
    v.vybrany = true;
    return v;
}
