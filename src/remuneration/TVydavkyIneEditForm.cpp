#include "TVydavkyIneEditForm.h"

#include "PolePopisu.h"
#include "VstupVydavkov.h"
#include "store/Peniaze.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TVydavkyIneEditForm::TVydavkyIneEditForm(const QString& popis, const QString& mj, double cena, int pocet,
                                         QWidget* rodic)
    : QDialog(rodic), m_popis(popis), m_mj(mj), m_cena(cena), m_pocet(pocet)
{
    setWindowTitle(QStringLiteral("Položka hotových výdavkov"));
    Popis = new PolePopisu(4, QStringLiteral("Pridaj do zoznamu položiek"), this);
    Popis->nastavText(popis);
    MJEdit = new QLineEdit(mj, this);
    MJEdit->setMaxLength(10);
    CenaEdit = new QLineEdit(QString::number(cena, 'f', 2), this);
    CenaEdit->setAlignment(Qt::AlignRight);
    PocetSpin = new QSpinBox(this);
    PocetSpin->setRange(0, 100);
    PocetSpin->setValue(pocet);
    lblCelkovaCena = new QLabel(this);
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Popis:"), Popis);
    f->addRow(QStringLiteral("MJ:"), MJEdit);
    f->addRow(QStringLiteral("Cena za MJ:"), CenaEdit);
    f->addRow(QStringLiteral("Počet MJ:"), PocetSpin);
    f->addRow(QStringLiteral("Celková cena:"), lblCelkovaCena);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(f);
    hlavny->addLayout(riadokTlacidiel(this, btnOK, btnStorno));
    ukazSpolu();

    connect(CenaEdit, &QLineEdit::editingFinished, this, &TVydavkyIneEditForm::OpustilCenu);
    connect(PocetSpin, &QSpinBox::valueChanged, this, [this](int p) {
        m_pocet = p;
        ukazSpolu();
    });
    connect(btnOK, &QPushButton::clicked, this, [this] {
        m_popis = Popis->text().left(200);
        m_mj = MJEdit->text();
        accept();
    });
}

void TVydavkyIneEditForm::ukazSpolu() { lblCelkovaCena->setText(SumaTextSk(SymbolEuro, m_cena * m_pocet)); }

void TVydavkyIneEditForm::OpustilCenu()
{
    if (OpustilKladne(CenaEdit, m_cena, VstupVydavkov::CenaKladna))
        ukazSpolu();
}
