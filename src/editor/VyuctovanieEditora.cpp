// The entry editor's tab "Vyúčtovanie": billed and awarded amounts, symbols, payment, the
// documents' issue date and buttons, and the remuneration window.

#include "TZnalecKevrotEditForm.h"

#include "editor/DatumVystavenia.h"
#include "editor/DokladyPanel.h"
#include "editor/EFakturaPrikaz.h"
#include "editor/KonstantneSymboly.h"
#include "editor/PoleEditora.h"
#include "editor/Splatnost.h"
#include "editor/VstupPoli.h"
#include "editor/VyplatenieTab.h"
#include "editor/ZnalecneZaznamu.h"
#include "remuneration/TVydavkyForm.h"
#include "reports/TlacCestovnehoPrikazu.h"
#include "reports/TlacKevrotaOkna.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"
#include "widgets/PoleTextovehoZoznamu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QComboBox* volnyCombo(QWidget* rodic, const QStringList& polozky, int maxDlzka)
{
    auto* c = new QComboBox(rodic);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(polozky);
    c->lineEdit()->setMaxLength(maxDlzka);
    return c;
}
}  // namespace

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
        ohlas(UlozDatumVystavenia(d));
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

void TZnalecKevrotEditForm::napisanySymbol(const QString& text)
{
    ComboBox5->setCurrentIndex(KonstantneSymboly::IndexPodlaTextu(text));
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
