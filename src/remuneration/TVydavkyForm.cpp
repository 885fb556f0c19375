#include "TVydavkyForm.h"

#include "settings/TlacidlaDialogu.h"

#include "store/SadzbyDPH.h"

#include "CestovneTab.h"
#include "widgets/VelkostOkna.h"
#include "CestovneVypocty.h"
#include "CiselnikPoloziek.h"
#include "TPodielovaOdmenaEditForm.h"
#include "TVsetkyPolozkyForm.h"
#include "TVydavkyEditForm.h"
#include "TVydavkyIneEditForm.h"
#include "TVydavkyTarifEditForm.h"
#include "TZmluvnaOdmenaForm.h"
#include "settings/Nastavenia.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using namespace DruhVydavku;
namespace S = StlpecVydavku;

QColor farbaDruhu(qint32 druh)
{
    switch (druh) {
    case PausalnaOdmena: return QColor(0x80, 0, 0);
    case VydavokSCenou: return QColor(0, 0x80, 0x80);
    case PausalneVydavky: return QColor(0, 0, 0xff);
    case StrataCasu: return QColor(0, 0x80, 0);
    default: return QColor(0, 0, 0);
    }
}

const QColor kStrieborna(0xc0, 0xc0, 0xc0);
const QColor kUpravitelna(0xff, 0xff, 0xe0);  // light yellow: cells that take typing

// The old text of a cell, given back when an edit is refused.
constexpr int RolaStaryText = Qt::UserRole + 1;

TRozpisPolozky prvyRozpis(const TVydavok& v) { return v.Rozpis.isEmpty() ? TRozpisPolozky{} : v.Rozpis[0]; }

}  // namespace

TVydavkyForm::TVydavkyForm(const UpravaVydavkov& uprava, ZdrojeVydavkov zdroje, QWidget* rodic)
    : QDialog(rodic), m_u(uprava), m_z(std::move(zdroje))
{
    setWindowTitle(m_u.Titulok());
    Zalozky = new QTabWidget(this);
    for (int i = 0; i < PocetZaloziekVydavkov; ++i) {
        const auto z = ZalozkaVydavkov(i);
        const int t = Zalozky->addTab(new SvitokStranky(vytvorZalozku(z)), NazovZalozky(z));
        if (z == ZalozkaVydavkov::Podielova)
            Zalozky->setTabVisible(t, m_u.podielova);
    }
    tabCestovne = new CestovneTab(m_u.cesta, m_z.vozidla,
                                  {m_u.platcaDPH, SadzbaDPHKDatumu(m_u.datumVykonania, m_u.sadzbaDPH)}, this);
    tabCestovne->nastavPopisy(m_u.TextMena(), m_u.TextBydliska());
    if (m_z.tlacCestaku)
        tabCestovne->nastavTlac([this] { m_z.tlacCestaku(m_u.cesta); });
    Zalozky->addTab(new SvitokStranky(tabCestovne), QStringLiteral("Cestové náhrady"));

    btnUlozene = new QPushButton(QStringLiteral("Zoznam uložených vyúčtovaní "), this);
    chkZaradit = new QCheckBox(m_u.TextZaradenia(), this);
    // Enter in a field closes nothing.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;
    btnUlozene->setAutoDefault(false);
    auto* dole = new QHBoxLayout;
    dole->addWidget(btnUlozene);
    dole->addWidget(chkZaradit);
    dole->addStretch();
    dole->addWidget(t.riadok);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(Zalozky, 1);
    hlavny->addWidget(vytvorSucty());
    hlavny->addLayout(dole);
    PrisposobObrazovke(this, QSize(1000, 720).expandedTo(sizeHint()));

    NaplnVsetko();
    m_u.novaCesta = m_u.cesta.SpoluNaklady == 0;
    if (m_u.novaCesta)
        PredvolbyCesty(m_u.cesta, m_z.nastavenia.Nastavenie, Dnes());
    connect(tabCestovne, &CestovneTab::zmenene, this, &TVydavkyForm::ukazSucty);
    tabCestovne->zobraz();
    chkZaradit->setChecked(m_u.doZoznamu);

    connect(btnUlozene, &QPushButton::clicked, this, &TVydavkyForm::ZoznamUlozenych);
    connect(btnOK, &QPushButton::clicked, this, &TVydavkyForm::Potvrd);
}

QWidget* TVydavkyForm::vytvorZalozku(ZalozkaVydavkov z)
{
    auto* w = new QWidget(this);
    auto* g = new QTableWidget(0, 8, w);
    QStringList hlavicka = {QString(),
                            QStringLiteral("Položka"),
                            QStringLiteral("MJ"),
                            QStringLiteral("Cena za MJ v €"),
                            QStringLiteral("Počet MJ"),
                            QStringLiteral("Cena spolu v €"),
                            QStringLiteral("Popis"),
                            QString()};
    if (z == ZalozkaVydavkov::Podielova) {
        hlavicka[S::Cena] = QStringLiteral("Východisková cena v €");
        hlavicka[S::Pocet] = QStringLiteral("Pcčet MJ");
    }
    g->setHorizontalHeaderLabels(hlavicka);
    QFont tucne = g->horizontalHeader()->font();
    tucne.setBold(true);
    g->horizontalHeader()->setFont(tucne);
    g->verticalHeader()->setVisible(false);
    g->setColumnHidden(S::Index, true);
    g->setColumnWidth(S::Znacka, 8);
    g->setColumnWidth(S::Polozka, 300);
    g->horizontalHeader()->setSectionResizeMode(S::Popis, QHeaderView::Stretch);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    if (z == ZalozkaVydavkov::Tarifna) {
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setStyleSheet(QStringLiteral("QTableWidget { selection-background-color: silver; selection-color: black; }"));
    } else {
        g->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
        g->setSelectionBehavior(QAbstractItemView::SelectItems);
    }
    m_gridy[int(z)] = g;
    connect(g, &QTableWidget::itemChanged, this, [this, z](QTableWidgetItem* i) { zmenenaBunka(z, i); });
    connect(g, &QTableWidget::cellDoubleClicked, this, [this, z] { DvojklikRiadku(z); });

    const QString texty[3] = {QStringLiteral("Pridaj novú položku"), QStringLiteral("Oprav položku"),
                              QStringLiteral("Zmaž položku")};
    auto* tl = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        auto* b = new QPushButton(texty[k], w);
        b->setAutoDefault(false);
        tl->addWidget(b);
        m_tlacidla[int(z)][k] = b;
    }
    tl->addStretch();
    connect(m_tlacidla[int(z)][0], &QPushButton::clicked, this, [this, z] { Pridaj(z); });
    connect(m_tlacidla[int(z)][1], &QPushButton::clicked, this, [this, z] { Oprav(z); });
    connect(m_tlacidla[int(z)][2], &QPushButton::clicked, this, [this, z] { Zmaz(z); });
    auto* l = new QVBoxLayout(w);
    l->addWidget(g, 1);
    l->addLayout(tl);
    return w;
}

QWidget* TVydavkyForm::vytvorSucty()
{
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    const auto texty = m_u.TextySuctov();
    for (int i = 0; i < texty.size(); ++i) {
        auto* n = new QLabel(texty[i].first, w);
        auto* h = new QLabel(w);
        h->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (i >= 6) {
            QFont f = h->font();
            f.setBold(true);
            n->setFont(f);
            h->setFont(f);
        }
        const int stlpec = i < 6 ? (i / 3) * 2 : 4;
        const int riadok = i < 6 ? i % 3 : i - 6;
        g->addWidget(n, riadok, stlpec);
        g->addWidget(h, riadok, stlpec + 1);
        m_sucty.append(qMakePair(n, h));
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setColumnStretch(5, 1);
    return w;
}

void TVydavkyForm::NaplnVsetko()
{
    for (int i = 0; i < PocetZaloziekVydavkov; ++i)
        naplnZalozku(ZalozkaVydavkov(i));
    ukazSucty();
}

void TVydavkyForm::naplnZalozku(ZalozkaVydavkov z)
{
    QTableWidget* g = m_gridy[int(z)];
    const QList<RiadokVydavku> riadky = m_u.NaplnZalozku(z);
    m_plnenie = true;
    g->setUpdatesEnabled(false);
    const int vybrany = g->currentRow();
    g->clearContents();
    g->setRowCount(std::max<int>(1, riadky.size()));
    QFont tucne = g->font();
    tucne.setBold(true);
    for (int r = 0; r < riadky.size(); ++r) {
        const RiadokVydavku& rv = riadky[r];
        const bool viac = rv.pocetRozpisov >= 2;
        auto* znacka = new QTableWidgetItem;
        znacka->setBackground(farbaDruhu(rv.druh));
        znacka->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        g->setItem(r, S::Znacka, znacka);
        for (int s = S::Polozka; s <= S::Popis; ++s) {
            QString text = rv.bunky[s - 1];
            auto* i = new QTableWidgetItem;
            if (viac && s == S::Popis) {
                text = QStringLiteral("počet položiek: ") + QString::number(rv.pocetRozpisov);
                i->setForeground(QColor(0, 0, 0x80));
                i->setFont(tucne);
                i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            i->setText(text);
            i->setData(RolaStaryText, text);
            if (s == S::Polozka || s == S::Suma)
                i->setFont(tucne);
            if (s == S::Cena || s == S::Suma)
                i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (viac)
                i->setBackground(kStrieborna);
            // Cells that take typing are shown so (F2 or a double click opens them); the
            // others do not open at all.
            if (m_u.JeBunkaUpravitelna(z, rv.index, s)) {
                i->setBackground(kUpravitelna);
                i->setToolTip(QStringLiteral("Hodnotu možno prepísať priamo v tabuľke (F2 alebo dvojklik)."));
            } else {
                i->setFlags(i->flags() & ~Qt::ItemIsEditable);
            }
            g->setItem(r, s, i);
        }
        g->setItem(r, S::Index, new QTableWidgetItem(QString::number(rv.index)));
    }
    if (vybrany >= 0 && vybrany < g->rowCount())
        g->setCurrentCell(vybrany, std::max(1, g->currentColumn()));
    g->setUpdatesEnabled(true);
    m_plnenie = false;
}

void TVydavkyForm::ukazSucty()
{
    const auto texty = m_u.TextySuctov();
    for (int i = 0; i < texty.size() && i < m_sucty.size(); ++i)
        m_sucty[i].second->setText(texty[i].second);
}

QString TVydavkyForm::textSuctu(const QString& nazov) const
{
    for (const auto& s : m_sucty)
        if (s.first->text() == nazov)
            return s.second->text();
    return {};
}

void TVydavkyForm::zmenenaBunka(ZalozkaVydavkov z, QTableWidgetItem* i)
{
    if (m_plnenie)
        return;
    QTableWidget* g = m_gridy[int(z)];
    const auto* indexBunka = g->item(i->row(), S::Index);
    const int index = indexBunka ? indexBunka->text().toInt() : -1;
    const VysledokBunky v = indexBunka ? m_u.UpravBunku(z, index, i->column(), i->text()) : VysledokBunky::StaryText;
    m_plnenie = true;
    switch (v) {
    case VysledokBunky::StaryText: i->setText(i->data(RolaStaryText).toString()); break;
    case VysledokBunky::Vyprazdnit: i->setText({}); break;
    case VysledokBunky::Ponechat: break;
    case VysledokBunky::Prevzate:
        i->setData(RolaStaryText, i->text());
        if (auto* suma = g->item(i->row(), S::Suma)) {
            const QString t = SumaText(SymbolEuro, m_u.polozky[index].Suma);
            suma->setText(t);
            suma->setData(RolaStaryText, t);
        }
        break;
    }
    m_plnenie = false;
    ukazSucty();
}

int TVydavkyForm::vybranaPolozka(ZalozkaVydavkov z) const
{
    const QTableWidget* g = m_gridy[int(z)];
    const int r = g->currentRow();
    const auto* i = r >= 0 ? g->item(r, S::Index) : nullptr;
    if (!i)
        return -1;
    const int index = i->text().toInt();
    return index >= 0 && index < m_u.polozky.size() && ZalozkaUkazuje(z, m_u.polozky[index].Druh) ? index : -1;
}

void TVydavkyForm::upravTarif(int rezim, int index)
{
    UpravaTarifu logika(m_u.skupina, rezim,
                        m_z.ciselnik.PonukaPoloziek(m_u.skupina, rezim));
    TVydavkyTarifEditForm d(std::move(logika), index >= 0 ? &m_u.polozky[index] : nullptr, this);
    if (d.exec() == QDialog::Accepted)
        m_u.Uloz(index, d.logika().polozka());
}

void TVydavkyForm::upravPausalne(int rezim, int index)
{
    TVydavkyEditForm d(rezim, m_u.skupina, index >= 0 ? &m_u.polozky[index] : nullptr, this);
    if (d.exec() != QDialog::Accepted)
        return;
    if (rezim == 4)
        m_u.UlozPausalne(index, d.nazov(), d.mj(), d.cena(), d.rozpis());
    else
        m_u.NahradRozpis(index, d.rozpis());
}

void TVydavkyForm::Pridaj(ZalozkaVydavkov z)
{
    switch (z) {
    case ZalozkaVydavkov::Pausalna: upravTarif(PausalnaOdmena, -1); break;
    case ZalozkaVydavkov::Tarifna: upravTarif(TarifnaOdmena, -1); break;
    case ZalozkaVydavkov::PausalneVydavky: upravPausalne(4, -1); break;
    case ZalozkaVydavkov::Zmluvna: {
        TZmluvnaOdmenaForm d({}, 0, 1, this);
        if (d.exec() == QDialog::Accepted)
            m_u.Uloz(-1, ZmluvnaPolozka(d.popis(), d.cena(), d.pocet()));
        break;
    }
    case ZalozkaVydavkov::Podielova: {
        TPodielovaOdmenaEditForm d({}, 0, 0, 0, m_z.nastavenia, this);
        if (d.exec() == QDialog::Accepted)
            m_u.Uloz(-1, PodielovaPolozka(d.typ(), d.hodnota(), d.popis(), d.odmena()));
        break;
    }
    case ZalozkaVydavkov::Hotove: {
        TVydavkyIneEditForm d({}, {}, 0, 0, this);
        if (d.exec() == QDialog::Accepted)
            m_u.Uloz(-1, HotovaPolozka(d.popis(), d.mj(), d.cena(), d.pocet()));
        break;
    }
    }
    NaplnVsetko();
}

void TVydavkyForm::Oprav(ZalozkaVydavkov z)
{
    const int i = vybranaPolozka(z);
    if (i < 0)
        return;
    const TVydavok v = m_u.polozky[i];
    const TRozpisPolozky r = prvyRozpis(v);
    switch (z) {
    case ZalozkaVydavkov::Pausalna: upravTarif(PausalnaOdmena, i); break;
    case ZalozkaVydavkov::Tarifna: upravTarif(TarifnaOdmena, i); break;
    case ZalozkaVydavkov::PausalneVydavky: upravPausalne(4, i); break;
    case ZalozkaVydavkov::Zmluvna: {
        TZmluvnaOdmenaForm d(v.Nazov, v.Cena, CelyPocet(r.Pocet), this);
        if (d.exec() != QDialog::Accepted)
            break;
        TVydavok n = ZmluvnaPolozka(d.popis(), d.cena(), d.pocet());
        n.Rozpis[0].Popis = r.Popis;
        m_u.Uloz(i, n);
        break;
    }
    case ZalozkaVydavkov::Podielova: {
        TPodielovaOdmenaEditForm d(r.Popis, v.Cena, CelyPocet(r.Pocet), v.Suma, m_z.nastavenia, this);
        if (d.exec() == QDialog::Accepted)
            m_u.Uloz(i, PodielovaPolozka(d.typ(), d.hodnota(), d.popis(), d.odmena()));
        break;
    }
    case ZalozkaVydavkov::Hotove: {
        TVydavkyIneEditForm d(v.Nazov, v.MJ, v.Cena, CelyPocet(r.Pocet), this);
        if (d.exec() != QDialog::Accepted)
            break;
        TVydavok n = HotovaPolozka(d.popis(), d.mj(), d.cena(), d.pocet());
        n.Rozpis[0].Popis = r.Popis;  // a description typed in the grid stays
        m_u.Uloz(i, n);
        break;
    }
    }
    NaplnVsetko();
}

void TVydavkyForm::Zmaz(ZalozkaVydavkov z)
{
    const int i = vybranaPolozka(z);
    if (i < 0)
        return;
    m_u.Zmaz(i);
    NaplnVsetko();
}

void TVydavkyForm::DvojklikRiadku(ZalozkaVydavkov z)
{
    const int i = vybranaPolozka(z);
    if (i < 0)
        return;
    if (z == ZalozkaVydavkov::Pausalna || z == ZalozkaVydavkov::PausalneVydavky) {
        upravPausalne(z == ZalozkaVydavkov::Pausalna ? 2 : 3, i);
        NaplnVsetko();
    } else {
        Oprav(z);
    }
}

void TVydavkyForm::ZoznamUlozenych()
{
    TVsetkyPolozkyForm d(m_z.ulozene, this);
    if (d.exec() != QDialog::Accepted || d.zvolene() < 0)
        return;
    if (!spravy().otazka(QStringLiteral("Chcete vytvoriť nové znalečné podľa zvoleného vzoru?")))
        return;
    m_u.NacitajVzor(d.vyuctovania()[d.zvolene()]);
    NaplnVsetko();
    tabCestovne->zobraz();
}

void TVydavkyForm::Potvrd()
{
    tabCestovne->PrevezmiTexty();
    m_u.doZoznamu = chkZaradit->isChecked();
    accept();
}

void TVydavkyForm::reject()
{
    if (!spravy().otazka(QStringLiteral("Chcete skutočne ukončiť editovanie záznamu?\nZmeny nebudú uložené.")))
        return;
    QDialog::reject();
}

bool UpravVydavky(QWidget* rodic, UpravaVydavkov& uprava, ZdrojeVydavkov zdroje)
{
    TVydavkyForm okno(uprava, std::move(zdroje), rodic);
    if (okno.exec() != QDialog::Accepted)
        return false;
    uprava = okno.uprava();
    return true;
}
