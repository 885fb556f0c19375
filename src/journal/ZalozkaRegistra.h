#pragma once
// The tab both registers share: the grid over a register model with its side panel (state
// group, commands, search filter, year), the header sort, the saved column layout.

#include <QDialog>
#include <QList>
#include <QPlainTextEdit>
#include <QWidget>

#include "TabulkaRegistra.h"

class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QVBoxLayout;

// What the side panel shows: the state group with its items (the last chosen at start)
// and the commands between "Zmaž" and "Vyhľadaj".
struct PanelZalozky {
    QString skupinaStavu;
    QStringList stavy;
    QStringList dalsieTlacidla;
};

class ZalozkaRegistra : public QWidget {
    Q_OBJECT
public:
    // `nacitavanie`: the main window's loading guard.
    ZalozkaRegistra(TabulkaRegistra* tabulka, const PanelZalozky& panel, const bool& nacitavanie,
                    QWidget* rodic = nullptr);

    int rok() const;
    // Sets the year field (a change reloads unless the loading guard is set).
    void NastavRok(int rok);
    // Position of the item in the current row; -1 for none.
    int VybranaPozicia() const;
    void VyberRiadok(int riadok, int stlpec = 0);

    virtual void Pridaj() = 0;
    virtual void Zmaz() = 0;
    virtual void Uprav(int riadok) = 0;
    virtual void Vyhladaj() = 0;
    virtual void VycistiFilter() = 0;
    void ZmenaRoka();
    void ZmenaStavu();

    // Column widths and sort states as the saved layout text, and back.
    QString StavStlpcovText() const;
    void ObnovStavStlpcov(const QString& text);

    QTableView* StringGrid1 = nullptr;
    QList<QRadioButton*> rbStavy;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnZmaz = nullptr;
    QList<QPushButton*> dalsieTlacidla;
    QPushButton* btnVyhladaj = nullptr;
    QPlainTextEdit* FilterMemo = nullptr;
    QPushButton* btnVycistiFilter = nullptr;
    QSpinBox* RokEdit = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

    // Loads the list of a year into memory (the year field changed).
    virtual void nacitajRok(int rok) = 0;
    // The state group's choice, by the index of its item.
    virtual void nastavStav(int stav) = 0;

    // A filter as "Hľadaj" took it or as "Vyčisti filter" left it: the box text, refill.
    template <class Filter>
    void nastavFilter(Filter& filter, const Filter& novy)
    {
        filter = novy;
        FilterMemo->setPlainText(filter.ObnovTextAStlpce());
        m_tabulka->Obnov();
    }
    template <class Dialog, class Filter>
    void vyhladaj(Filter& filter)
    {
        Dialog d(filter, this);
        if (d.exec() == QDialog::Accepted)
            nastavFilter(filter, d.filter());
    }

    const bool& m_nacitavanie;

private:
    void vytvorMriezku();
    // A key pressed in the grid; true when it is one of the register's commands.
    bool klavesMriezky(int kluc);
    // Default widths with the free width given to the text columns, until the user sets
    // widths (by dragging or by a saved layout).
    void rozdelVolnuSirku();
    QWidget* vytvorBocnyPanel(const PanelZalozky& popis);

    TabulkaRegistra* m_tabulka;
    QList<int> m_zakladneSirky;
    bool m_sirkyPredvolene = true;
    bool m_nastavujeSirky = false;
};
