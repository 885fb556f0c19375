#pragma once
// "Obnovenie zo zálohy": the backups with date and size, a backup made now, the backup
// folder and count, and the restore of a chosen backup.

#include <QDialog>

class QPushButton;
class QSpinBox;
class QLineEdit;
class QTableWidget;

class TObnovenieZalohyForm : public QDialog {
    Q_OBJECT
public:
    explicit TObnovenieZalohyForm(QWidget* rodic = nullptr);

    void Obnov();
    void ZalohujTeraz();
    void ZmenAdresar();

    // Set after a restore: the program must end, its data in memory are old.
    bool obnovene() const { return m_obnovene; }

    QTableWidget* Zalohy = nullptr;
    QLineEdit* AdresarEdit = nullptr;
    QSpinBox* PocetEdit = nullptr;
    QPushButton* btnZmenAdresar = nullptr;
    QPushButton* btnZalohujTeraz = nullptr;
    QPushButton* btnObnov = nullptr;
    QPushButton* btnZavriet = nullptr;

private:
    void naplnZoznam();
    bool m_obnovene = false;
};

// From the main window: the dialog, and after a restore the offer of a restart; the
// program then ends in any case.
void ObnovenieZoZalohy(QWidget* rodic);

// After a restore, transfer or import changed the data on disk: the offer of a restart; the
// program then ends in any case, so that nothing acts on the data still in memory.
void UkonciPoZmeneUdajov(const QString& text);
