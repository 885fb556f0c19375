#pragma once
// What the preview window shows: the current page of a page list and the zoom, with the
// paging commands, the zoom combo's rule and the mouse's zoom ladder.

#include <QList>
#include <QSize>
#include <QString>

class StavNahladu {
public:
    explicit StavNahladu(int pocetStran = 0) : m_pocet(pocetStran) {}

    int pocetStran() const { return m_pocet; }
    void nastavPocetStran(int n);
    int strana() const { return m_strana; }
    int zvacsenie() const { return m_zvacsenie; }

    // A page outside 1..count is ignored.
    void chodNaStranu(int n);
    void prvaStrana() { chodNaStranu(1); }
    void predchadzajucaStrana() { chodNaStranu(m_strana - 1); }
    void dalsiaStrana() { chodNaStranu(m_strana + 1); }
    void poslednaStrana() { chodNaStranu(m_pocet); }
    // Current page + "/" + page count.
    QString indikator() const;

    // The combo's text: not a number means 100; a zoom outside 25..200 is ignored.
    void zvacsenieZTextu(const QString& text);
    // One step along 50, 75, 100, 150, 200; a zoom off the ladder stays.
    void zvacsi();
    void zmensi();

    // The sheet for a page of `strana` units: scaled by the zoom (rounded), plus 5 with a
    // shadow.
    QSize velkostListu(const QSize& strana, bool tien) const;

    // The print jobs for pages od..po and `kopie` copies: one job per copy, each with the
    // pages in order.
    static QList<QList<int>> ulohyTlace(int od, int po, int kopie);

private:
    int m_pocet = 0;
    int m_strana = 1;
    int m_zvacsenie = 100;
};
