#pragma once
// "Stravné": the meal allowance picker of one day (three buttons with the rates in force
// that day) and the read-only table of every period of the rates.

#include <QDialog>

#include <optional>

#include "CestovneVypocty.h"

class QPushButton;
class QTableWidget;

class TStravneForm : public QDialog {
    Q_OBJECT
public:
    explicit TStravneForm(const SadzbaStravneho& sadzby, QWidget* rodic = nullptr);
    // The amount of the button pressed; nothing when the picker was closed otherwise.
    std::optional<double> suma() const { return m_suma; }

    static std::optional<double> vyber(QWidget* rodic, const SadzbaStravneho& sadzby);

    QList<QPushButton*> Tlacidla;

private:
    std::optional<double> m_suma;
};

// "vývoj cien stravného".
class TVyvojStravnehoForm : public QDialog {
    Q_OBJECT
public:
    explicit TVyvojStravnehoForm(const QList<SadzbaStravneho>& obdobia, QWidget* rodic = nullptr);
    QTableWidget* StringGrid1 = nullptr;
};
