#include "TObjednavkyForm.h"

#include "settings/TlacidlaDialogu.h"

#include "orders/VyberObjednavky.h"

#include <QDate>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QColor kVyber(192, 192, 192);  // 12632256
}

TObjednavkyForm::TObjednavkyForm(const QList<TObjednavka>& objednavky, QWidget* rodic)
    : QDialog(rodic), m_objednavky(objednavky)
{
    setWindowTitle(QStringLiteral("Objednávky"));
    resize(1100, 420);
    StringGrid1 = new QTableWidget(this);
    // The file number tells orders apart; the last column shows the purpose by its name.
    StringGrid1->setColumnCount(StlpecPozicie + 1);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Dátum"), QStringLiteral("Zadávateľ"),
                                            QStringLiteral("Číslo / spisová značka"), QStringLiteral("Druh úkonu"),
                                            QStringLiteral("Typ posudku"), QStringLiteral("Poznámka"),
                                            QStringLiteral("Podklad"), QStringLiteral("Predmet"), QStringLiteral("Účel"),
                                            QString()});
    const int sirky[] = {80, 150, 110, 130, 150, 90, 97, 100, 120, 2};
    for (int i = 0; i <= StlpecPozicie; ++i)
        StringGrid1->setColumnWidth(i, sirky[i]);
    StringGrid1->setColumnHidden(StlpecPozicie, true);
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->setWordWrap(false);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The selected row: grey with black text (bold through the items' fonts). A style sheet
    // paints selected cells by itself, so both colours are given here.
    StringGrid1->setStyleSheet(
        QStringLiteral("QTableWidget { selection-background-color: rgb(192, 192, 192); selection-color: black; }"));

    StringGrid1->setRowCount(qMax<qsizetype>(1, m_objednavky.size()));
    QFont pismo = StringGrid1->font();
    pismo.setPointSize(8);
    for (int r = 0; r < m_objednavky.size(); ++r) {
        const QStringList bunky = RiadokVyberu(m_objednavky[r]);
        const QColor farba = JeRozpracovana(m_objednavky[r]) ? QColor(Qt::red) : QColor(Qt::black);
        for (int s = 0; s < bunky.size(); ++s) {
            auto* item = new QTableWidgetItem(bunky[s]);
            item->setForeground(farba);
            item->setFont(pismo);
            StringGrid1->setItem(r, s, item);
        }
        StringGrid1->setItem(r, StlpecPozicie, new QTableWidgetItem(QString::number(r)));
    }

    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(StringGrid1, 1);
    const TlacidlaDialogu t = PridajTlacidla(this, hlavny);
    btnOK = t.ok;
    btnStorno = t.storno;

    connect(StringGrid1, &QTableWidget::itemSelectionChanged, this, &TObjednavkyForm::vyznacVybrany);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    if (!m_objednavky.isEmpty())
        StringGrid1->selectRow(0);
}

void TObjednavkyForm::vyznacVybrany()
{
    const int vybrany = StringGrid1->currentRow();
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        for (int s = 0; s < 8; ++s) {
            QTableWidgetItem* item = StringGrid1->item(r, s);
            if (!item)
                continue;
            QFont f = item->font();
            f.setBold(r == vybrany);
            item->setFont(f);
            item->setBackground(r == vybrany ? QBrush(kVyber) : QBrush());
            if (r == vybrany)
                item->setForeground(Qt::black);
            else
                item->setForeground(r < m_objednavky.size() && JeRozpracovana(m_objednavky[r]) ? Qt::red : Qt::black);
        }
}

std::optional<TObjednavka> TObjednavkyForm::vybrana() const
{
    const QTableWidgetItem* pozicia = StringGrid1->item(StringGrid1->currentRow(), StlpecPozicie);
    if (!pozicia)
        return std::nullopt;
    bool ok = false;
    const int p = pozicia->text().toInt(&ok);
    if (!ok || p < 0 || p >= m_objednavky.size())
        return std::nullopt;
    return m_objednavky[p];
}

std::optional<TObjednavka> VyberObjednavku(QWidget* rodic)
{
    TObjednavkyForm okno(ObjednavkyNaVyber(QDate::currentDate().year()), rodic);
    if (okno.exec() != QDialog::Accepted)
        return std::nullopt;
    return okno.vybrana();
}
