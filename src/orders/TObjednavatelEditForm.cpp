#include "TObjednavatelEditForm.h"

#include "settings/TlacidlaDialogu.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TObjednavatelEditForm::TObjednavatelEditForm(QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Editovanie objednávateľa"));
    MenoEdit = new QLineEdit(this);
    MenoEdit->setMaxLength(100);
    AdresaEdit = new QLineEdit(this);
    AdresaEdit->setMaxLength(150);
    ICOEdit = new QLineEdit(this);
    DICEdit = new QLineEdit(this);
    ICDPHEdit = new QLineEdit(this);
    for (auto* e : {ICOEdit, DICEdit, ICDPHEdit})
        e->setMaxLength(20);
    MenoEdit->setMinimumWidth(380);
    cmbKategoria = new QComboBox(this);
    const QStringList kategorie{QStringLiteral("súdy"), QStringLiteral("policajti"), QStringLiteral("exekútori"),
                                QStringLiteral("ostatné")};
    for (int i = 0; i < kategorie.size(); ++i)
        cmbKategoria->addItem(kategorie[i], i + 1);
    cmbKategoria->setCurrentIndex(-1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Meno:"), MenoEdit);
    form->addRow(QStringLiteral("&Adresa:"), AdresaEdit);
    form->addRow(QStringLiteral("&Kategória:"), cmbKategoria);
    form->addRow(QStringLiteral("&IČO:"), ICOEdit);
    form->addRow(QStringLiteral("&DIČ:"), DICEdit);
    form->addRow(QStringLiteral("IČ DP&H:"), ICDPHEdit);

    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(form);
    const TlacidlaDialogu t = PridajTlacidla(this, hlavny);
    btnOK = t.ok;
    btnStorno = t.storno;

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TObjednavatelEditForm::nastavUdaje(const TObjednavatel& o)
{
    MenoEdit->setText(o.Meno);
    AdresaEdit->setText(o.Adresa);
    ICOEdit->setText(o.ICO);
    DICEdit->setText(o.DIC);
    ICDPHEdit->setText(o.ICDPH);
    nastavKategoriu(o.Kategoria);
}

void TObjednavatelEditForm::nastavKategoriu(qint32 kategoria)
{
    cmbKategoria->setCurrentIndex(cmbKategoria->findData(kategoria));
}

TObjednavatel TObjednavatelEditForm::udaje() const
{
    TObjednavatel o;
    o.Meno = MenoEdit->text().left(100);
    o.Adresa = AdresaEdit->text().left(150);
    o.ICO = ICOEdit->text().left(20);
    o.DIC = DICEdit->text().left(20);
    o.ICDPH = ICDPHEdit->text().left(20);
    o.Kategoria = cmbKategoria->currentIndex() < 0 ? qint32(BezKategorie) : cmbKategoria->currentData().toInt();
    return o;
}
