#pragma once
// "Zmluvná odmena": a price agreed for a number of acts.

#include <QDialog>

class PolePopisu;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TZmluvnaOdmenaForm : public QDialog {
    Q_OBJECT
public:
    TZmluvnaOdmenaForm(const QString& popis, double cena, int pocet, QWidget* rodic = nullptr);

    QString popis() const { return m_popis; }
    double cena() const { return m_cena; }
    int pocet() const { return m_pocet; }
    double spolu() const { return m_cena * m_pocet; }

    void OpustilCenu();

    QLineEdit* CenaEdit = nullptr;
    QSpinBox* PocetSpin = nullptr;
    PolePopisu* Popis = nullptr;
    QLabel* lblCelkovaOdmena = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void ukazSpolu();

    QString m_popis;
    double m_cena;
    int m_pocet;
};
