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
    // Years whose differing entries the user chose to replace.
    QStringList RokyNaNahradenie() const;
    // Whether the transfer changed files: the program must then end or reload.
    bool zmenene() const { return m_zmenene; }

    void Zmen();
    void Prenes();

    QLabel* lblZdroj = nullptr;
    QLineEdit* ZdrojEdit = nullptr;
    QPushButton* btnZmen = nullptr;
    QListWidget* Roky = nullptr;
    QLabel* lblNahradit = nullptr;
    QListWidget* RokyNahradit = nullptr;
    QCheckBox* chkNastavenia = nullptr;
    QCheckBox* chkTexty = nullptr;
    QPushButton* btnPrenes = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    bool m_zmenene = false;
    StaraVerzia m_verzia;
};
