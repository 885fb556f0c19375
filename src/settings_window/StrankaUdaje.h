#pragma once
// "Nastavenie údajov o znalcovi": the kind, the identity, the bank and account, VAT, the
// registered codes and the vehicles of the travel order. The bank list is saved at once.

#include "StrankaNastavenia.h"
#include "widgets/ModelZoznamu.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

class StrankaUdaje : public StrankaNastavenia {
    Q_OBJECT
public:
    StrankaUdaje(CiselnikyNastavenia ciselniky, QWidget* rodic = nullptr);

    void nacitaj(const HodnotyNastavenia& h) override;
    void zober(HodnotyNastavenia& h) const override;

    // The kind chosen: radio button and captions.
    void NastavDruh(int druh);
    // Reads the VAT rate box; a bad or emptied box is reported and not taken (false).
    bool OpustilSadzbu();
    void ZvolenaBanka(int index);
    void NapisanyKodBanky(const QString& text);
    void PridajBanku();
    void ZmazBanku();
    void OpravBanku();
    void ZapisaneKody();
    void NoveVozidlo();
    void EditujVozidlo();
    void VymazVozidlo();
    // "Číslo účtu" or "IBAN:" left: an IBAN moves to its field, a fault is shown. False on a fault.
    bool OverUcet(bool hlasit);

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

signals:
    // A kind radio button was clicked.
    void zmenenyDruh(int druh);

private:
    QGroupBox* vytvorUdaje();
    QGroupBox* vytvorCestak();
    void prepoj();
    int druh() const;
    void naplnBanky();
    void ulozBanky(int vybrana);
    void zaskrtnutyPlatca(bool platca);

    CiselnikyNastavenia m_ciselniky;
    double m_sadzba = 0;
    QList<TVozidlo> m_vozidla;
    ModelZoznamu<TVozidlo>* m_modelVozidiel = nullptr;
    TZapisaneKody m_odbory;
    TZapisaneJazykyText m_jazyky;
    QStringList m_banky;
    bool m_bankyCitatelne = true;
};
