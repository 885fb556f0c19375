#include "MriezkaRozpisu.h"

#include <QHeaderView>

MriezkaRozpisu::MriezkaRozpisu(QWidget* rodic) : QTableWidget(rodic)
{
    setColumnCount(2);
    setHorizontalHeaderLabels({QStringLiteral("Popis"), QStringLiteral("Počet MJ")});
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    verticalHeader()->setVisible(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void MriezkaRozpisu::zobraz(const QList<TRozpisPolozky>& rozpis, int vybrany)
{
    setRowCount(rozpis.size());
    for (int i = 0; i < rozpis.size(); ++i) {
        const QString popis = rozpis[i].Popis.isEmpty() ? QStringLiteral("bez popisu") : rozpis[i].Popis;
        setItem(i, 0, new QTableWidgetItem(popis));
        auto* p = new QTableWidgetItem(QString::number(rozpis[i].Pocet, 'f', 2));
        p->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(i, 1, p);
    }
    if (!rozpis.isEmpty())
        selectRow(std::clamp(vybrany, 0, int(rozpis.size()) - 1));
}

int MriezkaRozpisu::vybrany() const
{
    const auto r = selectionModel()->selectedRows();
    return r.isEmpty() ? -1 : r.first().row();
}
