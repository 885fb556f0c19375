#pragma once
// An electronic invoice or credit note as the UBL 2.1 syntax of Peppol BIS Billing 3.0
// needs it, independent of where its values come from, and its XML.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "store/Centy.h"

namespace EFakturaPeppol {
inline constexpr const char* CustomizationID =
    "urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0";
inline constexpr const char* ProfileID = "urn:fdc:peppol.eu:2017:poacc:billing:01:1.0";
// Slovak participants are registered by their DIČ under this scheme.
inline constexpr const char* SchemaDIC = "0245";
}  // namespace EFakturaPeppol

struct EStrana {
    QString Nazov, Ulica, Mesto, PSC, Krajina = QStringLiteral("SK");
    QString ICO, DIC, ICDPH;
    QString EndpointSchema, EndpointId;
    QString PravneInfo;                 // BT-33: the registration in the list of experts
    QString Telefon, Email;             // BT-42, BT-43
};

// VAT categories of EN 16931 used here: S standard rate, E exempt, O outside the scope.
struct EKategoriaDPH {
    QString Kod = QStringLiteral("S");
    double Sadzba = 0;          // percent; not written for O
    QString DovodOslobodenia;   // E and O need it
    bool operator==(const EKategoriaDPH& o) const { return Kod == o.Kod && Sadzba == o.Sadzba; }
};

struct ERiadok {
    QString Nazov;
    QString Jednotka = QStringLiteral("C62");  // UN/ECE rec. 20
    double Mnozstvo = 1;
    qint64 CenaCenty = 0;   // net price per unit
    qint64 SumaCenty = 0;   // net line amount
    EKategoriaDPH Dph;
    QString Popis;  // the rate and notes of the printed row; empty when it has none
};

// One line of the VAT breakdown: lines of one category and rate together.
struct ERozpisDPH {
    EKategoriaDPH Kategoria;
    qint64 ZakladCenty = 0;
    qint64 DPHCenty = 0;
};

struct ESucty {
    QList<ERozpisDPH> Rozpis;
    qint64 Riadky = 0, BezDPH = 0, DPH = 0, SDPH = 0, NaUhradu = 0;
};

struct EFaktura {
    bool Dobropis = false;
    QString Cislo;
    QDate Vystavenie, Dodanie, Splatnost;
    QString Mena = QStringLiteral("EUR");
    QString OdkazKupujuceho;            // BuyerReference: file mark or order number
    QString FakturaDobropisu;           // credit note: the invoice it cancels
    QDate DatumFakturyDobropisu;
    QStringList Poznamky;
    EStrana Dodavatel, Odberatel;
    QString IBAN, BIC, VariabilnySymbol, KonstantnySymbol;
    QString ChybaUctu;                  // why the practitioner's account failed its check
    QList<ERiadok> Riadky;
};

// "1234.50", "-0.05": the decimal text UBL amounts use.
QString CentyText(qint64 centy);

// The VAT breakdown by category and rate and the document totals, by the arithmetic of
// EN 16931: lines summed, VAT rounded once per category and rate.
ESucty VypocitajSucty(const EFaktura& f);

// The UBL document, UTF-8.
QByteArray ZapisUbl(const EFaktura& f);
