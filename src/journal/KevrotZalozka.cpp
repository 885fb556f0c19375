#include "KevrotZalozka.h"

#include "DetailZaznamu.h"
#include "EditorVolania.h"
#include "FarbyRegistra.h"
#include "PanelRegistra.h"
#include "KevrotPrikazy.h"
#include "NedostupnaFunkcia.h"
#include "SirkyStlpcov.h"
#include "finance/TStavFinanciiForm.h"
#include "reports/TlacKevrotaOkna.h"
#include "TVyhladavanieKevrotForm.h"
#include "settings/StavStlpcov.h"
#include "kevrot/Udaje.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

KevrotZalozka::KevrotZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic)
    : QWidget(rodic), m_udaje(udaje), m_nacitavanie(nacitavanie)
{
    m_tabulka = new KevrotTabulka(m_udaje.zurnal.ZaznamyKevrota, &m_kopirovanie, this);

    StringGrid1 = new QTableView(this);
    StringGrid1->setModel(m_tabulka);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->horizontalHeader()->setSectionsClickable(false);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->setWordWrap(false);
    QFont pismo = StringGrid1->font();
    pismo.setPointSize(8);
    StringGrid1->setFont(pismo);
    StringGrid1->horizontalHeader()->setFont(pismo);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    NastavPredvoleneSirky(StringGrid1, KevrotTabulka::PredvoleneSirky(), KevrotTabulka::StlpecPozicie);
    QPalette pal = StringGrid1->palette();
    pal.setColor(QPalette::Highlight, FarbaZCisla(FarbyRegistra::VybranyRiadok));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    StringGrid1->setPalette(pal);
    nastavVyberMriezky();
    StringGrid1->viewport()->installEventFilter(this);
    StringGrid1->horizontalHeader()->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { Uprav(i.row()); });

    PopupMenu = new QMenu(this);
    connect(PopupMenu->addAction(QStringLiteral("Kopiruj")), &QAction::triggered, this, &KevrotZalozka::Kopiruj);
    connect(PopupMenu->addAction(QStringLiteral("Vloz")), &QAction::triggered, this, &KevrotZalozka::Vloz);

    auto* l = new QHBoxLayout(this);
    l->addWidget(StringGrid1, 1);
    l->addWidget(vytvorBocnyPanel());
    vytvorDetailPanel();
}

QWidget* KevrotZalozka::vytvorBocnyPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(190);
    auto* l = new QVBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    auto* skupina = new QGroupBox(QStringLiteral(" Stav kevrota "), panel);
    auto* sl = new QVBoxLayout(skupina);
    rbNevyplatene = new QRadioButton(QStringLiteral("nevyplatené"), skupina);
    rbVyplatene = new QRadioButton(QStringLiteral("vyplatené"), skupina);
    rbVsetky = new QRadioButton(QStringLiteral("všetky"), skupina);
    rbVsetky->setChecked(true);
    for (auto* rb : {rbNevyplatene, rbVyplatene, rbVsetky}) {
        sl->addWidget(rb);
        connect(rb, &QRadioButton::toggled, this, [this](bool zapnute) {
            if (zapnute)
                ZmenaStavu();
        });
    }
    l->addWidget(skupina);

    auto tlacidlo = [&](const QString& text) {
        auto* b = new QPushButton(text, panel);
        l->addWidget(b);
        return b;
    };
    btnPridaj = tlacidlo(QStringLiteral("Pridaj"));
    btnZmaz = tlacidlo(QStringLiteral("Zmaž"));
    btnVytvorKopiu = tlacidlo(QStringLiteral("Vytvor kópiu"));
    btnVytlacObrazovka = tlacidlo(QStringLiteral("Vytlač obrazovka"));
    btnVytlacExcel = tlacidlo(QStringLiteral("Vytlač Excel"));
    btnVypis = tlacidlo(QStringLiteral("Výpis z kevrota"));
    btnStavFinancii = tlacidlo(QStringLiteral("Stav financií"));
    btnVyhladaj = tlacidlo(QStringLiteral("Vyhľadaj"));
    OznacNedostupne(btnVypis);
    FilterMemo = PridajFilterVyhladavania(l, panel);
    btnVycistiFilter = tlacidlo(QStringLiteral("Vyčisti filter"));
    RokEdit = PridajRok(l, panel);

    connect(btnPridaj, &QPushButton::clicked, this, &KevrotZalozka::Pridaj);
    connect(btnZmaz, &QPushButton::clicked, this, &KevrotZalozka::Zmaz);
    connect(btnVytvorKopiu, &QPushButton::clicked, this, &KevrotZalozka::VytvorKopiu);
    connect(btnVyhladaj, &QPushButton::clicked, this, &KevrotZalozka::Vyhladaj);
    connect(btnVytlacObrazovka, &QPushButton::clicked, this, &KevrotZalozka::VytlacObrazovka);
    connect(btnVytlacExcel, &QPushButton::clicked, this, &KevrotZalozka::VytlacExcel);
    connect(btnStavFinancii, &QPushButton::clicked, this, &KevrotZalozka::StavFinancii);
    connect(btnVycistiFilter, &QPushButton::clicked, this, &KevrotZalozka::VycistiFilter);
    connect(RokEdit, &QSpinBox::valueChanged, this, &KevrotZalozka::ZmenaRoka);
    return panel;
}

void KevrotZalozka::vytvorDetailPanel()
{
    DetailPanel = new QFrame(this);
    DetailPanel->setFrameShape(QFrame::Box);
    DetailPanel->setAutoFillBackground(true);
    DetailPanel->setStyleSheet(QStringLiteral("QFrame { background: #ffffe1; }"));
    auto* f = new QFormLayout(DetailPanel);
    for (const auto& [popis, text] : DetailZaznamu(TZnalKevrotZaznam{})) {
        auto* hodnota = new QLabel(DetailPanel);
        hodnota->setWordWrap(true);
        hodnota->setMaximumWidth(260);
        f->addRow(new QLabel(popis, DetailPanel), hodnota);
        m_detailHodnoty.append(hodnota);
    }
    DetailPanel->installEventFilter(this);
    DetailPanel->hide();
}

int KevrotZalozka::rok() const { return RokEdit->value(); }

void KevrotZalozka::NastavRok(int rok) { RokEdit->setValue(rok); }

int KevrotZalozka::VybranaPozicia() const { return m_tabulka->Pozicia(StringGrid1->currentIndex().row()); }

void KevrotZalozka::VyberRiadok(int riadok, int stlpec)
{
    if (riadok >= 0 && riadok < m_tabulka->rowCount())
        StringGrid1->setCurrentIndex(m_tabulka->index(riadok, stlpec));
}

void KevrotZalozka::nastavVyberMriezky()
{
    const bool kop = m_kopirovanie.zapnuty();
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(kop ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    // In copy mode the cell text can be selected in place; nothing typed is kept.
    StringGrid1->setEditTriggers(kop ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                     : QAbstractItemView::NoEditTriggers);
}

void KevrotZalozka::ZmenaStavu()
{
    m_tabulka->NastavStav(rbNevyplatene->isChecked() ? KevrotTabulka::Nevyplatene
                          : rbVyplatene->isChecked() ? KevrotTabulka::Vyplatene
                                                     : KevrotTabulka::Vsetky);
}

void KevrotZalozka::ZmenaRoka()
{
    if (m_nacitavanie)
        return;
    m_udaje.zurnal.NacitajKevrot(rok());
    m_tabulka->NastavRok(rok());
}

void KevrotZalozka::Pridaj()
{
    UpravaZaznamu u = KevrotPrikazy::NovyZaznam(m_udaje.zurnal, rok(), m_udaje.nastavenia.Nastavenie.Splatnost);
    Zurnal::PripravPracovnyAdresar();
    if (!UpravZaznamVEditore(this, m_udaje, u, -1))
        return;
    const int p = KevrotPrikazy::PridajZaznam(m_udaje.zurnal, u, rok());
    m_tabulka->Obnov();
    VyberRiadok(m_tabulka->RiadokPozicie(p));
}

void KevrotZalozka::Uprav(int riadok)
{
    const int p = m_tabulka->Pozicia(riadok);
    if (p < 0 || m_kopirovanie.zapnuty())
        return;
    Zurnal& zurnal = m_udaje.zurnal;
    UpravaZaznamu u;
    u.zaznam = zurnal.ZaznamyKevrota[p];
    if (!zurnal.NacitajZaznam(u.zaznam.PoradoveCislo, u.zaznam.Rok))
        return;
    u.vydavky = zurnal.VydavkyZaznamu;
    u.vyplatenia = zurnal.VyplateniaZaznamu;
    Zurnal::NacitajDokumenty(u.zaznam.PoradoveCislo, u.zaznam.Rok);
    if (UpravZaznamVEditore(this, m_udaje, u, p)) {
        KevrotPrikazy::UlozUpravu(zurnal, p, u, rok());
        m_tabulka->Obnov();
    }
    VyberRiadok(riadok);
}

void KevrotZalozka::Zmaz()
{
    const int p = VybranaPozicia();
    if (p < 0)
        return;
    const int riadok = StringGrid1->currentIndex().row();
    KevrotPrikazy::Zmaz(m_udaje.zurnal, p, rok());
    m_tabulka->Obnov();
    // The same row stays selected (after "No"), or the one that took the deleted one's place.
    VyberRiadok(qMin(riadok, m_tabulka->rowCount() - 1));
}

void KevrotZalozka::VytvorKopiu()
{
    const int p = VybranaPozicia();
    if (p < 0)
        return;
    const int riadok = StringGrid1->currentIndex().row();
    if (KevrotPrikazy::VytvorKopiu(m_udaje.zurnal, p)) {
        m_tabulka->Obnov();
        VyberRiadok(riadok);
    }
}

void KevrotZalozka::Vyhladaj()
{
    TVyhladavanieKevrotForm f(m_tabulka->filter(), this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_tabulka->filter() = f.filter();
    FilterMemo->setPlainText(m_tabulka->filter().ObnovTextAStlpce());
    m_tabulka->Obnov();
}

void KevrotZalozka::VycistiFilter()
{
    m_tabulka->filter().Vycisti();
    FilterMemo->setPlainText(m_tabulka->filter().ObnovTextAStlpce());
    m_tabulka->Obnov();
}

void KevrotZalozka::PrepniKopirovanie()
{
    m_kopirovanie.Prepni();
    nastavVyberMriezky();
    m_tabulka->Prekresli();
}

void KevrotZalozka::Kopiruj()
{
    if (!m_kopirovanie.zapnuty())
        return;
    const QModelIndex i = StringGrid1->currentIndex();
    const int p = m_tabulka->Pozicia(i.row());
    if (p < 0)
        return;
    m_kopirovanie.Kopiruj(m_udaje.zurnal.ZaznamyKevrota[p], i.row(), i.column());
    m_tabulka->Prekresli();
}

void KevrotZalozka::Vloz()
{
    const QModelIndex i = StringGrid1->currentIndex();
    const int p = m_tabulka->Pozicia(i.row());
    if (p < 0)
        return;
    KevrotPrikazy::VlozHodnotu(m_udaje.zurnal, m_kopirovanie, p, i.column());
    m_tabulka->Prekresli();
}

void KevrotZalozka::UkazDetail(int riadok, const QPoint& kde)
{
    const int p = m_tabulka->Pozicia(riadok);
    if (p < 0) {
        for (auto* l : m_detailHodnoty)
            l->clear();
        SkryDetail();
        return;
    }
    const auto riadky = DetailZaznamu(m_udaje.zurnal.ZaznamyKevrota[p]);
    for (int i = 0; i < riadky.size() && i < m_detailHodnoty.size(); ++i)
        m_detailHodnoty[i]->setText(riadky[i].second);
    DetailPanel->adjustSize();
    const QPoint vGride = StringGrid1->mapTo(this, QPoint(20, 0));
    int y = kde.y() + 20;
    if (y + DetailPanel->height() > height())
        y = qMax(0, height() - DetailPanel->height());
    DetailPanel->move(vGride.x(), y);
    DetailPanel->raise();
    DetailPanel->show();
}

void KevrotZalozka::SkryDetail() { DetailPanel->hide(); }

void KevrotZalozka::VytlacObrazovka()
{
    // Printed in number order, which the register then shows.
    m_tabulka->ZoradPreTlac();
    TlacKevrota::ZobrazKevrot(m_udaje.zurnal.ZaznamyKevrota, m_udaje.nastavenia, m_udaje.odbory, rok(), window());
}

PismoTabulky KevrotZalozka::pismoTabulky()
{
    m_udaje.nastavenia.DoplnPredvoleneFonty();
    const auto& n = m_udaje.nastavenia.Nastavenie;
    return {n.TableFontName, n.TableFontSize};
}

void KevrotZalozka::VytlacExcel()
{
    const PismoTabulky pismo = pismoTabulky();
    m_tabulka->ZoradPreTlac();
    ::VytlacExcel(m_udaje.zurnal.ZaznamyKevrota, rok(), VariantExportu::Register, pismo);
}

void KevrotZalozka::StavFinancii()
{
    TStavFinanciiForm f(m_udaje.zurnal, rok(), pismoTabulky(), this);
    f.exec();
}

QString KevrotZalozka::StavStlpcovText() const
{
    QList<StavStlpca> s;
    for (int c = 0; c < KevrotTabulka::PocetStlpcov; ++c)
        s.append({m_tabulka->zoradenie().stav(c),
                  c == KevrotTabulka::StlpecPozicie ? 0 : StringGrid1->columnWidth(c)});
    return ZakodujStavStlpcov(s);
}

void KevrotZalozka::ObnovStavStlpcov(const QString& text)
{
    if (const auto stavy = ObnovSirkyStlpcov(StringGrid1, text, KevrotTabulka::PocetStlpcov,
                                             KevrotTabulka::StlpecPozicie))
        m_tabulka->ObnovZoradenie(*stavy);
}

bool KevrotZalozka::eventFilter(QObject* o, QEvent* e)
{
    if (o == StringGrid1->horizontalHeader()->viewport() && e->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(e);
        const int c = StringGrid1->horizontalHeader()->logicalIndexAt(m->position().toPoint());
        if (c >= 0)
            m_tabulka->KlikNaHlavicku(c);
    } else if (o == StringGrid1->viewport() && e->type() == QEvent::MouseButtonPress) {
        const auto* m = static_cast<QMouseEvent*>(e);
        const QPoint p = m->position().toPoint();
        const QModelIndex i = StringGrid1->indexAt(p);
        if (m->button() == Qt::RightButton) {
            if (i.isValid())
                StringGrid1->setCurrentIndex(i);
            if (!i.isValid())
                SkryDetail();
            else
                UkazDetail(i.row(), StringGrid1->viewport()->mapTo(this, p));
            if (m_kopirovanie.zapnuty())
                PopupMenu->popup(m->globalPosition().toPoint());
        } else {
            SkryDetail();
        }
    } else if (o == DetailPanel && e->type() == QEvent::MouseButtonPress) {
        SkryDetail();
        return true;
    }
    return QWidget::eventFilter(o, e);
}
