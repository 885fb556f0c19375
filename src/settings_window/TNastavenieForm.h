#pragma once
// "Nastavenie programu": the settings window. One page per tab works on its part of the
// copies of the settings values; the bank list, the template files, the header and footer
// files, the code lists and the headings are saved at once by the actions that change them.

#include <QDialog>

#include <optional>

#include "StrankaNastavenia.h"
#include "settings/SablonyDruhu.h"

class Nastavenia;
class QPushButton;
class QTabWidget;
class StrankaCisloKevrota;
class StrankaHlavickaPata;
class StrankaSablon;
class StrankaTlac;
class StrankaUdaje;
class Vozidla;
class ZoznamSablon;

class TNastavenieForm : public QDialog, public OknoNastavenia {
    Q_OBJECT
public:
    enum Zalozka { Udaje, Tlac, CisloKevrota, HlavickaPata, TextyVyuctovania, Korespondencia };

    TNastavenieForm(const HodnotyNastavenia& hodnoty, CiselnikyNastavenia ciselniky, QWidget* rodic = nullptr);

    // The window's values; after OK what the pages held.
    const HodnotyNastavenia& hodnoty() const { return m_h; }
    HodnotyNastavenia aktualneHodnoty() const override;
    bool cezWord() const override;

    // The commands, also for tests.
    void NastavDruh(int druh);
    ZoznamSablon& sablony(SadaSablon sada);
    void HlavickyOdmien();
    // "Nastavenia e-faktúry" on the account and DIČ as typed here (saved on its own OK).
    void OtvorNastaveniaEFaktury();
    void Potvrd();

    QTabWidget* Zalozky = nullptr;
    StrankaUdaje* udaje = nullptr;
    StrankaTlac* tlac = nullptr;
    StrankaCisloKevrota* cisloKevrota = nullptr;
    StrankaHlavickaPata* hlavickaPata = nullptr;
    StrankaSablon* textyVyuctovania = nullptr;
    StrankaSablon* korespondencia = nullptr;
    QPushButton* btnHlavickyOdmien = nullptr;
    QPushButton* btnNastaveniaEFaktury = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    QList<StrankaNastavenia*> stranky() const;
    void vytvorTlacidla();
    void nastavPopis(int druh);

    HodnotyNastavenia m_h;
    CiselnikyNastavenia m_ciselniky;
};

// The settings command of the main window and of the entry editor: fonts filled in, the
// window on copies, and on OK the values stored and saved. `sadzbaZaznamu`: the entry
// editor's VAT rate for the default rate's slot. True when the window closed with OK.
bool SpustiNastavenie(QWidget* rodic, Nastavenia& nastavenia, Vozidla& vozidla, CiselnikyNastavenia ciselniky,
                      std::optional<double> sadzbaZaznamu = std::nullopt);
