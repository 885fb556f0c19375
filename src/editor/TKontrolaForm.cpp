#include "TKontrolaForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TKontrolaForm::TKontrolaForm(const QString& nazovDokumentu, QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Dokument už existuje"));
    auto* nazov = new QLabel(nazovDokumentu, this);
    QFont f = nazov->font();
    f.setBold(true);
    nazov->setFont(f);
    btnOtvorit = new QPushButton(QStringLiteral("Otvoriť dokument"), this);
    btnVytvorit = new QPushButton(QStringLiteral("Vytvoriť nový dokument"), this);
    btnStorno = new QPushButton(QStringLiteral("Storno"), this);
    auto* text = new QHBoxLayout;
    text->addWidget(new QLabel(QStringLiteral("Dokument:"), this));
    text->addWidget(nazov);
    text->addWidget(new QLabel(QStringLiteral("už existuje, chcete :"), this));
    text->addStretch();
    auto* tlacidla = new QHBoxLayout;
    tlacidla->addWidget(btnOtvorit);
    tlacidla->addWidget(btnVytvorit);
    tlacidla->addWidget(btnStorno);
    auto* l = new QVBoxLayout(this);
    l->addLayout(text);
    l->addLayout(tlacidla);
    auto zvol = [this](VolbaDokladu v) {
        m_volba = v;
        v == VolbaDokladu::Storno ? reject() : accept();
    };
    connect(btnOtvorit, &QPushButton::clicked, this, [zvol] { zvol(VolbaDokladu::Otvorit); });
    connect(btnVytvorit, &QPushButton::clicked, this, [zvol] { zvol(VolbaDokladu::Vytvorit); });
    connect(btnStorno, &QPushButton::clicked, this, [zvol] { zvol(VolbaDokladu::Storno); });
}

VolbaDokladu TKontrolaForm::Opytaj(QWidget* rodic, const QString& nazovDokumentu)
{
    TKontrolaForm f(nazovDokumentu, rodic);
    f.exec();
    return f.volba();
}
