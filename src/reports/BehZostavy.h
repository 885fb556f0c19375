#pragma once
// One run of a report: bands classified and chained, laid out row by row into pages.

#include <QFont>
#include <QFontMetricsF>
#include <QList>

#include <optional>

#include "Komponenty.h"
#include "TAlPrinter.h"
#include "TDrawMetaFile.h"

class BehZostavy {
public:
    BehZostavy(TAlReport& report, const TAlPrinter& tlaciaren, tPages& strany);
    void spusti();

    // Sorted by Top and put into their lists; chain numbers set in `Tag`.
    void klasifikuj();

    QList<tAlBand*> nadpisy, hlavickyStrany, hlavickyDetailu, telo, patyDetailu, patyStrany, patyZostavy;

private:
    void zacniStranu();
    void patyAktualnejStrany();
    void tlacPas(tAlBand* pas, bool kontrolaStrany = true);
    void novaStranaPreDetail(tAlBand* pas);
    void tlacHlavickyDetailu(qint64 tag);
    void tlacPatyDetailu(qint64 tag);
    void umiestni(tAlBand* pas, int posunMM);
    void kresliOvladac(tAlControl* o, const QRect& r);
    QRect obdlznikOvladaca(tAlControl* o, const QRect& pas);
    QSizeF odmeraj(const TAlFont& pismo, const QString& text, TAlignment zarovnanie, bool zalamovanie, int sirka);
    int vyska(const tAlBand* pas) const { return m_tl.zDizajnu(pas->Height); }
    TDrawMetaFile& strana() { return m_strany.last(); }

    TAlReport& m_report;
    const TAlPrinter& m_tl;
    tPages& m_strany;
    int m_y = 0;
    int m_spodok = 0;

    // Metrics of the font measured last.
    std::optional<TAlFont> m_meranePismo;
    std::optional<QFontMetricsF> m_metriky;
};
