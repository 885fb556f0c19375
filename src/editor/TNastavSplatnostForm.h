#pragma once
// "Nastavenie splatnosti": the payment term of an entry.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TNastavSplatnostForm : public QDialog {
    Q_OBJECT
public:
    // The third result: the term is to become the default as well.
    enum Vysledok { Storno = QDialog::Rejected, OK = QDialog::Accepted, NastavTrvalo = 2 };

    explicit TNastavSplatnostForm(int splatnost, QWidget* rodic = nullptr);

    int splatnost() const { return m_splatnost; }

    QLineEdit* Edit1 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
    QPushButton* btnNastavTrvalo = nullptr;

private:
    void opustilEdit();

    int m_splatnost = 0;
};
