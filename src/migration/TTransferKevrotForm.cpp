#include "TTransferKevrotForm.h"

#include "store/Spravy.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TTransferKevrotForm::TTransferKevrotForm(StaraVerzia verzia, QWidget* rodic) : QDialog(rodic), m_verzia(verzia)
{
    setWindowTitle(QStringLiteral("Prenesenie znaleckého kevrota"));
    auto* l = new QVBoxLayout(this);
    lblZdroj = new QLabel(QStringLiteral("Adresár, kde je nainštalovaný program Znalecký kevrot ") + TextVerzie(verzia), this);
    l->addWidget(lblZdroj);
    auto* riadok = new QHBoxLayout;
    ZdrojEdit = new QLineEdit(this);
    ZdrojEdit->setReadOnly(true);
    btnZmen = new QPushButton(QStringLiteral("Zmeň"), this);
    riadok->addWidget(ZdrojEdit, 1);
    riadok->addWidget(btnZmen);
    l->addLayout(riadok);
    l->addWidget(new QLabel(QStringLiteral("Znalecké kevroty:"), this));
    Roky = new QListWidget(this);
    l->addWidget(Roky, 1);
    chkNastavenia = new QCheckBox(QStringLiteral("prenesenie nastavenia Znaleckého kevrota"), this);
    chkTexty = new QCheckBox(QStringLiteral("prenesenie preddefinovaných textov"), this);
    chkNastavenia->setChecked(true);
    chkTexty->setChecked(true);
    l->addWidget(chkNastavenia);
    l->addWidget(chkTexty);
    auto* tlacidla = new QHBoxLayout;
    btnPrenes = new QPushButton(QStringLiteral("Prenes"), this);
    btnStorno = new QPushButton(QStringLiteral("Storno"), this);
    tlacidla->addStretch();
    tlacidla->addWidget(btnPrenes);
    tlacidla->addWidget(btnStorno);
    l->addLayout(tlacidla);
    resize(520, 420);

    connect(btnZmen, &QPushButton::clicked, this, &TTransferKevrotForm::Zmen);
    connect(btnPrenes, &QPushButton::clicked, this, &TTransferKevrotForm::Prenes);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);

    const QString predvoleny = PredvolenyZdroj(verzia);
    if (!predvoleny.isEmpty())
        NastavZdroj(predvoleny);
}

void TTransferKevrotForm::NastavZdroj(const QString& adresar)
{
    ZdrojEdit->setText(adresar);
    Roky->clear();
    for (const QString& rok : RokyZdroja(adresar)) {
        auto* p = new QListWidgetItem(rok, Roky);
        p->setFlags(p->flags() | Qt::ItemIsUserCheckable);
        p->setCheckState(Qt::Checked);
    }
}

QStringList TTransferKevrotForm::VybraneRoky() const
{
    QStringList v;
    for (int i = 0; i < Roky->count(); ++i)
        if (Roky->item(i)->checkState() == Qt::Checked)
            v << Roky->item(i)->text();
    return v;
}

void TTransferKevrotForm::Zmen()
{
    const QString start = ZdrojEdit->text().isEmpty() ? QDir::homePath() : ZdrojEdit->text();
    const QString a = spravy().vyberAdresar(QStringLiteral("Vyberte adresár"), start);
    if (!a.isEmpty())
        NastavZdroj(a);
}

void TTransferKevrotForm::Prenes()
{
    if (ZdrojEdit->text().isEmpty()) {
        spravy().upozornenie(QStringLiteral("Vyberte adresár s programom Znalecký kevrot ") + TextVerzie(m_verzia) + '.');
        return;
    }
    Prenos prenos;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PrenesKevrot(prenos, ZdrojEdit->text(), m_verzia, {VybraneRoky(), chkNastavenia->isChecked(), chkTexty->isChecked()});
    QGuiApplication::restoreOverrideCursor();
    spravy().informacia(prenos.Zhrnutie(TextPrenesene));
    accept();
}
