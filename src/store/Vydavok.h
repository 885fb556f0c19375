#pragma once
// Remuneration and expense items with their sub-items.

#include <QJsonObject>
#include <QList>

#include "Rozlozenie.h"

// Item kinds (`TVydavok::Druh`).
namespace DruhVydavku {
inline constexpr qint32 TarifnaOdmena = 1;
inline constexpr qint32 PausalnaOdmena = 2;
inline constexpr qint32 VydavokSCenou = 3;
inline constexpr qint32 PausalneVydavky = 4;
inline constexpr qint32 StrataCasu = 5;
inline constexpr qint32 HotoveVydavky = 6;
inline constexpr qint32 ZmluvnaOdmena = 7;
inline constexpr qint32 PodielovaOdmena = 8;
// Not an item kind: the key of the travel block's heading among the predefined texts.
inline constexpr qint32 CestovneNahrady = 100;

// Kinds 1, 2, 7 and 8.
bool jeOdmena(qint32 druh);
// Kinds 3 to 6 (the travel total is added separately).
bool jeVydavok(qint32 druh);
}  // namespace DruhVydavku

// A sub-item: a quantity and its description.
struct TRozpisPolozky : Zaznam<TRozpisPolozky, 212> {
    double Pocet = 0.0;
    QString Popis;

    static const Rozlozenie<TRozpisPolozky>& rozlozenie();
};

// An item: the 492-byte head stored in the entry file, and the sub-items that follow it.
struct TVydavok : Zaznam<TVydavok, 492> {
    QString Nazov;
    qint32 Skupina = 0;
    qint32 Druh = 0;
    QString MJ;
    double ZakladnaCena = 0.0;
    double Cena = 0.0;
    double Priplatok1Max = 0.0;
    double Priplatok1 = 0.0;
    QString Priplatok1Text;
    double Priplatok2Max = 0.0;
    double Priplatok2 = 0.0;
    QString Priplatok2Text;
    double Suma = 0.0;
    qint32 PocetRozpisov = 0;

    QList<TRozpisPolozky> Rozpis;  // memory only

    static const Rozlozenie<TVydavok>& rozlozenie();

    // The head's fields with "Rozpis" as an array of sub-items.
    QJsonObject doJsonSRozpisom() const;
    // Sum of the sub-items' quantities.
    double SucetPoctov() const;
};
