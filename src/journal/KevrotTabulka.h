#pragma once
// The grid of the journal register: the journal's columns, the state and year that decide
// which entries are shown, the copy mode's colours. Column 9 holds the entry's position in
// the list of entries.

#include "TabulkaRegistra.h"
#include "ZnalKevrotFilter.h"
#include "store/RiadokKevrota.h"

class RezimKopirovania;

class KevrotTabulka : public TabulkaZoznamu<RiadokKevrota, TZnalKevrotFilter> {
public:
    enum Stav { Nevyplatene = 0, Vyplatene = 1, Vsetky = 2 };
    static constexpr int PocetStlpcov = 10;

    KevrotTabulka(QList<RiadokKevrota>& zaznamy, const RezimKopirovania* kopirovanie = nullptr,
                  QObject* rodic = nullptr);

    // In copy mode a cell's text opens in place for selecting; nothing typed is kept.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex&, const QVariant&, int) override { return false; }

    void NastavStav(Stav stav);
    Stav stav() const { return m_stav; }
    void NastavRok(int rok);
    int rok() const { return m_rok; }

    // "Vytlač obrazovka" and "Vytlač Excel": ascending by number, header blue, refill.
    void ZoradPreTlac();

protected:
    bool zobrazuje(int pozicia) const override;
    QVariant farbaBunky(int riadok, int stlpec, int rola) const override;

private:
    const RezimKopirovania* m_kopirovanie;
    Stav m_stav = Vsetky;
    int m_rok = 0;
};
