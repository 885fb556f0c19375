#pragma once
// "Editácia položky": the description and quantity of one sub-item.

#include <QDialog>

#include "store/Vydavok.h"

class PolePopisu;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TVydavkyPopisEditForm : public QDialog {
    Q_OBJECT
public:
    TVydavkyPopisEditForm(int kodZoznamu, const TRozpisPolozky& rozpis, QWidget* rodic = nullptr);

    // The sub-item as the dialog holds it; the description is taken on "OK".
    TRozpisPolozky rozpis() const { return m_rozpis; }

    // Shows the dialog; the edited sub-item on "OK".
    static std::optional<TRozpisPolozky> uprav(QWidget* rodic, int kodZoznamu, const TRozpisPolozky& r);

    void OpustilPocet();
    void Krok(int hodnota);

    QLineEdit* PocetEdit = nullptr;
    QSpinBox* PocetSpin = nullptr;
    PolePopisu* Popis = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnZavriet = nullptr;

private:
    void ukazPocet();

    TRozpisPolozky m_rozpis;
};
