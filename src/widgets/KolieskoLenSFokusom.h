#pragma once
// The mouse wheel never changes a value the user is not working on: a combo box, spin box
// or date box takes the wheel only while it has the keyboard focus; otherwise the wheel
// goes on to the page around it, which scrolls.

#include <QObject>

class QWidget;

class KolieskoLenSFokusom : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs one filter for the whole application (at program start).
    static void Zapni();
    // True for the controls whose value a wheel would change.
    static bool MeniHodnotuKolieskom(const QWidget* w);

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
};
