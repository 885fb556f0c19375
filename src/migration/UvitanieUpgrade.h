#pragma once
// The welcome window "Upgrade programu", offered once at the first start of an
// installation when an earlier version is installed on the machine.

#include <QDialog>

class QPushButton;

class TUpgradeForm : public QDialog {
    Q_OBJECT
public:
    explicit TUpgradeForm(QWidget* rodic = nullptr);
    QPushButton* btnAno = nullptr;
    QPushButton* btnStorno = nullptr;
};

// Whether the offer is still due: not made in this installation yet and an earlier
// version found. Marks it made, so that it comes once.
bool PonukniUpgrade();

// At start: offers the transfer once and opens the 5.4 transfer on "Áno".
void UvitanieUpgrade(QWidget* rodic);
