#pragma once
// "Editovanie objednávateľa": one client's name, address and numbers.

#include <QDialog>

#include "store/Objednavatel.h"

class QLineEdit;
class QPushButton;

class TObjednavatelEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TObjednavatelEditForm(QWidget* rodic = nullptr);

    void nastavUdaje(const TObjednavatel& o);
    // Name, address and the three numbers as typed (cut to their fields).
    TObjednavatel udaje() const;

    QLineEdit* MenoEdit = nullptr;
    QLineEdit* AdresaEdit = nullptr;
    QLineEdit* ICOEdit = nullptr;
    QLineEdit* DICEdit = nullptr;
    QLineEdit* ICDPHEdit = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
};
