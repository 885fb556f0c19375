#pragma once
// Complete e-invoices for the tests: a VAT payer, a non-payer, a credit note.

#include "editor/EFaktura.h"

inline EFaktura VzorovaEFaktura(const QString& kategoria = QStringLiteral("S"), double sadzba = 23)
{
    EFaktura f;
    f.Cislo = QStringLiteral("12/2027");
    f.Vystavenie = f.Dodanie = QDate(2027, 1, 15);
    f.Splatnost = QDate(2027, 1, 29);
    f.OdkazKupujuceho = QStringLiteral("3T 45/2026");
    f.Poznamky << QStringLiteral("Znalecký posudok č. 12/2027");
    f.Dodavatel = {QStringLiteral("Ing. Ján Nový"), QStringLiteral("Hlavná 5"), QStringLiteral("Nitra"),
                   QStringLiteral("949 01"), QStringLiteral("SK"), QStringLiteral("12345678"),
                   QStringLiteral("1020304050"),
                   kategoria == QLatin1String("S") ? QStringLiteral("SK1020304050") : QString(),
                   QStringLiteral("0245"), QStringLiteral("1020304050")};
    f.Odberatel = {QStringLiteral("Okresný súd Nitra"), QStringLiteral("Štúrova 9"), QStringLiteral("Nitra"),
                   QStringLiteral("949 68"), QStringLiteral("SK"), QStringLiteral("00165000"),
                   QStringLiteral("2021000000"), QString(), QStringLiteral("0245"), QStringLiteral("2021000000")};
    f.Dodavatel.PravneInfo = QStringLiteral("zapísaný v zozname znalcov, tlmočníkov a prekladateľov vedenom "
                                            "Ministerstvom spravodlivosti Slovenskej republiky, evidenčné číslo 912345");
    f.Dodavatel.Telefon = QStringLiteral("+421 905 123 456");
    f.IBAN = QStringLiteral("SK3112000000198742637541");
    f.VariabilnySymbol = QStringLiteral("122027");
    const EKategoriaDPH k{kategoria, kategoria == QLatin1String("S") ? sadzba : 0,
                          kategoria == QLatin1String("S") ? QString() : QStringLiteral("Dodávateľ nie je platiteľom DPH.")};
    f.Riadky << ERiadok{QStringLiteral("Štúdium spisu"), QStringLiteral("HUR"), 2.5, 3319, 8298, k}
             << ERiadok{QStringLiteral("Cestovné náklady"), QStringLiteral("C62"), 1, 4517, 4517, k};
    return f;
}

#include "editor/PodkladyDokladu.h"
#include "store/Datum.h"

inline TVydavok VzorovaPolozka(qint32 druh, const QString& nazov, const QString& mj, double cena, QList<double> pocty)
{
    TVydavok v;
    v.Druh = druh;
    v.Nazov = nazov;
    v.MJ = mj;
    v.Cena = cena;
    double s = 0;
    for (double p : pocty) {
        TRozpisPolozky r;
        r.Pocet = p;
        r.Popis = nazov + QStringLiteral(" – časť");
        v.Rozpis.append(r);
        s += p * cena;
    }
    v.PocetRozpisov = v.Rozpis.size();
    v.Suma = s;
    return v;
}

// An entry of a practitioner of kind `druh` for a court, performed on `vykonanie`.
inline PodkladyDokladu VzorovePodklady(bool platca, const QDate& vykonanie, double sadzba, qint32 druh = 0)
{
    PodkladyDokladu p;
    TNastavenia& n = p.nastavenie;
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QStringLiteral("Nový");
    n.EC = QStringLiteral("912345");
    n.TitulPred = QStringLiteral("Ing.");
    n.Adresa = QStringLiteral("Hlavná 5");
    n.Mesto = QStringLiteral("Nitra");
    n.PSC = QStringLiteral("949 01");
    n.ICO = QStringLiteral("12345678");
    n.DIC = QStringLiteral("1020304050");
    n.ICDPH = platca ? QStringLiteral("SK1020304050") : QString();
    n.PlatcaDPH = platca;
    n.Banka = QStringLiteral("1200");
    n.CisloUctu = QStringLiteral("19-8742637541");
    n.Druh = druh;
    PoliaZaznamu& f = p.polia;
    f.Cislo = QStringLiteral("7");
    f.Rok = QString::number(vykonanie.year());
    f.Meno = QStringLiteral("Okresný súd Nitra & spol. <senát>");
    f.Adresa = QStringLiteral("Štúrova 9, 949 68 Nitra");
    f.ICO = QStringLiteral("00165000");
    f.DIC = QStringLiteral("2021000000");
    f.TypCisla = 1;
    f.CisloObjednavky = QStringLiteral("3T 45/2026");
    f.DatumVykonania = DatumText(QDateNaDatum(vykonanie));
    f.DatumSplatnosti = DatumText(QDateNaDatum(vykonanie.addDays(14)));
    f.VariabilnySymbol = QStringLiteral("7") + f.Rok;
    f.KonstantnySymbol = QStringLiteral("0308");
    p.datumVykonania = QDateNaDatum(vykonanie);
    p.sadzbaDPH = sadzba;
    p.vydavky = {VzorovaPolozka(DruhVydavku::TarifnaOdmena, QStringLiteral("Štúdium spisu"), QStringLiteral("hod"), 33.19, {2.5, 1}),
                 VzorovaPolozka(DruhVydavku::HotoveVydavky, QStringLiteral("Poštovné"), QStringLiteral("ks"), 2.15, {3})};
    return p;
}
