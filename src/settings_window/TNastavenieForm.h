#pragma once
// "Nastavenie programu": the settings window. Works on copies of the settings values; the
// bank list, the template files, the header and footer files, the code lists and the
// headings are saved at once by the actions that change them.

#include <QDialog>

#include "settings/HodnotyNastavenia.h"
#include "settings/SablonyDruhu.h"
#include "widgets/ModelZoznamu.h"

class Jazyky;
class OdboryOdvetvia;
class PreddefinovaneTexty;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTextEdit;
class QToolButton;

// The code lists and tables the window edits at once.
struct CiselnikyNastavenia {
    OdboryOdvetvia& odbory;
    Jazyky& jazyky;
    PreddefinovaneTexty& preddefTexty;
};

class TNastavenieForm : public QDialog {
    Q_OBJECT
public:
    enum Zalozka { Udaje, Tlac, CisloKevrota, HlavickaPata, TextyVyuctovania, Korespondencia };

    TNastavenieForm(const HodnotyNastavenia& hodnoty, CiselnikyNastavenia ciselniky, QWidget* rodic = nullptr);

    // The window's values; after OK what the controls held.
    const HodnotyNastavenia& hodnoty() const { return m_h; }

    // The commands, also for tests.
    void NastavDruh(int druh);
    // Reads the VAT rate box; a bad or emptied box is reported and not taken (false).
    bool OpustilSadzbu();
    void OpustilCisloKevrota();
    void ZvolenaBanka(int index);
    void NapisanyKodBanky(const QString& text);
    void PridajBanku();
    void ZmazBanku();
    void OpravBanku();
    void ZapisaneKody();
    void NoveVozidlo();
    void EditujVozidlo();
    void VymazVozidlo();
    void EditujHlavicku(bool pata);
    void ObnovHlavicku(bool pata);
    void HlavickaZAdresy();
    void PataZNastaveni();
    // "Číslo účtu" or "IBAN:" left: an IBAN moves to its field, a fault is shown. False on a fault.
    bool OverUcet(bool hlasit);
    void NovyText(SadaSablon sada, const QString& nazov);
    void OtvorText(SadaSablon sada);
    void VymazText(SadaSablon sada);
    void ObnovZoznam(SadaSablon sada);
    void HlavickyOdmien();
    // "Nastavenia e-faktúry" on the account and DIČ as typed here (saved on its own OK).
    void OtvorNastaveniaEFaktury();
    void Potvrd();

    QTabWidget* Zalozky = nullptr;
    // "Nastavenie údajov o znalcovi".
    QLabel* lblPrvySpustenie = nullptr;
    QRadioButton* rbZnalec = nullptr;
    QRadioButton* rbTlmocnik = nullptr;
    QRadioButton* rbPrekladatel = nullptr;
    QGroupBox* grpUdaje = nullptr;
    QLabel* lblMeno = nullptr;
    QLineEdit* editMeno = nullptr;        // display name, read-only
    QLineEdit* editKrstneMeno = nullptr;  // first run only
    QLineEdit* editPriezvisko = nullptr;  // first run only
    QLineEdit* editTitulPred = nullptr;
    QLineEdit* editTitulZa = nullptr;
    QLineEdit* editAdresa = nullptr;
    QLineEdit* editMesto = nullptr;
    QLineEdit* editPSC = nullptr;
    QLineEdit* editEC = nullptr;
    QComboBox* cmbBanka = nullptr;
    QToolButton* btnPridajBanku = nullptr;
    QToolButton* btnZmazBanku = nullptr;
    QToolButton* btnOpravBanku = nullptr;
    QLineEdit* editCisloUctu = nullptr;
    QLineEdit* editKodBanky = nullptr;
    QLineEdit* editIban = nullptr;
    QLineEdit* editBic = nullptr;
    QLineEdit* editTelefon = nullptr;
    QLineEdit* editEmail = nullptr;
    QLineEdit* editICO = nullptr;
    QLineEdit* editDIC = nullptr;
    QLineEdit* editICDPH = nullptr;
    QCheckBox* chkPlatca = nullptr;
    QLineEdit* editSadzba = nullptr;
    QCheckBox* chkDualne = nullptr;
    QPushButton* btnZapisaneKody = nullptr;
    QTableView* gridVozidla = nullptr;
    QPushButton* btnNoveVozidlo = nullptr;
    QPushButton* btnEditujVozidlo = nullptr;
    QPushButton* btnVymazVozidlo = nullptr;
    QRadioButton* rbBezDPH = nullptr;
    QRadioButton* rbSDPH = nullptr;
    // "Nastavenie tlače".
    QComboBox* cmbFontZakladny = nullptr;
    QSpinBox* spinFontZakladny = nullptr;
    QComboBox* cmbFontTabulky = nullptr;
    QSpinBox* spinFontTabulky = nullptr;
    QComboBox* cmbFontNadpisy = nullptr;
    QSpinBox* spinFontNadpisy = nullptr;
    QCheckBox* chkTucne = nullptr;
    QCheckBox* chkKurziva = nullptr;
    // "Nastavenie čísla kevrota".
    QLineEdit* editCisloKevrota = nullptr;
    // "Hlavička/päta vyúčtovania".
    QTextEdit* viewHlavicka = nullptr;
    QTextEdit* viewPata = nullptr;
    QPushButton* btnEditujHlavicku = nullptr;
    QPushButton* btnObnovHlavicku = nullptr;
    QPushButton* btnHlavickaZAdresy = nullptr;
    QPushButton* btnPataZNastaveni = nullptr;
    QPushButton* btnEditujPatu = nullptr;
    QPushButton* btnObnovPatu = nullptr;
    QCheckBox* chkWord = nullptr;
    // Template lists ("Texty vyúčtovania", "Korešpondencia").
    struct ZoznamSablon {
        QListWidget* zoznam = nullptr;
        QPushButton* novy = nullptr;
        QPushButton* vymaz = nullptr;
        QPushButton* obnov = nullptr;
    };
    ZoznamSablon& sablony(SadaSablon sada);
    QPushButton* btnHlavickyOdmien = nullptr;
    QPushButton* btnNastaveniaEFaktury = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    QWidget* vytvorUdaje();
    QWidget* vytvorTlac();
    QWidget* vytvorCisloKevrota();
    QWidget* vytvorHlavickuPatu();
    QWidget* vytvorZoznam(SadaSablon sada, const QString& nadpis, QWidget* rodic);
    void nastavPopisy();
    void naplnBanky();
    void ulozBanky(int vybrana);
    void prevezmiPolia();
    void editujSubor(const QString& subor, const QString& titulok, int panel);
    bool cezTextovyProcesor() const;
    // "používať Word na editáciu textov" is offered and checked.
    bool cezWord() const;

    HodnotyNastavenia m_h;
    ModelZoznamu<TVozidlo>* m_vozidla = nullptr;
    CiselnikyNastavenia m_ciselniky;
    QStringList m_banky;
    bool m_bankyCitatelne = true;
    ZoznamSablon m_zoznamy[3];
};

// The settings command of the main window and of the entry editor: fonts filled in, the
// window on copies, and on OK the values stored and saved. `sadzbaZaznamu`: the entry
// editor's VAT rate for the default rate's slot. True when the window closed with OK.
bool SpustiNastavenie(QWidget* rodic, Nastavenia& nastavenia, Vozidla& vozidla, CiselnikyNastavenia ciselniky,
                      std::optional<double> sadzbaZaznamu = std::nullopt);
