#pragma once
// "Sadzba na výpočet východ.hodnoty pozemku": the euro rate per square metre of land.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TNastavSadzbuPozemkyPodielovaOdmena : public QDialog {
    Q_OBJECT
public:
    // Result code of "Nastav trvalo" (OK is QDialog::Accepted).
    static constexpr int NastavTrvalo = 2;

    explicit TNastavSadzbuPozemkyPodielovaOdmena(double sadzba, QWidget* rodic = nullptr);
    double sadzba() const { return m_sadzba; }

    void OpustilSadzbu();

    QLineEdit* SadzbaEdit = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
    QPushButton* btnNastavTrvalo = nullptr;

private:
    double m_sadzba;
};
