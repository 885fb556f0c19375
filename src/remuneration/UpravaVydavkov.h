#pragma once
// What the remuneration and expenses window holds while it is open, and the rules of its
// item tabs: which kinds a tab lists, the texts of its rows, edits typed into its cells,
// the totals, and a stored billing taken as a template. Everything works on copies.

#include <QList>
#include <QStringList>

#include <optional>

#include "VypoctyVydavkov.h"
#include "store/CestovneNahrady.h"
#include "store/UlozeneVyuctovanie.h"
#include "store/Vydavok.h"

// The six item tabs, in the window's order.
enum class ZalozkaVydavkov { Pausalna, Zmluvna, Tarifna, Podielova, PausalneVydavky, Hotove };
inline constexpr int PocetZaloziekVydavkov = 6;

// Columns of an item grid.
namespace StlpecVydavku {
inline constexpr int Znacka = 0, Polozka = 1, MJ = 2, Cena = 3, Pocet = 4, Suma = 5, Popis = 6;
inline constexpr int PocetStlpcov = 7;
}

bool ZalozkaUkazuje(ZalozkaVydavkov z, qint32 druh);
// The tab that lists a kind; none for a kind no tab shows.
std::optional<ZalozkaVydavkov> ZalozkaDruhu(qint32 druh);
QString NazovZalozky(ZalozkaVydavkov z);

// What became of a typed cell.
enum class VysledokBunky {
    Prevzate,       // the value was taken (the amount cell and the totals may have changed)
    StaryText,      // the cell gets back its text from before the edit
    Vyprazdnit,     // the cell is emptied, the item is unchanged
    Ponechat,       // the cell keeps the typed text, the item is unchanged
};

struct UpravaVydavkov {
    qint32 skupina = 0;
    bool podielova = true;        // the tab "Podielová odmena" is shown
    double datumVykonania = 0;
    double sadzbaDPH = 0;
    bool platcaDPH = false;
    QList<TVydavok> polozky;
    TCestovneNahrady cesta;
    bool doZoznamu = false;       // insert the entry into the stored billings
    bool novaCesta = false;       // the travel block was empty when the window opened

    // Recomputes the amount of every item that a tab lists (the window's refill).
    void PrepocitajZobrazene();
    // The text of column 1 to 6 of item `index`'s row.
    QString TextBunky(int index, int stlpec) const;
    // Whether a typed value of that cell is taken (the grid shows such cells as editable).
    bool JeBunkaUpravitelna(ZalozkaVydavkov z, int index, int stlpec) const;
    // Every tab, as the window refills them all.
    void PrepocitajVsetko();

    // A typed cell of the row of item `index` in tab `z`.
    VysledokBunky UpravBunku(ZalozkaVydavkov z, int index, int stlpec, const QString& text);

    SuctyVydavkov Sucty() const;
    // "Tarifná odmena:" ... "Celkové výdavky:" with their texts (VAT form for VAT payers).
    QList<QPair<QString, QString>> TextySuctov() const;

    // A dialog's item appended (`index` < 0) or put in place of item `index`; the
    // sub-item count follows the list.
    void Uloz(int index, TVydavok v);
    // The flat-expense dialog's result: a new kind-4 item, or the edited item's name, unit,
    // prices, group and sub-items (it keeps its kind 3, 4 or 5).
    void UlozPausalne(int index, const QString& nazov, const QString& mj, double cena,
                      const QList<TRozpisPolozky>& rozpis);
    // A breakdown into sub-items (double click): only the sub-items change.
    void NahradRozpis(int index, const QList<TRozpisPolozky>& rozpis);
    // Deletes an item; later items move up.
    void Zmaz(int index);

    // Replaces the items and the travel block by copies of the stored billing's.
    void NacitajVzor(const TCiselnikVydavok& vzor);

    // Captions that depend on the group.
    QString Titulok() const;          // "Znalečné výdavky" / "Tlmočné výdavky"
    QString TextZaradenia() const;    // the check box
    QString TextMena() const;         // "Priezvisko, meno, titul znalca:" ...
    QString TextBydliska() const;
};

// A row of the item list of the stored-billings window.
struct RiadokVzoru {
    int polozka = -1;        // index of the item in the billing
    bool jePolozka = true;   // item row (bold on silver) or sub-item row
    QString text;
    QString hodnota;
};

// The drop-down text of a stored billing.
QString TextVzoru(const TCiselnikVydavok& v);
// The rows of a stored billing: items with an amount above 0, each followed by its
// sub-items when it is unfolded.
QList<RiadokVzoru> RiadkyVzoru(const TCiselnikVydavok& v);
