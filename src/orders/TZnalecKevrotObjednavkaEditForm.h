#pragma once
// "Zadanie objednávky": the order editor. Works on a copy of one order; the orders register
// stores the copy when the window closes with OK.

#include <QDialog>

#include "orders/KorespondenciaObjednavky.h"
#include "orders/PoliaObjednavky.h"
#include "settings/NastaveniaZaznamy.h"
#include "store/Objednavka.h"

class Objednavky;
class PoleTextovehoZoznamu;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QToolButton;

class TZnalecKevrotObjednavkaEditForm : public QDialog {
    Q_OBJECT
public:
    // `objednavky`: the client list for "DB" (saved when the list window changes it).
    // `nastavenia`: the practitioner's kind, texts and fonts for the letter.
    TZnalecKevrotObjednavkaEditForm(const TObjednavka& objednavka, Objednavky& objednavky,
                                    QWidget* rodic = nullptr, const TNastavenia* nastavenia = nullptr);

    // The edited copy, valid after "OK".
    const TObjednavka& objednavka() const { return m_objednavka; }

    PoliaObjednavky polia() const;
    void zobrazPolia(const PoliaObjednavky& p);

    // The commands, also for tests.
    void Dnes();
    void VyberKlientaDB();
    void Potvrd();
    // Shows the working letter (the order's kept letter, put there before opening).
    void ukazUlozenyList();
    // The letter: a template chosen, "Edituj", "Otvor vo Worde".
    HodnotyListu hodnotyListu() const;
    void ZvolenaSablonaListu();
    void EditujList();
    void OtvorVoWorde();

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
    QComboBox* KorespondenciaComboBox = nullptr;
    QTextEdit* Korespondencia = nullptr;
    QPushButton* btnEditujList = nullptr;
    QPushButton* btnOtvorVoWorde = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void nastavDatum(const QDate& d);
    QWidget* vytvorKorespondenciu();
    void obnovList();

    TObjednavka m_objednavka;
    Objednavky& m_objednavky;
    TNastavenia m_nastavenia;
};

// Opens the order editor on `objednavka`; true on OK with the edited order in it.
bool UpravObjednavku(QWidget* rodic, TObjednavka& objednavka, Objednavky& objednavky,
                     const TNastavenia* nastavenia = nullptr);
