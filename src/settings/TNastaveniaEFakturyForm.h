#pragma once
// "Nastavenia e-faktúry": the IBAN when it differs from the computed one, the Peppol id
// and, for a non-payer, the VAT category and its reason.

#include <QDialog>

#include "settings/NastaveniaEFaktury.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TNastaveniaEFakturyForm : public QDialog {
    Q_OBJECT
public:
    // `vypocitanyIban` and `dic` show what is used when the fields stay empty.
    TNastaveniaEFakturyForm(const NastaveniaEFaktury& n, const QString& vypocitanyIban, const QString& dic,
                            QWidget* rodic = nullptr);

    NastaveniaEFaktury nastavenia() const;

    QLineEdit* EditIBAN = nullptr;
    QLineEdit* EditBIC = nullptr;
    QLineEdit* EditEndpoint = nullptr;
    QComboBox* cmbKategoria = nullptr;
    QLineEdit* EditDovod = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void potvrd();
    NastaveniaEFaktury m_n;
};

// Opens the dialog on the saved settings and saves them on OK. True when saved.
bool UpravNastaveniaEFaktury(const QString& vypocitanyIban, const QString& dic, QWidget* rodic);
