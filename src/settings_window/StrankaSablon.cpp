#include "StrankaSablon.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

StrankaSablon::StrankaSablon(const QList<Zoznam>& zoznamy, const OknoNastavenia& okno, QWidget* rodic)
    : StrankaNastavenia(rodic)
{
    auto* vedla = new QHBoxLayout;
    for (const Zoznam& z : zoznamy) {
        m_zoznamy.append(new ZoznamSablon(z.sada, z.nadpis, okno, this));
        vedla->addWidget(m_zoznamy.last());
    }
    m_rozlozenie = new QVBoxLayout(this);
    m_rozlozenie->addLayout(vedla, 1);
}

void StrankaSablon::nastavDruh(int druh)
{
    for (ZoznamSablon* z : m_zoznamy)
        z->nastavDruh(druh);
}

ZoznamSablon* StrankaSablon::zoznam(SadaSablon sada) const
{
    for (ZoznamSablon* z : m_zoznamy)
        if (z->sada() == sada)
            return z;
    return nullptr;
}

void StrankaSablon::pridajTlacidlo(QWidget* tlacidlo) { m_rozlozenie->addWidget(tlacidlo, 0, Qt::AlignLeft); }
