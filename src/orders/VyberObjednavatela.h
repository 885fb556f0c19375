#pragma once
// The client list window's logic: the filtered and sorted view of the client list, adding,
// changing and deleting clients, and the result of a pick.

#include <QList>
#include <QString>

#include "store/Objednavatel.h"

// The radio buttons of the window; "všetci" shows every client.
enum class FilterKategorie { Sudy = 1, Policajti = 2, Exekutori = 3, Ostatne = 4, Vsetci = 0 };

// What a confirmed pick hands to the caller.
struct VybranyObjednavatel {
    QString Meno;
    QString Adresa;
    QString ICO;
    QString DIC;
    QString ICDPH;
    bool StatnyOrgan = false;  // the client is a court, police or a bailiff
    bool vybrany = false;      // a row with a client was selected
};

class VyberObjednavatela {
public:
    struct Riadok {
        int pozicia = -1;  // in the client list
        QString Meno;
        QString Adresa;
        qint32 Kategoria = 0;
    };

    // Works on the shared client list itself: changes are in it at once.
    explicit VyberObjednavatela(QList<TObjednavatel>& zoznam);

    void NastavKategoriu(FilterKategorie k);
    FilterKategorie Kategoria() const { return m_kategoria; }
    void NastavHladanie(const QString& text) { m_hladanie = text; }

    // Rebuilds the view in client-list order. The search text (exact, case-sensitive
    // substring of the name) applies only when `sHladanim` is set.
    void Filtruj(bool sHladanim = false);
    const QList<Riadok>& Pohlad() const { return m_pohlad; }

    // A click on the header of column 0 ("Meno") or 1 ("Adresa"): state 0 or 2 sorts
    // descending and becomes 1, state 1 sorts ascending and becomes 2; the other column
    // becomes 0. Texts compare byte by byte in the stored code page; ties keep their order.
    void Zorad(int stlpec);
    int StavStlpca(int stlpec) const;

    // The category a new client's dialog offers: the checked one ("všetci" counts as
    // "ostatné").
    KategoriaObjednavatela PredvolenaKategoria() const;
    // Appends a client with its own category, or the offered one when it has none.
    void Pridaj(const TObjednavatel& udaje);
    // Writes name, address, the three numbers and a chosen category into the client of a
    // view row (no category chosen keeps the one it has).
    bool Zmen(int riadok, const TObjednavatel& udaje);
    // Removes the client of a view row from the client list.
    bool Zmaz(int riadok);
    // The client of a view row, or nothing for a row without one.
    const TObjednavatel* Objednavatel(int riadok) const;

    bool Zmeneny() const { return m_zmeneny; }
    VybranyObjednavatel Vysledok(int riadok) const;

private:
    QList<TObjednavatel>& m_zoznam;
    QList<Riadok> m_pohlad;
    FilterKategorie m_kategoria = FilterKategorie::Vsetci;
    QString m_hladanie;
    int m_stav[2] = {0, 0};
    bool m_zmeneny = false;
};
