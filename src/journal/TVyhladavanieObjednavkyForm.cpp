#include "TVyhladavanieObjednavkyForm.h"

#include "PanelRegistra.h"
#include "widgets/PoleDatumu.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVyhladavanieObjednavkyForm::TVyhladavanieObjednavkyForm(const TObjednavkaFilter& filter, QWidget* rodic)
    : QDialog(rodic), m_filter(filter)
{
    setWindowTitle(QStringLiteral("Vyhľadávanie v objednávkach"));
    auto* hl = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    DatumVyziadania = new PoleDatumu(filter.DatumVyziadania, this);
    ZadavatelEdit = new QLineEdit(filter.Zadavatel, this);
    SpisovaZnackaEdit = new QLineEdit(filter.SpisovaZnacka, this);
    PredmetEdit = new QLineEdit(filter.Predmet, this);
    UcelEdit = new QLineEdit(filter.Ucel, this);
    f->addRow(QStringLiteral("Dátum vyžiadania:"), DatumVyziadania);
    f->addRow(QStringLiteral("Zadávateľ úkonu:"), ZadavatelEdit);
    f->addRow(QStringLiteral("Spisová značka\nČíslo objednávky:"), SpisovaZnackaEdit);
    f->addRow(QStringLiteral("Predmet:"), PredmetEdit);
    f->addRow(QStringLiteral("Účel:"), UcelEdit);
    hl->addLayout(f);
    const auto tlacidla = PridajTlacidlaHladania(hl, this);
    btnHladaj = tlacidla.hladaj;
    btnStorno = tlacidla.storno;
    resize(460, height());
    connect(btnHladaj, &QPushButton::clicked, this, &QDialog::accept);
}

TObjednavkaFilter TVyhladavanieObjednavkyForm::filter() const
{
    TObjednavkaFilter f = m_filter;
    f.DatumVyziadania = DatumVyziadania->hodnota();
    f.Zadavatel = ZadavatelEdit->text();
    f.SpisovaZnacka = SpisovaZnackaEdit->text();
    f.Predmet = PredmetEdit->text();
    f.Ucel = UcelEdit->text();
    return f;
}
