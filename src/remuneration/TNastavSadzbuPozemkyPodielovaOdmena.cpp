#include "TNastavSadzbuPozemkyPodielovaOdmena.h"

#include "PolePopisu.h"
#include "VstupVydavkov.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNastavSadzbuPozemkyPodielovaOdmena::TNastavSadzbuPozemkyPodielovaOdmena(double sadzba, QWidget* rodic)
    : QDialog(rodic), m_sadzba(sadzba)
{
    setWindowTitle(QStringLiteral("Sadzba na výpočet východ.hodnoty pozemku"));
    SadzbaEdit = new QLineEdit(QString::number(sadzba, 'f', 2), this);
    SadzbaEdit->setAlignment(Qt::AlignRight);
    auto* r = new QHBoxLayout;
    r->addWidget(new QLabel(QStringLiteral("Sadzba:"), this));
    r->addWidget(SadzbaEdit);
    r->addWidget(new QLabel(QStringLiteral("eura/m2"), this));
    auto* tl = riadokTlacidiel(this, btnOK, btnStorno);
    btnNastavTrvalo = new QPushButton(QStringLiteral("Nastav trvalo"), this);
    btnNastavTrvalo->setAutoDefault(false);
    tl->addWidget(btnNastavTrvalo);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(r);
    hlavny->addLayout(tl);
    connect(SadzbaEdit, &QLineEdit::editingFinished, this, &TNastavSadzbuPozemkyPodielovaOdmena::OpustilSadzbu);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNastavTrvalo, &QPushButton::clicked, this, [this] { done(NastavTrvalo); });
}

void TNastavSadzbuPozemkyPodielovaOdmena::OpustilSadzbu()
{
    OpustilKladne(SadzbaEdit, m_sadzba, VstupVydavkov::HodnotaKladna);
}
