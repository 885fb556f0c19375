#include "store/TChybyNacitaniaForm.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TChybyNacitaniaForm::TChybyNacitaniaForm(const QList<Spravy::Sprava>& spravy, QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Problémy pri načítaní"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Niektoré súbory sa nepodarilo načítať. Program pokračuje s tým, čo načítal."), this));
    tabProblemy = new QTableWidget(int(spravy.size()), 2, this);
    tabProblemy->setHorizontalHeaderLabels({QStringLiteral("Súbor"), QStringLiteral("Problém")});
    tabProblemy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabProblemy->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabProblemy->verticalHeader()->hide();
    tabProblemy->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < spravy.size(); ++r) {
        const ProblemSoSuborom p = RozdelSpravu(spravy[r].text);
        tabProblemy->setItem(r, 0, new QTableWidgetItem(p.subor));
        tabProblemy->setItem(r, 1, new QTableWidgetItem(p.problem));
        tabProblemy->item(r, 1)->setToolTip(spravy[r].text);
    }
    tabProblemy->resizeColumnToContents(0);
    l->addWidget(tabProblemy, 1);
    auto* dole = new QDialogButtonBox(this);
    btnOK = dole->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    btnOK->setDefault(true);
    l->addWidget(dole);
    connect(dole, &QDialogButtonBox::accepted, this, &QDialog::accept);
    resize(720, 360);
}
