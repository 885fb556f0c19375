#include "TZoznamTextForm.h"

#include "settings/TlacidlaDialogu.h"

#include "widgets/TZoznamTextAddForm.h"
#include "store/Spravy.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

TZoznamTextForm::TZoznamTextForm(const QStringList& polozky, QWidget* rodic)
    : QDialog(rodic), m_polozky(polozky)
{
    setWindowTitle(QStringLiteral("Zoznam užívateľom definovaných textov"));
    resize(560, 420);
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setColumnCount(1);
    StringGrid1->horizontalHeader()->setVisible(false);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    btnPridaj = new QPushButton(QStringLiteral("Pridaj (Ins)"), this);
    btnOprav = new QPushButton(QStringLiteral("Oprav"), this);
    btnZmaz = new QPushButton(QStringLiteral("     Zmaž (Del)     "), this);
    // Enter closes nothing.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;
    for (auto* b : {btnPridaj, btnOprav, btnZmaz})
        b->setAutoDefault(false);

    auto* lista = new QHBoxLayout;
    lista->addWidget(btnPridaj);
    lista->addWidget(btnOprav);
    lista->addWidget(btnZmaz);
    lista->addStretch();
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(lista);
    hlavny->addWidget(StringGrid1, 1);
    hlavny->addWidget(t.riadok);

    connect(btnPridaj, &QPushButton::clicked, this, &TZoznamTextForm::Pridaj);
    connect(btnOprav, &QPushButton::clicked, this, &TZoznamTextForm::Oprav);
    connect(btnZmaz, &QPushButton::clicked, this, &TZoznamTextForm::Zmaz);
    connect(new QShortcut(QKeySequence(Qt::Key_Insert), this), &QShortcut::activated, this,
            &TZoznamTextForm::Pridaj);
    connect(new QShortcut(QKeySequence(Qt::Key_Delete), this), &QShortcut::activated, this,
            &TZoznamTextForm::Zmaz);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this] { Oprav(); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    naplnMriezku(m_polozky.isEmpty() ? -1 : 0);
}

void TZoznamTextForm::naplnMriezku(int vybrany)
{
    StringGrid1->clearContents();
    StringGrid1->setRowCount(qMax<qsizetype>(1, m_polozky.size()));
    for (int i = 0; i < m_polozky.size(); ++i)
        StringGrid1->setItem(i, 0, new QTableWidgetItem(m_polozky[i]));
    const bool niecoJe = !m_polozky.isEmpty();
    btnOprav->setEnabled(niecoJe);
    btnZmaz->setEnabled(niecoJe);
    if (niecoJe && vybrany >= 0)
        StringGrid1->selectRow(qBound(0, vybrany, int(m_polozky.size()) - 1));
    else
        StringGrid1->clearSelection();
}

int TZoznamTextForm::vybranyRiadok()
{
    const auto vybrane = StringGrid1->selectionModel()->selectedRows();
    const int r = vybrane.isEmpty() ? -1 : vybrane.first().row();
    if (r < 0 || r >= m_polozky.size()) {
        spravy().chyba(QStringLiteral("Nie je označený žiaden riadok"));
        return -1;
    }
    return r;
}

void TZoznamTextForm::Pridaj()
{
    TZoznamTextAddForm dialog(this);
    dialog.setWindowTitle(QStringLiteral("Pridanie nového záznamu"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_polozky.append(dialog.text());
    naplnMriezku(int(m_polozky.size()) - 1);
}

void TZoznamTextForm::Oprav()
{
    if (m_polozky.isEmpty())
        return;
    const int r = vybranyRiadok();
    if (r < 0)
        return;
    TZoznamTextAddForm dialog(this);
    dialog.setWindowTitle(QStringLiteral("Oprava záznamu"));
    dialog.nastavText(m_polozky[r]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_polozky[r] = dialog.text();
    naplnMriezku(r);
}

void TZoznamTextForm::Zmaz()
{
    if (m_polozky.isEmpty())
        return;
    const int r = vybranyRiadok();
    if (r < 0)
        return;
    m_polozky.removeAt(r);
    naplnMriezku(r);
}
