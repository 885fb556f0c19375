#include "TVydavkyTarifEditForm.h"

#include "MriezkaRozpisu.h"
#include "PolePopisu.h"
#include "SkupinaZaznamu.h"
#include "VypoctyVydavkov.h"
#include "TVydavkyPopisEditForm.h"
#include "VstupVydavkov.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TVydavkyTarifEditForm::TVydavkyTarifEditForm(UpravaTarifu logika, const TVydavok* polozka, QWidget* rodic)
    : QDialog(rodic), m_logika(std::move(logika))
{
    setWindowTitle(m_logika.rezim() == 1 ? QStringLiteral("Editovanie tarifnej odmeny")
                                         : QStringLiteral("Editovanie paušálnej odmeny"));
    cmbUkon = new QComboBox(this);
    cmbUkon->setEditable(true);
    cmbUkon->setInsertPolicy(QComboBox::NoInsert);
    cmbUkon->lineEdit()->setMaxLength(200);
    cmbUkon->setMinimumContentsLength(40);
    for (const auto& p : m_logika.ponuka()) {
        cmbUkon->addItem(p.Nazov);
        cmbUkon->setItemData(cmbUkon->count() - 1, p.Nazov, Qt::ToolTipRole);
    }
    // Long names differ at their ends: the list shows them whole, the box in a tooltip.
    cmbUkon->view()->setTextElideMode(Qt::ElideNone);
    cmbUkon->view()->setMinimumWidth(qMin(cmbUkon->view()->sizeHintForColumn(0) + 24, 1100));
    connect(cmbUkon, &QComboBox::currentTextChanged, cmbUkon, &QComboBox::setToolTip);
    MJEdit = new QLineEdit(this);
    MJEdit->setMaxLength(10);
    CenaEdit = new QLineEdit(this);
    CenaEdit->setAlignment(Qt::AlignRight);
    PocetEdit = new QLineEdit(this);
    PocetEdit->setAlignment(Qt::AlignRight);
    lblCenaSPriplatkami = new QLabel(this);
    lblNadpis = new QLabel(this);
    StringGrid1 = new MriezkaRozpisu(this);
    btnPridajRozpis = new QPushButton(QStringLiteral("Pridaj položku úkonu"), this);
    btnOpravRozpis = new QPushButton(QStringLiteral("Oprav položku úkonu"), this);
    btnZmazRozpis = new QPushButton(QStringLiteral("Zmaž položku úkonu"), this);
    lblCelkovaCena = new QLabel(this);
    QFont tucne = lblCelkovaCena->font();
    tucne.setBold(true);
    lblCelkovaCena->setFont(tucne);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(PopisUkonu(m_logika.skupina()), this), 0, 0);
    g->addWidget(cmbUkon, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("MJ:"), this), 1, 0);
    g->addWidget(MJEdit, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Cena za MJ:"), this), 2, 0);
    g->addWidget(CenaEdit, 2, 1);
    for (int k = 0; k < 2; ++k) {
        lblPriplatok[k] = new QLabel(QStringLiteral("Príplatok:"), this);
        chkPriplatok[k] = new QCheckBox(this);
        spinPriplatok[k] = new QSpinBox(this);
        spinPriplatok[k]->setSuffix(QStringLiteral(" %"));
        g->addWidget(lblPriplatok[k], 3 + k, 0);
        g->addWidget(chkPriplatok[k], 3 + k, 1, 1, 2);
        g->addWidget(spinPriplatok[k], 3 + k, 3);
        connect(chkPriplatok[k], &QCheckBox::toggled, this, [this, k] { zmenenyPriplatok(k); });
        connect(spinPriplatok[k], &QSpinBox::valueChanged, this, [this, k] { zmenenyPriplatok(k); });
    }
    g->addWidget(new QLabel(QStringLiteral("Cena s príplatkami:"), this), 5, 0);
    g->addWidget(lblCenaSPriplatkami, 5, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Počet MJ:"), this), 6, 0);
    g->addWidget(PocetEdit, 6, 1);
    auto* rozpisTl = new QHBoxLayout;
    rozpisTl->addWidget(btnPridajRozpis);
    rozpisTl->addWidget(btnOpravRozpis);
    rozpisTl->addWidget(btnZmazRozpis);
    rozpisTl->addStretch();
    auto* celkom = new QHBoxLayout;
    lblZaokruhlenie = new QLabel(this);
    celkom->addWidget(lblZaokruhlenie);
    celkom->addStretch();
    celkom->addWidget(new QLabel(QStringLiteral("Celková cena:"), this));
    celkom->addWidget(lblCelkovaCena);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(g);
    hlavny->addWidget(lblNadpis);
    hlavny->addWidget(StringGrid1, 1);
    hlavny->addLayout(rozpisTl);
    hlavny->addLayout(celkom);
    hlavny->addLayout(riadokTlacidiel(this, btnOK, btnStorno));
    resize(640, 480);
    // The surcharges are made after the grid: Tab takes them between price and count.
    QWidget::setTabOrder(CenaEdit, chkPriplatok[0]);
    QWidget::setTabOrder(chkPriplatok[0], spinPriplatok[0]);
    QWidget::setTabOrder(spinPriplatok[0], chkPriplatok[1]);
    QWidget::setTabOrder(chkPriplatok[1], spinPriplatok[1]);
    QWidget::setTabOrder(spinPriplatok[1], PocetEdit);

    if (polozka)
        m_logika.Oprav(*polozka);
    else
        m_logika.Pridaj();
    lblNadpis->setText(NadpisUkonu(m_logika.skupina()));
    {
        const QSignalBlocker b(cmbUkon);
        cmbUkon->setEditText(m_logika.polozka().Nazov);
    }
    MJEdit->setText(m_logika.polozka().MJ);
    ukaz();

    connect(cmbUkon, &QComboBox::activated, this, [this](int i) {
        m_logika.Zvol(i);
        MJEdit->setText(m_logika.polozka().MJ);
        ukaz();
    });
    connect(CenaEdit, &QLineEdit::editingFinished, this, &TVydavkyTarifEditForm::OpustilCenu);
    connect(PocetEdit, &QLineEdit::editingFinished, this, &TVydavkyTarifEditForm::OpustilPocet);
    connect(btnPridajRozpis, &QPushButton::clicked, this, &TVydavkyTarifEditForm::PridajRozpis);
    connect(btnOpravRozpis, &QPushButton::clicked, this, &TVydavkyTarifEditForm::OpravRozpis);
    connect(StringGrid1, &QTableView::doubleClicked, this, &TVydavkyTarifEditForm::OpravRozpis);
    connect(btnZmazRozpis, &QPushButton::clicked, this, &TVydavkyTarifEditForm::ZmazRozpis);
    connect(btnOK, &QPushButton::clicked, this, &TVydavkyTarifEditForm::Potvrd);
}

void TVydavkyTarifEditForm::ukaz(int vybranyRozpis)
{
    m_plnenie = true;
    const TVydavok& v = m_logika.polozka();
    for (int k = 0; k < 2; ++k) {
        const PriplatokOvladania& o = m_logika.Priplatok(k + 1);
        lblPriplatok[k]->setVisible(o.viditelny);
        chkPriplatok[k]->setVisible(o.viditelny);
        spinPriplatok[k]->setVisible(o.viditelny);
        chkPriplatok[k]->setText(o.text);
        chkPriplatok[k]->setChecked(o.zaskrtnuty);
        spinPriplatok[k]->setRange(0, o.maximum);
        spinPriplatok[k]->setValue(o.hodnota);
    }
    CenaEdit->setText(QString::number(v.ZakladnaCena, 'f', 2));
    lblCenaSPriplatkami->setText(SumaText(SymbolEuro, v.Cena));
    lblCelkovaCena->setText(SumaText(SymbolEuro, v.Suma));
    lblZaokruhlenie->setText(m_logika.zaokruhlene() ? TextZaokruhleniaNahor() : QString());
    StringGrid1->zobraz(v.Rozpis, vybranyRozpis);
    double pocet = 0;
    for (const TRozpisPolozky& r : v.Rozpis)
        pocet += r.Pocet;
    PocetEdit->setText(QString::number(pocet, 'f', 2));
    PocetEdit->setReadOnly(v.Rozpis.size() > 1);
    m_plnenie = false;
}

void TVydavkyTarifEditForm::zmenenyPriplatok(int k)
{
    if (m_plnenie)
        return;
    m_logika.NastavPriplatok(k + 1, chkPriplatok[k]->isChecked(), spinPriplatok[k]->value());
    lblCenaSPriplatkami->setText(SumaText(SymbolEuro, m_logika.polozka().Cena));
    lblCelkovaCena->setText(SumaText(SymbolEuro, m_logika.polozka().Suma));
}

void TVydavkyTarifEditForm::OpustilCenu()
{
    if (m_logika.OpustilCenu(CenaEdit->text())) {
        ukaz(StringGrid1->vybrany());
        return;
    }
    CenaEdit->clear();
    CenaEdit->setFocus();
}

void TVydavkyTarifEditForm::OpustilPocet()
{
    if (m_plnenie || PocetEdit->isReadOnly())
        return;
    const auto p = VstupVydavkov::Cislo(PocetEdit->text());
    if (!p || *p < 0) {
        spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
        ukaz(StringGrid1->vybrany());
        return;
    }
    TRozpisPolozky r = m_logika.polozka().Rozpis.value(0);
    r.Pocet = *p;
    if (m_logika.polozka().Rozpis.isEmpty())
        m_logika.PridajRozpis(r);
    else
        m_logika.OpravRozpis(0, r);
    ukaz(0);
}

void TVydavkyTarifEditForm::PridajRozpis()
{
    TRozpisPolozky r;
    r.Pocet = 1;
    if (const auto n = TVydavkyPopisEditForm::uprav(this, m_logika.rezim(), r)) {
        m_logika.PridajRozpis(*n);
        ukaz(m_logika.polozka().Rozpis.size() - 1);
    }
}

void TVydavkyTarifEditForm::OpravRozpis()
{
    const int i = StringGrid1->vybrany();
    if (i < 0)
        return;
    if (const auto n = TVydavkyPopisEditForm::uprav(this, m_logika.rezim(), m_logika.polozka().Rozpis[i])) {
        m_logika.OpravRozpis(i, *n);
        ukaz(i);
    }
}

void TVydavkyTarifEditForm::ZmazRozpis()
{
    const int i = StringGrid1->vybrany();
    if (i < 0)
        return;
    m_logika.ZmazRozpis(i);
    ukaz(i);
}

void TVydavkyTarifEditForm::Potvrd()
{
    const QString chyba = m_logika.Potvrd(cmbUkon->currentText(), MJEdit->text());
    if (!chyba.isEmpty()) {
        spravy().chyba(chyba);
        return;
    }
    accept();
}
