#pragma once
// The tab "Vyplatenie" of the entry editor: the payment mode, the payments and their totals.

#include <QWidget>

#include "editor/VyplatenieZaznamu.h"
#include "widgets/ModelZoznamu.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

class VyplatenieTab : public QWidget {
    Q_OBJECT
public:
    explicit VyplatenieTab(QWidget* rodic = nullptr);

    // `skupina`: 6 interpreter, 7 translator, else 0 (the payment dialog's caption).
    void zobraz(const TZnalKevrotZaznam& z, const QList<TVyplatenie>& vyplatenia, bool novy, int skupina);
    // The payments and the paid flag into the entry (editor's "OK").
    void uloz(TZnalKevrotZaznam& z, QList<TVyplatenie>& vyplatenia);

    VyplatenieZaznamu& logika() { return m_logika; }
    // Shows the billed total again (after the logic's billed amounts changed).
    void ukazCelkovuSumu();

    // The commands of the parts mode, also for tests.
    void Pridaj();
    void Oprav();
    void Zmaz();

    QCheckBox* chkCelaCast = nullptr;
    QCheckBox* chkPoCastiach = nullptr;
    QWidget* panelCela = nullptr;
    QLineEdit* txtVyplatenieALL = nullptr;
    QLabel* lblSumaCela = nullptr;  // the billed total that "celá časť" pays
    QToolButton* btnDatumVyplatenia = nullptr;
    QPushButton* btnDnes = nullptr;
    QWidget* panelCasti = nullptr;
    QTableView* StringGrid1 = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnOprav = nullptr;
    QPushButton* btnZmaz = nullptr;
    QLabel* lblCelkovaSuma = nullptr;
    QLabel* lblZostatok = nullptr;
    QLabel* lblInfo = nullptr;

signals:
    // The awarded amounts or their marks changed.
    void priznaneZmenene();

private:
    void zmenenyRezim(QCheckBox* zdroj, bool zapnute);
    void ukazRezim();
    void naplnMriezku();
    void otvorPlatbu(int index);

    VyplatenieZaznamu m_logika;
    ModelZoznamu<TVyplatenie>* m_platby = nullptr;
    int m_skupina = 0;
    bool m_zobrazuje = false;
    QWidget* m_riadokCelkom = nullptr;
    QWidget* m_riadokZostatok = nullptr;
};
