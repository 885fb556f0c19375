#include "PolePopisu.h"

#include "settings/TlacidlaDialogu.h"

#include "VstupVydavkov.h"
#include "ZoznamPopisov.h"
#include "store/Spravy.h"
#include "widgets/TZoznamTextForm.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

PolePopisu::PolePopisu(int kodZoznamu, const QString& napovedaPridania, QWidget* rodic)
    : QWidget(rodic), m_kod(kodZoznamu)
{
    Combo = new QComboBox(this);
    Combo->setEditable(true);
    Combo->setInsertPolicy(QComboBox::NoInsert);
    Combo->lineEdit()->setMaxLength(200);
    Combo->setMinimumContentsLength(30);
    btnPridaj = new QToolButton(this);
    btnPridaj->setText(QStringLiteral("+"));
    btnPridaj->setToolTip(napovedaPridania);
    btnZoznam = new QToolButton(this);
    btnZoznam->setText(QStringLiteral("…"));
    btnZoznam->setToolTip(QStringLiteral("Zoznam užívateľom definovaných textov"));
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Combo, 1);
    l->addWidget(btnPridaj);
    l->addWidget(btnZoznam);
    connect(btnPridaj, &QToolButton::clicked, this, &PolePopisu::PridajDoZoznamu);
    connect(btnZoznam, &QToolButton::clicked, this, &PolePopisu::UpravZoznam);
    napln(ZoznamPopisov::Nacitaj(m_kod));
}

QString PolePopisu::text() const { return Combo->currentText(); }

void PolePopisu::nastavText(const QString& text) { Combo->setEditText(text); }

void PolePopisu::napln(const QStringList& popisy)
{
    const QString t = text();
    m_popisy = popisy;
    Combo->clear();
    Combo->addItems(m_popisy);
    Combo->setEditText(t);
}

void PolePopisu::PridajDoZoznamu()
{
    QStringList popisy = m_popisy;
    if (!ZoznamPopisov::Pridaj(popisy, text()))
        return;
    napln(popisy);
    ohlas(ZoznamPopisov::Uloz(m_kod, m_popisy));
}

void PolePopisu::UpravZoznam()
{
    TZoznamTextForm okno(m_popisy, this);
    okno.setWindowTitle(QStringLiteral("Zoznam užívateľom definovaných textov - [Znalecký kevrot]"));
    if (okno.exec() != QDialog::Accepted)
        return;
    QStringList popisy = okno.polozky();
    ZoznamPopisov::Zorad(popisy);
    napln(popisy);
    ohlas(ZoznamPopisov::Uloz(m_kod, m_popisy));
}

QHBoxLayout* riadokTlacidiel(QDialog* d, QPushButton*& ok, QPushButton*& storno, const QString& textStorno)
{
    // Enter in a field closes nothing.
    const TlacidlaDialogu t = VytvorTlacidla(d, QStringLiteral("OK"), EnterDialogu::Nic, textStorno);
    ok = t.ok;
    storno = t.storno;
    auto* l = new QHBoxLayout;
    l->addWidget(t.riadok);
    return l;
}

bool OpustilKladne(QLineEdit* pole, double& hodnota, const char* nieKladne)
{
    if (const auto c = VstupVydavkov::KladneCislo(pole->text(), nieKladne)) {
        hodnota = *c;
        return true;
    }
    pole->clear();
    pole->setFocus();
    return false;
}
