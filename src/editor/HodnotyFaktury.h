#pragma once
// The values of the invoice, computed from the documents' sources without any window: the
// printed invoice and the electronic invoice both take them from here.

#include <QList>
#include <QString>

#include "editor/PodkladyDokladu.h"
#include "editor/RiadkyPoloziek.h"
#include "store/DPH.h"

// A VAT breakdown as numbers: the bill's cents in euro.
struct SumyDPH {
    double Zaklad = 0;
    double DPH = 0;
    double Spolu = 0;
};

struct StranaFaktury {
    QString Meno, Adresa, PSC, Mesto, ICO, DIC, ICDPH;
};

struct HodnotyFaktury {
    QString Cislo;                    // Edit4 + "/" + Edit16
    QString CisloZaznamu, Rok;        // Edit4, Edit16
    QString TypCisla;                 // the caption of cmbObjednavkaTyp
    QString CisloObjednavky;          // Edit5, may be empty
    QString DatumVystavenia;          // the documents' issue date
    QString DatumDodania;             // Edit17 as typed: the date of performance
    QString DatumSplatnosti;          // Edit18 as typed
    double Vykonanie = 0;             // the date of performance as a date (0 none)
    double Splatnost = 0;             // Edit18 as a date (0 none)
    QString KonstantnySymbol, VariabilnySymbol, SposobPlatby;

    qint32 Druh = 0;                  // 0 expert, 1 interpreter, 2 translator
    bool PlatcaDPH = false;
    double SadzbaDPH = 0;

    // The supplier: name with titles, street (Adresa), postal code, town, IČO, DIČ, IČ DPH.
    StranaFaktury Dodavatel;
    QString AdresaZnalca;             // street, town and postal code in one line
    QString KodBanky, NazovBanky, CisloUctu;
    QString BankoveSpojenie;          // account "/" bank code
    QString Vystavil;
    QString TextPlatcuDPH;

    // The requester: Edit2, Edit3, Edit8, Edit14, Edit21.
    StranaFaktury Odberatel;

    // The invoice's rows in printed order, the travel row last when there is one.
    QList<RiadokPolozky> Riadky;
    RozpisSumy Rozpis;                // the bill of the rows: per row and in sum, in cents
    double Spolu = 0;                 // G: the sum of the rows' rounded amounts
    SumyDPH Dph;                      // the bill's base, VAT and total; a non-payer has Zaklad = Spolu = G
    TDPH RozpisSpolu;                 // the same as texts
};

HodnotyFaktury VypocitajHodnotyFaktury(const PodkladyDokladu& p);

// The rows of the invoice: kinds 1, 2, 7 and 8 per sub-item in list order, then kinds 3 to
// 6 one row per item, then the travel row.
QList<RiadokPolozky> RiadkyFaktury(const PodkladyDokladu& p);
