#include "CestovneTab.h"

#include "CestovneVypocty.h"
#include "TStravneForm.h"
#include "VstupVydavkov.h"
#include "widgets/TCalendarFrm.h"
#include "settings/Vozidla.h"
#include "store/Cisla.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/SadzbyNahrad.h"
#include "store/Spravy.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kNeplatnaHodnota = QStringLiteral("Neplatná hodnota.");

QLineEdit* cislo(QWidget* rodic)
{
    auto* e = new QLineEdit(rodic);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(110);
    return e;
}

QTableWidget* mriezka(int stlpce, const QStringList& hlavicka, QWidget* rodic)
{
    auto* g = new QTableWidget(4, stlpce, rodic);
    g->setHorizontalHeaderLabels(hlavicka);
    g->setVerticalHeaderLabels({"1", "2", "3", "4"});
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    g->setEditTriggers(QAbstractItemView::AllEditTriggers);
    g->setFixedHeight(g->horizontalHeader()->sizeHint().height() + 4 * g->verticalHeader()->defaultSectionSize() + 4);
    return g;
}
}  // namespace

CestovneTab::CestovneTab(TCestovneNahrady& cesta, const QList<TVozidlo>& vozidla, const DPHPaliva& dph, QWidget* rodic)
    : QWidget(rodic), m_c(cesta), m_dph(dph), m_vozidla(vozidla)
{
    gridCesta = mriezka(4,
                        {QStringLiteral("Začiatok cesty ( miesto, dátum čas)"), QStringLiteral("Miesto rokovania"),
                         QStringLiteral("Účel cesty"), QStringLiteral("Koniec cesty ( miesto, dátum čas)")},
                        this);
    btnTlac = new QPushButton(QStringLiteral("Tlač"), this);
    btnTlac->setVisible(false);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(vytvorVozidlo());
    hlavny->addWidget(gridCesta);
    hlavny->addWidget(vytvorDni());
    hlavny->addWidget(vytvorSucty());
    hlavny->addStretch();

    connect(EditKM, &QLineEdit::editingFinished, this, &CestovneTab::OpustilKM);
    for (auto* e : {EditSpotreba, EditCenaPHM, EditOpotrebenie})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { OpustilCislo(e); });
    connect(cmbVozidlo, &QComboBox::activated, this, &CestovneTab::ZvolVozidlo);
    connect(btnOpotrebenie, &QPushButton::clicked, this, &CestovneTab::AktualnaHodnota);
    connect(gridStravne, &QTableWidget::itemChanged, this, &CestovneTab::zmenenaBunka);
    connect(gridNoclazne, &QTableWidget::itemChanged, this, &CestovneTab::zmenenaBunka);
    connect(gridCesta, &QTableWidget::itemChanged, this, &CestovneTab::zmenenaCesta);
    connect(btnVyvoj, &QPushButton::clicked, this, &CestovneTab::VyvojStravneho);
    connect(EditVyuctovane, &QLineEdit::editingFinished, this, &CestovneTab::OpustilVyuctovane);
    connect(btnDnes, &QPushButton::clicked, this, &CestovneTab::Dnes);
    connect(btnKalendar, &QToolButton::clicked, this, &CestovneTab::Kalendar);
    connect(btnTlac, &QPushButton::clicked, this, [this] {
        PrevezmiTexty();
        if (m_tlac)
            m_tlac();
    });
}

QWidget* CestovneTab::vytvorVozidlo()
{
    auto* w = new QWidget(this);
    EditMeno = new QLineEdit(w);
    EditMeno->setReadOnly(true);
    EditBydlisko = new QLineEdit(w);
    cmbVozidlo = new QComboBox(w);
    cmbVozidlo->setEditable(true);
    cmbVozidlo->setInsertPolicy(QComboBox::NoInsert);
    EditEC = new QLineEdit(w);
    EditEC->setMaxLength(20);
    EditKM = cislo(w);
    EditSpotreba = cislo(w);
    EditCenaPHM = cislo(w);
    EditOpotrebenie = cislo(w);
    btnOpotrebenie = new QPushButton(w);
    btnOpotrebenie->setAutoDefault(false);
    EditSpolucestujuci = new QLineEdit(w);
    EditSpolucestujuci->setMaxLength(50);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    int r = 0;
    auto riadok = [&](const QString& text, QWidget* pole, QWidget* dalsie = nullptr) {
        g->addWidget(new QLabel(text, w), r, 0);
        g->addWidget(pole, r, 1, 1, dalsie ? 1 : 2);
        if (dalsie)
            g->addWidget(dalsie, r, 2);
        ++r;
    };
    riadok(QStringLiteral("Priezvisko, meno, titul znalca:"), EditMeno);
    riadok(QStringLiteral("Bydlisko znalca:"), EditBydlisko);
    riadok(QStringLiteral("Použité motorové vozidlo:"), cmbVozidlo);
    riadok(QStringLiteral("Evidenčné číslo vozidla:"), EditEC);
    riadok(QStringLiteral("Počet najazdených km v čase [ km]"), EditKM);
    riadok(QStringLiteral("Priemerná spotreba podľa TP [ l/100km]:"), EditSpotreba);
    riadok(QStringLiteral("Cena PHM za 1 liter [€]:"), EditCenaPHM);
    riadok(QStringLiteral("Cestovná náhrada za opotrebenie vozidla na 1 km [€] :"), EditOpotrebenie, btnOpotrebenie);
    riadok(QStringLiteral("Spolucestujúci:"), EditSpolucestujuci);
    g->setColumnStretch(1, 1);
    return w;
}

QWidget* CestovneTab::vytvorDni()
{
    auto* w = new QWidget(this);
    gridStravne = mriezka(2, {QStringLiteral("Dátum"), QStringLiteral("Stravné")}, w);
    gridNoclazne = mriezka(2, {QStringLiteral("Nocľažné"), QStringLiteral("Vedľajšie výdavky")}, w);
    auto* vybery = new QVBoxLayout;
    vybery->setSpacing(0);
    vybery->addSpacing(gridStravne->horizontalHeader()->sizeHint().height());
    for (int d = 1; d <= 4; ++d) {
        auto* b = new QToolButton(w);
        b->setText(QStringLiteral("…"));
        b->setToolTip(QStringLiteral("Stravné"));
        b->setFixedHeight(gridStravne->verticalHeader()->defaultSectionSize());
        connect(b, &QToolButton::clicked, this, [this, d] { VyberStravne(d); });
        vybery->addWidget(b);
    }
    vybery->addStretch();
    btnVyvoj = new QPushButton(QStringLiteral("vývoj cien stravného"), w);
    btnVyvoj->setAutoDefault(false);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(gridStravne, 2);
    l->addLayout(vybery);
    l->addWidget(gridNoclazne, 2);
    auto* p = new QVBoxLayout;
    p->addWidget(btnVyvoj);
    p->addStretch();
    l->addLayout(p);
    return w;
}

QWidget* CestovneTab::vytvorSucty()
{
    auto* w = new QWidget(this);
    rbSDPH = new QRadioButton(QStringLiteral("s DPH"), w);
    rbBezDPH = new QRadioButton(QStringLiteral("bez DPH"), w);
    auto* skupina = new QButtonGroup(w);
    skupina->addButton(rbSDPH);
    skupina->addButton(rbBezDPH);
    // The choice decides how a payer's fuel price enters the costs: at once.
    connect(rbSDPH, &QRadioButton::toggled, this, [this](bool sDPH) {
        if (m_plnenie)
            return;
        m_c.SDPH = sDPH;
        prepocitaj();
    });
    EditVyuctovane = new QLineEdit(w);
    EditVyuctovane->setMaximumWidth(110);
    btnKalendar = new QToolButton(w);
    btnKalendar->setText(QStringLiteral("…"));
    btnKalendar->setToolTip(QStringLiteral("Zobrazí kalendár"));
    btnDnes = new QPushButton(QStringLiteral("Dnes"), w);
    btnDnes->setAutoDefault(false);
    lblPHM = new QLabel(w);
    lblCestovne = new QLabel(w);
    lblStravne = new QLabel(w);
    lblOstatne = new QLabel(w);
    lblSpolu = new QLabel(w);
    QFont tucne = lblSpolu->font();
    tucne.setBold(true);
    lblSpolu->setFont(tucne);

    auto* vlavo = new QGridLayout;
    auto* dph = new QHBoxLayout;
    dph->addWidget(new QLabel(QStringLiteral("Cena zadaná: "), w));
    dph->addWidget(rbSDPH);
    dph->addWidget(rbBezDPH);
    dph->addStretch();
    vlavo->addLayout(dph, 0, 0, 1, 4);
    vlavo->addWidget(new QLabel(QStringLiteral("Vyúčtované dňa:"), w), 1, 0);
    vlavo->addWidget(EditVyuctovane, 1, 1);
    vlavo->addWidget(btnKalendar, 1, 2);
    vlavo->addWidget(btnDnes, 1, 3);
    vlavo->addWidget(btnTlac, 2, 0);
    vlavo->setRowStretch(3, 1);
    auto* vpravo = new QGridLayout;
    const QList<QPair<QString, QLabel*>> sucty = {{QStringLiteral("PHM:"), lblPHM},
                                                 {QStringLiteral("Cestovné náklady:"), lblCestovne},
                                                 {QStringLiteral("Stravné:"), lblStravne},
                                                 {QStringLiteral("Ostatné náklady:"), lblOstatne},
                                                 {QStringLiteral("Spolu náklady v €:"), lblSpolu}};
    for (int i = 0; i < sucty.size(); ++i) {
        vpravo->addWidget(new QLabel(sucty[i].first, w), i, 0);
        sucty[i].second->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        vpravo->addWidget(sucty[i].second, i, 1);
    }
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addLayout(vlavo, 1);
    l->addLayout(vpravo, 1);
    return w;
}

void CestovneTab::nastavPopisy(const QString& meno, const QString& bydlisko)
{
    auto* g = static_cast<QGridLayout*>(EditMeno->parentWidget()->layout());
    static_cast<QLabel*>(g->itemAtPosition(0, 0)->widget())->setText(meno);
    static_cast<QLabel*>(g->itemAtPosition(1, 0)->widget())->setText(bydlisko);
}

void CestovneTab::nastavTlac(std::function<void()> tlac)
{
    m_tlac = std::move(tlac);
    btnTlac->setVisible(bool(m_tlac));
}

void CestovneTab::zobraz()
{
    m_plnenie = true;
    EditMeno->setText(m_c.Meno);
    EditBydlisko->setText(m_c.Bydlisko);
    cmbVozidlo->clear();
    for (const TVozidlo& v : m_vozidla)
        cmbVozidlo->addItem(v.Nazov);
    cmbVozidlo->setCurrentIndex(-1);
    cmbVozidlo->setEditText(m_c.Vozidlo);
    EditEC->setText(m_c.VozidloEC);
    EditSpolucestujuci->setText(m_c.Spolucestujuci);
    for (int k = 1; k <= 4; ++k) {
        for (int c = 0; c < 4; ++c)
            gridCesta->setItem(k - 1, c, new QTableWidgetItem(m_c.textCesty(k, c)));
        gridStravne->setItem(k - 1, 0, new QTableWidgetItem(DatumDna(m_c, k)));
    }
    rbSDPH->setChecked(m_c.SDPH);
    rbBezDPH->setChecked(!m_c.SDPH);
    EditVyuctovane->setText(m_c.VyuctovaneDna == 0 ? QString() : DatumText(m_c.VyuctovaneDna));
    ukazCisla();
    m_plnenie = false;
    prepocitaj();
}

void CestovneTab::ukazCisla()
{
    const bool predtym = m_plnenie;
    m_plnenie = true;
    EditKM->setText(QString::number(m_c.PocetNajazdenychKM));
    EditSpotreba->setText(CisloCesty(m_c.Spotreba, 2));
    EditCenaPHM->setText(CisloCesty(m_c.CenaPHM, 3));
    EditOpotrebenie->setText(CisloCesty(m_c.Opotrebenie, 3));
    auto suma = [](double x) {
        auto* i = new QTableWidgetItem(CisloCesty(x, 2));
        i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return i;
    };
    for (int k = 1; k <= 4; ++k) {
        gridStravne->setItem(k - 1, 1, suma(StravneDna(m_c, k)));
        gridNoclazne->setItem(k - 1, 0, suma(NoclazneDna(m_c, k)));
        gridNoclazne->setItem(k - 1, 1, suma(VedlajsieDna(m_c, k)));
    }
    ukazOpotrebenie();
    m_plnenie = predtym;
}

void CestovneTab::ukazOpotrebenie()
{
    btnOpotrebenie->setText(TextAktualnehoOpotrebenia(OpotrebenieKDnu(sadzbyNahrad(), m_c.VyuctovaneDna, ::Dnes())));
}

void CestovneTab::prepocitaj()
{
    PrepocitajCestovne(m_c, m_dph);
    lblPHM->setText(SumaTextSk(SymbolEuro, m_c.PHM_celkom));
    lblCestovne->setText(SumaTextSk(SymbolEuro, m_c.Cestovne));
    lblStravne->setText(SumaTextSk(SymbolEuro, m_c.Stravne));
    lblOstatne->setText(SumaTextSk(SymbolEuro, m_c.OstatneNaklady));
    lblSpolu->setText(SumaTextSk(SymbolEuro, m_c.SpoluNaklady));
    emit zmenene();
}

void CestovneTab::OpustilKM()
{
    // Kilometres are a whole number, never negative.
    const auto km = TextNaCeleCislo(EditKM->text().trimmed());
    if (!km || *km < 0) {
        spravy().chyba(kNeplatnaHodnota);
        EditKM->setText(QString::number(m_c.PocetNajazdenychKM));
        return;
    }
    m_c.PocetNajazdenychKM = *km;
    prepocitaj();
}

double* CestovneTab::poleCisla(QLineEdit* pole, int& desatinne)
{
    desatinne = pole == EditSpotreba ? 2 : 3;
    return pole == EditSpotreba ? &m_c.Spotreba : pole == EditCenaPHM ? &m_c.CenaPHM : &m_c.Opotrebenie;
}

void CestovneTab::OpustilCislo(QLineEdit* pole)
{
    int desatinne = 2;
    double* hodnota = poleCisla(pole, desatinne);
    const auto c = VstupVydavkov::Cislo(pole->text());
    if (!c) {
        spravy().chyba(kNeplatnaHodnota);
        pole->setText(CisloCesty(*hodnota, desatinne));
        return;
    }
    *hodnota = *c;
    prepocitaj();
}

void CestovneTab::zmenenaBunka(QTableWidgetItem* i)
{
    if (m_plnenie)
        return;
    const int den = i->row() + 1;
    if (i->tableWidget() == gridStravne && i->column() == 0)
        return;  // a date text, taken on "OK"
    double& pole = i->tableWidget() == gridStravne ? StravneDna(m_c, den)
                   : i->column() == 0            ? NoclazneDna(m_c, den)
                                                 : VedlajsieDna(m_c, den);
    const auto c = VstupVydavkov::Cislo(i->text());
    m_plnenie = true;
    if (c)
        pole = *c;
    else
        i->setText({});
    m_plnenie = false;
    if (c)
        prepocitaj();
}

void CestovneTab::zmenenaCesta()
{
    if (m_plnenie)
        return;
    // Times typed in the journey give the meal allowance of their day.
    PrevezmiTexty();
    if (StravnePodlaCasov(m_c, sadzbyNahrad()).isEmpty())
        return;
    m_plnenie = true;
    for (int k = 1; k <= 4; ++k)
        gridStravne->setItem(k - 1, 0, new QTableWidgetItem(DatumDna(m_c, k)));
    m_plnenie = false;
    ukazCisla();
    prepocitaj();
}

void CestovneTab::ZvolVozidlo(int index)
{
    if (index < 0 || index >= m_vozidla.size())
        return;
    ::ZvolVozidlo(m_c, m_vozidla[index], sadzbyNahrad(), ::Dnes(), m_dph);
    EditEC->setText(m_c.VozidloEC);
    ukazCisla();
    prepocitaj();
}

void CestovneTab::AktualnaHodnota()
{
    m_c.Opotrebenie = OpotrebenieKDnu(sadzbyNahrad(), m_c.VyuctovaneDna, ::Dnes());
    EditOpotrebenie->setText(CisloCesty(m_c.Opotrebenie, 3));
    prepocitaj();
}

void CestovneTab::VyberStravne(int den)
{
    const QString datum = gridStravne->item(den - 1, 0) ? gridStravne->item(den - 1, 0)->text() : QString();
    const auto& sadzby = sadzbyNahrad().StravneKDatumu(DatumStravneho(datum, m_c.VyuctovaneDna, ::Dnes()));
    const auto suma = TStravneForm::vyber(this, sadzby);
    if (!suma)
        return;
    StravneDna(m_c, den) = *suma;
    ukazCisla();
    prepocitaj();
}

void CestovneTab::VyvojStravneho()
{
    TVyvojStravnehoForm okno(sadzbyNahrad().stravne, this);
    okno.exec();
}

void CestovneTab::OpustilVyuctovane()
{
    const QString t = EditVyuctovane->text().trimmed();
    if (t.isEmpty())
        return;
    const double d = TextNaDatum(t);
    if (d == 0) {
        spravy().chyba(QStringLiteral("Neplatný dátum."));
        EditVyuctovane->clear();
    }
    m_c.VyuctovaneDna = d;
    ukazOpotrebenie();
}

void CestovneTab::Dnes()
{
    m_c.VyuctovaneDna = ::Dnes();
    EditVyuctovane->setText(DatumText(m_c.VyuctovaneDna));
    ukazOpotrebenie();
}

void CestovneTab::Kalendar()
{
    const QDate od = m_c.VyuctovaneDna == 0 ? QDate::currentDate() : DatumNaQDate(m_c.VyuctovaneDna);
    if (const auto d = TCalendarFrm::vyber(this, od)) {
        m_c.VyuctovaneDna = QDateNaDatum(*d);
        EditVyuctovane->setText(DatumText(m_c.VyuctovaneDna));
        ukazOpotrebenie();
    }
}

void CestovneTab::PrevezmiTexty()
{
    m_c.Meno = EditMeno->text().left(100);
    m_c.Bydlisko = EditBydlisko->text().left(100);
    m_c.Vozidlo = cmbVozidlo->currentText().left(100);
    m_c.VozidloEC = EditEC->text().left(20);
    m_c.Spolucestujuci = EditSpolucestujuci->text().left(50);
    for (int k = 1; k <= 4; ++k) {
        for (int c = 0; c < 4; ++c) {
            const auto* i = gridCesta->item(k - 1, c);
            m_c.nastavTextCesty(k, c, i ? i->text().left(50) : QString());
        }
        const auto* d = gridStravne->item(k - 1, 0);
        DatumDna(m_c, k) = d ? d->text().left(20) : QString();
    }
    m_c.SDPH = rbSDPH->isChecked();
}
