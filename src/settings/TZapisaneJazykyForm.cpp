#include "TZapisaneJazykyForm.h"

#include "TJazykForm.h"
#include "TNajpouzivanejsiForm.h"
#include "TlacidlaDialogu.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

TZapisaneJazykyForm::TZapisaneJazykyForm(Jazyky& ciselnik, const TZapisaneJazykyText& texty, QWidget* rodic)
    : QDialog(rodic), m_ciselnik(ciselnik), m_zoznam(ciselnik.ZapisaneJazyky(texty.Jazyky, texty.Najpouzivanejsi))
{
    setWindowTitle(QStringLiteral("Zapísané jazyky"));
    Grid = new QTableWidget(0, 3, this);
    Grid->setHorizontalHeaderLabels({QStringLiteral("KÓD"), QStringLiteral("Názov")});
    Grid->setColumnHidden(2, true);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->setMinimumSize(480, 280);
    btnPridaj = new QPushButton(QStringLiteral("Pridaj"), this);
    btnOprav = new QPushButton(QStringLiteral("Oprav"), this);
    btnZmaz = new QPushButton(QStringLiteral("Zmaž"), this);
    btnNajpouzivanejsi = new QPushButton(QStringLiteral("Urči najviac používaný jazyk"), this);
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
    connect(btnPridaj, &QPushButton::clicked, this, &TZapisaneJazykyForm::Pridaj);
    connect(btnOprav, &QPushButton::clicked, this, &TZapisaneJazykyForm::Oprav);
    connect(btnZmaz, &QPushButton::clicked, this, &TZapisaneJazykyForm::Zmaz);
    connect(btnNajpouzivanejsi, &QPushButton::clicked, this, &TZapisaneJazykyForm::UrciNajpouzivanejsi);
    connect(Grid, &QTableWidget::cellDoubleClicked, this, [this] { Oprav(); });
    obnov();
}

TZapisanyJazyk TZapisaneJazykyForm::jazyk(const QString& kod, bool najpouzivanejsi) const
{
    return {kod.left(6), m_ciselnik.NazovJazyka(kod).left(50), najpouzivanejsi};
}

void TZapisaneJazykyForm::obnov()
{
    Grid->setRowCount(int(m_zoznam.size()));
    for (int i = 0; i < m_zoznam.size(); ++i) {
        Grid->setItem(i, 0, new QTableWidgetItem(m_zoznam.at(i).Kod));
        Grid->setItem(i, 1, new QTableWidgetItem(m_zoznam.at(i).Nazov));
        Grid->setItem(i, 2, new QTableWidgetItem(QString::number(i)));
    }
}

void TZapisaneJazykyForm::Pridaj()
{
    QString kod;
    if (!VyberJazyk(this, m_ciselnik, kod))
        return;
    m_zoznam.append(jazyk(kod, false));
    obnov();
}

void TZapisaneJazykyForm::Oprav()
{
    const int i = Grid->currentRow();
    if (i < 0 || i >= m_zoznam.size())
        return;
    QString kod = m_zoznam.at(i).Kod;
    if (!VyberJazyk(this, m_ciselnik, kod))
        return;
    m_zoznam[i] = jazyk(kod, m_zoznam.at(i).Najpouzivanejsi);
    obnov();
}

void TZapisaneJazykyForm::Zmaz()
{
    const int i = Grid->currentRow();
    if (i < 0 || i >= m_zoznam.size())
        return;
    m_zoznam.removeAt(i);
    obnov();
}

void TZapisaneJazykyForm::UrciNajpouzivanejsi()
{
    if (::UrciNajpouzivanejsi(this, true, m_zoznam))
        obnov();
}
