#pragma once
// "Zapísané odbory a odvetvia": the expert's registered fields with their branches.

#include "OdborOdvetvie.h"
#include "ZoznamZapisanychForm.h"

class OdboryOdvetvia;

class TZapisaneOdboryForm : public ZoznamZapisanychForm {
    Q_OBJECT
public:
    TZapisaneOdboryForm(OdboryOdvetvia& ciselnik, const TZapisaneKody& kody, QWidget* rodic = nullptr);

    // The three texts of the list (valid after OK).
    TZapisaneKody kody() const { return ZapisaneOdboryText(m_zoznam); }
    const QList<TOdborOdvetvie>& zoznam() const { return m_zoznam; }

    void Pridaj() override;
    void Oprav() override;
    void Zmaz() override;
    void UrciNajpouzivanejsi() override;
    void DvojklikRiadka(int riadok);

    // Hidden columns: row kind ("1" field, "0" branch), field index, branch index.
    enum Stlpec { Kod, Nazov, Druh, IndexOdboru, IndexOdvetvia };

private:
    void obnov();
    // The field and branch of the current row; false for a field row or no row.
    bool vybraneOdvetvie(int& odbor, int& odvetvie) const;

    OdboryOdvetvia& m_ciselnik;
    QList<TOdborOdvetvie> m_zoznam;
};
