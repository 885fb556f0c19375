#pragma once
// "Zoznam užívateľom definovaných textov": edits the items of one user text list.

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableWidget;

class TZoznamTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TZoznamTextForm(const QStringList& polozky, QWidget* rodic = nullptr);

    // The rows in their order.
    QStringList polozky() const { return m_polozky; }

    // The commands; each opens the item dialog where it needs one.
    void Pridaj();
    void Oprav();
    void Zmaz();

    QTableWidget* StringGrid1 = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnOprav = nullptr;
    QPushButton* btnZmaz = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void naplnMriezku(int vybrany);
    // The selected row with an item, or -1 after the error "Nie je označený žiaden riadok".
    int vybranyRiadok();

    QStringList m_polozky;
};
