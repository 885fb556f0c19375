#pragma once
// "Editovanie objednávateľa": one client's name, address, numbers and category.

#include <QDialog>

#include "store/Objednavatel.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TObjednavatelEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TObjednavatelEditForm(QWidget* rodic = nullptr);

    void nastavUdaje(const TObjednavatel& o);
    void nastavKategoriu(qint32 kategoria);
    // Name, address and the three numbers as typed (cut to their fields), the category
    // chosen (none when nothing is chosen).
    TObjednavatel udaje() const;

    QLineEdit* MenoEdit = nullptr;
    QLineEdit* AdresaEdit = nullptr;
    QLineEdit* ICOEdit = nullptr;
    QLineEdit* DICEdit = nullptr;
    QLineEdit* ICDPHEdit = nullptr;
    QComboBox* cmbKategoria = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
};
