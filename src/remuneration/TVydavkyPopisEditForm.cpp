#include "TVydavkyPopisEditForm.h"

#include "PolePopisu.h"
#include "VstupVydavkov.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <optional>

TVydavkyPopisEditForm::TVydavkyPopisEditForm(int kodZoznamu, const TRozpisPolozky& rozpis, QWidget* rodic)
    : QDialog(rodic), m_rozpis(rozpis)
{
    setWindowTitle(QStringLiteral("Editácia položky"));
    PocetEdit = new QLineEdit(this);
    PocetEdit->setAlignment(Qt::AlignRight);
    PocetSpin = new QSpinBox(this);
    PocetSpin->setRange(-100, 100);
    Popis = new PolePopisu(kodZoznamu, QStringLiteral("Pridaj do zoznamu držiteľov"), this);
    Popis->nastavText(rozpis.Popis);
    auto* pocet = new QHBoxLayout;
    pocet->addWidget(PocetEdit);
    pocet->addWidget(PocetSpin);
    pocet->addStretch();
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Popis:"), Popis);
    f->addRow(QStringLiteral("Počet:"), pocet);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(f);
    hlavny->addLayout(riadokTlacidiel(this, btnOK, btnZavriet, QStringLiteral("Zavrieť")));
    ukazPocet();
    Popis->Combo->setFocus();

    connect(PocetEdit, &QLineEdit::editingFinished, this, &TVydavkyPopisEditForm::OpustilPocet);
    connect(PocetSpin, &QSpinBox::valueChanged, this, &TVydavkyPopisEditForm::Krok);
    connect(btnOK, &QPushButton::clicked, this, [this] {
        m_rozpis.Popis = Popis->text().left(200);
        accept();
    });
}

std::optional<TRozpisPolozky> TVydavkyPopisEditForm::uprav(QWidget* rodic, int kodZoznamu, const TRozpisPolozky& r)
{
    TVydavkyPopisEditForm d(kodZoznamu, r, rodic);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.rozpis();
}

void TVydavkyPopisEditForm::ukazPocet() { PocetEdit->setText(QString::number(m_rozpis.Pocet, 'f', 2)); }

void TVydavkyPopisEditForm::OpustilPocet()
{
    OpustilKladne(PocetEdit, m_rozpis.Pocet, VstupVydavkov::PocetKladny);
}

void TVydavkyPopisEditForm::Krok(int hodnota)
{
    if (hodnota == 0)
        return;
    // Steps never take the quantity below zero.
    m_rozpis.Pocet = std::max(0.0, m_rozpis.Pocet + hodnota);
    ukazPocet();
    const QSignalBlocker b(PocetSpin);
    PocetSpin->setValue(0);
}
