#pragma once
// "Objednávky": the order picker of the entry editor, listing the orders of one year.

#include <QDialog>

#include <optional>

#include "store/Objednavka.h"

class QPushButton;
class QTableWidget;

class TObjednavkyForm : public QDialog {
    Q_OBJECT
public:
    explicit TObjednavkyForm(const QList<TObjednavka>& objednavky, QWidget* rodic = nullptr);
    static constexpr int StlpecPozicie = 9;  // hidden: the order's position

    // The order of the selected row, or nothing.
    std::optional<TObjednavka> vybrana() const;

    QTableWidget* StringGrid1 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void vyznacVybrany();

    QList<TObjednavka> m_objednavky;
};

// Shows the orders of the current calendar year; the chosen order on "OK".
std::optional<TObjednavka> VyberObjednavku(QWidget* rodic);
