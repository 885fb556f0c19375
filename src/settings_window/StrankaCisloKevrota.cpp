#include "StrankaCisloKevrota.h"

#include "store/Spravy.h"

#include <QFormLayout>
#include <QLineEdit>

StrankaCisloKevrota::StrankaCisloKevrota(QWidget* rodic) : StrankaNastavenia(rodic)
{
    auto* f = new QFormLayout(this);
    editCisloKevrota = new QLineEdit(this);
    editCisloKevrota->setFixedWidth(90);
    f->addRow(QStringLiteral("Číslo kevrota:"), editCisloKevrota);
    connect(editCisloKevrota, &QLineEdit::editingFinished, this, &StrankaCisloKevrota::OpustilCisloKevrota);
}

void StrankaCisloKevrota::nacitaj(const HodnotyNastavenia& h)
{
    m_cislo = h.tlac.KevrotCislo;
    editCisloKevrota->setText(QString::number(m_cislo));
}

void StrankaCisloKevrota::zober(HodnotyNastavenia& h) const
{
    h.tlac.KevrotCislo = CitajCisloKevrota(editCisloKevrota->text()).value_or(m_cislo);
}

void StrankaCisloKevrota::OpustilCisloKevrota()
{
    if (editCisloKevrota->text().trimmed().isEmpty())
        return;
    if (const auto v = CitajCisloKevrota(editCisloKevrota->text())) {
        m_cislo = *v;
        return;
    }
    spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
    editCisloKevrota->clear();
    editCisloKevrota->setFocus();
}
