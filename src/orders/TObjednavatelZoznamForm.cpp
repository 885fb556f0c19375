#include "TObjednavatelZoznamForm.h"

#include "settings/TlacidlaDialogu.h"

#include "orders/TObjednavatelEditForm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

TObjednavatelZoznamForm::TObjednavatelZoznamForm(QList<TObjednavatel>& zoznam, QWidget* rodic)
    : QDialog(rodic), m_logika(zoznam)
{
    setWindowTitle(QStringLiteral("Zoznam objednávateľov"));
    resize(720, 480);

    StringGrid1 = new QTableWidget(this);
    StringGrid1->setColumnCount(3);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Meno"), QStringLiteral("Adresa"), QString()});
    StringGrid1->setColumnHidden(2, true);
    StringGrid1->setColumnWidth(0, 300);
    StringGrid1->horizontalHeader()->setStretchLastSection(false);
    StringGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    StringGrid1->horizontalHeader()->setSectionsClickable(true);
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    HladajEdit = new QLineEdit(this);
    btnHladaj = new QPushButton(QStringLiteral("Hľadaj"), this);
    btnPridaj = new QPushButton(QStringLiteral("Pridaj (INS)"), this);
    btnZmaz = new QPushButton(QStringLiteral("Zmaž (Del)"), this);

    rbSudy = new QRadioButton(QStringLiteral("súdy"), this);
    rbPolicajti = new QRadioButton(QStringLiteral("policajti"), this);
    rbExekutori = new QRadioButton(QStringLiteral("exekútori"), this);
    rbOstatne = new QRadioButton(QStringLiteral("ostatné"), this);
    rbVsetci = new QRadioButton(QStringLiteral("všetci"), this);
    rbVsetci->setChecked(true);
    auto* skupina = new QButtonGroup(this);
    skupina->addButton(rbSudy, int(FilterKategorie::Sudy));
    skupina->addButton(rbPolicajti, int(FilterKategorie::Policajti));
    skupina->addButton(rbExekutori, int(FilterKategorie::Exekutori));
    skupina->addButton(rbOstatne, int(FilterKategorie::Ostatne));
    skupina->addButton(rbVsetci, int(FilterKategorie::Vsetci));

    // Enter in the search field searches; it closes nothing.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;
    for (auto* b : {btnHladaj, btnPridaj, btnZmaz})
        b->setAutoDefault(false);

    auto* hore = new QHBoxLayout;
    hore->addWidget(HladajEdit, 1);
    hore->addWidget(btnHladaj);
    hore->addSpacing(20);
    hore->addWidget(btnPridaj);
    hore->addWidget(btnZmaz);
    auto* kategorie = new QHBoxLayout;
    for (auto* rb : {rbSudy, rbPolicajti, rbExekutori, rbOstatne, rbVsetci})
        kategorie->addWidget(rb);
    kategorie->addStretch();
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(hore);
    hlavny->addWidget(StringGrid1, 1);
    hlavny->addLayout(kategorie);
    hlavny->addWidget(t.riadok);

    connect(skupina, &QButtonGroup::idClicked, this, [this](int id) {
        m_logika.NastavKategoriu(FilterKategorie(id));
        naplnMriezku();
    });
    connect(btnHladaj, &QPushButton::clicked, this, &TObjednavatelZoznamForm::Hladaj);
    connect(HladajEdit, &QLineEdit::returnPressed, this, &TObjednavatelZoznamForm::Hladaj);
    connect(btnPridaj, &QPushButton::clicked, this, &TObjednavatelZoznamForm::Pridaj);
    connect(btnZmaz, &QPushButton::clicked, this, &TObjednavatelZoznamForm::Zmaz);
    connect(new QShortcut(QKeySequence(Qt::Key_Insert), this), &QShortcut::activated, this,
            &TObjednavatelZoznamForm::Pridaj);
    connect(new QShortcut(QKeySequence(Qt::Key_Delete), this), &QShortcut::activated, this,
            &TObjednavatelZoznamForm::Zmaz);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int r, int) { Zmen(r); });
    connect(StringGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int s) {
        m_logika.Zorad(s);
        naplnMriezku();
    });
    connect(btnOK, &QPushButton::clicked, this, &TObjednavatelZoznamForm::potvrd);

    naplnMriezku();
}

void TObjednavatelZoznamForm::naplnMriezku()
{
    const auto& pohlad = m_logika.Pohlad();
    StringGrid1->clearContents();
    StringGrid1->setRowCount(qMax<qsizetype>(1, pohlad.size()));
    for (int i = 0; i < pohlad.size(); ++i) {
        StringGrid1->setItem(i, 0, new QTableWidgetItem(pohlad[i].Meno));
        StringGrid1->setItem(i, 1, new QTableWidgetItem(pohlad[i].Adresa));
        StringGrid1->setItem(i, 2, new QTableWidgetItem(QString::number(pohlad[i].pozicia)));
    }
    for (int s = 0; s < 2; ++s) {
        QTableWidgetItem* h = StringGrid1->horizontalHeaderItem(s);
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
        const int stav = m_logika.StavStlpca(s);
        h->setForeground(stav == 1 ? QColor(Qt::red) : stav == 2 ? QColor(Qt::blue) : QColor(Qt::black));
    }
}

void TObjednavatelZoznamForm::vyberRiadok(int riadok)
{
    if (StringGrid1->rowCount() == 0)
        return;
    const int r = qBound(0, riadok, StringGrid1->rowCount() - 1);
    StringGrid1->setCurrentCell(r, 0);
    StringGrid1->selectRow(r);
}

void TObjednavatelZoznamForm::Hladaj()
{
    m_logika.NastavHladanie(HladajEdit->text());
    m_logika.Filtruj(true);
    naplnMriezku();
}

void TObjednavatelZoznamForm::Pridaj()
{
    TObjednavatelEditForm dialog(this);
    dialog.nastavKategoriu(m_logika.PredvolenaKategoria());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_logika.Pridaj(dialog.udaje());
    naplnMriezku();
    // The new client (the last of the list) is selected, so that "OK" picks it.
    const auto& pohlad = m_logika.Pohlad();
    int novy = -1;
    for (int i = 0; i < pohlad.size(); ++i)
        if (novy < 0 || pohlad[i].pozicia > pohlad[novy].pozicia)
            novy = i;
    if (novy >= 0)
        vyberRiadok(novy);
}

void TObjednavatelZoznamForm::Zmen(int riadok)
{
    const TObjednavatel* o = m_logika.Objednavatel(riadok);
    if (!o)
        return;
    TObjednavatelEditForm dialog(this);
    dialog.nastavUdaje(*o);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_logika.Zmen(riadok, dialog.udaje());
    naplnMriezku();
    vyberRiadok(riadok);
}

void TObjednavatelZoznamForm::Zmaz()
{
    const int riadok = StringGrid1->currentRow();
    if (!m_logika.Zmaz(riadok))
        return;
    naplnMriezku();
    vyberRiadok(riadok);
    // The list keeps the focus, on the row that took the deleted one's place.
    StringGrid1->setFocus(Qt::OtherFocusReason);
}

void TObjednavatelZoznamForm::potvrd()
{
    m_vysledok = m_logika.Vysledok(StringGrid1->currentRow());
    accept();
}
