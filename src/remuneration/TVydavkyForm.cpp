#include "TVydavkyForm.h"

#include "settings/TlacidlaDialogu.h"

#include "store/SadzbyDPH.h"

#include "CestovneTab.h"
#include "widgets/VelkostOkna.h"
#include "CestovneVypocty.h"
#include "CiselnikPoloziek.h"
#include "FilterZalozky.h"
#include "ModelVydavkov.h"
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
#include <QTableView>
#include <QVBoxLayout>

namespace {

using namespace DruhVydavku;
namespace S = StlpecVydavku;

TRozpisPolozky prvyRozpis(const TVydavok& v) { return v.Rozpis.isEmpty() ? TRozpisPolozky{} : v.Rozpis[0]; }

}  // namespace

TVydavkyForm::TVydavkyForm(const UpravaVydavkov& uprava, ZdrojeVydavkov zdroje, QWidget* rodic)
    : QDialog(rodic), m_u(uprava), m_z(std::move(zdroje))
{
    setWindowTitle(m_u.Titulok());
    m_model = new ModelVydavkov(m_u, this);
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
    connect(m_model, &ModelVydavkov::dataChanged, this, &TVydavkyForm::ukazSucty);
    connect(m_model, &ModelVydavkov::rowsRemoved, this, &TVydavkyForm::ukazSucty);
    connect(m_model, &ModelVydavkov::modelReset, this, &TVydavkyForm::ukazSucty);
    tabCestovne->zobraz();
    chkZaradit->setChecked(m_u.doZoznamu);

    connect(btnUlozene, &QPushButton::clicked, this, &TVydavkyForm::ZoznamUlozenych);
    connect(btnOK, &QPushButton::clicked, this, &TVydavkyForm::Potvrd);
}

QWidget* TVydavkyForm::vytvorZalozku(ZalozkaVydavkov z)
{
    auto* w = new QWidget(this);
    auto* f = new FilterZalozky(z, this);
    f->setSourceModel(m_model);
    auto* g = new QTableView(w);
    g->setModel(f);
    QFont tucne = g->horizontalHeader()->font();
    tucne.setBold(true);
    g->horizontalHeader()->setFont(tucne);
    g->verticalHeader()->setVisible(false);
    g->setColumnWidth(S::Znacka, 8);
    g->setColumnWidth(S::Polozka, 300);
    g->horizontalHeader()->setSectionResizeMode(S::Popis, QHeaderView::Stretch);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    if (z == ZalozkaVydavkov::Tarifna) {
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setStyleSheet(QStringLiteral("QTableView { selection-background-color: silver; selection-color: black; }"));
    } else {
        g->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
        g->setSelectionBehavior(QAbstractItemView::SelectItems);
    }
    m_filtre[int(z)] = f;
    m_gridy[int(z)] = g;
    connect(g, &QTableView::doubleClicked, this, [this, z] { DvojklikRiadku(z); });

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
    m_model->Prepocitaj();
    ukazSucty();
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

int TVydavkyForm::vybranaPolozka(ZalozkaVydavkov z) const
{
    const int index = m_filtre[int(z)]->Polozka(m_gridy[int(z)]->currentIndex().row());
    return index >= 0 && index < m_u.polozky.size() && ZalozkaUkazuje(z, m_u.polozky[index].Druh) ? index : -1;
}

void TVydavkyForm::upravTarif(int rezim, int index)
{
    UpravaTarifu logika(m_u.skupina, rezim,
                        m_z.ciselnik.PonukaPoloziek(m_u.skupina, rezim));
    TVydavkyTarifEditForm d(std::move(logika), index >= 0 ? &m_u.polozky[index] : nullptr, this);
    if (d.exec() == QDialog::Accepted)
        m_model->Uloz(index, d.logika().polozka());
}

void TVydavkyForm::upravPausalne(int rezim, int index)
{
    TVydavkyEditForm d(rezim, m_u.skupina, index >= 0 ? &m_u.polozky[index] : nullptr, this);
    if (d.exec() != QDialog::Accepted)
        return;
    if (rezim == 4)
        m_model->UlozPausalne(index, d.nazov(), d.mj(), d.cena(), d.rozpis());
    else
        m_model->NahradRozpis(index, d.rozpis());
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
            m_model->Uloz(-1, ZmluvnaPolozka(d.popis(), d.cena(), d.pocet()));
        break;
    }
    case ZalozkaVydavkov::Podielova: {
        TPodielovaOdmenaEditForm d({}, 0, 0, 0, m_z.nastavenia, this);
        if (d.exec() == QDialog::Accepted)
            m_model->Uloz(-1, PodielovaPolozka(d.typ(), d.hodnota(), d.popis(), d.odmena()));
        break;
    }
    case ZalozkaVydavkov::Hotove: {
        TVydavkyIneEditForm d({}, {}, 0, 0, this);
        if (d.exec() == QDialog::Accepted)
            m_model->Uloz(-1, HotovaPolozka(d.popis(), d.mj(), d.cena(), d.pocet()));
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
        m_model->Uloz(i, n);
        break;
    }
    case ZalozkaVydavkov::Podielova: {
        TPodielovaOdmenaEditForm d(r.Popis, v.Cena, CelyPocet(r.Pocet), v.Suma, m_z.nastavenia, this);
        if (d.exec() == QDialog::Accepted)
            m_model->Uloz(i, PodielovaPolozka(d.typ(), d.hodnota(), d.popis(), d.odmena()));
        break;
    }
    case ZalozkaVydavkov::Hotove: {
        TVydavkyIneEditForm d(v.Nazov, v.MJ, v.Cena, CelyPocet(r.Pocet), this);
        if (d.exec() != QDialog::Accepted)
            break;
        TVydavok n = HotovaPolozka(d.popis(), d.mj(), d.cena(), d.pocet());
        n.Rozpis[0].Popis = r.Popis;  // a description typed in the grid stays
        m_model->Uloz(i, n);
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
    m_model->Zmaz(i);
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
    m_model->NacitajVzor(d.vyuctovania()[d.zvolene()]);
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
