#pragma once
// The choice of the most used registered field ("Nastavenie najpoužívanejšieho odboru") or
// language ("Výber najpoužívanejšieho jazyka"): a drop-down of "code - name" items.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

class TNajpouzivanejsiForm : public QDialog {
    Q_OBJECT
public:
    TNajpouzivanejsiForm(const QString& titulok, const QString& popis, const QString& ok,
                         const QStringList& polozky, int vybrana, QWidget* rodic = nullptr);

    // The chosen item, -1 for none.
    int vybrana() const;

    QComboBox* cmbPolozky = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
};

// Runs the dialog; the chosen index on confirmation with a selection, else -1.
int VyberNajpouzivanejsi(QWidget* rodic, bool jazyk, const QStringList& polozky, int vybrana);

// Runs the dialog on a registered list ("code - name" items, the marked one preselected)
// and marks the chosen entry as the only most used one. True when one was chosen.
template <class T>
bool UrciNajpouzivanejsi(QWidget* rodic, bool jazyk, QList<T>& zoznam)
{
    QStringList polozky;
    int vybrana = -1;
    for (int i = 0; i < zoznam.size(); ++i) {
        polozky << zoznam.at(i).Kod + QStringLiteral(" - ") + zoznam.at(i).Nazov;
        if (zoznam.at(i).Najpouzivanejsi)
            vybrana = i;
    }
    const int i = VyberNajpouzivanejsi(rodic, jazyk, polozky, vybrana);
    for (int j = 0; i >= 0 && j < zoznam.size(); ++j)
        zoznam[j].Najpouzivanejsi = (j == i);
    return i >= 0;
}
