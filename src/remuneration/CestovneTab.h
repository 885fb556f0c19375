#pragma once
// The tab "Cestové náhrady": edits the travel block of the remuneration window and
// recomputes its totals after every change.

#include <QWidget>

#include <functional>

#include "remuneration/CestovneVypocty.h"
#include "store/CestovneNahrady.h"

struct TVozidlo;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

class CestovneTab : public QWidget {
    Q_OBJECT
public:
    CestovneTab(TCestovneNahrady& cesta, const QList<TVozidlo>& vozidla, const DPHPaliva& dph = {},
                QWidget* rodic = nullptr);

    void nastavPopisy(const QString& meno, const QString& bydlisko);
    // "Tlač" is shown when the window can print the travel order.
    void nastavTlac(std::function<void()> tlac);

    // Every field from the block, then the totals.
    void zobraz();
    // The texts and the VAT choice into the block (on "OK" and before printing).
    void PrevezmiTexty();

    // Commands, also for tests.
    void OpustilKM();
    void OpustilCislo(QLineEdit* pole);
    void ZvolVozidlo(int index);
    void AktualnaHodnota();
    void VyberStravne(int den);
    void VyvojStravneho();
    void OpustilVyuctovane();
    void Dnes();
    void Kalendar();

    QLineEdit* EditMeno = nullptr;
    QLineEdit* EditBydlisko = nullptr;
    QComboBox* cmbVozidlo = nullptr;
    QLineEdit* EditEC = nullptr;
    QLineEdit* EditKM = nullptr;
    QLineEdit* EditSpotreba = nullptr;
    QLineEdit* EditCenaPHM = nullptr;
    QLineEdit* EditOpotrebenie = nullptr;
    QPushButton* btnOpotrebenie = nullptr;
    QLineEdit* EditSpolucestujuci = nullptr;
    QTableWidget* gridCesta = nullptr;
    QTableWidget* gridStravne = nullptr;
    QTableWidget* gridNoclazne = nullptr;
    QPushButton* btnVyvoj = nullptr;
    QRadioButton* rbSDPH = nullptr;
    QRadioButton* rbBezDPH = nullptr;
    QLineEdit* EditVyuctovane = nullptr;
    QToolButton* btnKalendar = nullptr;
    QPushButton* btnDnes = nullptr;
    QLabel* lblPHM = nullptr;
    QLabel* lblCestovne = nullptr;
    QLabel* lblStravne = nullptr;
    QLabel* lblOstatne = nullptr;
    QLabel* lblSpolu = nullptr;
    QPushButton* btnTlac = nullptr;

signals:
    // The totals changed.
    void zmenene();

private:
    QWidget* vytvorVozidlo();
    QWidget* vytvorDni();
    QWidget* vytvorSucty();
    void zmenenaBunka(QTableWidgetItem* i);
    void zmenenaCesta();
    void prepocitaj();
    void ukazCisla();
    void ukazOpotrebenie();
    double* poleCisla(QLineEdit* pole, int& desatinne);

    TCestovneNahrady& m_c;
    DPHPaliva m_dph;
    const QList<TVozidlo>& m_vozidla;
    std::function<void()> m_tlac;
    bool m_plnenie = false;
};
