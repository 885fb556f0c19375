#pragma once
// "Vyplatené znalečné": one payment of an entry, its date and amount.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class TVyplateneZnalecneForm : public QDialog {
    Q_OBJECT
public:
    // `celkovaSuma`: what the entry bills; `skupina`: 6 interpreter, 7 translator, else 0.
    TVyplateneZnalecneForm(double datum, double suma, double celkovaSuma, int skupina,
                           QWidget* rodic = nullptr);

    double datum() const { return m_datum; }
    double suma() const { return m_suma; }

    QLineEdit* SumaEdit = nullptr;
    QLineEdit* DatumEdit = nullptr;
    QToolButton* btnKalendar = nullptr;
    QPushButton* btnDnes = nullptr;
    QCheckBox* CelaSumaCheck = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void opustilSumu();
    void opustilDatum();
    void nastavDatum(double d);

    double m_datum = 0;
    double m_suma = 0;
    double m_celkovaSuma = 0;
};
