#include "RtfModel.h"

QString RtfOdsek::text() const
{
    QString t;
    for (const auto& b : behy)
        if (b.jeText())
            t += b.text;
    return t;
}

void RtfOdsek::prevezmiVlastnosti(const RtfOdsek& iny)
{
    znacka = iny.znacka;
    zarovnanie = iny.zarovnanie;
    odsadenieVlavo = iny.odsadenieVlavo;
    odsadenieVpravo = iny.odsadenieVpravo;
    odsadeniePrvehoRiadku = iny.odsadeniePrvehoRiadku;
    medzeraPred = iny.medzeraPred;
    medzeraZa = iny.medzeraZa;
    odrazka = iny.odrazka;
}

QString RtfBunka::text() const
{
    QStringList casti;
    for (const auto& o : odseky)
        casti << o.text();
    return casti.join(QLatin1Char('\n'));
}

QString RtfDokument::textBlokov(const QList<RtfBlok>& bloky)
{
    QString t;
    for (const auto& b : bloky) {
        if (!b.jeTabulka) {
            t += b.odsek.text() + QLatin1Char('\n');
            continue;
        }
        for (const auto& r : b.tabulka.riadky) {
            QStringList bunky;
            for (const auto& c : r.bunky)
                bunky << c.text();
            t += bunky.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    }
    return t;
}

QString RtfDokument::text() const { return textBlokov(telo); }
