#pragma once
// The tariff dialog's logic (tariff mode 1, flat mode 2): the item being edited, the offer
// of the code list, the surcharge controls, the price and the sub-items.

#include <QList>

#include "PolozkaCiselnika.h"
#include "store/Vydavok.h"

// How a surcharge's check box and spin box stand.
struct PriplatokOvladania {
    bool viditelny = false;
    QString text;
    int maximum = 0;
    int hodnota = 0;
    bool zaskrtnuty = false;
};

class UpravaTarifu {
public:
    UpravaTarifu(qint32 skupina, qint32 rezim, QList<TPolozkaCiselnika> ponuka);

    // "Pridaj novú položku": the first offered record, when there is one.
    void Pridaj();
    // "Oprav položku": every field from the item; controls set up, price recomputed.
    void Oprav(const TVydavok& v);
    // A record of "Znalecký úkon:" chosen.
    void Zvol(int indexPonuky);

    // Surcharge 1 or 2.
    const PriplatokOvladania& Priplatok(int k) const { return m_priplatky[k == 2 ? 1 : 0]; }
    // The user clicked a check box or changed a spin box: the price follows.
    void NastavPriplatok(int k, bool zaskrtnuty, int hodnota);

    // Leaving "Cena za MJ:"; false after a warning (the box is then emptied).
    bool OpustilCenu(const QString& text);

    void PridajRozpis(const TRozpisPolozky& r);
    void OpravRozpis(int i, const TRozpisPolozky& r);
    void ZmazRozpis(int i);

    // "OK": the error text that keeps the dialog open, or empty when the item is complete.
    QString Potvrd(const QString& nazov, const QString& mj);

    const TVydavok& polozka() const { return m_v; }
    // True once a quantity was rounded up to a whole started unit (the dialog says so).
    bool zaokruhlene() const { return m_zaokruhlene; }
    const QList<TPolozkaCiselnika>& ponuka() const { return m_ponuka; }
    qint32 rezim() const { return m_rezim; }
    qint32 skupina() const { return m_skupina; }

private:
    void nastavOvladania();
    void prepocitaj();

    qint32 m_skupina;
    qint32 m_rezim;
    QList<TPolozkaCiselnika> m_ponuka;
    TVydavok m_v;
    PriplatokOvladania m_priplatky[2];
    bool m_zaokruhlene = false;
};
