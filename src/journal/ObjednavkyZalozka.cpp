#include "ObjednavkyZalozka.h"

#include "EditorVolania.h"
#include "FarbyRegistra.h"
#include "PanelRegistra.h"
#include "ObjednavkyPrikazy.h"
#include "SirkyStlpcov.h"
#include "TVyhladavanieObjednavkyForm.h"
#include "settings/StavStlpcov.h"
#include "kevrot/Udaje.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

ObjednavkyZalozka::ObjednavkyZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic)
    : QWidget(rodic), m_udaje(udaje), m_nacitavanie(nacitavanie)
{
    m_tabulka = new ObjednavkyTabulka(m_udaje.objednavky.ZoznamObjednavok, this);
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
    NastavPredvoleneSirky(StringGrid1, ObjednavkyTabulka::PredvoleneSirky(), ObjednavkyTabulka::StlpecPozicie);
    QPalette pal = StringGrid1->palette();
    pal.setColor(QPalette::Highlight, FarbaZCisla(FarbyRegistra::VybranyRiadok));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    StringGrid1->setPalette(pal);
    StringGrid1->horizontalHeader()->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { Uprav(i.row()); });

    auto* l = new QHBoxLayout(this);
    l->addWidget(StringGrid1, 1);
    l->addWidget(vytvorBocnyPanel());
}

QWidget* ObjednavkyZalozka::vytvorBocnyPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(190);
    auto* l = new QVBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    auto* skupina = new QGroupBox(QStringLiteral(" Stav objednávok "), panel);
    auto* sl = new QVBoxLayout(skupina);
    rbNerozpracovane = new QRadioButton(QStringLiteral("nerozpracované"), skupina);
    rbRozpracovane = new QRadioButton(QStringLiteral("rozpracované"), skupina);
    rbVypracovane = new QRadioButton(QStringLiteral("vypracované"), skupina);
    rbVsetky = new QRadioButton(QStringLiteral("všetky"), skupina);
    rbVsetky->setChecked(true);
    for (auto* rb : {rbNerozpracovane, rbRozpracovane, rbVypracovane, rbVsetky}) {
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
    btnVyhladaj = tlacidlo(QStringLiteral("Vyhľadaj"));
    FilterMemo = PridajFilterVyhladavania(l, panel);
    btnVycistiFilter = tlacidlo(QStringLiteral("Vyčisti filter"));
    RokEdit = PridajRok(l, panel);

    connect(btnPridaj, &QPushButton::clicked, this, &ObjednavkyZalozka::Pridaj);
    connect(btnZmaz, &QPushButton::clicked, this, &ObjednavkyZalozka::Zmaz);
    connect(btnVyhladaj, &QPushButton::clicked, this, &ObjednavkyZalozka::Vyhladaj);
    connect(btnVycistiFilter, &QPushButton::clicked, this, &ObjednavkyZalozka::VycistiFilter);
    connect(RokEdit, &QSpinBox::valueChanged, this, &ObjednavkyZalozka::ZmenaRoka);
    return panel;
}

int ObjednavkyZalozka::rok() const { return RokEdit->value(); }
void ObjednavkyZalozka::NastavRok(int rok) { RokEdit->setValue(rok); }
int ObjednavkyZalozka::VybranaPozicia() const { return m_tabulka->Pozicia(StringGrid1->currentIndex().row()); }

void ObjednavkyZalozka::VyberRiadok(int riadok)
{
    if (riadok >= 0 && riadok < m_tabulka->rowCount())
        StringGrid1->setCurrentIndex(m_tabulka->index(riadok, 0));
}

void ObjednavkyZalozka::ZmenaStavu()
{
    m_tabulka->NastavStav(rbNerozpracovane->isChecked() ? ObjednavkyTabulka::Nerozpracovane
                          : rbRozpracovane->isChecked() ? ObjednavkyTabulka::Rozpracovane
                          : rbVypracovane->isChecked()  ? ObjednavkyTabulka::Vypracovane
                                                        : ObjednavkyTabulka::Vsetky);
}

void ObjednavkyZalozka::ZmenaRoka()
{
    if (m_nacitavanie)
        return;
    m_udaje.objednavky.NacitajObjednavky(rok());
    m_tabulka->Obnov();
}

void ObjednavkyZalozka::Pridaj()
{
    TObjednavka o = ObjednavkyPrikazy::NovaDoEditora();
    if (!UpravObjednavkuVEditore(this, m_udaje, o, true))
        return;
    ObjednavkyPrikazy::Pridaj(m_udaje.objednavky, o, rok());
    m_tabulka->Obnov();
}

void ObjednavkyZalozka::Uprav(int riadok)
{
    const int p = m_tabulka->Pozicia(riadok);
    if (p < 0)
        return;
    TObjednavka o = m_udaje.objednavky.ZoznamObjednavok[p];
    if (UpravObjednavkuVEditore(this, m_udaje, o, false)) {
        ObjednavkyPrikazy::UlozUpravu(m_udaje.objednavky, p, o, rok());
        m_tabulka->Obnov();
    }
    VyberRiadok(riadok);
}

void ObjednavkyZalozka::Zmaz()
{
    const int p = VybranaPozicia();
    if (p < 0)
        return;
    const int riadok = StringGrid1->currentIndex().row();
    ObjednavkyPrikazy::Zmaz(m_udaje.objednavky, p, rok());
    m_tabulka->Obnov();
    VyberRiadok(qMin(riadok, m_tabulka->rowCount() - 1));
}

void ObjednavkyZalozka::Vyhladaj()
{
    TVyhladavanieObjednavkyForm f(m_tabulka->filter(), this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_tabulka->filter() = f.filter();
    FilterMemo->setPlainText(m_tabulka->filter().ObnovTextAStlpce());
    m_tabulka->Obnov();
}

void ObjednavkyZalozka::VycistiFilter()
{
    m_tabulka->filter().Vycisti();
    FilterMemo->setPlainText(m_tabulka->filter().ObnovTextAStlpce());
    m_tabulka->Obnov();
}

QString ObjednavkyZalozka::StavStlpcovText() const
{
    QList<StavStlpca> s;
    const auto predvolene = ObjednavkyTabulka::PredvoleneSirky();
    for (int c = 0; c < ObjednavkyTabulka::PocetStlpcov; ++c)
        s.append({m_tabulka->zoradenie().stav(c), c == ObjednavkyTabulka::StlpecPozicie
                                                      ? predvolene[c]
                                                      : StringGrid1->columnWidth(c)});
    return ZakodujStavStlpcov(s);
}

void ObjednavkyZalozka::ObnovStavStlpcov(const QString& text)
{
    if (const auto stavy = ObnovSirkyStlpcov(StringGrid1, text, ObjednavkyTabulka::PocetStlpcov,
                                             ObjednavkyTabulka::StlpecPozicie))
        m_tabulka->ObnovZoradenie(*stavy);
}

bool ObjednavkyZalozka::eventFilter(QObject* o, QEvent* e)
{
    if (o == StringGrid1->horizontalHeader()->viewport() && e->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(e);
        const int c = StringGrid1->horizontalHeader()->logicalIndexAt(m->position().toPoint());
        if (c >= 0)
            m_tabulka->KlikNaHlavicku(c);
    }
    return QWidget::eventFilter(o, e);
}
