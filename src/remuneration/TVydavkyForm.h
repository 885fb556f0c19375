#pragma once
// "Znalečné výdavky" / "Tlmočné výdavky": the items of one entry by kind in six tabs, the
// travel tab, the running totals and the stored billings as templates. Works on copies;
// the caller takes `uprava()` back after "OK".

#include <QDialog>

#include <functional>

#include "UpravaVydavkov.h"

class CestovneTab;
class CiselnikPoloziek;
class FilterZalozky;
class ModelVydavkov;
class Nastavenia;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
struct TVozidlo;

// What the window reads besides the entry.
struct ZdrojeVydavkov {
    const CiselnikPoloziek& ciselnik;
    Nastavenia& nastavenia;
    const QList<TVozidlo>& vozidla;
    const QList<TCiselnikVydavok>& ulozene;
    // Prints the travel order of a block; "Tlač" is hidden without it.
    std::function<void(const TCestovneNahrady&)> tlacCestaku;
};

class TVydavkyForm : public QDialog {
    Q_OBJECT
public:
    TVydavkyForm(const UpravaVydavkov& uprava, ZdrojeVydavkov zdroje, QWidget* rodic = nullptr);

    const UpravaVydavkov& uprava() const { return m_u; }

    // Commands of the item tabs; they work on the selected row's item.
    void Pridaj(ZalozkaVydavkov z);
    void Oprav(ZalozkaVydavkov z);
    void Zmaz(ZalozkaVydavkov z);
    void DvojklikRiadku(ZalozkaVydavkov z);
    void ZoznamUlozenych();
    void Potvrd();
    // Recomputes the items shown in every tab and the totals (after every change).
    void NaplnVsetko();

    QTableView* grid(ZalozkaVydavkov z) const { return m_gridy[int(z)]; }
    QPushButton* tlacidlo(ZalozkaVydavkov z, int k) const { return m_tlacidla[int(z)][k]; }
    // The total of a line ("Celková odmena:" ...).
    QString textSuctu(const QString& nazov) const;

    QTabWidget* Zalozky = nullptr;
    CestovneTab* tabCestovne = nullptr;
    QPushButton* btnUlozene = nullptr;
    QCheckBox* chkZaradit = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

public slots:
    void reject() override;

private:
    QWidget* vytvorZalozku(ZalozkaVydavkov z);
    QWidget* vytvorSucty();
    void ukazSucty();
    int vybranaPolozka(ZalozkaVydavkov z) const;
    void upravTarif(int rezim, int index);
    void upravPausalne(int rezim, int index);

    UpravaVydavkov m_u;
    ZdrojeVydavkov m_z;
    ModelVydavkov* m_model = nullptr;
    FilterZalozky* m_filtre[PocetZaloziekVydavkov] = {};
    QTableView* m_gridy[PocetZaloziekVydavkov] = {};
    QPushButton* m_tlacidla[PocetZaloziekVydavkov][3] = {};
    QList<QPair<QLabel*, QLabel*>> m_sucty;
};

// Opens the window on `uprava`; true on "OK" with the edited copies in it.
bool UpravVydavky(QWidget* rodic, UpravaVydavkov& uprava, ZdrojeVydavkov zdroje);
