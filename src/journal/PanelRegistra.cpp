#include "PanelRegistra.h"

#include "settings/TlacidlaDialogu.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

QPlainTextEdit* PridajFilterVyhladavania(QVBoxLayout* l, QWidget* panel)
{
    l->addWidget(new QLabel(QStringLiteral("Filter vyhľadávania"), panel));
    auto* memo = new QPlainTextEdit(panel);
    memo->setReadOnly(true);
    memo->setFixedHeight(100);
    l->addWidget(memo);
    return memo;
}

QSpinBox* PridajRok(QVBoxLayout* l, QWidget* panel)
{
    auto* rl = new QHBoxLayout;
    rl->addWidget(new QLabel(QStringLiteral("Rok:"), panel));
    auto* rok = new QSpinBox(panel);
    rok->setRange(1900, 2100);
    rok->setValue(QDate::currentDate().year());
    rl->addWidget(rok, 1);
    l->addLayout(rl);
    l->addStretch();
    return rok;
}

TlacidlaHladania PridajTlacidlaHladania(QVBoxLayout* l, QDialog* okno)
{
    const TlacidlaDialogu t = PridajTlacidla(okno, l, QStringLiteral("Hľadaj"));
    return {t.ok, t.storno};
}
