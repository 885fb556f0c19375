#pragma once
// "Vyhľadávanie v objednávkach": the conditions of the orders' search filter.

#include <QDialog>

#include "ObjednavkaFilter.h"

class QLineEdit;
class QPushButton;
class PoleDatumu;

class TVyhladavanieObjednavkyForm : public QDialog {
    Q_OBJECT
public:
    explicit TVyhladavanieObjednavkyForm(const TObjednavkaFilter& filter, QWidget* rodic = nullptr);

    TObjednavkaFilter filter() const;

    PoleDatumu* DatumVyziadania = nullptr;
    QLineEdit* ZadavatelEdit = nullptr;
    QLineEdit* SpisovaZnackaEdit = nullptr;
    QLineEdit* PredmetEdit = nullptr;
    QLineEdit* UcelEdit = nullptr;
    QPushButton* btnHladaj = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    TObjednavkaFilter m_filter;
};
