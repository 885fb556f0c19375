#pragma once
// "Všetky položky": the stored billings of the year, one shown at a time with its items.

#include <QDialog>

#include "store/UlozeneVyuctovanie.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TVsetkyPolozkyForm : public QDialog {
    Q_OBJECT
public:
    // Works on a copy: unfolding items changes nothing outside.
    explicit TVsetkyPolozkyForm(QList<TCiselnikVydavok> vyuctovania, QWidget* rodic = nullptr);

    // The chosen billing, or -1 (empty list).
    int zvolene() const;
    const QList<TCiselnikVydavok>& vyuctovania() const { return m_vyuctovania; }

    void Zobraz(int index);
    // Double click on a row: an item row folds or unfolds its sub-items.
    void Prepni(int riadok);

    QComboBox* cmbPolozka = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* lblPrazdny = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    QList<TCiselnikVydavok> m_vyuctovania;
};
