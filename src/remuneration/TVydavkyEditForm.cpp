#include "TVydavkyEditForm.h"

#include "MriezkaRozpisu.h"
#include "PolePopisu.h"
#include "TVydavkyPopisEditForm.h"
#include "VstupVydavkov.h"
#include "VypoctyVydavkov.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVydavkyEditForm::TVydavkyEditForm(int rezim, qint32 skupina, const TVydavok* polozka, QWidget* rodic)
    : QDialog(rodic), m_rezim(rezim)
{
    setWindowTitle(skupina == 6 || skupina == 7 ? QStringLiteral("Tlmočné výdavky") : QStringLiteral("Znalečné výdavky"));
    if (polozka) {
        m_nazov = polozka->Nazov;
        m_mj = polozka->MJ;
        m_cena = polozka->Cena;
        m_rozpis = polozka->Rozpis;
    } else {
        m_rozpis = {TRozpisPolozky{}};
    }
    NazovEdit = new QLineEdit(m_nazov, this);
    NazovEdit->setMaxLength(200);
    CenaEdit = new QLineEdit(QString::number(m_cena, 'f', 2), this);
    CenaEdit->setAlignment(Qt::AlignRight);
    cmbMJ = new QComboBox(this);
    cmbMJ->setEditable(true);
    cmbMJ->setInsertPolicy(QComboBox::NoInsert);
    cmbMJ->addItems({QStringLiteral("ks"), QStringLiteral("hod"), QStringLiteral("sek")});
    cmbMJ->lineEdit()->setMaxLength(10);
    cmbMJ->setEditText(m_mj);
    const bool upravitelne = rezim == 4;
    NazovEdit->setReadOnly(!upravitelne);
    CenaEdit->setReadOnly(!upravitelne);
    cmbMJ->setEnabled(upravitelne);
    lblCelkovaCena = new QLabel(this);
    PocetEdit = new QLineEdit(this);
    PocetEdit->setAlignment(Qt::AlignRight);
    StringGrid1 = new MriezkaRozpisu(this);
    btnPridaj = new QPushButton(QStringLiteral("Pridaj"), this);
    btnOprav = new QPushButton(QStringLiteral("Oprav"), this);
    btnZmaz = new QPushButton(QStringLiteral("Zmaž"), this);
    for (auto* b : {btnPridaj, btnOprav, btnZmaz})
        b->setAutoDefault(false);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Položka:"), this), 0, 0);
    g->addWidget(NazovEdit, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Cena za MJ:"), this), 1, 0);
    g->addWidget(CenaEdit, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("€"), this), 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Merná jednotka:"), this), 2, 0);
    g->addWidget(cmbMJ, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("Počet MJ:"), this), 3, 0);
    g->addWidget(PocetEdit, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Celková cena:"), this), 4, 0);
    g->addWidget(lblCelkovaCena, 4, 1, 1, 3);
    auto* tl = new QHBoxLayout;
    tl->addWidget(btnPridaj);
    tl->addWidget(btnOprav);
    tl->addWidget(btnZmaz);
    tl->addStretch();
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(g);
    hlavny->addWidget(StringGrid1, 1);
    hlavny->addLayout(tl);
    hlavny->addLayout(riadokTlacidiel(this, btnOK, btnStorno));
    resize(560, 420);
    ukaz(0);

    connect(CenaEdit, &QLineEdit::editingFinished, this, &TVydavkyEditForm::OpustilCenu);
    connect(PocetEdit, &QLineEdit::editingFinished, this, &TVydavkyEditForm::OpustilPocet);
    connect(btnPridaj, &QPushButton::clicked, this, &TVydavkyEditForm::Pridaj);
    connect(btnOprav, &QPushButton::clicked, this, &TVydavkyEditForm::Oprav);
    connect(StringGrid1, &QTableView::doubleClicked, this, &TVydavkyEditForm::Oprav);
    connect(btnZmaz, &QPushButton::clicked, this, &TVydavkyEditForm::Zmaz);
    connect(btnOK, &QPushButton::clicked, this, [this] {
        if (m_rezim == 4) {
            m_nazov = NazovEdit->text();
            m_mj = cmbMJ->currentText();
        }
        accept();
    });
}

void TVydavkyEditForm::ukaz(int vybrany)
{
    double pocet = 0;
    for (const auto& r : m_rozpis)
        pocet += r.Pocet;
    lblCelkovaCena->setText(SumaText(SymbolEuro, pocet * m_cena));
    StringGrid1->zobraz(m_rozpis, vybrany);
    PocetEdit->setText(QString::number(pocet, 'f', 2));
    PocetEdit->setReadOnly(m_rozpis.size() > 1);
}

void TVydavkyEditForm::OpustilPocet()
{
    if (PocetEdit->isReadOnly())
        return;
    const auto p = VstupVydavkov::Cislo(PocetEdit->text());
    if (!p || *p < 0) {
        spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
    } else {
        if (m_rozpis.isEmpty())
            m_rozpis.append(TRozpisPolozky{});
        m_rozpis[0].Pocet = *p;
    }
    ukaz(0);
}

void TVydavkyEditForm::OpustilCenu()
{
    if (CenaEdit->isReadOnly())
        return;
    if (OpustilKladne(CenaEdit, m_cena, VstupVydavkov::CenaKladna))
        ukaz(StringGrid1->vybrany());
}

void TVydavkyEditForm::Pridaj()
{
    if (const auto r = TVydavkyPopisEditForm::uprav(this, m_rezim, TRozpisPolozky{})) {
        m_rozpis.append(*r);
        ukaz(m_rozpis.size() - 1);
    }
}

void TVydavkyEditForm::Oprav()
{
    const int i = StringGrid1->vybrany();
    if (i < 0)
        return;
    if (const auto r = TVydavkyPopisEditForm::uprav(this, m_rezim, m_rozpis[i])) {
        m_rozpis[i] = *r;
        ukaz(i);
    }
}

void TVydavkyEditForm::Zmaz()
{
    const int i = StringGrid1->vybrany();
    ZmazRozpis(m_rozpis, i);
    ukaz(i);
}
