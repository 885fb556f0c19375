#pragma once
// The flat-expense dialog: a flat-expense item (mode 4), or the breakdown of a flat
// remuneration (mode 2) or flat-expense (mode 3) item into sub-items, whose name, price
// and unit are then read-only. The mode is also the code of the descriptions offered.

#include <QDialog>

#include "store/Vydavok.h"

class MriezkaRozpisu;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TVydavkyEditForm : public QDialog {
    Q_OBJECT
public:
    // `polozka` null for a new item (mode 4 only).
    TVydavkyEditForm(int rezim, qint32 skupina, const TVydavok* polozka, QWidget* rodic = nullptr);

    QString nazov() const { return m_nazov; }
    QString mj() const { return m_mj; }
    double cena() const { return m_cena; }
    const QList<TRozpisPolozky>& rozpis() const { return m_rozpis; }

    void Pridaj();
    void Oprav();
    void Zmaz();
    void OpustilCenu();
    void OpustilPocet();

    QLineEdit* NazovEdit = nullptr;
    QLineEdit* CenaEdit = nullptr;
    // "Počet MJ:" of an item with one sub-item, typed here instead of in the sub-item
    // dialog; with several sub-items their total, read-only.
    QLineEdit* PocetEdit = nullptr;
    QComboBox* cmbMJ = nullptr;
    QLabel* lblCelkovaCena = nullptr;
    MriezkaRozpisu* StringGrid1 = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnOprav = nullptr;
    QPushButton* btnZmaz = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void ukaz(int vybrany);

    int m_rezim;
    QString m_nazov;
    QString m_mj;
    double m_cena = 0;
    QList<TRozpisPolozky> m_rozpis;
};
