#include "TZnalecKevrotEditForm.h"

#include "editor/DatumVystavenia.h"
#include "settings/HodnotyNastavenia.h"

#include "editor/DokladyPanel.h"
#include "editor/EFakturaPrikaz.h"
#include "editor/KonstantneSymboly.h"
#include "editor/Splatnost.h"
#include "widgets/TCalendarFrm.h"
#include "editor/TNastavSplatnostForm.h"
#include "editor/TextyTab.h"
#include "editor/VstupPoli.h"
#include "editor/VyplatenieTab.h"
#include "editor/ZnalecneZaznamu.h"
#include "remuneration/TVydavkyForm.h"
#include "reports/TlacCestovnehoPrikazu.h"
#include "reports/TlacKevrotaOkna.h"
#include "widgets/PoleTextovehoZoznamu.h"
#include "widgets/VelkostOkna.h"
#include "orders/TObjednavkyForm.h"
#include "orders/VyberKlienta.h"
#include "settings/Iban.h"
#include "settings/TextyZnalca.h"
#include "settings_window/TNastavenieForm.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* kalendarTlacidlo(QWidget* rodic)
{
    auto* b = new QToolButton(rodic);
    b->setText(QStringLiteral("…"));
    b->setToolTip(QStringLiteral("Kalendár"));
    return b;
}

QLineEdit* edit(QWidget* rodic, int maxDlzka)
{
    auto* e = new QLineEdit(rodic);
    e->setMaxLength(maxDlzka);
    return e;
}

QComboBox* volnyCombo(QWidget* rodic, const QStringList& polozky, int maxDlzka)
{
    auto* c = new QComboBox(rodic);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(polozky);
    c->lineEdit()->setMaxLength(maxDlzka);
    return c;
}

int skupinaPlatby(int druh) { return druh == 1 ? 6 : druh == 2 ? 7 : 0; }
}  // namespace

TZnalecKevrotEditForm::TZnalecKevrotEditForm(const UpravaZaznamu& uprava, const ZdrojeEditora& zdroje, QWidget* rodic)
    : QDialog(rodic), m_uprava(uprava), m_zdroje(zdroje)
{
    const TNastavenia& nast = zdroje.nastavenia.Nastavenie;
    m_druh = nast.Druh == 1 || nast.Druh == 2 ? nast.Druh : 0;
    setWindowTitle(PopisyPreDruh(m_druh).editor);
    m_volby = m_druh == 0
                  ? VolbyOdborov(zdroje.odbory.ZapisaneOdbory(nast.Odbory, nast.Odvetvia, nast.NajpouzivanejsiOdbor))
                  : VolbyJazykov(zdroje.jazyky.ZapisaneJazyky(nast.Odbory, nast.NajpouzivanejsiOdbor));
    // Until the settings are first saved, everything is offered; then the registered ones.
    if (m_volby.isEmpty() && !QFileInfo::exists(Nastavenia::SuborNastavenia()))
        m_volby = m_druh == 0 ? VsetkyOdbory(zdroje.odbory) : VsetkyJazyky(zdroje.jazyky);
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());

    // The header first: Tab goes from it through the page to "OK".
    QWidget* hlavicka = vytvorHlavicku();
    Zalozky = new QTabWidget(this);
    // The pages scroll when the screen is too small for them.
    Zalozky->addTab(new SvitokStranky(vytvorVec()), QStringLiteral("Vec"));
    tabTexty = new TextyTab(this);
    Zalozky->addTab(new SvitokStranky(tabTexty), QStringLiteral("Texty"));
    Zalozky->addTab(new SvitokStranky(vytvorVyuctovanie()), QStringLiteral("Vyúčtovanie"));
    tabVyplatenie = new VyplatenieTab(this);
    Zalozky->addTab(new SvitokStranky(tabVyplatenie), QStringLiteral("Vyplatenie"));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnStorno = new QPushButton(QStringLiteral("Storno"), this);
    // Enter in a field means OK, never a document command.
    btnOK->setDefault(true);
    btnStorno->setAutoDefault(false);
    btnNastavenie = new QPushButton(QStringLiteral("Nastavenie programu"), this);
    btnNastavenie->setAutoDefault(false);
    auto* dole = new QHBoxLayout;
    dole->addWidget(btnNastavenie);
    dole->addStretch();
    dole->addWidget(btnOK);
    dole->addWidget(btnStorno);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(hlavicka);
    hlavny->addWidget(Zalozky, 1);
    hlavny->addLayout(dole);

    connect(btnOK, &QPushButton::clicked, this, &TZnalecKevrotEditForm::Potvrd);
    connect(btnStorno, &QPushButton::clicked, this, &TZnalecKevrotEditForm::reject);
    connect(btnNastavenie, &QPushButton::clicked, this, &TZnalecKevrotEditForm::NastavenieProgramu);
    connect(tabVyplatenie, &VyplatenieTab::priznaneZmenene, this, &TZnalecKevrotEditForm::ukazPriznane);

    // Captions for the practitioner's kind.
    if (m_druh != 0) {
        lblOdborJazyk->setText(QStringLiteral("Jazyk:"));
        lblOdvetvie->setVisible(false);
        cmbOdvetvie->setVisible(false);
        btnZnalecne->setText(QStringLiteral("Tlmočné"));
        CheckBoxVlozeneDoZoznamuVyuctovani->setText(
            QStringLiteral("vložiť tlmočné do zoznamu uložených vyúčtovaní"));
    }
    for (auto* pole : {cmbDruhUkonu, cmbTypPosudku, cmbPredmet, cmbUcel, cmbUdajeOdmena})
        pole->nacitaj();
    tabTexty->nastav(m_druh, nast.BasicFontName, nast.BasicFontSize, [this] {
        const TNastavenia& n = m_zdroje.nastavenia.Nastavenie;
        const QString iban = IbanZnalca(n, NacitajNastaveniaEFaktury());
        return HodnotyTextov{Edit4->text(), Edit16->text(), cmbDruhUkonu->text(), cmbPredmet->text(),
                             Edit5->text(), Edit20->text(),
                             iban.isEmpty() ? BankoveSpojenie(n) : QStringLiteral("IBAN ") + Iban::naTlac(iban),
                             QString::number(m_splatnost), Edit18->text().trimmed()};
    });
    tabTexty->NaplnSablony();
    // The texts follow every value they use: number, order, variable symbol, due date.
    for (auto* e : {Edit4, Edit16, Edit5, Edit20, Edit18})
        connect(e, &QLineEdit::editingFinished, this, &TZnalecKevrotEditForm::vytvorTexty);
    for (auto* pole : {cmbDruhUkonu, cmbPredmet})
        connect(pole->Combo, &QComboBox::currentTextChanged, this, &TZnalecKevrotEditForm::vytvorTexty);

    // The entry.
    m_zobrazuje = true;
    TZnalKevrotZaznam& z = m_uprava.zaznam;
    if (z.Splatnost == 0)
        z.Splatnost = nast.Splatnost;
    if (m_uprava.novy)
        z.SadzbaDPH = SadzbaZaznamu(nast.PlatcaDPH, z.DatumVykonania, Dnes(), nast.SadzbaDPH);
    m_splatnost = z.Splatnost;
    m_sadzbaDPH = z.SadzbaDPH;
    m_datumVykonania = z.DatumVykonania;
    for (const auto& v : m_volby)
        cmbOdborJazyk->addItem(v.Text, v.Kod);
    PoliaZaznamu p = ZobrazZaznam(z);
    if (m_uprava.novy) {
        const int i = IndexPredvolenej(m_volby);
        p.KodOdboru = p.KodJazyka = i >= 0 ? m_volby[i].Kod : QString();
        p.KodOdvetvia.clear();
    }
    zobrazPolia(p);
    const bool platca = nast.PlatcaDPH;
    lblDPH->setVisible(platca);
    DPHEdit->setVisible(platca);
    btnImplicitnaDPH->setVisible(platca);
    DPHEdit->setText(VstupPoli::CisloDoPola(m_sadzbaDPH));
    lblOdlisnaDPH->setVisible(platca);
    ukazOdlisnuSadzbu();
    ukazUctovane();
    tabTexty->zobraz(z.TextVyuctovania, z.TextFinancnaCiastka);
    tabVyplatenie->zobraz(z, m_uprava.vyplatenia, m_uprava.novy, skupinaPlatby(m_druh));
    lblCastOdmena->setVisible(tabVyplatenie->logika().CastUhradena());
    lblCastVydavky->setVisible(tabVyplatenie->logika().CastUhradena());
    m_zobrazuje = false;
    PrisposobObrazovke(this, sizeHint());
}

QWidget* TZnalecKevrotEditForm::vytvorHlavicku()
{
    auto* w = new QWidget(this);
    Edit4 = edit(w, 9);
    Edit4->setFixedWidth(70);
    Edit16 = edit(w, 4);
    Edit16->setFixedWidth(55);
    lblOdborJazyk = new QLabel(QStringLiteral("Odbor:"), w);
    cmbOdborJazyk = new QComboBox(w);
    cmbOdborJazyk->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbOdborJazyk->setMinimumContentsLength(30);
    lblOdvetvie = new QLabel(QStringLiteral("Odvetvie:"), w);
    cmbOdvetvie = new QComboBox(w);
    cmbOdvetvie->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbOdvetvie->setMinimumContentsLength(30);

    Edit2 = edit(w, DlzkyPoli::Meno);
    btnZoznam = new QPushButton(QStringLiteral("Zoznam"), w);
    Edit3 = edit(w, DlzkyPoli::Adresa);
    Edit8 = edit(w, DlzkyPoli::ICO);
    Edit14 = edit(w, DlzkyPoli::DIC);
    Edit21 = edit(w, DlzkyPoli::ICDPH);
    rbPFO = new QRadioButton(QStringLiteral("Právnická alebo fyzická osoba"), w);
    rbSO = new QRadioButton(QStringLiteral("Štátny orgán"), w);
    auto* skupina = new QButtonGroup(w);
    skupina->addButton(rbPFO);
    skupina->addButton(rbSO);
    cmbObjednavkaTyp = new QComboBox(w);
    cmbObjednavkaTyp->addItems({QStringLiteral("Číslo objednávky"), QStringLiteral("Spisová značka")});
    Edit5 = edit(w, DlzkyPoli::CisloObjednavky);
    btnObjednavka = new QPushButton(QStringLiteral("Vytvor záznam na základe objednávky"), w);

    Edit1 = edit(w, 10);
    btnDnesVyziadanie = new QPushButton(QStringLiteral("Dnes"), w);
    btnKalendarVyziadanie = kalendarTlacidlo(w);
    Edit17 = edit(w, 10);
    btnDnesVykonanie = new QPushButton(QStringLiteral("Dnes"), w);
    btnKalendarVykonanie = kalendarTlacidlo(w);
    Edit18 = edit(w, 10);
    btnKalendarSplatnost = kalendarTlacidlo(w);
    btnZmenSplatnost = new QPushButton(QStringLiteral("Zmeň splatnosť"), w);
    lblDPH = new QLabel(QStringLiteral("DPH:"), w);
    DPHEdit = edit(w, 8);
    DPHEdit->setFixedWidth(60);
    btnImplicitnaDPH = new QPushButton(QStringLiteral("Implicitná hodnota"), w);
    lblOdlisnaDPH = new QLabel(w);
    for (auto* e : {Edit1, Edit17, Edit18})
        e->setFixedWidth(90);
    for (auto* b : {btnZoznam, btnObjednavka, btnDnesVyziadanie, btnDnesVykonanie, btnZmenSplatnost, btnImplicitnaDPH})
        b->setAutoDefault(false);
    // The style draws these captions a few pixels wider than it measures them.
    btnZmenSplatnost->setMinimumWidth(btnZmenSplatnost->sizeHint().width() + 8);

    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    auto* cislo = new QHBoxLayout;
    cislo->addWidget(Edit4);
    cislo->addWidget(new QLabel(QStringLiteral("/"), w));
    cislo->addWidget(Edit16);
    cislo->addStretch();
    g->addWidget(new QLabel(PopisyPreDruh(m_druh).cisloUkonu, w), 0, 0);
    g->addLayout(cislo, 0, 1);
    g->addWidget(btnObjednavka, 0, 2, 1, 2, Qt::AlignRight);
    g->addWidget(lblOdborJazyk, 1, 0);
    g->addWidget(cmbOdborJazyk, 1, 1, 1, 3);
    g->addWidget(lblOdvetvie, 2, 0);
    g->addWidget(cmbOdvetvie, 2, 1, 1, 3);

    auto* ziadatel = new QGroupBox(w);
    auto* zg = new QGridLayout(ziadatel);
    zg->addWidget(new QLabel(QStringLiteral("Meno:"), ziadatel), 0, 0);
    zg->addWidget(Edit2, 0, 1, 1, 5);
    zg->addWidget(btnZoznam, 0, 6);
    zg->addWidget(new QLabel(QStringLiteral("Adresa:"), ziadatel), 1, 0);
    zg->addWidget(Edit3, 1, 1, 1, 6);
    zg->addWidget(new QLabel(QStringLiteral("IČO:"), ziadatel), 2, 0);
    zg->addWidget(Edit8, 2, 1);
    zg->addWidget(new QLabel(QStringLiteral("DIČ:"), ziadatel), 2, 2);
    zg->addWidget(Edit14, 2, 3);
    zg->addWidget(new QLabel(QStringLiteral("IČ DPH:"), ziadatel), 2, 4);
    zg->addWidget(Edit21, 2, 5, 1, 2);
    // The kind of number and the kind of requester in one row: the one sets the other.
    auto* objednavka = new QHBoxLayout;
    objednavka->addWidget(cmbObjednavkaTyp);
    objednavka->addWidget(Edit5, 1);
    objednavka->addWidget(rbPFO);
    objednavka->addWidget(rbSO);
    zg->addLayout(objednavka, 3, 0, 1, 7);
    g->addWidget(ziadatel, 3, 0, 1, 4);

    // The dates two to a row, so that the pages keep their height on a low screen.
    auto* datumy = new QGridLayout;
    datumy->addWidget(new QLabel(QStringLiteral("Dátum vyžiadania:"), w), 0, 0);
    datumy->addWidget(Edit1, 0, 1);
    datumy->addWidget(btnKalendarVyziadanie, 0, 2);
    datumy->addWidget(btnDnesVyziadanie, 0, 3);
    datumy->addWidget(new QLabel(QStringLiteral("Dátum vykonania:"), w), 0, 5);
    datumy->addWidget(Edit17, 0, 6);
    datumy->addWidget(btnKalendarVykonanie, 0, 7);
    datumy->addWidget(btnDnesVykonanie, 0, 8);
    datumy->addWidget(new QLabel(QStringLiteral("Dátum splatnosti:"), w), 1, 0);
    datumy->addWidget(Edit18, 1, 1);
    datumy->addWidget(btnKalendarSplatnost, 1, 2);
    datumy->addWidget(btnZmenSplatnost, 1, 3);
    datumy->addWidget(lblDPH, 1, 5);
    datumy->addWidget(DPHEdit, 1, 6);
    auto* dph = new QHBoxLayout;
    dph->addWidget(btnImplicitnaDPH);
    dph->addWidget(lblOdlisnaDPH, 1);
    datumy->addLayout(dph, 1, 7, 1, 3);
    datumy->setColumnMinimumWidth(4, 12);
    datumy->setColumnStretch(9, 1);
    g->addLayout(datumy, 4, 0, 1, 4);
    g->setColumnStretch(1, 1);

    connect(cmbOdborJazyk, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (m_druh == 0)
            naplnOdvetvia(i);
    });
    connect(btnZoznam, &QPushButton::clicked, this, &TZnalecKevrotEditForm::VyberZoZoznamu);
    connect(btnObjednavka, &QPushButton::clicked, this, [this] {
        if (const auto o = VyberObjednavku(this))
            VytvorZObjednavky(*o);
    });
    connect(cmbObjednavkaTyp, &QComboBox::currentIndexChanged, this, &TZnalecKevrotEditForm::zvolenyTypCisla);
    connect(btnDnesVyziadanie, &QPushButton::clicked, this, &TZnalecKevrotEditForm::DnesVyziadanie);
    connect(btnKalendarVyziadanie, &QToolButton::clicked, this, [this] {
        if (const auto d = TCalendarFrm::vyber(this, QDate::currentDate()))
            Edit1->setText(DatumText(QDateNaDatum(*d)));
    });
    connect(btnDnesVykonanie, &QPushButton::clicked, this, &TZnalecKevrotEditForm::DnesVykonanie);
    connect(btnKalendarVykonanie, &QToolButton::clicked, this, [this] {
        if (const auto d = TCalendarFrm::vyber(this, QDate::currentDate()))
            NastavVykonanie(QDateNaDatum(*d));
    });
    connect(Edit17, &QLineEdit::editingFinished, this, &TZnalecKevrotEditForm::OpustilVykonanie);
    connect(btnKalendarSplatnost, &QToolButton::clicked, this, [this] {
        if (const auto d = TCalendarFrm::vyber(this, QDate::currentDate()))
            Edit18->setText(DatumText(QDateNaDatum(*d)));
    });
    connect(btnZmenSplatnost, &QPushButton::clicked, this, [this] {
        TNastavSplatnostForm dialog(m_splatnost, this);
        const int r = dialog.exec();
        if (r == TNastavSplatnostForm::OK || r == TNastavSplatnostForm::NastavTrvalo)
            ZmenSplatnost(dialog.splatnost(), r == TNastavSplatnostForm::NastavTrvalo);
    });
    connect(DPHEdit, &QLineEdit::editingFinished, this, &TZnalecKevrotEditForm::OpustilDPH);
    connect(btnImplicitnaDPH, &QPushButton::clicked, this, &TZnalecKevrotEditForm::ImplicitnaDPH);
    return w;
}

QWidget* TZnalecKevrotEditForm::vytvorVec()
{
    auto* w = new QWidget(this);
    cmbDruhUkonu = new PoleTextovehoZoznamu(TextoveZoznamy::DruhUkonu, TextoveZoznamy::Vstavane(TextoveZoznamy::DruhUkonu),
                                            DlzkyPoli::DruhUkonu, w);
    cmbTypPosudku =
        new PoleTextovehoZoznamu(TextoveZoznamy::TypPosudku, TextoveZoznamy::Vstavane(TextoveZoznamy::TypPosudku),
                                 DlzkyPoli::TypPosudku, w);
    cmbPredmet = new PoleTextovehoZoznamu(TextoveZoznamy::Predmet, {}, DlzkyPoli::Predmet, w);
    cmbUcel = new PoleTextovehoZoznamu(TextoveZoznamy::Ucel, {}, DlzkyPoli::Ucel, w);
    Edit6 = edit(w, DlzkyPoli::Poznamka);
    auto* g = new QGridLayout(w);
    g->addWidget(new QLabel(QStringLiteral("Druh úkonu:"), w), 0, 0);
    g->addWidget(cmbDruhUkonu, 0, 1);
    lblTypPosudku = new QLabel(PopisyPreDruh(m_druh).typUkonu, w);
    g->addWidget(lblTypPosudku, 1, 0);
    g->addWidget(cmbTypPosudku, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Predmet:"), w), 2, 0);
    g->addWidget(cmbPredmet, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("Účel:"), w), 3, 0);
    g->addWidget(cmbUcel, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Poznámka:"), w), 4, 0);
    g->addWidget(Edit6, 4, 1);
    g->setRowStretch(5, 1);
    g->setColumnStretch(1, 1);
    return w;
}

PodkladyDokladu TZnalecKevrotEditForm::podkladyDokladov()
{
    prepocitajUctovane();
    TZnalKevrotZaznam z = m_uprava.zaznam;
    z.DatumVykonania = m_datumVykonania;
    z.SadzbaDPH = m_sadzbaDPH;
    PodkladyDokladu p = PodkladyDokladov(polia(), z, m_uprava.vydavky, m_zdroje.nastavenia, m_zdroje.preddefTexty);
    p.datumVystavenia = datumVystavenia();
    return p;
}

double TZnalecKevrotEditForm::datumVystavenia() const
{
    const double d = EditVystavenie ? TextNaDatum(EditVystavenie->text().trimmed()) : 0;
    return d > 0 ? d : Dnes();
}

void TZnalecKevrotEditForm::OpustilVystavenie()
{
    const double d = TextNaDatum(EditVystavenie->text().trimmed());
    if (d == 0) {
        spravy().chyba(QString::fromUtf8(VstupPoli::NeplatnaHodnotaBodka));
        EditVystavenie->setFocus();
        return;
    }
    if (d != NacitajDatumVystavenia())
        UlozDatumVystavenia(d);
    if (m_datumVykonania > 0)
        Edit18->setText(DatumText(DatumSplatnosti(d, m_splatnost)));
    vytvorTexty();
}

QWidget* TZnalecKevrotEditForm::vytvorVyuctovanie()
{
    auto* w = new QWidget(this);
    lblUctavanaOdmena = new QLabel(w);
    lblUctovaneVydavky = new QLabel(w);
    for (auto* l : {lblUctavanaOdmena, lblUctovaneVydavky}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    cmbUdajeOdmena = new PoleTextovehoZoznamu(TextoveZoznamy::UdajeOdmena, {}, DlzkyPoli::UdajeOdmena, w);
    Edit12 = edit(w, 15);
    Edit13 = edit(w, 15);
    Edit12->setFixedWidth(100);
    Edit13->setFixedWidth(100);
    lblCastOdmena = new QLabel(QStringLiteral("časť uhradená"), w);
    lblCastVydavky = new QLabel(QStringLiteral("časť uhradená"), w);
    for (auto* l : {lblCastOdmena, lblCastVydavky}) {
        l->setStyleSheet(QStringLiteral("color: red"));
        l->setVisible(false);
    }
    Edit19 = edit(w, DlzkyPoli::KonstantnySymbol);
    Edit19->setFixedWidth(60);
    ComboBox5 = new QComboBox(w);
    ComboBox5->addItems(KonstantneSymboly::Zoznam());
    ComboBox5->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox5->setMinimumContentsLength(40);
    Edit20 = edit(w, DlzkyPoli::VariabilnySymbol);
    Edit20->setFixedWidth(110);
    btnPodlaCisla = new QPushButton(QStringLiteral("podľa čísla znal úkonu"), w);
    btnPodlaCisla->setMinimumWidth(btnPodlaCisla->sizeHint().width() + 8);
    cmbDodaciePodmienky = volnyCombo(
        w, {QStringLiteral("neurčené"), QStringLiteral("osobne"), QStringLiteral("poštová zásielka")},
        DlzkyPoli::DodaciePodmienky);
    cmbSposobPlatby = volnyCombo(w,
                                 {QStringLiteral("neurčené"), QStringLiteral("hotovosť"), QStringLiteral("dobierka"),
                                  QStringLiteral("prevodný príkaz"), QStringLiteral("poštová poukážka")},
                                 DlzkyPoli::SposobPlatby);
    CheckBoxVlozeneDoZoznamuVyuctovani =
        new QCheckBox(QStringLiteral("vložiť znalečné do zoznamu uložených vyúčtovaní"), w);
    btnZnalecne = new QPushButton(QStringLiteral("Znalečné"), w);
    btnZnalecne->setAutoDefault(false);
    connect(btnZnalecne, &QPushButton::clicked, this, &TZnalecKevrotEditForm::Znalecne);
    btnPodlaCisla->setAutoDefault(false);

    auto* g = new QGridLayout(w);
    g->addWidget(new QLabel(QStringLiteral("Účtovaná odmena:"), w), 0, 0);
    g->addWidget(lblUctavanaOdmena, 0, 1);
    auto* uctovane = new QHBoxLayout;
    uctovane->addWidget(new QLabel(QStringLiteral("Účtované výdavky:"), w));
    uctovane->addWidget(lblUctovaneVydavky);
    uctovane->addStretch();
    uctovane->addWidget(btnZnalecne);
    g->addLayout(uctovane, 0, 2, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Údaje k odmene:"), w), 1, 0);
    g->addWidget(cmbUdajeOdmena, 1, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Priznaná odmena:"), w), 2, 0);
    g->addWidget(Edit12, 2, 1);
    auto* priznane = new QHBoxLayout;
    priznane->addWidget(lblCastOdmena);
    priznane->addWidget(new QLabel(QStringLiteral("Priznané výdavky:"), w));
    priznane->addWidget(Edit13);
    priznane->addWidget(lblCastVydavky);
    priznane->addStretch();
    g->addLayout(priznane, 2, 2, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Konštantný symbol:"), w), 3, 0);
    g->addWidget(Edit19, 3, 1);
    g->addWidget(ComboBox5, 3, 2, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Variabilný symbol:"), w), 4, 0);
    g->addWidget(Edit20, 4, 1);
    g->addWidget(btnPodlaCisla, 4, 2, Qt::AlignLeft);
    // Compact rows, so that the document buttons show without scrolling on a low screen.
    auto* platba = new QHBoxLayout;
    platba->addWidget(cmbDodaciePodmienky, 1);
    platba->addWidget(new QLabel(QStringLiteral("Spôsob platby:"), w));
    platba->addWidget(cmbSposobPlatby, 1);
    g->addWidget(new QLabel(QStringLiteral("Dodacie podmientky:"), w), 5, 0);
    g->addLayout(platba, 5, 1, 1, 3);
    const double vystavenie = NacitajDatumVystavenia();
    EditVystavenie = new QLineEdit(DatumText(vystavenie > 0 ? vystavenie : Dnes()), w);
    EditVystavenie->setMaxLength(10);
    EditVystavenie->setToolTip(QStringLiteral("Deň, keď bol vytvorený prvý doklad záznamu; splatnosť sa počíta od neho."));
    connect(EditVystavenie, &QLineEdit::editingFinished, this, &TZnalecKevrotEditForm::OpustilVystavenie);
    g->addWidget(new QLabel(QStringLiteral("Dátum vystavenia dokladov:"), w), 6, 0);
    g->addWidget(EditVystavenie, 6, 1);
    g->addWidget(CheckBoxVlozeneDoZoznamuVyuctovani, 6, 2, 1, 2);
    QWidget::setTabOrder(EditVystavenie, CheckBoxVlozeneDoZoznamuVyuctovani);
    panelDokladov = new DokladyPanel([this] { return podkladyDokladov(); }, w);
    g->addWidget(panelDokladov, 7, 0, 1, 4);
    btnEFaktura = new QPushButton(QStringLiteral("e-Faktúra (XML)"), w);
    btnDobropis = new QPushButton(QStringLiteral("Dobropis (XML)"), w);
    btnEFaktura->setAutoDefault(false);
    btnDobropis->setAutoDefault(false);
    panelDokladov->PridajDoRiadkuVsetkych(btnEFaktura);
    panelDokladov->PridajDoRiadkuVsetkych(btnDobropis);
    connect(btnEFaktura, &QPushButton::clicked, this, [this] { PrikazEFaktura(podkladyDokladov(), false, this); });
    connect(btnDobropis, &QPushButton::clicked, this, [this] { PrikazEFaktura(podkladyDokladov(), true, this); });
    g->setRowStretch(8, 1);
    g->setColumnStretch(3, 1);

    connect(ComboBox5, &QComboBox::activated, this,
            [this](int i) { Edit19->setText(KonstantneSymboly::KodPolozky(i)); });
    connect(Edit19, &QLineEdit::textEdited, this, &TZnalecKevrotEditForm::napisanySymbol);
    connect(btnPodlaCisla, &QPushButton::clicked, this, &TZnalecKevrotEditForm::PodlaCisla);
    connect(Edit12, &QLineEdit::editingFinished, this, [this] { opustilPriznanu(Edit12); });
    connect(Edit13, &QLineEdit::editingFinished, this, [this] { opustilPriznanu(Edit13); });
    return w;
}

void TZnalecKevrotEditForm::naplnOdvetvia(int odbor)
{
    cmbOdvetvie->clear();
    if (odbor < 0 || odbor >= m_volby.size())
        return;
    for (const auto& v : m_volby[odbor].Odvetvia)
        cmbOdvetvie->addItem(v.Text, v.Kod);
    cmbOdvetvie->setCurrentIndex(IndexZvolenej(m_volby[odbor].Odvetvia, QString()));
}

PoliaZaznamu TZnalecKevrotEditForm::polia() const
{
    PoliaZaznamu p;
    p.Cislo = Edit4->text();
    p.Rok = Edit16->text();
    const QString kod = cmbOdborJazyk->currentIndex() >= 0 ? cmbOdborJazyk->currentData().toString() : QString();
    if (m_druh == 0) {
        p.KodOdboru = kod;
        p.KodOdvetvia = cmbOdvetvie->currentIndex() >= 0 ? cmbOdvetvie->currentData().toString() : QString();
    } else {
        p.KodJazyka = kod;
    }
    p.Meno = Edit2->text();
    p.Adresa = Edit3->text();
    p.ICO = Edit8->text();
    p.DIC = Edit14->text();
    p.ICDPH = Edit21->text();
    p.StatnyOrgan = rbSO->isChecked();
    p.TypCisla = qMax(0, cmbObjednavkaTyp->currentIndex());
    p.CisloObjednavky = Edit5->text();
    p.DatumVyziadania = Edit1->text();
    p.DatumVykonania = Edit17->text();
    p.DatumSplatnosti = Edit18->text();
    p.DruhUkonu = cmbDruhUkonu->text();
    p.TypPosudku = cmbTypPosudku->text();
    p.Predmet = cmbPredmet->text();
    p.Ucel = cmbUcel->text();
    p.Poznamka = Edit6->text();
    p.UdajeOdmena = cmbUdajeOdmena->text();
    p.PriznanaOdmena = Edit12->text();
    p.PriznaneVydavky = Edit13->text();
    p.KonstantnySymbol = Edit19->text();
    p.VariabilnySymbol = Edit20->text();
    p.DodaciePodmienky = cmbDodaciePodmienky->currentText();
    p.SposobPlatby = cmbSposobPlatby->currentText();
    p.DoZoznamuVyuctovani = CheckBoxVlozeneDoZoznamuVyuctovani->isChecked();
    return p;
}

void TZnalecKevrotEditForm::zobrazPolia(const PoliaZaznamu& p)
{
    const bool predtym = m_zobrazuje;
    m_zobrazuje = true;
    Edit4->setText(p.Cislo);
    Edit16->setText(p.Rok);
    const int odbor = IndexKodu(m_volby, m_druh == 0 ? p.KodOdboru : p.KodJazyka);
    cmbOdborJazyk->setCurrentIndex(odbor);
    if (m_druh == 0) {
        naplnOdvetvia(odbor);
        if (odbor >= 0)
            cmbOdvetvie->setCurrentIndex(IndexZvolenej(m_volby[odbor].Odvetvia, p.KodOdvetvia));
    }
    Edit2->setText(p.Meno);
    Edit3->setText(p.Adresa);
    Edit8->setText(p.ICO);
    Edit14->setText(p.DIC);
    Edit21->setText(p.ICDPH);
    (p.StatnyOrgan ? rbSO : rbPFO)->setChecked(true);
    cmbObjednavkaTyp->setCurrentIndex(p.TypCisla);
    Edit5->setText(p.CisloObjednavky);
    Edit1->setText(p.DatumVyziadania);
    Edit17->setText(p.DatumVykonania);
    Edit18->setText(p.DatumSplatnosti);
    cmbDruhUkonu->nastavText(p.DruhUkonu);
    cmbTypPosudku->nastavText(p.TypPosudku);
    cmbPredmet->nastavText(p.Predmet);
    cmbUcel->nastavText(p.Ucel);
    Edit6->setText(p.Poznamka);
    cmbUdajeOdmena->nastavText(p.UdajeOdmena);
    Edit12->setText(p.PriznanaOdmena);
    Edit13->setText(p.PriznaneVydavky);
    Edit19->setText(p.KonstantnySymbol);
    napisanySymbol(p.KonstantnySymbol);
    Edit20->setText(p.VariabilnySymbol);
    cmbDodaciePodmienky->setEditText(p.DodaciePodmienky);
    cmbSposobPlatby->setEditText(p.SposobPlatby);
    CheckBoxVlozeneDoZoznamuVyuctovani->setChecked(p.DoZoznamuVyuctovani);
    m_zobrazuje = predtym;
}

void TZnalecKevrotEditForm::ukazUctovane()
{
    lblUctavanaOdmena->setText(SumaTextSk(SymbolEuro, m_uprava.zaznam.UctovanaOdmena));
    lblUctovaneVydavky->setText(SumaTextSk(SymbolEuro, m_uprava.zaznam.UctovaneVydavky));
}

void TZnalecKevrotEditForm::prepocitajUctovane()
{
    // An entry without items keeps what it has stored (entries transferred with totals only).
    if (m_uprava.vydavky.isEmpty() && !(m_uprava.zaznam.CestovneNahrady.SpoluNaklady > 0))
        return;
    const UctovaneSumy s = PrepocitajUctovane(m_uprava.zaznam, m_uprava.vydavky,
                                              m_zdroje.nastavenia.Nastavenie.PlatcaDPH, m_datumVykonania, m_sadzbaDPH);
    lblUctavanaOdmena->setText(s.odmenaText);
    lblUctovaneVydavky->setText(s.vydavkyText);
    tabVyplatenie->logika().NastavUctovane(s.odmena, s.vydavky);
}

void TZnalecKevrotEditForm::ukazOdlisnuSadzbu()
{
    lblOdlisnaDPH->setText(
        TextOdlisnejSadzby(m_zdroje.nastavenia.Nastavenie.PlatcaDPH, m_sadzbaDPH, m_datumVykonania, Dnes()));
}

void TZnalecKevrotEditForm::zmenVykonanie(double datum)
{
    const bool zmena = datum != m_datumVykonania;
    m_datumVykonania = datum;
    if (!zmena)
        return;
    const TNastavenia& n = m_zdroje.nastavenia.Nastavenie;
    if (n.PlatcaDPH && datum != 0) {
        m_sadzbaDPH = SadzbaZaznamu(true, datum, Dnes(), m_sadzbaDPH);
        DPHEdit->setText(VstupPoli::CisloDoPola(m_sadzbaDPH));
    }
    ukazOdlisnuSadzbu();
    prepocitajUctovane();
}

void TZnalecKevrotEditForm::ukazPriznane()
{
    const VyplatenieZaznamu& v = tabVyplatenie->logika();
    Edit12->setText(VstupPoli::CisloDoPola(v.PriznanaOdmena()));
    Edit13->setText(VstupPoli::CisloDoPola(v.PriznaneVydavky()));
    lblCastOdmena->setVisible(v.CastUhradena());
    lblCastVydavky->setVisible(v.CastUhradena());
}

void TZnalecKevrotEditForm::opustilPriznanu(QLineEdit* pole)
{
    const auto v = VstupPoli::Suma(pole->text());
    if (!v) {
        pole->clear();
        pole->setFocus();
        return;
    }
    VyplatenieZaznamu& l = tabVyplatenie->logika();
    if (pole == Edit12)
        l.NastavPriznane(*v, l.PriznaneVydavky());
    else
        l.NastavPriznane(l.PriznanaOdmena(), *v);
}

void TZnalecKevrotEditForm::zvolenyTypCisla(int index)
{
    if (m_zobrazuje)
        return;
    (index == 1 ? rbSO : rbPFO)->setChecked(true);
}

void TZnalecKevrotEditForm::napisanySymbol(const QString& text)
{
    ComboBox5->setCurrentIndex(KonstantneSymboly::IndexPodlaTextu(text));
}

void TZnalecKevrotEditForm::vytvorTexty()
{
    if (m_zobrazuje)
        return;
    tabTexty->VytvorTextVyuctovania();
    tabTexty->VytvorTextVyplatenia();
}

void TZnalecKevrotEditForm::NastavenieProgramu()
{
    // The settings window's rate slot holds the entry's rate; the entry keeps its own.
    if (!SpustiNastavenie(this, m_zdroje.nastavenia, m_zdroje.vozidla,
                          {m_zdroje.odbory, m_zdroje.jazyky, m_zdroje.preddefTexty}, m_sadzbaDPH))
        return;
    tabTexty->VytvorTextVyuctovania();
    tabTexty->VytvorTextVyplatenia();
}

void TZnalecKevrotEditForm::DnesVyziadanie() { Edit1->setText(DnesText()); }

void TZnalecKevrotEditForm::DnesVykonanie() { NastavVykonanie(Dnes()); }

void TZnalecKevrotEditForm::NastavVykonanie(double datum)
{
    zmenVykonanie(datum);
    Edit17->setText(DatumText(datum));
    // Due counts from the issue date of the documents, not from the date of performance.
    Edit18->setText(DatumText(DatumSplatnosti(datumVystavenia(), m_splatnost)));
    vytvorTexty();
}

void TZnalecKevrotEditForm::OpustilVykonanie()
{
    const QString t = Edit17->text().trimmed();
    if (t.isEmpty())
        return;
    const double d = TextNaDatum(t);
    if (d == 0) {
        m_datumVykonania = 0;
        spravy().chyba(QString::fromUtf8(VstupPoli::NeplatnaHodnotaBodka));
        Edit17->setFocus();
        return;
    }
    zmenVykonanie(d);
    Edit18->setText(DatumText(DatumSplatnosti(datumVystavenia(), m_splatnost)));
    vytvorTexty();
}

void TZnalecKevrotEditForm::ZmenSplatnost(int splatnost, bool trvalo)
{
    m_splatnost = splatnost;
    const double splatnostDatum = m_datumVykonania > 0 ? DatumSplatnosti(datumVystavenia(), splatnost) : 0;
    Edit18->setText(splatnostDatum == 0 ? QString() : DatumText(splatnostDatum));
    vytvorTexty();
    if (trvalo) {
        m_zdroje.nastavenia.Nastavenie.Splatnost = splatnost;
        m_zdroje.nastavenia.UlozNastavenia();
    }
}

void TZnalecKevrotEditForm::OpustilDPH()
{
    if (const auto v = VstupPoli::SadzbaDPH(DPHEdit->text())) {
        m_sadzbaDPH = *v;
        ukazOdlisnuSadzbu();
        prepocitajUctovane();
    } else {
        DPHEdit->clear();
        DPHEdit->setFocus();
    }
}

void TZnalecKevrotEditForm::ImplicitnaDPH()
{
    const TNastavenia& n = m_zdroje.nastavenia.Nastavenie;
    m_sadzbaDPH = SadzbaZaznamu(n.PlatcaDPH, m_datumVykonania, Dnes(), n.SadzbaDPH);
    DPHEdit->setText(VstupPoli::CisloDoPola(m_sadzbaDPH));
    ukazOdlisnuSadzbu();
    prepocitajUctovane();
}

void TZnalecKevrotEditForm::VyberZoZoznamu()
{
    const auto klient = VyberKlienta(this, m_zdroje.objednavky);
    if (!klient)
        return;
    Edit2->setText(klient->Meno);
    Edit3->setText(klient->Adresa);
    Edit8->setText(klient->ICO);
    Edit14->setText(klient->DIC);
    Edit21->setText(klient->ICDPH);
    if (klient->StatnyOrgan)
        rbSO->setChecked(true);
}

void TZnalecKevrotEditForm::VytvorZObjednavky(const TObjednavka& o)
{
    PoliaZaznamu p = polia();
    VyplnZObjednavky(p, o, m_zdroje.objednavky.ZoznamObjednavatelov);
    zobrazPolia(p);
}

void TZnalecKevrotEditForm::PodlaCisla()
{
    Edit20->setText(VariabilnySymbolPodlaCisla(Edit4->text(), Edit16->text()));
    vytvorTexty();
}

void TZnalecKevrotEditForm::Znalecne()
{
    const PoliaZaznamu p = polia();
    if (const QString chyba = ChybaPredZnalecnym(m_druh, p, m_datumVykonania); !chyba.isEmpty()) {
        spravy().chyba(chyba);
        return;
    }
    Nastavenia& nast = m_zdroje.nastavenia;
    UpravaVydavkov u = PripravVydavky(m_uprava.zaznam, m_uprava.vydavky, m_druh, p, m_datumVykonania, m_sadzbaDPH,
                                      nast.Nastavenie.PlatcaDPH, m_zdroje.polozky);
    const auto tlac = [this](const TCestovneNahrady& c) {
        TlacKevrota::OtvorNahlad(TlacCestovnehoPrikazu::Zostava, TlacCestovnehoPrikazu::Hodnoty(c), this);
    };
    if (!UpravVydavky(this, u,
                      {m_zdroje.polozky, nast, m_zdroje.vozidla.ZoznamVozidiel, m_zdroje.ulozene, tlac}))
        return;
    const UctovaneSumy s = PrevezmiVydavky(u, m_uprava.zaznam, m_uprava.vydavky);
    lblUctavanaOdmena->setText(s.odmenaText);
    lblUctovaneVydavky->setText(s.vydavkyText);
    CheckBoxVlozeneDoZoznamuVyuctovani->setChecked(u.doZoznamu);
    tabVyplatenie->logika().NastavUctovane(s.odmena, s.vydavky);
    tabVyplatenie->ukazCelkovuSumu();
}

void TZnalecKevrotEditForm::Potvrd()
{
    const PoliaZaznamu p = polia();
    const QString chyby = ChybyZaznamu(p, m_druh);
    if (!chyby.isEmpty()) {
        spravy().chyba(chyby);
        return;
    }
    if (!CisloVolne(m_zdroje.zaznamy, m_uprava.zaznam, m_uprava.novy, CisloZPola(p.Cislo),
                    CisloZPola(p.Rok)) ||
        !CisloVolneNaDisku(m_uprava.zaznam, m_uprava.novy, CisloZPola(p.Cislo), CisloZPola(p.Rok))) {
        spravy().chyba(QString::fromUtf8(ZaznamExistuje));
        return;
    }
    prepocitajUctovane();
    TZnalKevrotZaznam& z = m_uprava.zaznam;
    PrevezmiPolia(p, m_druh, z);
    z.SadzbaDPH = m_sadzbaDPH;
    z.Splatnost = m_splatnost;
    tabVyplatenie->uloz(z, m_uprava.vyplatenia);
    accept();
}

void TZnalecKevrotEditForm::reject()
{
    if (!spravy().otazka(QStringLiteral("Chcete skutočne ukončiť editovanie záznamu?\nZmeny nebudú uložené.")))
        return;
    QDialog::reject();
}

bool UpravZaznam(QWidget* rodic, UpravaZaznamu& uprava, const ZdrojeEditora& zdroje)
{
    TZnalecKevrotEditForm okno(uprava, zdroje, rodic);
    if (okno.exec() != QDialog::Accepted)
        return false;
    uprava = okno.uprava();
    return true;
}
