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
    lblNahradit = new QLabel(QStringLiteral("Nahradiť záznamy tejto inštalácie, ktoré sa líšia (inak sa ponechajú):"), this);
    l->addWidget(lblNahradit);
    RokyNahradit = new QListWidget(this);
    RokyNahradit->setMaximumHeight(110);
    l->addWidget(RokyNahradit);
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
    RokyNahradit->clear();
    for (const QString& rok : RokyZdroja(adresar)) {
        auto* p = new QListWidgetItem(rok, Roky);
        p->setFlags(p->flags() | Qt::ItemIsUserCheckable);
        p->setCheckState(Qt::Checked);
        // Entries of this installation are kept unless the user chooses otherwise.
        if (const int n = OdlisneZaznamy(adresar, rok); n > 0) {
            auto* z = new QListWidgetItem(QStringLiteral("%1 (líši sa záznamov: %2)").arg(rok).arg(n), RokyNahradit);
            z->setData(Qt::UserRole, rok);
            z->setFlags(z->flags() | Qt::ItemIsUserCheckable);
            z->setCheckState(Qt::Unchecked);
        }
    }
    lblNahradit->setVisible(RokyNahradit->count() > 0);
    RokyNahradit->setVisible(RokyNahradit->count() > 0);
}

QStringList TTransferKevrotForm::RokyNaNahradenie() const
{
    QStringList v;
    for (int i = 0; i < RokyNahradit->count(); ++i)
        if (RokyNahradit->item(i)->checkState() == Qt::Checked)
            v << RokyNahradit->item(i)->data(Qt::UserRole).toString();
    return v;
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
    PrenesKevrot(prenos, ZdrojEdit->text(), m_verzia,
                 {VybraneRoky(), RokyNaNahradenie(), chkNastavenia->isChecked(), chkTexty->isChecked()});
    QGuiApplication::restoreOverrideCursor();
    m_zmenene = prenos.skopirovane > 0;
    if (prenos.chyba.isEmpty() && !prenos.chyby.isEmpty())
        spravy().upozornenie(prenos.Zhrnutie(TextPrenesene));
    else if (prenos.chyba.isEmpty())
        spravy().informacia(prenos.Zhrnutie(TextPrenesene));
    else
        spravy().chyba(prenos.Zhrnutie(TextPrenesene));
    accept();
}
