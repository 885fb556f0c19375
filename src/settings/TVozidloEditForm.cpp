#include "TVozidloEditForm.h"

#include "TlacidlaDialogu.h"
#include "store/Cisla.h"
#include "store/Spravy.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TVozidloEditForm::TVozidloEditForm(const TVozidlo& vozidlo, QWidget* rodic) : QDialog(rodic), m_vozidlo(vozidlo)
{
    setWindowTitle(QStringLiteral("Vozidlo"));
    editNazov = new QLineEdit(vozidlo.Nazov, this);
    editNazov->setMaxLength(200);
    editNazov->setMinimumWidth(320);
    editEC = new QLineEdit(vozidlo.EvidencneCislo, this);
    editEC->setMaxLength(20);
    editSpotreba = new QLineEdit(CisloText(vozidlo.Spotreba, 2), this);
    editOpotrebenie = new QLineEdit(CisloText(vozidlo.Opotrebenie, 3), this);
    btnAktualna = new QPushButton(QStringLiteral("Aktuálna hodnota ") + CisloText(AktualneOpotrebenie(), 3).trimmed(), this);
    btnAktualna->setAutoDefault(false);
    auto* opotrebenie = new QHBoxLayout;
    opotrebenie->addWidget(editOpotrebenie);
    opotrebenie->addWidget(btnAktualna);
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Použité motorové vozidlo:"), editNazov);
    f->addRow(QStringLiteral("Evidenčné číslo vozidla:"), editEC);
    f->addRow(QStringLiteral("Priemerná spotreba podľa TP [ l/100km]:"), editSpotreba);
    f->addRow(QStringLiteral("Cestovná náhrada za opotrebenie vozidla na 1 km [€] :"), opotrebenie);
    auto* l = new QVBoxLayout(this);
    l->addLayout(f);
    const auto t = PridajTlacidla(this, l);
    btnOK = t.ok;
    btnStorno = t.storno;
    connect(editSpotreba, &QLineEdit::editingFinished, this, &TVozidloEditForm::OpustilSpotrebu);
    connect(editOpotrebenie, &QLineEdit::editingFinished, this, &TVozidloEditForm::OpustilOpotrebenie);
    connect(btnAktualna, &QPushButton::clicked, this, &TVozidloEditForm::AktualnaHodnota);
    connect(btnOK, &QPushButton::clicked, this, &TVozidloEditForm::Potvrd);
}

void TVozidloEditForm::opustilCislo(QLineEdit* pole, double& hodnota)
{
    if (pole->text().trimmed().isEmpty())
        return;
    if (const auto v = TextNaCislo(pole->text().trimmed())) {
        hodnota = *v;
        return;
    }
    spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
    pole->clear();
    pole->setFocus();
}

void TVozidloEditForm::OpustilSpotrebu() { opustilCislo(editSpotreba, m_vozidlo.Spotreba); }

void TVozidloEditForm::OpustilOpotrebenie() { opustilCislo(editOpotrebenie, m_vozidlo.Opotrebenie); }

void TVozidloEditForm::AktualnaHodnota()
{
    m_vozidlo.Opotrebenie = AktualneOpotrebenie();
    editOpotrebenie->setText(CisloText(m_vozidlo.Opotrebenie, 3));
}

void TVozidloEditForm::Potvrd()
{
    OpustilSpotrebu();
    OpustilOpotrebenie();
    if (const QString chyba = OverVozidlo(editNazov->text()); !chyba.isEmpty()) {
        spravy().chyba(chyba);
        return;
    }
    m_vozidlo.Nazov = editNazov->text().left(200);
    m_vozidlo.EvidencneCislo = editEC->text().left(20);
    accept();
}
