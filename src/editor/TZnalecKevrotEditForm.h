#pragma once
// "Editovanie znaleckého kevrota": the editor of one journal entry. Works on copies of the
// entry, its items and payments; the main window saves them when the window closes with OK.

#include <QDialog>

#include "editor/PodkladyDokladu.h"
#include "editor/PoliaZaznamu.h"
#include "editor/VolbaOdboru.h"
#include "editor/UpravaZaznamu.h"
#include "editor/ZdrojeEditora.h"

class DokladyPanel;
class PoleTextovehoZoznamu;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class TextyTab;
class VyplatenieTab;

class TZnalecKevrotEditForm : public QDialog {
    Q_OBJECT
public:
    TZnalecKevrotEditForm(const UpravaZaznamu& uprava, const ZdrojeEditora& zdroje, QWidget* rodic = nullptr);

    // The edited copies, valid after "OK".
    const UpravaZaznamu& uprava() const { return m_uprava; }

    PoliaZaznamu polia() const;
    void zobrazPolia(const PoliaZaznamu& p);

    // What the commands hold between them.
    double datumVykonania() const { return m_datumVykonania; }
    int splatnost() const { return m_splatnost; }
    double sadzbaDPH() const { return m_sadzbaDPH; }
    // "Dátum vystavenia dokladov:": the typed date, else today.
    double datumVystavenia() const;

    // The commands, also for tests.
    void Potvrd();
    void DnesVyziadanie();
    void DnesVykonanie();
    void NastavVykonanie(double datum);
    void OpustilVykonanie();
    void ZmenSplatnost(int splatnost, bool trvalo);
    // The issue date typed: kept with the entry's documents, the due date follows it.
    void OpustilVystavenie();
    void OpustilDPH();
    void ImplicitnaDPH();
    void VyberZoZoznamu();
    void VytvorZObjednavky(const TObjednavka& o);
    void PodlaCisla();
    void Znalecne();
    // "Nastavenie programu": the settings window with the entry's VAT rate in the default
    // rate's slot; after OK both billing texts are made again.
    void NastavenieProgramu();

    // Header.
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit16 = nullptr;
    QLabel* lblOdborJazyk = nullptr;
    QComboBox* cmbOdborJazyk = nullptr;
    QLabel* lblOdvetvie = nullptr;
    QComboBox* cmbOdvetvie = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* btnZoznam = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit14 = nullptr;
    QLineEdit* Edit21 = nullptr;
    QRadioButton* rbPFO = nullptr;
    QRadioButton* rbSO = nullptr;
    QComboBox* cmbObjednavkaTyp = nullptr;
    QLineEdit* Edit5 = nullptr;
    QPushButton* btnObjednavka = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* btnDnesVyziadanie = nullptr;
    QToolButton* btnKalendarVyziadanie = nullptr;
    QLineEdit* Edit17 = nullptr;
    QPushButton* btnDnesVykonanie = nullptr;
    QToolButton* btnKalendarVykonanie = nullptr;
    QLineEdit* Edit18 = nullptr;
    QToolButton* btnKalendarSplatnost = nullptr;
    QPushButton* btnZmenSplatnost = nullptr;
    QLabel* lblDPH = nullptr;
    QLineEdit* DPHEdit = nullptr;
    QPushButton* btnImplicitnaDPH = nullptr;
    QLabel* lblOdlisnaDPH = nullptr;
    QTabWidget* Zalozky = nullptr;
    // "Vec".
    PoleTextovehoZoznamu* cmbDruhUkonu = nullptr;
    QLabel* lblTypPosudku = nullptr;
    PoleTextovehoZoznamu* cmbTypPosudku = nullptr;
    PoleTextovehoZoznamu* cmbPredmet = nullptr;
    PoleTextovehoZoznamu* cmbUcel = nullptr;
    QLineEdit* Edit6 = nullptr;
    // "Texty".
    TextyTab* tabTexty = nullptr;
    // "Vyúčtovanie".
    QLabel* lblUctavanaOdmena = nullptr;
    PoleTextovehoZoznamu* cmbUdajeOdmena = nullptr;
    QLabel* lblUctovaneVydavky = nullptr;
    QLineEdit* Edit12 = nullptr;
    QLabel* lblCastOdmena = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLabel* lblCastVydavky = nullptr;
    QLineEdit* Edit19 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QLineEdit* Edit20 = nullptr;
    QPushButton* btnPodlaCisla = nullptr;
    QComboBox* cmbDodaciePodmienky = nullptr;
    QComboBox* cmbSposobPlatby = nullptr;
    QCheckBox* CheckBoxVlozeneDoZoznamuVyuctovani = nullptr;
    QPushButton* btnZnalecne = nullptr;
    QLineEdit* EditVystavenie = nullptr;
    DokladyPanel* panelDokladov = nullptr;
    QPushButton* btnEFaktura = nullptr;
    QPushButton* btnDobropis = nullptr;
    // "Vyplatenie".
    VyplatenieTab* tabVyplatenie = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
    QPushButton* btnNastavenie = nullptr;

public slots:
    void reject() override;

private:
    QWidget* vytvorHlavicku();
    QWidget* vytvorVec();
    QWidget* vytvorVyuctovanie();
    void naplnOdvetvia(int odbor);
    void ukazUctovane();
    // A new date of performance: the rate in force then, and the billed amounts again.
    void zmenVykonanie(double datum);
    // The billed amounts of the items as they stand with the date and rate held now.
    void prepocitajUctovane();
    void ukazOdlisnuSadzbu();
    void ukazPriznane();
    void opustilPriznanu(QLineEdit* pole);
    void zvolenyTypCisla(int index);
    void napisanySymbol(const QString& text);
    void vytvorTexty();
    // The sources of the documents from the current field texts and the entry copy.
    PodkladyDokladu podkladyDokladov();

    UpravaZaznamu m_uprava;
    ZdrojeEditora m_zdroje;
    int m_druh = 0;  // 0 expert, 1 interpreter, 2 translator
    QList<PolozkaVolby> m_volby;
    double m_datumVykonania = 0;
    int m_splatnost = 0;
    double m_sadzbaDPH = 0;
    bool m_zobrazuje = false;
};

// Opens the entry editor on `uprava`; true on OK with the edited copies in it.
bool UpravZaznam(QWidget* rodic, UpravaZaznamu& uprava, const ZdrojeEditora& zdroje);
