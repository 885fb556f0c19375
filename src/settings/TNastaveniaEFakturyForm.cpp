#include "TNastaveniaEFakturyForm.h"

#include "TlacidlaDialogu.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/Spravy.h"

TNastaveniaEFakturyForm::TNastaveniaEFakturyForm(const NastaveniaEFaktury& n, const QString& vypocitanyIban,
                                                 const QString& dic, QWidget* rodic)
    : QDialog(rodic), m_n(n)
{
    setWindowTitle(QStringLiteral("Nastavenia e-faktúry"));
    EditIBAN = new QLineEdit(n.IBAN, this);
    EditIBAN->setPlaceholderText(vypocitanyIban);
    EditIBAN->setMaxLength(34);
    EditBIC = new QLineEdit(n.BIC, this);
    EditBIC->setMaxLength(11);
    EditEndpoint = new QLineEdit(n.EndpointId, this);
    EditEndpoint->setPlaceholderText(dic);
    EditEndpoint->setMaxLength(50);
    cmbKategoria = new QComboBox(this);
    cmbKategoria->addItem(QStringLiteral("O – nepodlieha DPH"), QStringLiteral("O"));
    cmbKategoria->addItem(QStringLiteral("E – oslobodené od DPH"), QStringLiteral("E"));
    cmbKategoria->setCurrentIndex(n.KategoriaNeplatcu == QLatin1String("E") ? 1 : 0);
    EditDovod = new QLineEdit(n.DovodNeplatcu, this);
    EditDovod->setMaxLength(200);
    // Enter in a field presses "OK", as the first button of the dialog always did.
    const TlacidlaDialogu t = VytvorTlacidla(this);
    btnOK = t.ok;
    btnStorno = t.storno;

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("IBAN (ak sa líši od účtu v nastaveniach):"), EditIBAN);
    formular->addRow(QStringLiteral("BIC:"), EditBIC);
    formular->addRow(QStringLiteral("Peppol identifikátor (DIČ):"), EditEndpoint);
    formular->addRow(QStringLiteral("Neplatca DPH – kategória:"), cmbKategoria);
    formular->addRow(QStringLiteral("Neplatca DPH – dôvod:"), EditDovod);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(formular);
    hlavny->addWidget(t.riadok);
    connect(btnOK, &QPushButton::clicked, this, &TNastaveniaEFakturyForm::potvrd);
}

NastaveniaEFaktury TNastaveniaEFakturyForm::nastavenia() const { return m_n; }

void TNastaveniaEFakturyForm::potvrd()
{
    QString iban = EditIBAN->text().remove(u' ').toUpper();
    if (!iban.isEmpty() && !PlatnyIban(iban)) {
        spravy().chyba(QStringLiteral("IBAN „%1“ nie je platný.").arg(iban));
        EditIBAN->setFocus();
        return;
    }
    m_n.IBAN = iban;
    m_n.BIC = EditBIC->text().trimmed().toUpper();
    m_n.EndpointId = EditEndpoint->text().trimmed();
    m_n.KategoriaNeplatcu = cmbKategoria->currentData().toString();
    m_n.DovodNeplatcu = EditDovod->text().trimmed();
    accept();
}

bool UpravNastaveniaEFaktury(const QString& vypocitanyIban, const QString& dic, QWidget* rodic)
{
    TNastaveniaEFakturyForm f(NacitajNastaveniaEFaktury(), vypocitanyIban, dic, rodic);
    return f.exec() == QDialog::Accepted && ohlas(UlozNastaveniaEFaktury(f.nastavenia()));
}
