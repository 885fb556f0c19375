#pragma once
// "Banka": the code and name of one item of the bank list.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TBankaForm : public QDialog {
    Q_OBJECT
public:
    // An item ("0200 Všeobecná úverová banka, a.s.") to edit, or empty for a new one.
    explicit TBankaForm(const QString& polozka = {}, QWidget* rodic = nullptr);

    // Valid after OK.
    QString polozka() const;
    QString kod() const;

    void Potvrd();

    QLineEdit* editKod = nullptr;
    QLineEdit* editNazov = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
};
