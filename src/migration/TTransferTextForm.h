#pragma once
// "Prenesenie preddefinovaných textov": the office product's text lists, billing texts
// and settings.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TTransferTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TTransferTextForm(QWidget* rodic = nullptr);

    void Zmen();
    void PrenesTexty();
    // Whether the import changed files: the program must then end or reload.
    bool zmenene() const { return m_zmenene; }

    QLineEdit* ZdrojEdit = nullptr;
    QPushButton* btnZmen = nullptr;
    QCheckBox* chkNastavenia = nullptr;
    QPushButton* btnPrenesTexty = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    bool m_zmenene = false;
};
