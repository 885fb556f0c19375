#include "TZoznamTextAddForm.h"

#include "settings/TlacidlaDialogu.h"

#include "store/Spravy.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TZoznamTextAddForm::TZoznamTextAddForm(QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Editovanie záznamu"));
    Edit1 = new QLineEdit(this);
    Edit1->setMinimumWidth(420);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(new QLabel(QStringLiteral("Zadajte názov záznamu:"), this));
    hlavny->addWidget(Edit1);
    const TlacidlaDialogu t = PridajTlacidla(this, hlavny, QStringLiteral("Ok"));
    btnOk = t.ok;
    btnStorno = t.storno;
    connect(btnOk, &QPushButton::clicked, this, &TZoznamTextAddForm::potvrd);
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
