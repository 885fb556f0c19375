#pragma once
// Controls made the same way on every tab of the settings window.

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace PrvkyNastavenia {

inline QLineEdit* pole(QWidget* rodic, int maxDlzka)
{
    auto* e = new QLineEdit(rodic);
    e->setMaxLength(maxDlzka);
    return e;
}

inline QToolButton* maleTlacidlo(QWidget* rodic, const QString& text, const QString& hint)
{
    auto* b = new QToolButton(rodic);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

// A button that Enter does not press.
inline QPushButton* tlacidlo(QWidget* rodic, const QString& text)
{
    auto* b = new QPushButton(text, rodic);
    b->setAutoDefault(false);
    return b;
}

}  // namespace PrvkyNastavenia
