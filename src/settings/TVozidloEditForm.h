#pragma once
// "Vozidlo": one vehicle of the travel order, edited from the settings window.

#include <QDialog>

#include "settings/Vozidla.h"

class QLineEdit;
class QPushButton;

class TVozidloEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TVozidloEditForm(const TVozidlo& vozidlo, QWidget* rodic = nullptr);

    // The vehicle as confirmed (valid after OK).
    const TVozidlo& vozidlo() const { return m_vozidlo; }

    // Leaving a number box: a number is taken; other text is warned about, emptied and
    // focused, and the value is kept. An empty box keeps the value silently.
    void OpustilSpotrebu();
    void OpustilOpotrebenie();
    void AktualnaHodnota();
    void Potvrd();

    QLineEdit* editNazov = nullptr;
    QLineEdit* editEC = nullptr;
    QLineEdit* editSpotreba = nullptr;
    QLineEdit* editOpotrebenie = nullptr;
    QPushButton* btnAktualna = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void opustilCislo(QLineEdit* pole, double& hodnota);

    TVozidlo m_vozidlo;
};
