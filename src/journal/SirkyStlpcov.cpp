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

QList<int> SirkySVolnymMiestom(const QList<int>& sirky, const QList<int>& podiely, int dostupna)
{
    int spolu = 0;
    for (int s : sirky)
        spolu += s;
    QList<int> vysledok = sirky;
    const int n = int(qMin(sirky.size(), podiely.size()));
    int dielov = 0;
    for (int c = 0; c < n; ++c)
        dielov += qMax(0, podiely[c]);
    const int volne = dostupna - spolu;
    if (volne <= 0 || dielov == 0)
        return vysledok;
    int zvysok = volne;
    for (int c = 0; c < n; ++c) {
        const int diel = int(qint64(volne) * qMax(0, podiely[c]) / dielov);
        vysledok[c] += diel;
        zvysok -= diel;
    }
    for (int c = 0; c < n && zvysok > 0; ++c)
        if (podiely[c] > 0) {
            ++vysledok[c];
            --zvysok;
        }
    return vysledok;
}
