#pragma once
// "Vyhľadávanie v znaleckom kevrotu": the conditions of the journal's search filter.

#include <QDialog>

#include "ZnalKevrotFilter.h"

class QLineEdit;
class QPushButton;
class PoleDatumu;

class TVyhladavanieKevrotForm : public QDialog {
    Q_OBJECT
public:
    explicit TVyhladavanieKevrotForm(const TZnalKevrotFilter& filter, QWidget* rodic = nullptr);

    // The conditions as "Hľadaj" takes them (box text and columns not yet rebuilt).
    TZnalKevrotFilter filter() const;
    void OpustiCislo();

    QLineEdit* CisloEdit = nullptr;
    QLineEdit* ZadavatelEdit = nullptr;
    QLineEdit* SpisovaZnackaEdit = nullptr;
    PoleDatumu* DatumVyziadania = nullptr;
    PoleDatumu* DatumVykonania = nullptr;
    QLineEdit* PredmetEdit = nullptr;
    QPushButton* btnHladaj = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void hladaj();
    TZnalKevrotFilter m_filter;
    int m_cislo = 0;
};
