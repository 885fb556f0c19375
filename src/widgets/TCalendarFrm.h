#pragma once
// "Kalendár": the date picker behind every calendar button.

#include <QDate>
#include <QDialog>

#include <optional>

#include "widgets/KalendarVolba.h"

class QCalendarWidget;
class QLineEdit;
class QPushButton;

class TCalendarFrm : public QDialog {
    Q_OBJECT
public:
    explicit TCalendarFrm(const QDate& pociatocny, QWidget* rodic = nullptr);

    // The calendar's date.
    QDate datum() const;

    // Shows the picker modally on `pociatocny`; the chosen date on "Ok", nothing on "Storno".
    static std::optional<QDate> vyber(QWidget* rodic, const QDate& pociatocny = QDate::currentDate());

    QCalendarWidget* Kalendar = nullptr;
    QLineEdit* DenEdit = nullptr;
    QLineEdit* MesiacEdit = nullptr;
    QLineEdit* RokEdit = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void ukazCasti();
    void pouziEdit(QLineEdit* edit, CastDatumu cast);
};
