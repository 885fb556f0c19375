#pragma once
// The tab "Objednávky": the orders register.

#include "ObjednavkyTabulka.h"
#include "ZalozkaRegistra.h"

class Udaje;

class ObjednavkyZalozka : public ZalozkaRegistra {
    Q_OBJECT
public:
    ObjednavkyZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic = nullptr);

    ObjednavkyTabulka& tabulka() { return *m_tabulka; }

    void Pridaj() override;
    void Zmaz() override;
    void Uprav(int riadok) override;
    void Vyhladaj() override;
    void VycistiFilter() override;

    QRadioButton* rbNerozpracovane = nullptr;
    QRadioButton* rbRozpracovane = nullptr;
    QRadioButton* rbVypracovane = nullptr;
    QRadioButton* rbVsetky = nullptr;

protected:
    void nacitajRok(int rok) override;
    void nastavStav(int stav) override;

private:
    Udaje& m_udaje;
    ObjednavkyTabulka* m_tabulka;
};
