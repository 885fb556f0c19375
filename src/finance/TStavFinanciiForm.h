#pragma once
// "Stav financií": the year's billed and paid sums for the chosen entries, and the
// financial variant of the spreadsheet export.

#include <QDialog>
#include <QList>

#include "ExportExcel.h"
#include "StavFinancii.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Zurnal;

class TStavFinanciiForm : public QDialog {
    Q_OBJECT
public:
    TStavFinanciiForm(Zurnal& zurnal, int rok, const PismoTabulky& pismo, QWidget* rodic = nullptr);

    VolbaFinancii volba() const;
    double datumOd() const { return m_od; }
    double datumDo() const { return m_do; }

    void Prepocitaj();
    void VytlacExcel();

    QRadioButton* rbVsetky = nullptr;
    QRadioButton* rbOsoba = nullptr;
    QRadioButton* rbStatnyOrgan = nullptr;
    QRadioButton* rbDatumVykonania = nullptr;
    QRadioButton* rbDatumVyplatenia = nullptr;
    QLineEdit* DatumOdEdit = nullptr;
    QLineEdit* DatumDoEdit = nullptr;
    QPushButton* btnDnesOd = nullptr;
    QPushButton* btnDnesDo = nullptr;
    QPushButton* btnKalendarOd = nullptr;
    QPushButton* btnKalendarDo = nullptr;
    QPushButton* btnPrepocitaj = nullptr;
    QPushButton* btnVytlacExcel = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
    QList<QLabel*> Sumy;  // the five lines' values
    QLabel* lblVyznam = nullptr;  // what "Rozdiel:" means under the choice

private:
    struct PoleDatumu {
        QLineEdit* edit;
        double* hodnota;
    };
    void pridajDatum(class QGridLayout* l, int riadok, const QString& popis, QLineEdit*& edit,
                     QPushButton*& dnes, QPushButton*& kalendar, double* hodnota);
    void nastavDatum(const PoleDatumu& p, double datum);
    void opustiDatum(const PoleDatumu& p);

    Zurnal& m_zurnal;
    int m_rok;
    PismoTabulky m_pismo;
    QButtonGroup* m_volby = nullptr;
    double m_od = 0.0;
    double m_do = 0.0;
};
