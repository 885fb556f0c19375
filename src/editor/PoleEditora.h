#pragma once
// The line edit that every part of the entry editor builds: a box with its field's capacity.

#include <QLineEdit>

inline QLineEdit* edit(QWidget* rodic, int maxDlzka)
{
    auto* e = new QLineEdit(rodic);
    e->setMaxLength(maxDlzka);
    return e;
}
