#pragma once
// The problems met while the program loaded, in one window: each file with its problem.

#include "store/Spravy.h"

#include <QDialog>

class QTableWidget;
class QPushButton;

class TChybyNacitaniaForm : public QDialog {
    Q_OBJECT
public:
    explicit TChybyNacitaniaForm(const QList<Spravy::Sprava>& spravy, QWidget* rodic = nullptr);

    QTableWidget* tabProblemy = nullptr;
    QPushButton* btnOK = nullptr;
};
