#include "ZalozkaRegistra.h"

#include "FarbyRegistra.h"
#include "PanelRegistra.h"
#include "SirkyStlpcov.h"
#include "settings/StavStlpcov.h"
#include "store/Spravy.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

ZalozkaRegistra::ZalozkaRegistra(TabulkaRegistra* tabulka, const PanelZalozky& panel, const bool& nacitavanie,
                                 QWidget* rodic)
    : QWidget(rodic), m_nacitavanie(nacitavanie), m_tabulka(tabulka)
{
    m_tabulka->setParent(this);
    vytvorMriezku();
    auto* l = new QHBoxLayout(this);
    l->addWidget(StringGrid1, 1);
    l->addWidget(vytvorBocnyPanel(panel));
}

void ZalozkaRegistra::vytvorMriezku()
{
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
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    NastavPredvoleneSirky(StringGrid1, m_tabulka->PredvoleneSirky(), m_tabulka->StlpecPozicie());
    for (int c = 0; c < m_tabulka->columnCount(); ++c)
        m_zakladneSirky.append(StringGrid1->isColumnHidden(c) ? 0 : StringGrid1->columnWidth(c));
    StringGrid1->viewport()->installEventFilter(this);
    connect(StringGrid1->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_nastavujeSirky)
            m_sirkyPredvolene = false;
    });
    QPalette pal = StringGrid1->palette();
    pal.setColor(QPalette::Highlight, FarbaZCisla(FarbyRegistra::VybranyRiadok));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    StringGrid1->setPalette(pal);
    StringGrid1->horizontalHeader()->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { Uprav(i.row()); });
    // The keys of the grid (see eventFilter).
    StringGrid1->installEventFilter(this);
}

bool ZalozkaRegistra::klavesMriezky(int kluc)
{
    switch (kluc) {
    case Qt::Key_Insert: Pridaj(); return true;
    case Qt::Key_Delete: Zmaz(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (StringGrid1->currentIndex().isValid())
            Uprav(StringGrid1->currentIndex().row());
        return true;
    default: return false;
    }
}

QWidget* ZalozkaRegistra::vytvorBocnyPanel(const PanelZalozky& popis)
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(190);
    auto* l = new QVBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    auto* skupina = new QGroupBox(popis.skupinaStavu, panel);
    auto* sl = new QVBoxLayout(skupina);
    for (const QString& text : popis.stavy) {
        auto* rb = new QRadioButton(text, skupina);
        sl->addWidget(rb);
        rbStavy.append(rb);
    }
    if (!rbStavy.isEmpty())
        rbStavy.last()->setChecked(true);
    for (auto* rb : rbStavy)
        connect(rb, &QRadioButton::toggled, this, [this](bool zapnute) {
            if (zapnute)
                ZmenaStavu();
        });
    l->addWidget(skupina);

    auto tlacidlo = [&](const QString& text) {
        auto* b = new QPushButton(text, panel);
        l->addWidget(b);
        return b;
    };
    btnPridaj = tlacidlo(QStringLiteral("Pridaj"));
    btnZmaz = tlacidlo(QStringLiteral("Zmaž"));
    for (const QString& text : popis.dalsieTlacidla)
        dalsieTlacidla.append(tlacidlo(text));
    btnVyhladaj = tlacidlo(QStringLiteral("Vyhľadaj"));
    FilterMemo = PridajFilterVyhladavania(l, panel);
    btnVycistiFilter = tlacidlo(QStringLiteral("Vyčisti filter"));
    RokEdit = PridajRok(l, panel);

    connect(btnPridaj, &QPushButton::clicked, this, [this] { Pridaj(); });
    connect(btnZmaz, &QPushButton::clicked, this, [this] { Zmaz(); });
    connect(btnVyhladaj, &QPushButton::clicked, this, [this] { Vyhladaj(); });
    connect(btnVycistiFilter, &QPushButton::clicked, this, [this] { VycistiFilter(); });
    connect(RokEdit, &QSpinBox::valueChanged, this, &ZalozkaRegistra::ZmenaRoka);
    return panel;
}

int ZalozkaRegistra::rok() const { return RokEdit->value(); }

void ZalozkaRegistra::NastavRok(int rok) { RokEdit->setValue(rok); }

int ZalozkaRegistra::VybranaPozicia() const { return m_tabulka->Pozicia(StringGrid1->currentIndex().row()); }

void ZalozkaRegistra::VyberRiadok(int riadok, int stlpec)
{
    if (riadok >= 0 && riadok < m_tabulka->rowCount())
        StringGrid1->setCurrentIndex(m_tabulka->index(riadok, stlpec));
}

void ZalozkaRegistra::ZmenaStavu()
{
    for (int i = 0; i < rbStavy.size(); ++i)
        if (rbStavy[i]->isChecked())
            nastavStav(i);
}

void ZalozkaRegistra::ZmenaRoka()
{
    if (m_nacitavanie)
        return;
    // A year with many unreadable files is reported in one window.
    ZberSprav zber;
    zber.zacni();
    nacitajRok(rok());
    zber.skonci();
    zber.odovzdaj();
}

QString ZalozkaRegistra::StavStlpcovText() const
{
    QList<StavStlpca> s;
    const QList<int> predvolene = m_tabulka->PredvoleneSirky();
    for (int c = 0; c < predvolene.size(); ++c)
        s.append({m_tabulka->zoradenie().stav(c), c == m_tabulka->StlpecPozicie() ? predvolene[c]
                                                  : m_sirkyPredvolene ? m_zakladneSirky.value(c)
                                                                      : StringGrid1->columnWidth(c)});
    return ZakodujStavStlpcov(s);
}

void ZalozkaRegistra::ObnovStavStlpcov(const QString& text)
{
    m_nastavujeSirky = true;
    const auto stavy = ObnovSirkyStlpcov(StringGrid1, text, m_tabulka->columnCount(), m_tabulka->StlpecPozicie());
    m_nastavujeSirky = false;
    if (stavy) {
        // Widths the user set stay as they are; the default ones share the free width.
        bool predvolene = true;
        for (int c = 0; c < m_zakladneSirky.size(); ++c)
            if (!StringGrid1->isColumnHidden(c) && StringGrid1->columnWidth(c) != m_zakladneSirky[c])
                predvolene = false;
        m_sirkyPredvolene = predvolene;
        rozdelVolnuSirku();
        m_tabulka->ObnovZoradenie(*stavy);
    }
}

void ZalozkaRegistra::rozdelVolnuSirku()
{
    if (!m_sirkyPredvolene)
        return;
    const QList<int> sirky =
        SirkySVolnymMiestom(m_zakladneSirky, m_tabulka->PodielyVolnehoMiesta(), StringGrid1->viewport()->width());
    m_nastavujeSirky = true;
    for (int c = 0; c < sirky.size(); ++c)
        if (!StringGrid1->isColumnHidden(c))
            StringGrid1->setColumnWidth(c, sirky[c]);
    m_nastavujeSirky = false;
}

bool ZalozkaRegistra::eventFilter(QObject* o, QEvent* e)
{
    if (o == StringGrid1->viewport() && e->type() == QEvent::Resize)
        rozdelVolnuSirku();
    // Insert adds, Enter and F2 open the current row, Delete deletes it.
    if (o == StringGrid1 && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && klavesMriezky(k->key()))
            return true;
    }
    if (o == StringGrid1->horizontalHeader()->viewport() && e->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(e);
        const int c = StringGrid1->horizontalHeader()->logicalIndexAt(m->position().toPoint());
        if (c >= 0)
            m_tabulka->KlikNaHlavicku(c);
    }
    return QWidget::eventFilter(o, e);
}
