#pragma once
// What the dialogs of registered fields and of registered languages share: the grid with
// its hidden columns, "Pridaj", "Oprav", "Zmaž", the most-used button, "OK" and "Storno".

#include <QDialog>

class QPushButton;
class QTableWidget;

class ZoznamZapisanychForm : public QDialog {
    Q_OBJECT
public:
    virtual void Pridaj() = 0;
    virtual void Oprav() = 0;
    virtual void Zmaz() = 0;
    virtual void UrciNajpouzivanejsi() = 0;

    QTableWidget* Grid = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnOprav = nullptr;
    QPushButton* btnZmaz = nullptr;
    QPushButton* btnNajpouzivanejsi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

protected:
    // `stlpcov` columns, of which those after the headers are hidden.
    ZoznamZapisanychForm(const QString& titulok, const QStringList& hlavicky, int stlpcov,
                         const QString& najpouzivanejsi, QWidget* rodic);
};
