#pragma once
// "Položka hotových výdavkov": a cash expense.

#include <QDialog>

class PolePopisu;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TVydavkyIneEditForm : public QDialog {
    Q_OBJECT
public:
    TVydavkyIneEditForm(const QString& popis, const QString& mj, double cena, int pocet, QWidget* rodic = nullptr);

    QString popis() const { return m_popis; }
    QString mj() const { return m_mj; }
    double cena() const { return m_cena; }
    int pocet() const { return m_pocet; }

    void OpustilCenu();

    PolePopisu* Popis = nullptr;
    QLineEdit* MJEdit = nullptr;
    QLineEdit* CenaEdit = nullptr;
    QSpinBox* PocetSpin = nullptr;
    QLabel* lblCelkovaCena = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void ukazSpolu();

    QString m_popis, m_mj;
    double m_cena;
    int m_pocet;
};
