#pragma once
// The journal entry record: one act of the practitioner.

#include "CestovneNahrady.h"
#include "Rozlozenie.h"

struct TZnalKevrotZaznam : Zaznam<TZnalKevrotZaznam, 3688> {
    // Versions 0 and 1 stored the first 3636 bytes only.
    static constexpr int VELKOST_STARA = 3636;
    static constexpr qint32 VerziaAktualna = 2;
    static constexpr qsizetype PoziciaVerzie = 16;  // where the stored record keeps `Verzia`

    double SadzbaDPH = 0.0;
    qint32 PoradoveCislo = 0;
    qint32 Rok = 0;
    qint32 Verzia = 0;
    QString Meno;
    QString Adresa;
    QString ICO;
    QString ICDPH;
    QString DIC;
    qint32 StatnyOrgan = 0;  // 0 legal or natural person, 1 state body
    QString CisloStare;      // order number of versions 0 and 1
    qint32 TypCisla = 0;     // 0 order number, 1 court file mark
    QString DruhUkonu;
    QString TypPosudku;
    double DatumVyziadania = 0.0;
    double DatumVykonania = 0.0;
    double DatumSplatnosti = 0.0;
    qint32 Splatnost = 0;
    QString KonstantnySymbol;
    QString VariabilnySymbol;
    QString DodaciePodmienky;
    QString SposobPlatby;
    QString Poznamka;
    QString Predmet;
    QString Ucel;
    double UctovanaOdmena = 0.0;
    QString UdajeOdmena;
    double UctovaneVydavky = 0.0;
    double PriznanaOdmena = 0.0;
    double PriznaneVydavky = 0.0;
    bool Vyplatene = false;
    TCestovneNahrady CestovneNahrady;
    qint32 TextyVytvorene = 0;
    QString Odvetvie;
    QString Odbor;
    QString Jazyk;
    qint32 PocetVyplateni = 0;
    QString DatumyVyplatenia;  // payment dates, each followed by a carriage return
    QString TextVyuctovania;
    QString TextFinancnaCiastka;
    bool DoZoznamuVyuctovani = false;
    QString CisloObjednavky;

    // Not stored: the file the record was read from; empty for a new entry. A hand-made
    // copy of an entry file carries the same number and is saved back to itself.
    QString Subor;

    static const Rozlozenie<TZnalKevrotZaznam>& rozlozenie();
};
