#pragma once
// The tab "Objednávky": the orders grid with its side panel.

#include <QWidget>

#include "ObjednavkyTabulka.h"

class Udaje;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

class ObjednavkyZalozka : public QWidget {
    Q_OBJECT
public:
    ObjednavkyZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic = nullptr);

    ObjednavkyTabulka& tabulka() { return *m_tabulka; }
    int rok() const;
    void NastavRok(int rok);
    int VybranaPozicia() const;
    void VyberRiadok(int riadok);

    void Pridaj();
    void Zmaz();
    void Uprav(int riadok);
    void Vyhladaj();
    void VycistiFilter();
    void ZmenaRoka();
    void ZmenaStavu();

    QString StavStlpcovText() const;
    void ObnovStavStlpcov(const QString& text);

    QTableView* StringGrid1 = nullptr;
    QRadioButton* rbNerozpracovane = nullptr;
    QRadioButton* rbRozpracovane = nullptr;
    QRadioButton* rbVypracovane = nullptr;
    QRadioButton* rbVsetky = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnZmaz = nullptr;
    QPushButton* btnVyhladaj = nullptr;
    QPlainTextEdit* FilterMemo = nullptr;
    QPushButton* btnVycistiFilter = nullptr;
    QSpinBox* RokEdit = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* vytvorBocnyPanel();

    Udaje& m_udaje;
    const bool& m_nacitavanie;
    ObjednavkyTabulka* m_tabulka = nullptr;
};
