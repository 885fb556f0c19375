#include "VyplatenieTab.h"

#include "widgets/TCalendarFrm.h"
#include "editor/TVyplateneZnalecneForm.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
ModelZoznamu<TVyplatenie>* modelPlatieb(const QList<TVyplatenie>& platby, QObject* rodic)
{
    using Stlpec = ModelZoznamu<TVyplatenie>::Stlpec;
    return new ModelZoznamu<TVyplatenie>(
        platby,
        {Stlpec{QStringLiteral("Dátum"),
                [](const TVyplatenie& v) { return v.Datum == 0 ? QString() : DatumText(v.Datum); }},
         Stlpec{QStringLiteral("Suma"), [](const TVyplatenie& v) { return SumaText(SymbolEuro, v.Suma); }, true},
         Stlpec{QString(), [](const TVyplatenie& v) { return v.Preddavok ? QStringLiteral("preddavok") : QString(); }}},
        rodic);
}

QWidget* riadok(QWidget* rodic, const QString& popis, QLabel* hodnota)
{
    auto* w = new QWidget(rodic);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(popis, w));
    l->addWidget(hodnota);
    l->addStretch();
    return w;
}
}  // namespace

VyplatenieTab::VyplatenieTab(QWidget* rodic) : QWidget(rodic)
{
    chkCelaCast = new QCheckBox(QStringLiteral("celá časť"), this);
    chkPoCastiach = new QCheckBox(QStringLiteral("po častiach"), this);

    panelCela = new QWidget(this);
    txtVyplatenieALL = new QLineEdit(panelCela);
    txtVyplatenieALL->setMaximumWidth(110);
    btnDatumVyplatenia = new QToolButton(panelCela);
    btnDatumVyplatenia->setText(QStringLiteral("…"));
    btnDatumVyplatenia->setToolTip(QStringLiteral("Dátum vyplatenia"));
    btnDnes = new QPushButton(QStringLiteral("Dnes"), panelCela);
    lblSumaCela = new QLabel(panelCela);
    auto* lc = new QHBoxLayout(panelCela);
    lc->setContentsMargins(0, 0, 0, 0);
    lc->addWidget(new QLabel(QStringLiteral("Dátum:"), panelCela));
    lc->addWidget(txtVyplatenieALL);
    lc->addWidget(btnDatumVyplatenia);
    lc->addWidget(btnDnes);
    lc->addSpacing(16);
    lc->addWidget(new QLabel(QStringLiteral("Suma:"), panelCela));
    lc->addWidget(lblSumaCela);
    lc->addStretch();

    panelCasti = new QWidget(this);
    m_platby = modelPlatieb(m_logika.Vyplatenia(), this);
    // "celá časť" keeps its one payment out of the grid
    m_platby->NastavSkrytie([this] { return m_logika.Rezim() == RezimVyplatenia::Cela; });
    StringGrid1 = new QTableView(panelCasti);
    StringGrid1->setModel(m_platby);
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setColumnWidth(0, 100);
    StringGrid1->setColumnWidth(1, 200);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    btnPridaj = new QPushButton(QStringLiteral("Pridaj"), panelCasti);
    btnOprav = new QPushButton(QStringLiteral("Oprav"), panelCasti);
    btnZmaz = new QPushButton(QStringLiteral("Zmaž"), panelCasti);
    lblCelkovaSuma = new QLabel(panelCasti);
    lblZostatok = new QLabel(panelCasti);
    m_riadokCelkom = riadok(panelCasti, QStringLiteral("Celková suma vyplatenia:"), lblCelkovaSuma);
    m_riadokZostatok = riadok(panelCasti, QStringLiteral("Zostatok vyplatenia:"), lblZostatok);
    auto* tlacidla = new QVBoxLayout;
    tlacidla->addWidget(btnPridaj);
    tlacidla->addWidget(btnOprav);
    tlacidla->addWidget(btnZmaz);
    tlacidla->addStretch();
    auto* lp = new QGridLayout(panelCasti);
    lp->setContentsMargins(0, 0, 0, 0);
    lp->addWidget(StringGrid1, 0, 0);
    lp->addLayout(tlacidla, 0, 1);
    lp->addWidget(m_riadokCelkom, 1, 0, 1, 2);
    lp->addWidget(m_riadokZostatok, 2, 0, 1, 2);

    lblInfo = new QLabel(this);
    QFont f = lblInfo->font();
    f.setBold(true);
    lblInfo->setFont(f);

    auto* rezimy = new QHBoxLayout;
    rezimy->addWidget(chkCelaCast);
    rezimy->addWidget(chkPoCastiach);
    rezimy->addStretch();
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(rezimy);
    hlavny->addWidget(panelCela);
    hlavny->addWidget(panelCasti, 1);
    hlavny->addWidget(lblInfo);
    hlavny->addStretch();

    for (auto* b : {btnDnes, btnPridaj, btnOprav, btnZmaz})
        b->setAutoDefault(false);

    connect(chkCelaCast, &QCheckBox::toggled, this, [this](bool z) { zmenenyRezim(chkCelaCast, z); });
    connect(chkPoCastiach, &QCheckBox::toggled, this, [this](bool z) { zmenenyRezim(chkPoCastiach, z); });
    connect(btnDnes, &QPushButton::clicked, this, [this] { txtVyplatenieALL->setText(DnesText()); });
    connect(btnDatumVyplatenia, &QToolButton::clicked, this, [this] {
        if (const auto d = TCalendarFrm::vyber(this, QDate::currentDate()))
            txtVyplatenieALL->setText(DatumText(QDateNaDatum(*d)));
    });
    connect(txtVyplatenieALL, &QLineEdit::editingFinished, this, [this] {
        const QString t = txtVyplatenieALL->text().trimmed();
        if (!t.isEmpty() && TextNaDatum(t) == 0) {
            spravy().chyba(QStringLiteral("Neplatná hodnota."));
            txtVyplatenieALL->setFocus();
        }
    });
    connect(btnPridaj, &QPushButton::clicked, this, &VyplatenieTab::Pridaj);
    connect(btnOprav, &QPushButton::clicked, this, &VyplatenieTab::Oprav);
    connect(StringGrid1, &QTableView::doubleClicked, this, [this] { Oprav(); });
    connect(btnZmaz, &QPushButton::clicked, this, &VyplatenieTab::Zmaz);

    ukazRezim();
}

void VyplatenieTab::zobraz(const TZnalKevrotZaznam& z, const QList<TVyplatenie>& vyplatenia, bool novy,
                           int skupina)
{
    m_zobrazuje = true;
    m_skupina = skupina;
    m_platby->Obnov([&] { m_logika.Zobraz(z, vyplatenia, novy); });
    chkCelaCast->setChecked(m_logika.Rezim() == RezimVyplatenia::Cela);
    chkPoCastiach->setChecked(m_logika.Rezim() == RezimVyplatenia::PoCastiach);
    txtVyplatenieALL->clear();
    if (m_logika.Rezim() == RezimVyplatenia::Cela && m_logika.Vyplatenia()[0].Datum != 0)
        txtVyplatenieALL->setText(DatumText(m_logika.Vyplatenia()[0].Datum));
    naplnMriezku();
    ukazRezim();
    lblInfo->setText(m_logika.Informacia());
    m_zobrazuje = false;
}

void VyplatenieTab::uloz(TZnalKevrotZaznam& z, QList<TVyplatenie>& vyplatenia)
{
    m_logika.Uloz(z, vyplatenia, TextNaDatum(txtVyplatenieALL->text().trimmed()));
    lblInfo->setText(m_logika.Informacia());
}

void VyplatenieTab::zmenenyRezim(QCheckBox* zdroj, bool zapnute)
{
    if (m_zobrazuje)
        return;
    QCheckBox* druhy = zdroj == chkCelaCast ? chkPoCastiach : chkCelaCast;
    if (zapnute && druhy->isChecked()) {
        druhy->blockSignals(true);
        druhy->setChecked(false);
        druhy->blockSignals(false);
    }
    RezimVyplatenia rezim = RezimVyplatenia::Ziadny;
    if (chkCelaCast->isChecked())
        rezim = RezimVyplatenia::Cela;
    else if (chkPoCastiach->isChecked())
        rezim = RezimVyplatenia::PoCastiach;
    m_platby->Obnov([&] { m_logika.ZmenRezim(rezim); });
    naplnMriezku();
    ukazRezim();
    lblInfo->setText(m_logika.Informacia());
    emit priznaneZmenene();
}

void VyplatenieTab::ukazRezim()
{
    const bool oba = m_logika.ObaRezimyViditelne();
    panelCela->setVisible(oba || m_logika.Rezim() == RezimVyplatenia::Cela);
    panelCasti->setVisible(oba || m_logika.Rezim() == RezimVyplatenia::PoCastiach);
}

void VyplatenieTab::ukazCelkovuSumu() { lblSumaCela->setText(SumaText(SymbolEuro, m_logika.Celkom())); }

void VyplatenieTab::naplnMriezku()
{
    ukazCelkovuSumu();
    // Payments entered while no mode is checked are listed too (and dropped on "OK").
    if (m_platby->rowCount() == 0) {
        m_riadokCelkom->setVisible(false);
        m_riadokZostatok->setVisible(false);
        return;
    }
    m_riadokCelkom->setVisible(true);
    lblCelkovaSuma->setText(SumaTextSk(SymbolEuro, m_logika.Zaplatene()));
    m_riadokZostatok->setVisible(m_logika.ZostatokKladny());
    lblZostatok->setText(SumaTextSk(SymbolEuro, m_logika.Zostatok()));
}

void VyplatenieTab::otvorPlatbu(int index)
{
    const bool novy = index < 0;
    const TVyplatenie v = novy ? TVyplatenie() : m_logika.Vyplatenia()[index];
    TVyplateneZnalecneForm dialog(novy ? Dnes() : v.Datum, novy ? 0.0 : v.Suma, m_logika.Celkom(), m_skupina,
                                  this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (novy)
        m_platby->Vloz([&] { m_logika.Pridaj(dialog.datum(), dialog.suma()); });
    else
        m_platby->Zmen(index, [&] { m_logika.Oprav(index, dialog.datum(), dialog.suma()); });
    naplnMriezku();
    lblInfo->setText(m_logika.Informacia());
    emit priznaneZmenene();
}

void VyplatenieTab::Pridaj() { otvorPlatbu(-1); }

void VyplatenieTab::Oprav()
{
    const int r = StringGrid1->currentIndex().row();
    if (r < 0 || r >= m_logika.Vyplatenia().size() || m_logika.Rezim() != RezimVyplatenia::PoCastiach)
        return;
    otvorPlatbu(r);
}

void VyplatenieTab::Zmaz()
{
    const int r = StringGrid1->currentIndex().row();
    if (!m_platby->Odober(r, [&] { return m_logika.Zmaz(r); }))
        return;
    naplnMriezku();
    lblInfo->setText(m_logika.Informacia());
    emit priznaneZmenene();
}
