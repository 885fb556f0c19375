#include "TZnalecKevrotObjednavkaEditForm.h"

#include "settings/TlacidlaDialogu.h"
#include "settings/SablonyDruhu.h"

#include "word/HlavickaZnalca.h"
#include "word/RtfZapisovac.h"

#include "widgets/TCalendarFrm.h"
#include "word/RtfQt.h"
#include "widgets/PoleTextovehoZoznamu.h"
#include "widgets/RichEditForm.h"
#include "orders/VyberKlienta.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Objednavky.h"
#include "store/Spravy.h"
#include "store/Subory.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TZnalecKevrotObjednavkaEditForm::TZnalecKevrotObjednavkaEditForm(const TObjednavka& objednavka,
                                                                 Objednavky& objednavky, QWidget* rodic,
                                                                 const TNastavenia* nastavenia)
    : QDialog(rodic), m_objednavka(objednavka), m_objednavky(objednavky)
{
    if (nastavenia)
        m_nastavenia = *nastavenia;
    setWindowTitle(QStringLiteral("Zadanie objednávky"));
    resize(720, 680);

    DenEdit = new QLineEdit(this);
    DenEdit->setMaxLength(2);
    DenEdit->setToolTip(QStringLiteral("Zadajte deň"));
    MesiacEdit = new QLineEdit(this);
    MesiacEdit->setMaxLength(2);
    MesiacEdit->setToolTip(QStringLiteral("Zadajte mesiac"));
    RokEdit = new QLineEdit(this);
    RokEdit->setMaxLength(4);
    RokEdit->setToolTip(QStringLiteral("Zadajte rok"));
    for (auto* e : {DenEdit, MesiacEdit})
        e->setFixedWidth(40);
    RokEdit->setFixedWidth(60);
    btnKalendar = new QToolButton(this);
    btnKalendar->setText(QStringLiteral("…"));
    btnKalendar->setToolTip(QStringLiteral("Kalendár"));
    btnDnes = new QPushButton(QStringLiteral("Dnes"), this);

    Edit2 = new QLineEdit(this);
    Edit2->setMaxLength(DlzkyPoliObjednavky::Meno);
    btnDB = new QPushButton(QStringLiteral("DB"), this);
    Edit3 = new QLineEdit(this);
    Edit3->setMaxLength(DlzkyPoliObjednavky::Adresa);
    cmbObjednavkaTyp = new QComboBox(this);
    cmbObjednavkaTyp->addItems({QStringLiteral("Číslo objednávky"), QStringLiteral("Spisová značka")});
    Edit5 = new QLineEdit(this);
    Edit5->setMaxLength(DlzkyPoliObjednavky::Cislo);
    rbPFO = new QRadioButton(QStringLiteral("Právnická alebo fyzická osoba"), this);
    rbSO = new QRadioButton(QStringLiteral("Štátny orgán"), this);
    auto* skupina = new QButtonGroup(this);
    skupina->addButton(rbPFO);
    skupina->addButton(rbSO);

    cmbDruhUkonu = new PoleTextovehoZoznamu(TextoveZoznamy::DruhUkonu, {QString()},
                                            DlzkyPoliObjednavky::DruhUkonu, this);
    cmbTypPosudku = new PoleTextovehoZoznamu(TextoveZoznamy::TypPosudku, {}, DlzkyPoliObjednavky::TypPosudku, this);
    cmbPredmet = new PoleTextovehoZoznamu(TextoveZoznamy::Predmet, {}, DlzkyPoliObjednavky::Predmet, this);
    cmbUcel = new PoleTextovehoZoznamu(TextoveZoznamy::Ucel, {}, DlzkyPoliObjednavky::Ucel, this);

    // Enter in a field closes nothing.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;
    for (auto* b : {btnDnes, btnDB})
        b->setAutoDefault(false);

    auto* datum = new QHBoxLayout;
    datum->addWidget(new QLabel(QStringLiteral("Dátum vyžiadania:"), this));
    datum->addWidget(DenEdit);
    datum->addWidget(new QLabel(QStringLiteral("."), this));
    datum->addWidget(MesiacEdit);
    datum->addWidget(new QLabel(QStringLiteral("."), this));
    datum->addWidget(RokEdit);
    datum->addWidget(btnKalendar);
    datum->addWidget(btnDnes);
    datum->addStretch();

    auto* ziadatel = new QGroupBox(QStringLiteral("Žiadateľ úkonu (štátny orgán, právnická osoba alebo fyzická osoba)"), this);
    auto* zg = new QGridLayout(ziadatel);
    zg->addWidget(new QLabel(QStringLiteral("Meno:"), this), 0, 0);
    zg->addWidget(Edit2, 0, 1);
    zg->addWidget(btnDB, 0, 2);
    zg->addWidget(new QLabel(QStringLiteral("Adresa:"), this), 1, 0);
    zg->addWidget(Edit3, 1, 1, 1, 2);
    zg->addWidget(cmbObjednavkaTyp, 2, 0);
    zg->addWidget(Edit5, 2, 1, 1, 2);
    auto* druh = new QHBoxLayout;
    druh->addWidget(rbPFO);
    druh->addWidget(rbSO);
    druh->addStretch();
    zg->addLayout(druh, 3, 0, 1, 3);

    auto* vec = new QGridLayout;
    vec->addWidget(new QLabel(QStringLiteral("Druh úkonu:"), this), 0, 0);
    vec->addWidget(cmbDruhUkonu, 0, 1);
    vec->addWidget(new QLabel(QStringLiteral("Typ posudku:"), this), 1, 0);
    vec->addWidget(cmbTypPosudku, 1, 1);
    vec->addWidget(new QLabel(QStringLiteral("Predmet:"), this), 2, 0);
    vec->addWidget(cmbPredmet, 2, 1);
    vec->addWidget(new QLabel(QStringLiteral("Účel:"), this), 3, 0);
    vec->addWidget(cmbUcel, 3, 1);

    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(datum);
    hlavny->addWidget(ziadatel);
    hlavny->addLayout(vec);
    hlavny->addWidget(vytvorKorespondenciu(), 1);
    hlavny->addWidget(t.riadok);

    connect(btnDnes, &QPushButton::clicked, this, &TZnalecKevrotObjednavkaEditForm::Dnes);
    connect(btnKalendar, &QToolButton::clicked, this, [this] {
        if (const auto d = TCalendarFrm::vyber(this, QDate::currentDate()))
            nastavDatum(*d);
    });
    connect(btnDB, &QPushButton::clicked, this, &TZnalecKevrotObjednavkaEditForm::VyberKlientaDB);
    connect(btnOK, &QPushButton::clicked, this, &TZnalecKevrotObjednavkaEditForm::Potvrd);

    for (auto* pole : {cmbDruhUkonu, cmbTypPosudku, cmbPredmet, cmbUcel})
        pole->nacitaj();
    zobrazPolia(ZobrazObjednavku(m_objednavka));
    KorespondenciaComboBox->addItems(KorespondenciaObjednavky::zoznamSablon(m_nastavenia.Druh));
    KorespondenciaComboBox->setCurrentIndex(0);
}

QWidget* TZnalecKevrotObjednavkaEditForm::vytvorKorespondenciu()
{
    auto* w = new QGroupBox(QStringLiteral("Korešpondencia"), this);
    KorespondenciaComboBox = new QComboBox(w);
    KorespondenciaComboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    KorespondenciaComboBox->setMinimumContentsLength(35);
    Korespondencia = new QTextEdit(w);
    Korespondencia->setReadOnly(true);
    Korespondencia->setMinimumHeight(160);
    btnEditujList = new QPushButton(QStringLiteral("Edituj"), w);
    btnOtvorVoWorde = new QPushButton(QStringLiteral("Otvor vo Worde"), w);
    for (auto* b : {btnEditujList, btnOtvorVoWorde})
        b->setAutoDefault(false);
    auto* g = new QGridLayout(w);
    g->addWidget(new QLabel(QStringLiteral("Šablóna:"), w), 0, 0);
    g->addWidget(KorespondenciaComboBox, 0, 1);
    g->addWidget(btnEditujList, 0, 3);
    g->addWidget(btnOtvorVoWorde, 0, 4);
    g->addWidget(Korespondencia, 1, 0, 1, 5);
    g->setColumnStretch(2, 1);
    g->setRowStretch(1, 1);

    connect(KorespondenciaComboBox, &QComboBox::activated, this,
            &TZnalecKevrotObjednavkaEditForm::ZvolenaSablonaListu);
    connect(btnEditujList, &QPushButton::clicked, this, &TZnalecKevrotObjednavkaEditForm::EditujList);
    connect(btnOtvorVoWorde, &QPushButton::clicked, this, &TZnalecKevrotObjednavkaEditForm::OtvorVoWorde);
    return w;
}

HodnotyListu TZnalecKevrotObjednavkaEditForm::hodnotyListu() const
{
    const TNastavenia& n = m_nastavenia;
    return {DenEdit->text(), MesiacEdit->text(), RokEdit->text(), Edit2->text(), Edit3->text(),
            MenoZnalca(n), AdresaZnalca(n), n.Mesto, DnesText(), BankoveSpojenie(n), Edit5->text(),
            RtfZapisovac::zapis(HlavickaZnalca::hlavicka(n, NacitajNastaveniaEFaktury()))};
}

void TZnalecKevrotObjednavkaEditForm::ukazUlozenyList() { obnovList(); }

void TZnalecKevrotObjednavkaEditForm::obnovList()
{
    const QString subor = KorespondenciaObjednavky::pracovnySubor();
    if (QFileInfo(subor).isFile() && RtfQt::nacitajSubor(subor, *Korespondencia->document()))
        Korespondencia->moveCursor(QTextCursor::Start);  // the letter is read from its beginning
}

void TZnalecKevrotObjednavkaEditForm::ZvolenaSablonaListu()
{
    const QString meno = KorespondenciaComboBox->currentText();
    const QString sablona = SablonyDruhu::suborSablony(KorespondenciaObjednavky::adresarSablon(m_nastavenia.Druh), meno);
    if (meno.isEmpty() || !QFileInfo(sablona).isFile())
        return;
    RtfQt::nacitajSubor(sablona, *Korespondencia->document());
    // The generated letter keeps what the view cannot show (the header's rule); only when it
    // could not be made does the view's content become the working file.
    if (KorespondenciaObjednavky::VytvorList(m_nastavenia.Druh, meno, hodnotyListu())) {
        obnovList();
        return;
    }
    const QString subor = KorespondenciaObjednavky::pracovnySubor();
    if (const Vysledok v = Subory::ulozAtomicky(subor, RtfQt::rtf(*Korespondencia->document())); !v)
        Subory::ohlasChybuZapisu(subor, v.dovod());
}

void TZnalecKevrotObjednavkaEditForm::EditujList()
{
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    {
        TRichEditForm editor(this);
        editor.nastavCiel(KorespondenciaObjednavky::pracovnySubor(), QStringLiteral("[Korešpondencia - objednávky]"),
                          RichEdit::Panel::Ziadny, false, m_nastavenia.BasicFontName, m_nastavenia.BasicFontSize);
        editor.exec();
    }
    obnovList();
}

void TZnalecKevrotObjednavkaEditForm::OtvorVoWorde()
{
    const TNastavenia& n = m_nastavenia;
    const RtfDokument pata = HlavickaZnalca::pata(n, NacitajNastaveniaEFaktury());
    KorespondenciaObjednavky::OtvorVoWorde(n.Druh, KorespondenciaComboBox->currentText(), n.PataZakladnymPismom == 1,
                                           n.BasicFontName, n.BasicFontSize, &pata);
}

PoliaObjednavky TZnalecKevrotObjednavkaEditForm::polia() const
{
    PoliaObjednavky p;
    p.Den = DenEdit->text();
    p.Mesiac = MesiacEdit->text();
    p.Rok = RokEdit->text();
    p.Meno = Edit2->text();
    p.Adresa = Edit3->text();
    p.TypCisla = qMax(0, cmbObjednavkaTyp->currentIndex());
    p.Cislo = Edit5->text();
    p.StatnyOrgan = rbSO->isChecked();
    p.DruhUkonu = cmbDruhUkonu->text();
    p.TypPosudku = cmbTypPosudku->text();
    p.Predmet = cmbPredmet->text();
    p.Ucel = cmbUcel->text();
    return p;
}

void TZnalecKevrotObjednavkaEditForm::zobrazPolia(const PoliaObjednavky& p)
{
    DenEdit->setText(p.Den);
    MesiacEdit->setText(p.Mesiac);
    RokEdit->setText(p.Rok);
    Edit2->setText(p.Meno);
    Edit3->setText(p.Adresa);
    cmbObjednavkaTyp->setCurrentIndex(p.TypCisla);
    Edit5->setText(p.Cislo);
    (p.StatnyOrgan ? rbSO : rbPFO)->setChecked(true);
    cmbDruhUkonu->nastavText(p.DruhUkonu);
    cmbTypPosudku->nastavText(p.TypPosudku);
    cmbPredmet->nastavText(p.Predmet);
    cmbUcel->nastavText(p.Ucel);
}

void TZnalecKevrotObjednavkaEditForm::nastavDatum(const QDate& d)
{
    DenEdit->setText(QString::number(d.day()));
    MesiacEdit->setText(QString::number(d.month()));
    RokEdit->setText(QString::number(d.year()));
}

void TZnalecKevrotObjednavkaEditForm::Dnes() { nastavDatum(QDate::currentDate()); }

void TZnalecKevrotObjednavkaEditForm::VyberKlientaDB()
{
    const auto klient = VyberKlienta(this, m_objednavky);
    if (!klient)
        return;
    Edit2->setText(klient->Meno.left(DlzkyPoliObjednavky::Meno));
    Edit3->setText(klient->Adresa.left(DlzkyPoliObjednavky::Adresa));
}

void TZnalecKevrotObjednavkaEditForm::Potvrd()
{
    TObjednavka upravena = m_objednavka;
    if (!PrevezmiPoliaObjednavky(polia(), upravena)) {
        spravy().chyba(QString::fromUtf8(NeplatnyDatumVyziadania));
        return;
    }
    m_objednavka = upravena;
    accept();
}

bool UpravObjednavku(QWidget* rodic, TObjednavka& objednavka, Objednavky& objednavky, const TNastavenia* nastavenia)
{
    // The order's letter is kept with it, as an entry's documents are.
    const QString list = KorespondenciaObjednavky::SuborListuObjednavky(objednavky.Rok(), objednavka);
    // A kept letter that could not be opened is told and left as it is.
    const bool listOtvoreny = ohlas(KorespondenciaObjednavky::NacitajList(list));
    TZnalecKevrotObjednavkaEditForm okno(objednavka, objednavky, rodic, nastavenia);
    okno.ukazUlozenyList();
    if (okno.exec() != QDialog::Accepted)
        return false;
    objednavka = okno.objednavka();
    if (listOtvoreny)
        ohlas(KorespondenciaObjednavky::UlozList(list));
    return true;
}
