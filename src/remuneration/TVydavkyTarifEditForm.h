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
    void OpustilPocet();

    QComboBox* cmbUkon = nullptr;
    QLineEdit* MJEdit = nullptr;
    QLineEdit* CenaEdit = nullptr;
    // "Počet MJ:" (hours, pieces) of an item with one sub-item, typed here instead of in
    // the sub-item dialog; with several sub-items it shows their total and is read-only.
    QLineEdit* PocetEdit = nullptr;
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
