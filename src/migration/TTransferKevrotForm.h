#pragma once
// "Prenesenie znaleckého kevrota": takes over an earlier version's journals, data,
// settings and texts.

#include <QDialog>

#include "PrenosKevrota.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TTransferKevrotForm : public QDialog {
    Q_OBJECT
public:
    TTransferKevrotForm(StaraVerzia verzia, QWidget* rodic = nullptr);

    // Makes `adresar` the source and refills the year list (all checked).
    void NastavZdroj(const QString& adresar);
    QStringList VybraneRoky() const;

    void Zmen();
    void Prenes();

    QLabel* lblZdroj = nullptr;
    QLineEdit* ZdrojEdit = nullptr;
    QPushButton* btnZmen = nullptr;
    QListWidget* Roky = nullptr;
    QCheckBox* chkNastavenia = nullptr;
    QCheckBox* chkTexty = nullptr;
    QPushButton* btnPrenes = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    StaraVerzia m_verzia;
};
