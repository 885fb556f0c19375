#include "TZnalecKevrotEditForm.h"

#include "settings/TlacidlaDialogu.h"

#include "editor/PoleEditora.h"
#include "editor/TextyTab.h"
#include "editor/VstupPoli.h"
#include "editor/VyplatenieTab.h"
#include "editor/ZnalecneZaznamu.h"
#include "settings/HodnotyNastavenia.h"
#include "settings/Iban.h"
#include "settings/TextyZnalca.h"
#include "settings_window/TNastavenieForm.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Spravy.h"
#include "widgets/PoleTextovehoZoznamu.h"
#include "widgets/VelkostOkna.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
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

    // Enter in a field means OK, never a document command.
    const TlacidlaDialogu t = VytvorTlacidla(this);
    btnOK = t.ok;
    btnStorno = t.storno;
    btnNastavenie = new QPushButton(QStringLiteral("Nastavenie programu"), this);
    btnNastavenie->setAutoDefault(false);
    auto* dole = new QHBoxLayout;
    dole->addWidget(btnNastavenie);
    dole->addStretch();
    dole->addWidget(t.riadok);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(hlavicka);
    hlavny->addWidget(Zalozky, 1);
    hlavny->addLayout(dole);

    connect(btnOK, &QPushButton::clicked, this, &TZnalecKevrotEditForm::Potvrd);
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
        const QString iban = IbanZnalca(n, NacitajNastaveniaEFaktury()).hodnotaAlebo({});
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
