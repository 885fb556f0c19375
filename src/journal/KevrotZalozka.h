#pragma once
// The tab "Znalecký kevrot": the journal grid with its side panel and detail panel.

#include <QWidget>

#include "KevrotTabulka.h"
#include "RezimKopirovania.h"

class Udaje;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

class KevrotZalozka : public QWidget {
    Q_OBJECT
public:
    // `nacitavanie`: the main window's loading guard.
    KevrotZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic = nullptr);

    KevrotTabulka& tabulka() { return *m_tabulka; }
    RezimKopirovania& kopirovanie() { return m_kopirovanie; }
    int rok() const;
    // Sets the year field (a change reloads unless the loading guard is set).
    void NastavRok(int rok);
    // Position of the entry in the current row; -1 for none.
    int VybranaPozicia() const;
    void VyberRiadok(int riadok, int stlpec = 0);

    // The commands, for the buttons and for tests.
    void Pridaj();
    void Zmaz();
    void VytvorKopiu();
    void Uprav(int riadok);
    void Vyhladaj();
    void VytlacObrazovka();
    void VytlacExcel();
    void StavFinancii();
    void VycistiFilter();
    void PrepniKopirovanie();
    void Kopiruj();
    void Vloz();
    void UkazDetail(int riadok, const QPoint& kde);
    void SkryDetail();
    void ZmenaRoka();
    void ZmenaStavu();

    // Column widths and sort states as the saved layout text, and back.
    QString StavStlpcovText() const;
    void ObnovStavStlpcov(const QString& text);

    QTableView* StringGrid1 = nullptr;
    QRadioButton* rbNevyplatene = nullptr;
    QRadioButton* rbVyplatene = nullptr;
    QRadioButton* rbVsetky = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnZmaz = nullptr;
    QPushButton* btnVytvorKopiu = nullptr;
    QPushButton* btnVytlacObrazovka = nullptr;
    QPushButton* btnVytlacExcel = nullptr;
    QPushButton* btnVypis = nullptr;
    QPushButton* btnStavFinancii = nullptr;
    QPushButton* btnVyhladaj = nullptr;
    QPlainTextEdit* FilterMemo = nullptr;
    QPushButton* btnVycistiFilter = nullptr;
    QSpinBox* RokEdit = nullptr;
    QFrame* DetailPanel = nullptr;
    QMenu* PopupMenu = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct PismoTabulky pismoTabulky();
    QWidget* vytvorBocnyPanel();
    void vytvorDetailPanel();
    void nastavVyberMriezky();

    Udaje& m_udaje;
    const bool& m_nacitavanie;
    RezimKopirovania m_kopirovanie;
    KevrotTabulka* m_tabulka = nullptr;
    QList<QLabel*> m_detailHodnoty;
};
