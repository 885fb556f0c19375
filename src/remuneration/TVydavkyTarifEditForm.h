#pragma once
// "Editovanie tarifnej položky": a tariff (mode 1) or flat (mode 2) remuneration item
// chosen from the code list, with surcharges and sub-items.

#include <QDialog>

#include "UpravaTarifu.h"

class MriezkaRozpisu;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TVydavkyTarifEditForm : public QDialog {
    Q_OBJECT
public:
    // `polozka` null for a new item.
    TVydavkyTarifEditForm(UpravaTarifu logika, const TVydavok* polozka, QWidget* rodic = nullptr);

    const UpravaTarifu& logika() const { return m_logika; }

    void Potvrd();
    void PridajRozpis();
    void OpravRozpis();
    void ZmazRozpis();
    void OpustilCenu();

    QComboBox* cmbUkon = nullptr;
    QLineEdit* MJEdit = nullptr;
    QLineEdit* CenaEdit = nullptr;
    QLabel* lblPriplatok[2] = {};
    QCheckBox* chkPriplatok[2] = {};
    QSpinBox* spinPriplatok[2] = {};
    QLabel* lblCenaSPriplatkami = nullptr;
    QLabel* lblNadpis = nullptr;
    MriezkaRozpisu* StringGrid1 = nullptr;
    QPushButton* btnPridajRozpis = nullptr;
    QPushButton* btnOpravRozpis = nullptr;
    QPushButton* btnZmazRozpis = nullptr;
    QLabel* lblZaokruhlenie = nullptr;
    QLabel* lblCelkovaCena = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void ukaz(int vybranyRozpis = 0);
    void zmenenyPriplatok(int k);

    UpravaTarifu m_logika;
    bool m_plnenie = false;
};
