#include "ZoznamZapisanychForm.h"

#include "TlacidlaDialogu.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

ZoznamZapisanychForm::ZoznamZapisanychForm(const QString& titulok, const QStringList& hlavicky, int stlpcov,
                                           const QString& najpouzivanejsi, QWidget* rodic)
    : QDialog(rodic)
{
    setWindowTitle(titulok);
    Grid = new QTableWidget(0, stlpcov, this);
    Grid->setHorizontalHeaderLabels(hlavicky);
    for (int s = int(hlavicky.size()); s < stlpcov; ++s)
        Grid->setColumnHidden(s, true);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->setColumnWidth(0, 120);
    Grid->setMinimumSize(640, 320);
    btnPridaj = new QPushButton(QStringLiteral("Pridaj"), this);
    btnOprav = new QPushButton(QStringLiteral("Oprav"), this);
    btnZmaz = new QPushButton(QStringLiteral("Zmaž"), this);
    btnNajpouzivanejsi = new QPushButton(najpouzivanejsi, this);
    auto* prikazy = new QHBoxLayout;
    for (auto* b : {btnPridaj, btnOprav, btnZmaz, btnNajpouzivanejsi}) {
        b->setAutoDefault(false);
        prikazy->addWidget(b);
    }
    prikazy->addStretch();
    auto* l = new QVBoxLayout(this);
    l->addWidget(Grid, 1);
    l->addLayout(prikazy);
    const auto t = PridajTlacidla(this, l);
    btnOK = t.ok;
    btnStorno = t.storno;
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    // Virtual: the buttons reach the dialog's own commands.
    connect(btnPridaj, &QPushButton::clicked, this, &ZoznamZapisanychForm::Pridaj);
    connect(btnOprav, &QPushButton::clicked, this, &ZoznamZapisanychForm::Oprav);
    connect(btnZmaz, &QPushButton::clicked, this, &ZoznamZapisanychForm::Zmaz);
    connect(btnNajpouzivanejsi, &QPushButton::clicked, this, &ZoznamZapisanychForm::UrciNajpouzivanejsi);
}
