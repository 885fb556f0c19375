#include "TNastavenieForm.h"

#include "store/Datum.h"
#include "store/SadzbyDPH.h"

#include "NastavenieSubory.h"
#include "word/HlavickaZnalca.h"
#include "word/RtfQt.h"
#include "word/RtfZapisovac.h"
#include "widgets/RichEditForm.h"
#include "widgets/VelkostOkna.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "remuneration/TOdmenyVydavkyPreddefTexty.h"
#include "settings/Banky.h"
#include "settings/TBankaForm.h"
#include "settings/TNastaveniaEFakturyForm.h"
#include "settings/TVozidloEditForm.h"
#include "settings/TZapisaneJazykyForm.h"
#include "settings/TZapisaneOdboryForm.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/Subory.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLineEdit* pole(QWidget* rodic, const QString& text, int maxDlzka)
{
    auto* e = new QLineEdit(text, rodic);
    e->setMaxLength(maxDlzka);
    return e;
}

QToolButton* maleTlacidlo(QWidget* rodic, const QString& text, const QString& hint)
{
    auto* b = new QToolButton(rodic);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

QPushButton* tlacidlo(QWidget* rodic, const QString& text)
{
    auto* b = new QPushButton(text, rodic);
    b->setAutoDefault(false);
    return b;
}

// The installed fonts by name, with the chosen one even when it is not installed.
QStringList fonty(const QString& zvoleny)
{
    QStringList f = QFontDatabase::families();
    if (!zvoleny.isEmpty() && !f.contains(zvoleny))
        f << zvoleny;
    QCollator c(QLocale(QLocale::Slovak, QLocale::Slovakia));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(f.begin(), f.end(), c);
    return f;
}

int indexSady(SadaSablon sada) { return int(sada); }

}  // namespace

TNastavenieForm::TNastavenieForm(const HodnotyNastavenia& hodnoty, CiselnikyNastavenia ciselniky, QWidget* rodic)
    : QDialog(rodic), m_h(hodnoty), m_ciselniky(ciselniky)
{
    setWindowTitle(QStringLiteral("Nastavenie programu"));
    NastavenieSubory::PrevedStareTexty(m_h);
    m_h.hlavickaText.clear();
    m_h.nastavenie.TextVyuctovania.clear();
    m_h.nastavenie.TextVyuctovaniaCiastka.clear();

    Zalozky = new QTabWidget(this);
    Zalozky->addTab(new SvitokStranky(vytvorUdaje()), QString());
    Zalozky->addTab(vytvorTlac(), QStringLiteral("Nastavenie tlače"));
    Zalozky->addTab(vytvorCisloKevrota(), QStringLiteral("Nastavenie čísla kevrota"));
    Zalozky->addTab(vytvorHlavickuPatu(), QStringLiteral("Hlavička/päta vyúčtovania"));
    auto* texty = new QWidget(this);
    auto* lt = new QVBoxLayout(texty);
    auto* dva = new QHBoxLayout;
    dva->addWidget(vytvorZoznam(SadaSablon::Vyuctovanie, QStringLiteral("Text vyúčtovania/faktúr"), texty));
    dva->addWidget(
        vytvorZoznam(SadaSablon::FinancnaCiastka, QStringLiteral("Text vyúčtovania/faktúr - finančná čiastka"), texty));
    lt->addLayout(dva, 1);
    btnHlavickyOdmien = tlacidlo(texty, QStringLiteral("Nastavenie hlavičiek odmien a výdavkov"));
    lt->addWidget(btnHlavickyOdmien, 0, Qt::AlignLeft);
    Zalozky->addTab(texty, QStringLiteral("Texty vyúčtovania"));
    auto* koresp = new QWidget(this);
    auto* lk = new QVBoxLayout(koresp);
    lk->addWidget(vytvorZoznam(SadaSablon::Korespondencia, QStringLiteral("Objednávky - korešpondencia"), koresp));
    Zalozky->addTab(koresp, QStringLiteral("Korešpondencia"));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnStorno = tlacidlo(this, QStringLiteral("Storno"));
    btnOK->setAutoDefault(false);
    btnNastaveniaEFaktury = tlacidlo(this, QStringLiteral("Nastavenia e-faktúry"));
    auto* dole = new QHBoxLayout;
    dole->addWidget(btnNastaveniaEFaktury);
    dole->addStretch();
    dole->addWidget(btnOK);
    dole->addWidget(btnStorno);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Zalozky, 1);
    l->addLayout(dole);
    connect(btnOK, &QPushButton::clicked, this, &TNastavenieForm::Potvrd);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHlavickyOdmien, &QPushButton::clicked, this, &TNastavenieForm::HlavickyOdmien);
    connect(btnNastaveniaEFaktury, &QPushButton::clicked, this, &TNastavenieForm::OtvorNastaveniaEFaktury);

    const int druh = m_h.nastavenie.Druh == Tlmocnik || m_h.nastavenie.Druh == Prekladatel ? m_h.nastavenie.Druh : Znalec;
    (druh == Tlmocnik ? rbTlmocnik : druh == Prekladatel ? rbPrekladatel : rbZnalec)->setChecked(true);
    NastavDruh(druh);
    ObnovHlavicku(false);
    ObnovHlavicku(true);
    resize(1020, 720);
}

QWidget* TNastavenieForm::vytvorUdaje()
{
    const TNastavenia& n = m_h.nastavenie;
    auto* w = new QWidget(this);
    rbZnalec = new QRadioButton(QStringLiteral("Znalec"), w);
    rbTlmocnik = new QRadioButton(QStringLiteral("Tlmočník"), w);
    rbPrekladatel = new QRadioButton(QStringLiteral("Prekladateľ"), w);
    auto* druhy = new QButtonGroup(w);
    druhy->addButton(rbZnalec, Znalec);
    druhy->addButton(rbTlmocnik, Tlmocnik);
    druhy->addButton(rbPrekladatel, Prekladatel);
    connect(druhy, &QButtonGroup::idClicked, this, &TNastavenieForm::NastavDruh);
    auto* riadokDruhov = new QHBoxLayout;
    for (auto* r : {rbZnalec, rbTlmocnik, rbPrekladatel})
        riadokDruhov->addWidget(r);
    riadokDruhov->addStretch();

    // A new installation has no name yet: then it is typed here, once.
    const bool prvySpustenie = n.Meno.isEmpty() && n.Priezvisko.isEmpty();
    lblPrvySpustenie = new QLabel(
        QStringLiteral("Zvoľte, či ste znalec, tlmočník alebo prekladateľ, a vyplňte svoje meno a údaje."), w);
    lblPrvySpustenie->setVisible(prvySpustenie);
    grpUdaje = new QGroupBox(w);
    auto* f = new QGridLayout(grpUdaje);
    lblMeno = new QLabel(grpUdaje);
    auto* meno = new QHBoxLayout;
    if (prvySpustenie) {
        editKrstneMeno = pole(grpUdaje, n.Meno, 200);
        editKrstneMeno->setPlaceholderText(QStringLiteral("meno"));
        editPriezvisko = pole(grpUdaje, n.Priezvisko, 200);
        editPriezvisko->setPlaceholderText(QStringLiteral("priezvisko"));
        meno->addWidget(editKrstneMeno);
        meno->addWidget(editPriezvisko);
    } else {
        editMeno = new QLineEdit(n.Meno + u' ' + n.Priezvisko, grpUdaje);
        editMeno->setReadOnly(true);
        meno->addWidget(editMeno);
    }
    editTitulPred = pole(grpUdaje, n.TitulPred, 200);
    editTitulZa = pole(grpUdaje, n.TitulZa, 200);
    editAdresa = pole(grpUdaje, n.Adresa, 200);
    editMesto = pole(grpUdaje, n.Mesto, 200);
    editPSC = pole(grpUdaje, n.PSC, 10);
    editEC = pole(grpUdaje, n.EC, 10);
    f->addWidget(lblMeno, 0, 0);
    f->addLayout(meno, 0, 1, 1, 3);
    f->addWidget(new QLabel(QStringLiteral("Titul pred menom:"), grpUdaje), 1, 0);
    f->addWidget(editTitulPred, 1, 1);
    f->addWidget(new QLabel(QStringLiteral("Titul za menom:"), grpUdaje), 1, 2);
    f->addWidget(editTitulZa, 1, 3);
    f->addWidget(new QLabel(QStringLiteral("Adresa:"), grpUdaje), 2, 0);
    f->addWidget(editAdresa, 2, 1, 1, 3);
    f->addWidget(new QLabel(QStringLiteral("Mesto:"), grpUdaje), 3, 0);
    f->addWidget(editMesto, 3, 1);
    f->addWidget(new QLabel(QStringLiteral("PSČ:"), grpUdaje), 3, 2);
    f->addWidget(editPSC, 3, 3);
    f->addWidget(new QLabel(QStringLiteral("Evidenčné číslo:"), grpUdaje), 4, 0);
    f->addWidget(editEC, 4, 1);

    cmbBanka = new QComboBox(grpUdaje);
    cmbBanka->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbBanka->setMinimumContentsLength(36);
    btnPridajBanku = maleTlacidlo(grpUdaje, QStringLiteral("+"), QStringLiteral("Pridaj novú banku"));
    btnZmazBanku = maleTlacidlo(grpUdaje, QStringLiteral("-"), QStringLiteral("Zmaž banku"));
    btnOpravBanku = maleTlacidlo(grpUdaje, QStringLiteral("…"), QStringLiteral("Oprav banku"));
    auto* banka = new QHBoxLayout;
    banka->addWidget(cmbBanka, 1);
    banka->addWidget(btnPridajBanku);
    banka->addWidget(btnZmazBanku);
    banka->addWidget(btnOpravBanku);
    f->addWidget(new QLabel(QStringLiteral("Banka:"), grpUdaje), 5, 0);
    f->addLayout(banka, 5, 1, 1, 3);
    editCisloUctu = pole(grpUdaje, n.CisloUctu, 40);
    editCisloUctu->setPlaceholderText(QStringLiteral("predčíslie-číslo alebo IBAN"));
    editKodBanky = pole(grpUdaje, n.Banka, 4);
    editKodBanky->setFixedWidth(60);
    auto* ucet = new QHBoxLayout;
    ucet->addWidget(editCisloUctu, 1);
    ucet->addWidget(new QLabel(QStringLiteral("/"), grpUdaje));
    ucet->addWidget(editKodBanky);
    f->addWidget(new QLabel(QStringLiteral("Číslo účtu:"), grpUdaje), 6, 0);
    f->addLayout(ucet, 6, 1);
    editIban = pole(grpUdaje, m_h.eFaktura.IBAN, 42);
    editBic = pole(grpUdaje, m_h.eFaktura.BIC, 11);
    f->addWidget(new QLabel(QStringLiteral("IBAN:"), grpUdaje), 7, 0);
    f->addWidget(editIban, 7, 1);
    f->addWidget(new QLabel(QStringLiteral("BIC:"), grpUdaje), 7, 2);
    f->addWidget(editBic, 7, 3);
    connect(editCisloUctu, &QLineEdit::editingFinished, this, [this] { OverUcet(true); });
    connect(editIban, &QLineEdit::editingFinished, this, [this] { OverUcet(true); });
    editTelefon = pole(grpUdaje, m_h.eFaktura.Telefon, 40);
    editEmail = pole(grpUdaje, m_h.eFaktura.Email, 80);
    f->addWidget(new QLabel(QStringLiteral("Telefón:"), grpUdaje), 8, 0);
    f->addWidget(editTelefon, 8, 1);
    f->addWidget(new QLabel(QStringLiteral("E-mail:"), grpUdaje), 8, 2);
    f->addWidget(editEmail, 8, 3);
    editICO = pole(grpUdaje, n.ICO, 10);
    editDIC = pole(grpUdaje, n.DIC, 10);
    editICDPH = pole(grpUdaje, n.ICDPH, 15);
    f->addWidget(new QLabel(QStringLiteral("IČO:"), grpUdaje), 9, 0);
    f->addWidget(editICO, 9, 1);
    f->addWidget(new QLabel(QStringLiteral("DIČ:"), grpUdaje), 9, 2);
    f->addWidget(editDIC, 9, 3);
    f->addWidget(new QLabel(QStringLiteral("IČ DPH:"), grpUdaje), 10, 0);
    f->addWidget(editICDPH, 10, 1);
    chkPlatca = new QCheckBox(grpUdaje);
    chkPlatca->setChecked(n.PlatcaDPH);
    editSadzba = new QLineEdit(TextSadzby(n.SadzbaDPH), grpUdaje);
    editSadzba->setFixedWidth(70);
    auto* dph = new QHBoxLayout;
    dph->addWidget(chkPlatca);
    dph->addSpacing(16);
    dph->addWidget(new QLabel(QStringLiteral("Implicitná sadzba DPH:"), grpUdaje));
    dph->addWidget(editSadzba);
    dph->addStretch();
    f->addLayout(dph, 11, 0, 1, 4);
    chkDualne = new QCheckBox(QStringLiteral("zobrazovať duálne ceny EUR/SKK"), grpUdaje);
    chkDualne->setChecked(m_h.dualne);
    f->addWidget(chkDualne, 12, 0, 1, 2);
    btnZapisaneKody = tlacidlo(grpUdaje, QString());
    f->addWidget(btnZapisaneKody, 12, 2, 1, 2);
    f->setColumnStretch(1, 1);
    f->setColumnStretch(3, 1);

    auto* cestak = new QGroupBox(QStringLiteral("Nastavenie cestovného príkazu"), w);
    gridVozidla = new QTableWidget(0, 3, cestak);
    gridVozidla->setHorizontalHeaderLabels({QStringLiteral("Vozidlo"), QStringLiteral("EČ"), QString()});
    gridVozidla->setColumnHidden(2, true);
    gridVozidla->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridVozidla->setSelectionMode(QAbstractItemView::SingleSelection);
    gridVozidla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridVozidla->verticalHeader()->hide();
    gridVozidla->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    gridVozidla->setMinimumHeight(110);
    btnNoveVozidlo = tlacidlo(cestak, QStringLiteral("Nové vozidlo"));
    btnEditujVozidlo = tlacidlo(cestak, QStringLiteral("Edituj vozidlo"));
    btnVymazVozidlo = tlacidlo(cestak, QStringLiteral("Vymaž vozidlo"));
    rbBezDPH = new QRadioButton(QStringLiteral("bez DPH"), cestak);
    rbSDPH = new QRadioButton(QStringLiteral("s DPH"), cestak);
    (n.CestakBezDPH != 0 ? rbBezDPH : rbSDPH)->setChecked(true);
    auto* lc = new QGridLayout(cestak);
    lc->addWidget(gridVozidla, 0, 0, 4, 1);
    lc->addWidget(btnNoveVozidlo, 0, 1);
    lc->addWidget(btnEditujVozidlo, 1, 1);
    lc->addWidget(btnVymazVozidlo, 2, 1);
    auto* cena = new QHBoxLayout;
    cena->addWidget(new QLabel(QStringLiteral("Cena zadaná:"), cestak));
    cena->addWidget(rbBezDPH);
    cena->addWidget(rbSDPH);
    cena->addStretch();
    lc->addLayout(cena, 4, 0, 1, 2);

    auto* l = new QVBoxLayout(w);
    l->addWidget(lblPrvySpustenie);
    l->addLayout(riadokDruhov);
    l->addWidget(grpUdaje);
    l->addWidget(cestak, 1);

    naplnBanky();
    naplnVozidla();
    connect(cmbBanka, &QComboBox::activated, this, &TNastavenieForm::ZvolenaBanka);
    connect(editKodBanky, &QLineEdit::textEdited, this, &TNastavenieForm::NapisanyKodBanky);
    connect(btnPridajBanku, &QToolButton::clicked, this, &TNastavenieForm::PridajBanku);
    connect(btnZmazBanku, &QToolButton::clicked, this, &TNastavenieForm::ZmazBanku);
    connect(btnOpravBanku, &QToolButton::clicked, this, &TNastavenieForm::OpravBanku);
    connect(chkPlatca, &QCheckBox::toggled, this, [this](bool b) {
        m_h.nastavenie.PlatcaDPH = b;
        // A new VAT payer without a rate charges the standard rate in force today.
        if (b && !(CitajSadzbu(editSadzba->text()).value_or(0) > 0)) {
            m_h.nastavenie.SadzbaDPH = SadzbaDPHKDatumu(Dnes(), m_h.nastavenie.SadzbaDPH);
            editSadzba->setText(TextSadzby(m_h.nastavenie.SadzbaDPH));
        }
    });
    connect(editSadzba, &QLineEdit::editingFinished, this, &TNastavenieForm::OpustilSadzbu);
    connect(btnZapisaneKody, &QPushButton::clicked, this, &TNastavenieForm::ZapisaneKody);
    connect(btnNoveVozidlo, &QPushButton::clicked, this, &TNastavenieForm::NoveVozidlo);
    connect(btnEditujVozidlo, &QPushButton::clicked, this, &TNastavenieForm::EditujVozidlo);
    connect(btnVymazVozidlo, &QPushButton::clicked, this, &TNastavenieForm::VymazVozidlo);
    connect(gridVozidla, &QTableWidget::cellDoubleClicked, this, &TNastavenieForm::EditujVozidlo);
    return w;
}

QWidget* TNastavenieForm::vytvorTlac()
{
    const TNastavenia& n = m_h.nastavenie;
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    auto font = [&](int riadok, const QString& nazov, const QString& meno, int velkost, QComboBox*& cmb,
                    QSpinBox*& spin) {
        cmb = new QComboBox(w);
        cmb->addItems(fonty(meno));
        cmb->setCurrentIndex(cmb->findText(meno));
        spin = new QSpinBox(w);
        spin->setRange(0, 20);
        spin->setValue(velkost);
        g->addWidget(new QLabel(nazov, w), riadok, 0);
        g->addWidget(cmb, riadok, 1);
        g->addWidget(spin, riadok, 2);
    };
    font(0, QStringLiteral("Základný font"), n.BasicFontName, n.BasicFontSize, cmbFontZakladny, spinFontZakladny);
    font(1, QStringLiteral("Font tabuľky"), n.TableFontName, n.TableFontSize, cmbFontTabulky, spinFontTabulky);
    font(2, QStringLiteral("Nadpisy"), n.TitleFontName, n.TitleFontSize, cmbFontNadpisy, spinFontNadpisy);
    chkTucne = new QCheckBox(QStringLiteral("tučné"), w);
    chkTucne->setChecked(n.TitleFontStyleBold);
    chkKurziva = new QCheckBox(QStringLiteral("kurzíva"), w);
    chkKurziva->setChecked(n.TitleFontStyleItalic);
    g->addWidget(chkTucne, 2, 3);
    g->addWidget(chkKurziva, 2, 4);
    g->addWidget(new QLabel(QStringLiteral("Textový editor:"), w), 3, 0);
    g->addWidget(new QLabel(cezTextovyProcesor() ? QStringLiteral("LibreOffice Writer") : QStringLiteral("vstavaný editor"), w),
                 3, 1);
    g->setRowStretch(4, 1);
    g->setColumnStretch(5, 1);
    return w;
}

QWidget* TNastavenieForm::vytvorCisloKevrota()
{
    auto* w = new QWidget(this);
    auto* f = new QFormLayout(w);
    editCisloKevrota = new QLineEdit(QString::number(m_h.tlac.KevrotCislo), w);
    editCisloKevrota->setFixedWidth(90);
    f->addRow(QStringLiteral("Číslo kevrota:"), editCisloKevrota);
    // The appointment texts pass through the window unchanged.
    connect(editCisloKevrota, &QLineEdit::editingFinished, this, &TNastavenieForm::OpustilCisloKevrota);
    return w;
}

QWidget* TNastavenieForm::vytvorHlavickuPatu()
{
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    auto stlpec = [&](int s, const QString& nazov, QTextEdit*& view, QPushButton*& edituj, QPushButton*& obnov) {
        view = new QTextEdit(w);
        view->setReadOnly(true);
        edituj = tlacidlo(w, QStringLiteral("Edituj"));
        obnov = tlacidlo(w, QStringLiteral("Obnov"));
        g->addWidget(new QLabel(nazov, w), 0, s);
        g->addWidget(view, 1, s);
        auto* r = new QHBoxLayout;
        r->addWidget(edituj);
        r->addWidget(obnov);
        r->addStretch();
        g->addLayout(r, 2, s);
    };
    stlpec(0, QStringLiteral("Hlavička vyúčtovania"), viewHlavicka, btnEditujHlavicku, btnObnovHlavicku);
    stlpec(1, QStringLiteral("Päta vyúčtovania"), viewPata, btnEditujPatu, btnObnovPatu);
    btnHlavickaZAdresy = tlacidlo(w, QStringLiteral("Vytvor hlavičku z adresy"));
    g->addWidget(btnHlavickaZAdresy, 3, 0, Qt::AlignLeft);
    btnPataZNastaveni = tlacidlo(w, QStringLiteral("Vytvor pätu z nastavení"));
    g->addWidget(btnPataZNastaveni, 3, 1, Qt::AlignLeft);
    connect(btnPataZNastaveni, &QPushButton::clicked, this, &TNastavenieForm::PataZNastaveni);
    chkWord = new QCheckBox(QStringLiteral("používať Word na editáciu textov"), w);
    // Without a word processor the built-in editor is used always.
    chkWord->setVisible(cezTextovyProcesor());
    g->addWidget(chkWord, 4, 0, 1, 2);
    connect(btnEditujHlavicku, &QPushButton::clicked, this, [this] { EditujHlavicku(false); });
    connect(btnEditujPatu, &QPushButton::clicked, this, [this] { EditujHlavicku(true); });
    connect(btnObnovHlavicku, &QPushButton::clicked, this, [this] { ObnovHlavicku(false); });
    connect(btnObnovPatu, &QPushButton::clicked, this, [this] { ObnovHlavicku(true); });
    connect(btnHlavickaZAdresy, &QPushButton::clicked, this, &TNastavenieForm::HlavickaZAdresy);
    return w;
}

QWidget* TNastavenieForm::vytvorZoznam(SadaSablon sada, const QString& nadpis, QWidget* rodic)
{
    auto* skupina = new QGroupBox(nadpis, rodic);
    ZoznamSablon& z = sablony(sada);
    z.zoznam = new QListWidget(skupina);
    z.novy = tlacidlo(skupina, QStringLiteral("Nový text"));
    z.vymaz = tlacidlo(skupina, QStringLiteral("Vymaž text"));
    z.obnov = tlacidlo(skupina, QStringLiteral("Obnov"));
    auto* r = new QHBoxLayout;
    r->addWidget(z.novy);
    r->addWidget(z.vymaz);
    r->addWidget(z.obnov);
    r->addStretch();
    auto* l = new QVBoxLayout(skupina);
    l->addWidget(z.zoznam, 1);
    l->addLayout(r);
    connect(z.novy, &QPushButton::clicked, this, [this, sada] {
        bool ok = false;
        const QString nazov = QInputDialog::getText(this, QStringLiteral("Názov textu"),
                                                    QStringLiteral("Zadajte názov textu"), QLineEdit::Normal, {}, &ok);
        if (ok)
            NovyText(sada, nazov);
    });
    connect(z.vymaz, &QPushButton::clicked, this, [this, sada] { VymazText(sada); });
    connect(z.obnov, &QPushButton::clicked, this, [this, sada] { ObnovZoznam(sada); });
    connect(z.zoznam, &QListWidget::itemDoubleClicked, this, [this, sada] { OtvorText(sada); });
    return skupina;
}

TNastavenieForm::ZoznamSablon& TNastavenieForm::sablony(SadaSablon sada) { return m_zoznamy[indexSady(sada)]; }

bool TNastavenieForm::cezWord() const { return chkWord->isChecked() && !chkWord->isHidden(); }

bool TNastavenieForm::cezTextovyProcesor() const
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()
        || !QStandardPaths::findExecutable(QStringLiteral("libreoffice")).isEmpty();
}

void TNastavenieForm::NastavDruh(int druh)
{
    m_h.nastavenie.Druh = druh;
    nastavPopisy();
    SablonyDruhu::vytvorPriecinky(druh);
    for (auto sada : {SadaSablon::Vyuctovanie, SadaSablon::FinancnaCiastka, SadaSablon::Korespondencia})
        ObnovZoznam(sada);
}

void TNastavenieForm::nastavPopisy()
{
    const PopisyDruhu p = PopisyPreDruh(m_h.nastavenie.Druh);
    Zalozky->setTabText(Udaje, QStringLiteral("Nastavenie údajov o ") + p.skupina.mid(QStringLiteral("Údaje o ").size()));
    grpUdaje->setTitle(p.skupina);
    lblMeno->setText(p.meno);
    chkPlatca->setText(p.platca);
    btnZapisaneKody->setText(p.ciselnik);
}

bool TNastavenieForm::OpustilSadzbu()
{
    if (const auto v = CitajSadzbu(editSadzba->text())) {
        m_h.nastavenie.SadzbaDPH = *v;
        editSadzba->setText(TextSadzby(*v));
        return true;
    }
    spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
    // An emptied box gets the rate in force back, so that it is not lost unseen.
    if (editSadzba->text().trimmed().isEmpty())
        editSadzba->setText(TextSadzby(m_h.nastavenie.SadzbaDPH));
    else
        editSadzba->clear();
    editSadzba->setFocus();
    return false;
}

void TNastavenieForm::OpustilCisloKevrota()
{
    if (editCisloKevrota->text().trimmed().isEmpty())
        return;
    if (const auto v = CitajCisloKevrota(editCisloKevrota->text())) {
        m_h.tlac.KevrotCislo = *v;
        return;
    }
    spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
    editCisloKevrota->clear();
    editCisloKevrota->setFocus();
}

void TNastavenieForm::naplnBanky()
{
    const auto banky = NacitajBanky();
    m_bankyCitatelne = banky.has_value();
    m_banky = banky.value_or(QStringList());
    // An unreadable list file is not overwritten by a list that lacks it.
    for (auto* b : {btnPridajBanku, btnZmazBanku, btnOpravBanku})
        b->setEnabled(m_bankyCitatelne);
    cmbBanka->clear();
    cmbBanka->addItems(m_banky);
    cmbBanka->setCurrentIndex(PolozkaSKodom(m_banky, editKodBanky->text()));
}

void TNastavenieForm::ulozBanky(int vybrana)
{
    UlozBanky(m_banky);
    cmbBanka->clear();
    cmbBanka->addItems(m_banky);
    cmbBanka->setCurrentIndex(vybrana < m_banky.size() ? vybrana : -1);
}

void TNastavenieForm::ZvolenaBanka(int index)
{
    if (index >= 0 && index < m_banky.size())
        editKodBanky->setText(KodPolozkyBanky(m_banky.at(index)));
}

void TNastavenieForm::NapisanyKodBanky(const QString& text) { cmbBanka->setCurrentIndex(PolozkaSKodom(m_banky, text)); }

void TNastavenieForm::PridajBanku()
{
    TBankaForm f({}, this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_banky.append(f.polozka());
    ulozBanky(int(m_banky.size()) - 1);
    editKodBanky->setText(f.kod());
}

void TNastavenieForm::ZmazBanku()
{
    const int i = cmbBanka->currentIndex();
    if (i < 0 || i >= m_banky.size())
        return;
    if (!spravy().otazka(QStringLiteral("Skutočne si prajete vymazať banku: \r") + m_banky.at(i) + u'?'))
        return;
    m_banky.removeAt(i);
    ulozBanky(-1);
    editKodBanky->clear();
}

void TNastavenieForm::OpravBanku()
{
    const int i = cmbBanka->currentIndex();
    if (i < 0 || i >= m_banky.size())
        return;
    TBankaForm f(m_banky.at(i), this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_banky[i] = f.polozka();
    ulozBanky(i);
    editKodBanky->setText(f.kod());
}

void TNastavenieForm::ZapisaneKody()
{
    if (m_h.nastavenie.Druh == Tlmocnik || m_h.nastavenie.Druh == Prekladatel) {
        TZapisaneJazykyForm f(m_ciselniky.jazyky, m_h.jazyky, this);
        if (f.exec() == QDialog::Accepted)
            m_h.jazyky = f.texty();
        return;
    }
    TZapisaneOdboryForm f(m_ciselniky.odbory, m_h.odbory, this);
    if (f.exec() == QDialog::Accepted)
        m_h.odbory = f.kody();
}

void TNastavenieForm::naplnVozidla()
{
    gridVozidla->setRowCount(int(m_h.vozidla.size()));
    for (int i = 0; i < m_h.vozidla.size(); ++i) {
        gridVozidla->setItem(i, 0, new QTableWidgetItem(m_h.vozidla.at(i).Nazov));
        gridVozidla->setItem(i, 1, new QTableWidgetItem(m_h.vozidla.at(i).EvidencneCislo));
        gridVozidla->setItem(i, 2, new QTableWidgetItem(QString::number(i)));
    }
}

void TNastavenieForm::NoveVozidlo()
{
    TVozidloEditForm f(TVozidlo{}, this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_h.vozidla.append(f.vozidlo());
    naplnVozidla();
}

void TNastavenieForm::EditujVozidlo()
{
    const int i = gridVozidla->currentRow();
    if (i < 0 || i >= m_h.vozidla.size())
        return;
    TVozidloEditForm f(m_h.vozidla.at(i), this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_h.vozidla[i] = f.vozidlo();
    naplnVozidla();
}

void TNastavenieForm::VymazVozidlo()
{
    const int i = gridVozidla->currentRow();
    if (i < 0 || i >= m_h.vozidla.size())
        return;
    m_h.vozidla.removeAt(i);
    naplnVozidla();
}

void TNastavenieForm::editujSubor(const QString& subor, const QString& titulok, int panel)
{
    prevezmiPolia();
    const TNastavenia& n = m_h.nastavenie;
    if (cezWord()) {
        // The word processor opens a file: a new one starts as an empty text in the basic font.
        if (!QFileInfo::exists(subor)) {
            if (const Vysledok v = Subory::ulozAtomicky(subor, RtfZapisovac::jedenOdsek({}, n.BasicFontName, n.BasicFontSize));
                !v) {
                Subory::ohlasChybuZapisu(subor, v.dovod());
                return;
            }
        }
        spravy().otvorSubor(subor);
        return;
    }
    TRichEditForm editor(this);
    editor.nastavCiel(subor, titulok, RichEdit::Panel(panel), true, n.BasicFontName, n.BasicFontSize);
    editor.exec();
}

void TNastavenieForm::EditujHlavicku(bool pata)
{
    const QString subor = pata ? SablonyDruhu::suborPaty() : SablonyDruhu::suborHlavicky();
    const bool word = cezWord();
    editujSubor(subor, pata ? QStringLiteral("[Päta vyúčtovania]") : QStringLiteral("[Hlavička vyúčtovania]"),
                int(RichEdit::Panel::Ziadny));
    if (!word)
        ObnovHlavicku(pata);
}

void TNastavenieForm::ObnovHlavicku(bool pata)
{
    const QString subor = pata ? SablonyDruhu::suborPaty() : SablonyDruhu::suborHlavicky();
    QTextEdit* view = pata ? viewPata : viewHlavicka;
    if (HlavickaZnalca::jeVlastna(subor)) {
        RtfQt::nacitajSubor(subor, *view->document());
        return;
    }
    // Until the user writes his own, the documents take the one made from the settings.
    const QString text = pata ? RiadokPaty(m_h.nastavenie, m_h.eFaktura)
                              : RiadkyHlavicky(m_h.nastavenie, m_h.eFaktura).join(u'\n');
    view->setPlainText(text);
}

void TNastavenieForm::HlavickaZAdresy()
{
    prevezmiPolia();
    NastavenieSubory::VytvorHlavickuZAdresy(m_h.nastavenie, m_h.eFaktura);
    ObnovHlavicku(false);
}

void TNastavenieForm::PataZNastaveni()
{
    prevezmiPolia();
    NastavenieSubory::VytvorPatuZNastaveni(m_h.nastavenie, m_h.eFaktura);
    ObnovHlavicku(true);
}

bool TNastavenieForm::OverUcet(bool hlasit)
{
    const PoliaUctu p = UpravPoliaUctu({editCisloUctu->text(), editKodBanky->text(), editIban->text()});
    if (p.cisloUctu != editCisloUctu->text())
        editCisloUctu->setText(p.cisloUctu);
    if (p.kodBanky != editKodBanky->text())
        editKodBanky->setText(p.kodBanky);
    if (p.iban != editIban->text())
        editIban->setText(p.iban);
    const QString chyba = ChybaPoliUctu(p);
    if (!chyba.isEmpty() && hlasit)
        spravy().chyba(chyba);
    return chyba.isEmpty();
}

void TNastavenieForm::ObnovZoznam(SadaSablon sada)
{
    QListWidget* z = sablony(sada).zoznam;
    z->clear();
    z->addItems(SablonyDruhu::zoznamSuborovRtf(SablonyDruhu::adresar(sada, m_h.nastavenie.Druh)).mid(1));
}

void TNastavenieForm::NovyText(SadaSablon sada, const QString& nazov)
{
    const QString adresar = SablonyDruhu::adresar(sada, m_h.nastavenie.Druh);
    const QString subor = NastavenieSubory::suborSablony(adresar, nazov);
    if (subor.isEmpty())
        return;
    Cesty::vytvorJednuUroven(SablonyDruhu::koren());
    Cesty::vytvorJednuUroven(adresar);
    const bool word = cezWord() && sada != SadaSablon::Korespondencia;
    const auto panel = sada == SadaSablon::Korespondencia ? RichEdit::Panel::Korespondencia : RichEdit::Panel::Vyuctovanie;
    if (word) {
        editujSubor(subor, {}, int(panel));
        return;
    }
    // The built-in editor for correspondence whatever the check box says.
    const QString titulok = u'[' + nazov + QStringLiteral(".rtf]");
    TRichEditForm editor(this);
    const TNastavenia& n = m_h.nastavenie;
    editor.nastavCiel(subor, titulok, panel, true, n.BasicFontName, n.BasicFontSize);
    editor.exec();
    ObnovZoznam(sada);
}

void TNastavenieForm::OtvorText(SadaSablon sada)
{
    QListWidgetItem* p = sablony(sada).zoznam->currentItem();
    if (!p)
        return;
    const QString subor =
        NastavenieSubory::suborSablony(SablonyDruhu::adresar(sada, m_h.nastavenie.Druh), p->text());
    if (subor.isEmpty() || !QFileInfo(subor).isFile())
        return;
    NovyText(sada, p->text());
}

void TNastavenieForm::VymazText(SadaSablon sada)
{
    QListWidgetItem* p = sablony(sada).zoznam->currentItem();
    if (!p)
        return;
    const QString subor =
        NastavenieSubory::suborSablony(SablonyDruhu::adresar(sada, m_h.nastavenie.Druh), p->text());
    if (!subor.isEmpty())
        QFile::remove(subor);
    ObnovZoznam(sada);
}

void TNastavenieForm::HlavickyOdmien()
{
    TOdmenyVydavkyPreddefTexty f(m_ciselniky.preddefTexty, this);
    if (f.exec() == QDialog::Accepted)
        m_ciselniky.preddefTexty.UlozPreddefTexty();
}

void TNastavenieForm::prevezmiPolia()
{
    TNastavenia& n = m_h.nastavenie;
    if (editKrstneMeno) {
        n.Meno = editKrstneMeno->text();
        n.Priezvisko = editPriezvisko->text();
    }
    n.TitulPred = editTitulPred->text();
    n.TitulZa = editTitulZa->text();
    n.Adresa = editAdresa->text();
    n.Mesto = editMesto->text();
    n.PSC = editPSC->text();
    n.EC = editEC->text();
    n.Banka = editKodBanky->text();
    n.CisloUctu = editCisloUctu->text();
    m_h.eFaktura.IBAN = editIban->text();
    m_h.eFaktura.BIC = editBic->text().trimmed().toUpper();
    m_h.eFaktura.Telefon = editTelefon->text().trimmed();
    m_h.eFaktura.Email = editEmail->text().trimmed();
    n.ICO = editICO->text();
    n.DIC = editDIC->text();
    n.ICDPH = editICDPH->text();
    n.CestakBezDPH = rbBezDPH->isChecked() ? 1 : 0;
    n.BasicFontName = cmbFontZakladny->currentText();
    n.BasicFontSize = spinFontZakladny->value();
    n.TableFontName = cmbFontTabulky->currentText();
    n.TableFontSize = spinFontTabulky->value();
    n.TitleFontName = cmbFontNadpisy->currentText();
    n.TitleFontSize = spinFontNadpisy->value();
    n.TitleFontStyleBold = chkTucne->isChecked();
    n.TitleFontStyleItalic = chkKurziva->isChecked();
    m_h.dualne = chkDualne->isChecked();
}

void TNastavenieForm::OtvorNastaveniaEFaktury()
{
    UpravNastaveniaEFaktury(IbanZUctu(editCisloUctu->text(), editKodBanky->text()), editDIC->text(), this);
}

void TNastavenieForm::Potvrd()
{
    if (!OpustilSadzbu())
        return;
    OpustilCisloKevrota();
    if (!OverUcet(true)) {
        editCisloUctu->setFocus();
        return;
    }
    prevezmiPolia();
    accept();
}

bool SpustiNastavenie(QWidget* rodic, Nastavenia& nastavenia, Vozidla& vozidla, CiselnikyNastavenia ciselniky,
                      std::optional<double> sadzbaZaznamu)
{
    nastavenia.DoplnPredvoleneFonty();
    TNastavenieForm okno(HodnotyZNastaveni(nastavenia, vozidla.ZoznamVozidiel, sadzbaZaznamu), ciselniky, rodic);
    if (okno.exec() != QDialog::Accepted)
        return false;
    PrevezmiHodnoty(okno.hodnoty(), nastavenia, vozidla.ZoznamVozidiel);
    UlozPoNastaveni(nastavenia, vozidla);
    if (!(okno.hodnoty().eFaktura == NacitajNastaveniaEFaktury()))
        UlozNastaveniaEFaktury(okno.hodnoty().eFaktura);
    return true;
}
