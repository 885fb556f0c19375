#include "SirkyStlpcov.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

void NastavPredvoleneSirky(QTableView* mriezka, const QList<int>& sirky, int skrytyStlpec)
{
    const QHeaderView* hlavicka = mriezka->horizontalHeader();
    const QFontMetrics pismo(hlavicka->font());
    const int okraje = 2 * hlavicka->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, hlavicka) + 4;
    for (int c = 0; c < sirky.size(); ++c) {
        const QString text = mriezka->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int potrebna = text.isEmpty() ? 0 : pismo.horizontalAdvance(text) + okraje;
        mriezka->setColumnWidth(c, qMax(sirky[c], potrebna));
    }
    mriezka->setColumnHidden(skrytyStlpec, true);
}
