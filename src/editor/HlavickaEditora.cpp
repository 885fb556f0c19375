// The entry editor's header: number, field or language, requester, dates and VAT rate,
// with their commands.

#include "TZnalecKevrotEditForm.h"

#include "editor/PoleEditora.h"
#include "editor/Splatnost.h"
#include "editor/TNastavSplatnostForm.h"
#include "editor/VstupPoli.h"
#include "editor/ZnalecneZaznamu.h"
#include "orders/TObjednavkyForm.h"
#include "orders/VyberKlienta.h"
#include "settings/HodnotyNastavenia.h"
#include "store/Datum.h"
#include "store/Spravy.h"
#include "widgets/TCalendarFrm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

QToolButton* kalendarTlacidlo(QWidget* rodic)
{
    auto* b = new QToolButton(rodic);
    b->setText(QStringLiteral("…"));
    b->setToolTip(QStringLiteral("Kalendár"));
    return b;
}
}  // namespace

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

void TZnalecKevrotEditForm::naplnOdvetvia(int odbor)
{
    cmbOdvetvie->clear();
    if (odbor < 0 || odbor >= m_volby.size())
        return;
    for (const auto& v : m_volby[odbor].Odvetvia)
        cmbOdvetvie->addItem(v.Text, v.Kod);
    cmbOdvetvie->setCurrentIndex(IndexZvolenej(m_volby[odbor].Odvetvia, QString()));
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

void TZnalecKevrotEditForm::zvolenyTypCisla(int index)
{
    if (m_zobrazuje)
        return;
    (index == 1 ? rbSO : rbPFO)->setChecked(true);
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
        ohlas(m_zdroje.nastavenia.UlozNastavenia());
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
