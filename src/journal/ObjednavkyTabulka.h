#pragma once
// The grid of the orders register: the orders' columns and the state that decides which
// orders are shown. Column 7 holds the order's position in the orders list.

#include "ObjednavkaFilter.h"
#include "TabulkaRegistra.h"
#include "store/Objednavka.h"

class ObjednavkyTabulka : public TabulkaZoznamu<TObjednavka, TObjednavkaFilter> {
public:
    enum Stav { Nerozpracovane = 0, Rozpracovane = 1, Vypracovane = 2, Vsetky = 3 };
    static constexpr int PocetStlpcov = 8;

    explicit ObjednavkyTabulka(QList<TObjednavka>& zoznam, QObject* rodic = nullptr);

    void NastavStav(Stav stav);
    Stav stav() const { return m_stav; }

protected:
    bool zobrazuje(int pozicia) const override;

private:
    Stav m_stav = Vsetky;
};
