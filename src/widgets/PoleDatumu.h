#pragma once
// A date field of the search dialogs: the text, a calendar button, and the value read when
// the field is left (0 = no condition).

#include <QWidget>

class QLineEdit;
class QPushButton;

class PoleDatumu : public QWidget {
    Q_OBJECT
public:
    explicit PoleDatumu(double datum, QWidget* rodic = nullptr);

    double hodnota() const { return m_hodnota; }
    // Reads the text as leaving the field does: a bad date is reported, emptied, 0.
    void Opusti();

    QLineEdit* Edit = nullptr;
    QPushButton* btnKalendar = nullptr;

private:
    void kalendar();
    double m_hodnota = 0.0;
};
