#include "PoleTextovehoZoznamu.h"

#include "widgets/TZoznamTextForm.h"
#include "store/Spravy.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

PoleTextovehoZoznamu::PoleTextovehoZoznamu(const QString& nazovSuboru, const QStringList& vstavane,
                                           int maxDlzka, QWidget* rodic)
    : QWidget(rodic), m_zoznam(nazovSuboru, vstavane)
{
    Combo = new QComboBox(this);
    Combo->setEditable(true);
    Combo->setInsertPolicy(QComboBox::NoInsert);
    Combo->lineEdit()->setMaxLength(maxDlzka);
    Combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo->setMinimumContentsLength(20);
    btnPlus = new QToolButton(this);
    btnPlus->setText(QStringLiteral("+"));
    btnPlus->setToolTip(QStringLiteral("Pridaj text do zoznamu"));
    btnZoznam = new QToolButton(this);
    btnZoznam->setText(QStringLiteral("…"));
    btnZoznam->setToolTip(QStringLiteral("Zoznam užívateľom definovaných textov"));
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(Combo, 1);
    l->addWidget(btnPlus);
    l->addWidget(btnZoznam);
    connect(btnPlus, &QToolButton::clicked, this, &PoleTextovehoZoznamu::pridaj);
    connect(btnZoznam, &QToolButton::clicked, this, &PoleTextovehoZoznamu::upravZoznam);
    obnovPolozky();
}

void PoleTextovehoZoznamu::nacitaj()
{
    m_zoznam.NacitajZoznam();
    obnovPolozky();
}

QString PoleTextovehoZoznamu::text() const { return Combo->currentText(); }

void PoleTextovehoZoznamu::nastavText(const QString& text) { Combo->setEditText(text); }

QStringList PoleTextovehoZoznamu::polozky() const { return m_zoznam.Polozky; }

void PoleTextovehoZoznamu::obnovPolozky()
{
    const QString t = Combo->currentText();
    Combo->blockSignals(true);
    Combo->clear();
    Combo->addItems(m_zoznam.Polozky);
    Combo->setEditText(t);
    Combo->blockSignals(false);
}

void PoleTextovehoZoznamu::pridaj()
{
    if (m_zoznam.PridajText(text()))
        obnovPolozky();
}

void PoleTextovehoZoznamu::upravZoznam()
{
    TZoznamTextForm okno(m_zoznam.Polozky, this);
    okno.setWindowTitle(QStringLiteral("Zoznam užívateľom definovaných textov - [Znalecký kevrot]"));
    if (okno.exec() != QDialog::Accepted)
        return;
    ohlas(m_zoznam.NahradPolozky(okno.polozky()));
    obnovPolozky();
}
