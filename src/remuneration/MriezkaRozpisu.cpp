#include "MriezkaRozpisu.h"

#include <QHeaderView>

MriezkaRozpisu::MriezkaRozpisu(QWidget* rodic) : QTableView(rodic)
{
    using Stlpec = ModelZoznamu<TRozpisPolozky>::Stlpec;
    m_model = new ModelZoznamu<TRozpisPolozky>(
        m_rozpis,
        {Stlpec{QStringLiteral("Popis"),
                [](const TRozpisPolozky& r) { return r.Popis.isEmpty() ? QStringLiteral("bez popisu") : r.Popis; }},
         Stlpec{QStringLiteral("Počet MJ"), [](const TRozpisPolozky& r) { return QString::number(r.Pocet, 'f', 2); },
                true}},
        this);
    setModel(m_model);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    verticalHeader()->setVisible(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void MriezkaRozpisu::zobraz(const QList<TRozpisPolozky>& rozpis, int vybrany)
{
    m_model->Obnov([&] { m_rozpis = rozpis; });
    if (!rozpis.isEmpty())
        selectRow(std::clamp(vybrany, 0, int(rozpis.size()) - 1));
}

int MriezkaRozpisu::vybrany() const
{
    const auto r = selectionModel()->selectedRows();
    return r.isEmpty() ? -1 : r.first().row();
}
