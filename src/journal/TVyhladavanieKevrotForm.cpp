#include "TVyhladavanieKevrotForm.h"

#include "PanelRegistra.h"
#include "widgets/PoleDatumu.h"
#include "widgets/PoleVyhladavania.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVyhladavanieKevrotForm::TVyhladavanieKevrotForm(const TZnalKevrotFilter& filter, QWidget* rodic)
    : QDialog(rodic), m_filter(filter), m_cislo(filter.PoradoveCislo)
{
    setWindowTitle(QStringLiteral("Vyhľadávanie v znaleckom kevrotu"));
    auto* hl = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    CisloEdit = new QLineEdit(PoleVyhladavania::TextCisla(filter.PoradoveCislo), this);
    ZadavatelEdit = new QLineEdit(filter.Zadavatel, this);
    SpisovaZnackaEdit = new QLineEdit(filter.SpisovaZnacka, this);
    DatumVyziadania = new PoleDatumu(filter.DatumVyziadania, this);
    DatumVykonania = new PoleDatumu(filter.DatumVykonania, this);
    PredmetEdit = new QLineEdit(filter.Predmet, this);
    f->addRow(QStringLiteral("Poradové číslo:"), CisloEdit);
    f->addRow(QStringLiteral("Zadávateľ úkonu:"), ZadavatelEdit);
    f->addRow(QStringLiteral("Spisová značka\nČíslo objednávky:"), SpisovaZnackaEdit);
    f->addRow(QStringLiteral("Dátum vyžiadania:"), DatumVyziadania);
    f->addRow(QStringLiteral("Dátum vykonania:"), DatumVykonania);
    f->addRow(QStringLiteral("Predmet:"), PredmetEdit);
    hl->addLayout(f);
    const auto tlacidla = PridajTlacidlaHladania(hl, this);
    btnHladaj = tlacidla.hladaj;
    btnStorno = tlacidla.storno;
    resize(460, height());

    connect(CisloEdit, &QLineEdit::editingFinished, this, &TVyhladavanieKevrotForm::OpustiCislo);
    connect(btnHladaj, &QPushButton::clicked, this, &TVyhladavanieKevrotForm::hladaj);
}

void TVyhladavanieKevrotForm::OpustiCislo()
{
    const auto c = PoleVyhladavania::Cislo(CisloEdit->text());
    if (!c) {
        CisloEdit->clear();
        m_cislo = 0;
        return;
    }
    m_cislo = *c;
}

TZnalKevrotFilter TVyhladavanieKevrotForm::filter() const
{
    TZnalKevrotFilter f = m_filter;
    f.PoradoveCislo = m_cislo;
    f.Zadavatel = ZadavatelEdit->text();
    f.SpisovaZnacka = SpisovaZnackaEdit->text();
    f.DatumVyziadania = DatumVyziadania->hodnota();
    f.DatumVykonania = DatumVykonania->hodnota();
    f.Predmet = PredmetEdit->text();
    return f;
}

void TVyhladavanieKevrotForm::hladaj() { accept(); }
