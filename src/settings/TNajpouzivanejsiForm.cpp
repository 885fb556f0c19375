#include "TNajpouzivanejsiForm.h"

#include "TlacidlaDialogu.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

TNajpouzivanejsiForm::TNajpouzivanejsiForm(const QString& titulok, const QString& popis, const QString& ok,
                                           const QStringList& polozky, int vybrana, QWidget* rodic)
    : QDialog(rodic)
{
    setWindowTitle(titulok);
    cmbPolozky = new QComboBox(this);
    cmbPolozky->addItems(polozky);
    // With nothing chosen yet, a single item is the choice.
    cmbPolozky->setCurrentIndex(vybrana < 0 && polozky.size() == 1 ? 0 : vybrana);
    cmbPolozky->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbPolozky->setMinimumContentsLength(40);
    auto* f = new QFormLayout;
    f->addRow(popis, cmbPolozky);
    auto* l = new QVBoxLayout(this);
    l->addLayout(f);
    const auto t = PridajTlacidla(this, l, ok);
    btnOK = t.ok;
    btnStorno = t.storno;
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

int TNajpouzivanejsiForm::vybrana() const { return cmbPolozky->currentIndex(); }

int VyberNajpouzivanejsi(QWidget* rodic, bool jazyk, const QStringList& polozky, int vybrana)
{
    TNajpouzivanejsiForm f(jazyk ? QStringLiteral("Výber najpoužívanejšieho jazyka")
                                 : QStringLiteral("Nastavenie najpoužívanejšieho odboru"),
                           jazyk ? QStringLiteral("Jazyk:") : QStringLiteral("Odbor:"),
                           jazyk ? QStringLiteral("OK") : QStringLiteral("Nastav"), polozky, vybrana, rodic);
    return f.exec() == QDialog::Accepted ? f.vybrana() : -1;
}
