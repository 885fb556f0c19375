#pragma once
// "Zoznam objednávateľov": finds, adds, changes and deletes clients and returns the one
// picked. Works on the shared client list itself; the caller saves the list when the
// window reports a change.

#include <QDialog>

#include "orders/VyberObjednavatela.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TObjednavatelZoznamForm : public QDialog {
    Q_OBJECT
public:
    explicit TObjednavatelZoznamForm(QList<TObjednavatel>& zoznam, QWidget* rodic = nullptr);

    // Set on "OK"; empty when no client was selected.
    const VybranyObjednavatel& vysledok() const { return m_vysledok; }
    bool zmeneny() const { return m_logika.Zmeneny(); }

    // The commands, also for tests.
    void Pridaj();
    void Zmen(int riadok);
    void Zmaz();
    void Hladaj();

    QTableWidget* StringGrid1 = nullptr;
    QLineEdit* HladajEdit = nullptr;
    QPushButton* btnHladaj = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnZmaz = nullptr;
    QRadioButton* rbSudy = nullptr;
    QRadioButton* rbPolicajti = nullptr;
    QRadioButton* rbExekutori = nullptr;
    QRadioButton* rbOstatne = nullptr;
    QRadioButton* rbVsetci = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void naplnMriezku();
    void vyberRiadok(int riadok);
    void potvrd();

    VyberObjednavatela m_logika;
    VybranyObjednavatel m_vysledok;
};
