#include "TZmluvnaOdmenaForm.h"

#include "PolePopisu.h"
#include "VstupVydavkov.h"
#include "store/Peniaze.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TZmluvnaOdmenaForm::TZmluvnaOdmenaForm(const QString& popis, double cena, int pocet, QWidget* rodic)
    : QDialog(rodic), m_popis(popis), m_cena(cena), m_pocet(pocet)
{
    setWindowTitle(QStringLiteral("Zmluvná odmena"));
    Popis = new PolePopisu(5, QStringLiteral("Pridaj do zoznamu položiek"), this);
    Popis->nastavText(popis);
    CenaEdit = new QLineEdit(QString::number(cena, 'f', 2), this);
    CenaEdit->setAlignment(Qt::AlignRight);
    PocetSpin = new QSpinBox(this);
    PocetSpin->setRange(0, 100);
    PocetSpin->setValue(pocet);
    lblCelkovaOdmena = new QLabel(this);
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Popis:"), Popis);
    f->addRow(QStringLiteral("Cena [€]:"), CenaEdit);
    f->addRow(QStringLiteral("Počet MJ:"), PocetSpin);
    f->addRow(QStringLiteral("Celková odmena:"), lblCelkovaOdmena);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(f);
    hlavny->addLayout(riadokTlacidiel(this, btnOK, btnStorno));
    ukazSpolu();

    connect(CenaEdit, &QLineEdit::editingFinished, this, &TZmluvnaOdmenaForm::OpustilCenu);
    connect(PocetSpin, &QSpinBox::valueChanged, this, [this](int p) {
        m_pocet = p;
        ukazSpolu();
    });
    connect(btnOK, &QPushButton::clicked, this, [this] {
        m_popis = Popis->text().left(200);
        accept();
    });
}

void TZmluvnaOdmenaForm::ukazSpolu() { lblCelkovaOdmena->setText(SumaTextSk(SymbolEuro, spolu())); }

void TZmluvnaOdmenaForm::OpustilCenu()
{
    if (OpustilKladne(CenaEdit, m_cena, VstupVydavkov::CenaKladna))
        ukazSpolu();
}
