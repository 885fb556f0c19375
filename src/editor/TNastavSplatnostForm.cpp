#include "TNastavSplatnostForm.h"

#include "settings/TlacidlaDialogu.h"

#include "editor/VstupPoli.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNastavSplatnostForm::TNastavSplatnostForm(int splatnost, QWidget* rodic)
    : QDialog(rodic), m_splatnost(splatnost)
{
    setWindowTitle(QStringLiteral("Nastavenie splatnosti"));
    Edit1 = new QLineEdit(QString::number(splatnost), this);
    Edit1->setMaximumWidth(80);
    // Enter in the field closes nothing.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;
    btnNastavTrvalo = new QPushButton(QStringLiteral("Nastav trvalo"), this);
    btnNastavTrvalo->setAutoDefault(false);

    auto* riadok = new QHBoxLayout;
    riadok->addWidget(new QLabel(QStringLiteral("Počet dní splatnosti:"), this));
    riadok->addWidget(Edit1);
    riadok->addStretch();
    auto* tlacidla = new QHBoxLayout;
    tlacidla->addWidget(btnNastavTrvalo);
    tlacidla->addStretch();
    tlacidla->addWidget(t.riadok);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(riadok);
    hlavny->addLayout(tlacidla);

    connect(Edit1, &QLineEdit::editingFinished, this, &TNastavSplatnostForm::opustilEdit);
    connect(btnOK, &QPushButton::clicked, this, [this] { done(OK); });
    connect(btnNastavTrvalo, &QPushButton::clicked, this, [this] { done(NastavTrvalo); });
}

void TNastavSplatnostForm::opustilEdit()
{
    if (const auto v = VstupPoli::Splatnost(Edit1->text())) {
        m_splatnost = *v;
    } else {
        Edit1->clear();
        Edit1->setFocus();
    }
}
