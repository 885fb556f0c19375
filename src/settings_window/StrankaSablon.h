#pragma once
// "Texty vyúčtovania" and "Korešpondencia": lists of template texts side by side, in the
// folders of the kind chosen in the window. The files are saved at once; the page keeps no
// values.

#include "StrankaNastavenia.h"
#include "ZoznamSablon.h"

class QVBoxLayout;

class StrankaSablon : public StrankaNastavenia {
    Q_OBJECT
public:
    struct Zoznam {
        SadaSablon sada;
        QString nadpis;
    };
    StrankaSablon(const QList<Zoznam>& zoznamy, const OknoNastavenia& okno, QWidget* rodic = nullptr);

    void nacitaj(const HodnotyNastavenia& h) override { nastavDruh(h.nastavenie.Druh); }
    void zober(HodnotyNastavenia&) const override {}

    void nastavDruh(int druh);
    // The list of a set, or null when the page has none.
    ZoznamSablon* zoznam(SadaSablon sada) const;
    // A button below the lists, at the left.
    void pridajTlacidlo(QWidget* tlacidlo);

private:
    QList<ZoznamSablon*> m_zoznamy;
    QVBoxLayout* m_rozlozenie = nullptr;
};
