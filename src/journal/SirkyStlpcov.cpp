#include "SirkyStlpcov.h"

#include "settings/StavStlpcov.h"

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

std::optional<QList<int>> ObnovSirkyStlpcov(QTableView* mriezka, const QString& text, int pocet,
                                            int skrytyStlpec)
{
    const auto s = DekodujStavStlpcov(text, pocet);
    if (!s)
        return std::nullopt;
    QList<int> stavy;
    for (int c = 0; c < s->size(); ++c) {
        stavy.append((*s)[c].stav);
        if (c != skrytyStlpec)
            mriezka->setColumnWidth(c, (*s)[c].sirka);
    }
    return stavy;
}

QList<int> SirkySVolnymMiestom(const QList<int>& sirky, const QList<int>& rozsirujuce, int dostupna)
{
    int spolu = 0;
    for (int s : sirky)
        spolu += s;
    QList<int> vysledok = sirky;
    const int volne = dostupna - spolu;
    if (volne <= 0 || rozsirujuce.isEmpty())
        return vysledok;
    for (int i = 0; i < rozsirujuce.size(); ++i) {
        const int c = rozsirujuce[i];
        if (c >= 0 && c < vysledok.size())
            vysledok[c] += volne / int(rozsirujuce.size()) + (i < volne % rozsirujuce.size() ? 1 : 0);
    }
    return vysledok;
}
