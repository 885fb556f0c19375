#pragma once
// "Zapísané odbory a odvetvia": the expert's registered fields with their branches.

#include <QDialog>

#include "OdborOdvetvie.h"

class OdboryOdvetvia;
class QPushButton;
class QTableWidget;

class TZapisaneOdboryForm : public QDialog {
    Q_OBJECT
public:
    TZapisaneOdboryForm(OdboryOdvetvia& ciselnik, const TZapisaneKody& kody, QWidget* rodic = nullptr);

    // The three texts of the list (valid after OK).
    TZapisaneKody kody() const { return ZapisaneOdboryText(m_zoznam); }
    const QList<TOdborOdvetvie>& zoznam() const { return m_zoznam; }

    void Pridaj();
    void Oprav();
    void Zmaz();
    void UrciNajpouzivanejsi();
    void DvojklikRiadka(int riadok);

    QTableWidget* Grid = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnOprav = nullptr;
    QPushButton* btnZmaz = nullptr;
    QPushButton* btnNajpouzivanejsi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

    // Hidden columns: row kind ("1" field, "0" branch), field index, branch index.
    enum Stlpec { Kod, Nazov, Druh, IndexOdboru, IndexOdvetvia };

private:
    void obnov();
    // The field and branch of the current row; false for a field row or no row.
    bool vybraneOdvetvie(int& odbor, int& odvetvie) const;

    OdboryOdvetvia& m_ciselnik;
    QList<TOdborOdvetvie> m_zoznam;
};
