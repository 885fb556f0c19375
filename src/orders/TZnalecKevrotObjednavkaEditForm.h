#pragma once
// "Zadanie objednávky": the order editor. Works on a copy of one order; the orders register
// stores the copy when the window closes with OK.

#include <QDialog>

#include "orders/PoliaObjednavky.h"
#include "store/Objednavka.h"

class Objednavky;
class PoleTextovehoZoznamu;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class TZnalecKevrotObjednavkaEditForm : public QDialog {
    Q_OBJECT
public:
    // `objednavky`: the client list for "DB" (saved when the list window changes it).
    TZnalecKevrotObjednavkaEditForm(const TObjednavka& objednavka, Objednavky& objednavky,
                                    QWidget* rodic = nullptr);

    // The edited copy, valid after "OK".
    const TObjednavka& objednavka() const { return m_objednavka; }

    PoliaObjednavky polia() const;
    void zobrazPolia(const PoliaObjednavky& p);

    // The commands, also for tests.
    void Dnes();
    void VyberKlientaDB();
    void Potvrd();

    QLineEdit* DenEdit = nullptr;
    QLineEdit* MesiacEdit = nullptr;
    QLineEdit* RokEdit = nullptr;
    QToolButton* btnKalendar = nullptr;
    QPushButton* btnDnes = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* btnDB = nullptr;
    QLineEdit* Edit3 = nullptr;
    QComboBox* cmbObjednavkaTyp = nullptr;
    QLineEdit* Edit5 = nullptr;
    QRadioButton* rbPFO = nullptr;
    QRadioButton* rbSO = nullptr;
    PoleTextovehoZoznamu* cmbDruhUkonu = nullptr;
    PoleTextovehoZoznamu* cmbTypPosudku = nullptr;
    PoleTextovehoZoznamu* cmbPredmet = nullptr;
    PoleTextovehoZoznamu* cmbUcel = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void nastavDatum(const QDate& d);

    TObjednavka m_objednavka;
    Objednavky& m_objednavky;
};

// Opens the order editor on `objednavka`; true on OK with the edited order in it.
bool UpravObjednavku(QWidget* rodic, TObjednavka& objednavka, Objednavky& objednavky);
