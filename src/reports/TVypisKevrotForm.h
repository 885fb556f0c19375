#pragma once
// "Výpis z kevrota": the counts of a half-year by field and branch, the entries without a
// field or branch, and the statement as a document or PDF.

#include <QDialog>

#include "VypisKevrota.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TVypisKevrotForm : public QDialog {
    Q_OBJECT
public:
    TVypisKevrotForm(const TNastavenia& nastavenie, const OdboryOdvetvia& odbory,
                     const QList<RiadokKevrota>& zaznamy, int rok, QWidget* rodic = nullptr,
                     const Jazyky* jazyky = nullptr);

    const VypisKevrota& vypis() const { return m_vypis; }

    // "Tlač výpis" and "PDF": the document in the working directory, opened.
    void TlacVypis();
    void VypisPdf();

    QLabel* lblZnalec = nullptr;
    QLabel* lblAdresa = nullptr;
    QLabel* lblEC = nullptr;
    QRadioButton* rbPrvy = nullptr;
    QRadioButton* rbDruhy = nullptr;
    QListWidget* Kontrola = nullptr;
    QTableWidget* Mriezka = nullptr;
    QPushButton* btnTlac = nullptr;
    QPushButton* btnPdf = nullptr;

private:
    VypisKevrota m_vypis;

    void Spocitaj();
};
