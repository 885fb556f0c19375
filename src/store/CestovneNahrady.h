#pragma once
// The travel-cost block kept in every journal entry and in every stored billing.

#include <QStringList>

#include "Rozlozenie.h"

struct TCestovneNahrady : Zaznam<TCestovneNahrady, 1464> {
    // The journey: 4 legs of 4 texts (start, place of negotiation, purpose, end).
    static constexpr int PocetTextovCesty = 16;

    QString Meno;
    QString Bydlisko;
    qint32 PocetNajazdenychKM = 0;
    QString Vozidlo;
    QString VozidloEC;
    double Spotreba = 0.0;
    double CenaPHM = 0.0;
    double Opotrebenie = 0.0;
    QString Spolucestujuci;
    QStringList Cesta;
    QString Datum1;
    double Stravne1 = 0.0;
    double Noclazne1 = 0.0;
    double Vedlajsie1 = 0.0;
    QString Datum2;
    double Stravne2 = 0.0;
    double Noclazne2 = 0.0;
    double Vedlajsie2 = 0.0;
    QString Datum3;
    double Stravne3 = 0.0;
    double Noclazne3 = 0.0;
    double Vedlajsie3 = 0.0;
    QString Datum4;
    double Stravne4 = 0.0;
    double Noclazne4 = 0.0;
    double Vedlajsie4 = 0.0;
    double PHM_celkom = 0.0;
    double Cestovne = 0.0;
    double Stravne = 0.0;
    double OstatneNaklady = 0.0;
    double SpoluNaklady = 0.0;  // 0 marks a block never filled in
    double VyuctovaneDna = 0.0;
    bool SDPH = false;

    // Text c (0..3) of leg k (1..4); empty outside.
    QString textCesty(int k, int c) const;
    void nastavTextCesty(int k, int c, const QString& text);

    static const Rozlozenie<TCestovneNahrady>& rozlozenie();
};
