#include "TTransferTextForm.h"

#include "PrenosKevrota.h"
#include "store/Spravy.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTransferTextForm::TTransferTextForm(QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Prenesenie preddefinovaných textov"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Adresár, kde je nainštalovaný Morvane 4.3 Office:"), this));
    auto* riadok = new QHBoxLayout;
    ZdrojEdit = new QLineEdit(PredvolenyZdrojKancelarie(), this);
    ZdrojEdit->setReadOnly(true);
    btnZmen = new QPushButton(QStringLiteral("Zmeň"), this);
    riadok->addWidget(ZdrojEdit, 1);
    riadok->addWidget(btnZmen);
    l->addLayout(riadok);
    chkNastavenia = new QCheckBox(QStringLiteral("prenesenie nastavenia znaleckého kevrota"), this);
    chkNastavenia->setChecked(true);
    l->addWidget(chkNastavenia);
    auto* tlacidla = new QHBoxLayout;
    btnPrenesTexty = new QPushButton(QStringLiteral("Prenes texty"), this);
    btnStorno = new QPushButton(QStringLiteral("Storno"), this);
    tlacidla->addStretch();
    tlacidla->addWidget(btnPrenesTexty);
    tlacidla->addWidget(btnStorno);
    l->addLayout(tlacidla);
    resize(520, 150);
    connect(btnZmen, &QPushButton::clicked, this, &TTransferTextForm::Zmen);
    connect(btnPrenesTexty, &QPushButton::clicked, this, &TTransferTextForm::PrenesTexty);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);
}

void TTransferTextForm::Zmen()
{
    const QString start = ZdrojEdit->text().isEmpty() ? QDir::homePath() : ZdrojEdit->text();
    const QString a = spravy().vyberAdresar(QStringLiteral("Vyberte adresár"), start);
    if (!a.isEmpty())
        ZdrojEdit->setText(a);
}

void TTransferTextForm::PrenesTexty()
{
    if (!QFileInfo(ZdrojEdit->text()).isDir()) {
        spravy().upozornenie(QStringLiteral("Vyberte adresár, kde je nainštalovaný Morvane 4.3 Office."));
        return;
    }
    Prenos prenos;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PrenesTextyKancelarie(prenos, ZdrojEdit->text(), chkNastavenia->isChecked());
    QGuiApplication::restoreOverrideCursor();
    m_zmenene = prenos.skopirovane > 0;
    if (prenos.chyba.isEmpty())
        spravy().informacia(prenos.Zhrnutie(TextTextyPrenesene));
    else
        spravy().chyba(prenos.Zhrnutie(TextTextyPrenesene));
    accept();
}
