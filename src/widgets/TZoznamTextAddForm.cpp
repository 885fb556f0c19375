#include "TZoznamTextAddForm.h"

#include "store/Spravy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TZoznamTextAddForm::TZoznamTextAddForm(QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Editovanie záznamu"));
    Edit1 = new QLineEdit(this);
    Edit1->setMinimumWidth(420);
    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnStorno = new QPushButton(QStringLiteral("Storno"), this);
    btnOk->setDefault(true);
    btnStorno->setAutoDefault(false);
    auto* tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(btnOk);
    tlacidla->addWidget(btnStorno);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(new QLabel(QStringLiteral("Zadajte názov záznamu:"), this));
    hlavny->addWidget(Edit1);
    hlavny->addLayout(tlacidla);
    connect(btnOk, &QPushButton::clicked, this, &TZoznamTextAddForm::potvrd);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);
}

void TZoznamTextAddForm::nastavText(const QString& text) { Edit1->setText(text); }

QString TZoznamTextAddForm::text() const { return Edit1->text(); }

void TZoznamTextAddForm::potvrd()
{
    if (Edit1->text().isEmpty()) {
        spravy().chyba(QStringLiteral("Záznam nie je vyplnený."));
        return;
    }
    accept();
}
