#include "TVsetkyPolozkyForm.h"

#include "PolePopisu.h"
#include "UpravaVydavkov.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TVsetkyPolozkyForm::TVsetkyPolozkyForm(QList<TCiselnikVydavok> vyuctovania, QWidget* rodic)
    : QDialog(rodic), m_vyuctovania(std::move(vyuctovania))
{
    setWindowTitle(QStringLiteral("Všetky položky"));
    cmbPolozka = new QComboBox(this);
    cmbPolozka->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbPolozka->setMinimumContentsLength(60);
    QStringList texty;
    texty.reserve(m_vyuctovania.size());
    for (const auto& v : m_vyuctovania)
        texty.append(TextVzoru(v));
    cmbPolozka->addItems(texty);
    StringGrid1 = new QTableWidget(0, 2, this);
    StringGrid1->horizontalHeader()->setVisible(false);
    StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    StringGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    lblPrazdny = new QLabel(QStringLiteral("Zoznam je prázdny."), this);
    auto* hore = new QHBoxLayout;
    hore->addWidget(new QLabel(QStringLiteral("Položka:"), this));
    hore->addWidget(cmbPolozka, 1);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(hore);
    hlavny->addWidget(StringGrid1, 1);
    hlavny->addWidget(lblPrazdny);
    hlavny->addLayout(riadokTlacidiel(this, btnOK, btnStorno));
    resize(760, 480);

    const bool prazdny = m_vyuctovania.isEmpty();
    StringGrid1->setVisible(!prazdny);
    lblPrazdny->setVisible(prazdny);
    if (!prazdny)
        Zobraz(0);
    connect(cmbPolozka, &QComboBox::currentIndexChanged, this, &TVsetkyPolozkyForm::Zobraz);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &TVsetkyPolozkyForm::Prepni);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

int TVsetkyPolozkyForm::zvolene() const { return m_vyuctovania.isEmpty() ? -1 : cmbPolozka->currentIndex(); }

void TVsetkyPolozkyForm::Zobraz(int index)
{
    if (index < 0 || index >= m_vyuctovania.size())
        return;
    const QList<RiadokVzoru> riadky = RiadkyVzoru(m_vyuctovania[index]);
    StringGrid1->setRowCount(riadky.size());
    QFont tucne = StringGrid1->font();
    tucne.setBold(true);
    for (int r = 0; r < riadky.size(); ++r) {
        for (int s = 0; s < 2; ++s) {
            auto* i = new QTableWidgetItem(s == 0 ? riadky[r].text : riadky[r].hodnota);
            i->setData(Qt::UserRole, riadky[r].jePolozka ? riadky[r].polozka : -1);
            if (riadky[r].jePolozka) {
                i->setFont(tucne);
                i->setBackground(QColor(Qt::lightGray));
            }
            StringGrid1->setItem(r, s, i);
        }
    }
}

void TVsetkyPolozkyForm::Prepni(int riadok)
{
    const int v = zvolene();
    const auto* bunka = StringGrid1->item(riadok, 0);
    if (v < 0 || !bunka)
        return;
    const int p = bunka->data(Qt::UserRole).toInt();
    if (p < 0)
        return;
    auto& polozka = m_vyuctovania[v].Polozky[p];
    polozka.Rozbalene = !polozka.Rozbalene;
    Zobraz(v);
    StringGrid1->selectRow(std::min(riadok, StringGrid1->rowCount() - 1));
}
