#pragma once
// Entry files built byte by byte from the format tables, independently of the record
// layouts under test.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>
#include <random>

#include "store/Win1250.h"

namespace kvd {

inline void int32Na(QByteArray& b, int off, qint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[off + i] = char((quint32(v) >> (8 * i)) & 0xFF);
}
inline void doubleNa(QByteArray& b, int off, double v) { std::memcpy(b.data() + off, &v, 8); }
inline void retazecNa(QByteArray& b, int off, const QString& s)
{
    const QByteArray k = Win1250::koduj(s);
    b[off] = char(k.size());
    std::memcpy(b.data() + off + 1, k.constData(), size_t(k.size()));
}
inline void pridajInt32(QByteArray& b, qint32 v)
{
    QByteArray x(4, '\0');
    int32Na(x, 0, v);
    b.append(x);
}

// Bytes of noise, so that reserved bytes, padding and string tails are not all zero.
inline QByteArray sum(int n, std::mt19937& g)
{
    QByteArray b(n, '\0');
    for (auto& c : b)
        c = char(g() & 0xFF);
    return b;
}

struct Polozka {
    QString nazov;
    qint32 druh = 1;
    double cena = 0.0;
    double suma = 0.0;
    QList<double> pocty;  // one sub-item per quantity
};

struct Zaznam {
    qint32 verzia = 2;
    qint32 cislo = 1;
    qint32 rok = 2024;
    double sadzbaDPH = 20.0;
    double datumVykonania = 0.0;
    QString meno = QStringLiteral("Novák");
    QString predmet = QStringLiteral("Posudok");
    QString cisloStare;          // versions 0 and 1
    QString cisloObjednavky;     // version 2
    bool doZoznamu = true;
    quint8 bajt3633 = 1;         // raw byte at 3633 when `doZoznamu` is not used
    bool pouziBajt3633 = false;
    double spoluNaklady = 0.0;
    QList<Polozka> polozky;
    QList<std::pair<double, double>> vyplatenia;  // date, amount
    qint32 pocetVyplateni = -1;  // -1: the number of `vyplatenia`
    bool sum = false;            // noise in reserved bytes and padding
};

inline QByteArray hlavickaPolozky(const Polozka& p, qint32 pocetRozpisov, std::mt19937* g)
{
    QByteArray h = g ? sum(492, *g) : QByteArray(492, '\0');
    retazecNa(h, 0, p.nazov);
    int32Na(h, 204, 1);
    int32Na(h, 208, p.druh);
    retazecNa(h, 212, QStringLiteral("hod"));
    doubleNa(h, 224, p.cena);
    doubleNa(h, 232, p.cena);
    doubleNa(h, 240, 0);
    doubleNa(h, 248, 0);
    retazecNa(h, 256, QString());
    doubleNa(h, 360, 0);
    doubleNa(h, 368, 0);
    retazecNa(h, 376, QString());
    doubleNa(h, 480, p.suma);
    int32Na(h, 488, pocetRozpisov);
    return h;
}

inline QByteArray rozpis(double pocet, const QString& popis, std::mt19937* g)
{
    QByteArray r = g ? sum(212, *g) : QByteArray(212, '\0');
    doubleNa(r, 0, pocet);
    retazecNa(r, 8, popis);
    return r;
}

// The record alone: 3688 bytes for version 2, 3636 for the older ones.
inline QByteArray zaznam(const Zaznam& z, std::mt19937* g = nullptr)
{
    const int velkost = z.verzia == 0 || z.verzia == 1 ? 3636 : 3688;
    QByteArray b = g ? sum(velkost, *g) : QByteArray(velkost, '\0');
    doubleNa(b, 0, z.sadzbaDPH);
    int32Na(b, 8, z.cislo);
    int32Na(b, 12, z.rok);
    int32Na(b, 16, z.verzia);
    retazecNa(b, 20, z.meno);
    retazecNa(b, 121, QStringLiteral("Hlavná 1, Nitra"));
    retazecNa(b, 340, z.cisloStare);
    doubleNa(b, 572, 0);
    doubleNa(b, 580, z.datumVykonania);
    doubleNa(b, 588, 0);
    retazecNa(b, 1091, z.predmet);
    doubleNa(b, 1396, 100.5);
    doubleNa(b, 1464, 20.25);
    b[1510] = 0;
    // The travel block: its total and the last leg's end text.
    doubleNa(b, 1512 + 1444, z.spoluNaklady);
    retazecNa(b, 1512 + 407 + 15 * 51, QStringLiteral("Nitra 18:00"));
    const qint32 pocetVyplateni = z.pocetVyplateni >= 0 ? z.pocetVyplateni : qint32(z.vyplatenia.size());
    int32Na(b, 3016, pocetVyplateni);
    retazecNa(b, 3020, QString());
    if (z.pouziBajt3633)
        b[3633] = char(z.bajt3633);
    else
        b[3633] = z.doZoznamu ? 1 : 0;
    if (velkost == 3688)
        retazecNa(b, 3634, z.cisloObjednavky);
    return b;
}

// The whole file: record, items with sub-items, payments.
inline QByteArray subor(const Zaznam& z, unsigned seed = 1)
{
    std::mt19937 gen(seed);
    std::mt19937* g = z.sum ? &gen : nullptr;
    QByteArray b = zaznam(z, g);
    pridajInt32(b, qint32(z.polozky.size()));
    for (const auto& p : z.polozky) {
        b.append(hlavickaPolozky(p, qint32(p.pocty.size()), g));
        for (int i = 0; i < p.pocty.size(); ++i)
            b.append(rozpis(p.pocty[i], QStringLiteral("rozpis %1").arg(i), g));
    }
    for (const auto& [d, s] : z.vyplatenia) {
        QByteArray v = g ? sum(20, *g) : QByteArray(20, '\0');
        doubleNa(v, 0, d);
        doubleNa(v, 8, s);
        v[16] = 0;
        b.append(v);
    }
    return b;
}

}  // namespace kvd
