#pragma once
// "Podielová odmena": remuneration from the value of a building, its accessories or land.

#include <QDialog>

#include "VypoctyVydavkov.h"

class Nastavenia;
class PolePopisu;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TPodielovaOdmenaEditForm : public QDialog {
    Q_OBJECT
public:
    // `typ` 0 for a new item; the land rate starts from the settings, "Nastav trvalo" stores it.
    TPodielovaOdmenaEditForm(const QString& popis, double hodnota, int typ, double odmena, Nastavenia& nastavenia,
                             QWidget* rodic = nullptr);

    int typ() const { return m_typ; }
    double hodnota() const { return m_hodnota; }
    double odmena() const { return m_vysledok.odmena; }
    QString popis() const { return m_popis; }
    double sadzba() const { return m_sadzba; }

    void Potvrd();
    void OpustilHodnotu();
    void ZmenSadzbu();
    void ZvolTyp(int typ);

    QComboBox* cmbTyp = nullptr;
    QLabel* lblHodnota = nullptr;
    QLineEdit* HodnotaEdit = nullptr;
    QLabel* lblJednotka = nullptr;
    QLabel* lblSadzba = nullptr;
    QPushButton* btnZmenitSadzbu = nullptr;
    QLabel* lblZaokruhlena = nullptr;
    QLabel* lblCelkovaOdmena = nullptr;
    PolePopisu* Popis = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void prepocitaj();

    Nastavenia& m_nastavenia;
    QString m_popis;
    double m_hodnota;
    int m_typ;
    double m_sadzba;
    Podielova::Vysledok m_vysledok;
};
