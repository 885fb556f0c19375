#pragma once
// One list of template texts ("Nový text", "Vymaž text", "Obnov") in the folder of its set
// for the kind chosen in the window. The files are saved and deleted at once.

#include <QGroupBox>

#include "settings/SablonyDruhu.h"

class OknoNastavenia;
class QListWidget;
class QPushButton;

class ZoznamSablon : public QGroupBox {
    Q_OBJECT
public:
    ZoznamSablon(SadaSablon sada, const QString& nadpis, const OknoNastavenia& okno, QWidget* rodic = nullptr);

    SadaSablon sada() const { return m_sada; }
    // The folder of the kind; the list rebuilt.
    void nastavDruh(int druh);
    void NovyText(const QString& nazov);
    void OtvorText();
    void VymazText();
    void ObnovZoznam();

    QListWidget* zoznam = nullptr;
    QPushButton* novy = nullptr;
    QPushButton* vymaz = nullptr;
    QPushButton* obnov = nullptr;

private:
    QString adresar() const;
    void edituj(const QString& subor, const QString& nazov);

    SadaSablon m_sada;
    const OknoNastavenia& m_okno;
    int m_druh = 0;
};
