#pragma once
// The settings records, each kept in a file of its own as one raw image.

#include "store/Rozlozenie.h"

// Kind of practitioner.
enum DruhZnalca : qint32 { Znalec = 0, Tlmocnik = 1, Prekladatel = 2 };

// The practitioner and the program's options: "\nastavenia.dat".
struct TNastavenia : Zaznam<TNastavenia, 8692> {
    QString Meno;
    QString Priezvisko;
    QString BasicFontName;
    qint32 BasicFontSize = 0;
    QStringList StaryCestak;  // five legacy travel-order texts
    bool PlatcaDPH = false;
    qint32 PataZakladnymPismom = 0;
    QString TableFontName;
    qint32 TableFontSize = 0;
    QString TitleFontName;
    qint32 TitleFontSize = 0;
    quint16 TitleFontStyle = 0;
    bool TitleFontStyleBold = false;
    bool TitleFontStyleItalic = false;
    QString Adresa;
    QString TitulPred;
    QString TitulZa;
    QString Mesto;
    QString Odbory;
    QString Odvetvia;
    QString NajpouzivanejsiOdbor;
    QString Banka;
    QString CisloUctu;
    qint32 Splatnost = 14;  // days; a new installation starts with 14
    QString PSC;
    QString EC;
    QString ICO;
    QString DIC;
    QString ICDPH;
    double SadzbaDPH = 0.0;
    qint32 CestakBezDPH = 0;
    QString TextVyuctovania;
    QString TextVyuctovaniaCiastka;
    qint32 Druh = Znalec;

    static const Rozlozenie<TNastavenia>& rozlozenie();
};

// The journal print: "\Data\znalec_kevrot_nastavenie_tlac.dat".
struct TNastavenieTlac : Zaznam<TNastavenieTlac, 220> {
    qint32 KevrotCislo = 1;
    QString KevrotVymenovanie;
    QString KevrotVymenovanieDna;
    QString KevrotVymenovanieCislo;

    static const Rozlozenie<TNastavenieTlac>& rozlozenie();
};

// The legacy billing header: "\Data\znalec_kevrot_nastavenie.dat", written, never read.
struct TNastavenieHlavicka : Zaznam<TNastavenieHlavicka, 402> {
    QString HlavickaText;

    static const Rozlozenie<TNastavenieHlavicka>& rozlozenie();
};

// Column layouts of the two registers: "\Data\znalec_kevrot_nastavenie_manazer.dat".
struct TNastavenieManazer : Zaznam<TNastavenieManazer, 402> {
    QString StlpceKevrota;
    QString StlpceObjednavok;

    static const Rozlozenie<TNastavenieManazer>& rozlozenie();
};

// The proportional remuneration: "\Data\znalec_kevrot_nastavenie_podiel_odmena.dat", packed.
struct TNastaveniePodielOdmena : Zaznam<TNastaveniePodielOdmena, 12> {
    static constexpr qint32 VerziaAktualna = 1;
    static constexpr double PredvolenaSadzbaPozemky = 16.6;

    qint32 Verzia = VerziaAktualna;
    double SadzbaPozemky = PredvolenaSadzbaPozemky;  // euro per square metre

    static const Rozlozenie<TNastaveniePodielOdmena>& rozlozenie();
};

// Amounts in euro and in crowns: "\Data\nastavenie_dualneZobrazovanie.dat", one byte.
struct TDualneZobrazovanie : Zaznam<TDualneZobrazovanie, 1> {
    bool DualneZobrazovanie = false;  // a new installation shows euro alone

    static const Rozlozenie<TDualneZobrazovanie>& rozlozenie();
};
