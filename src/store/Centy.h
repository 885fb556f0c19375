#pragma once
// Money of documents in whole cents, and the one breakdown of a bill that every document,
// payment code, e-invoice and stored billed amount takes its figures from.
//
// Each row is rounded to cents once (half away from zero on the decimal value the user
// sees); the base is the sum of the rounded rows, VAT is rounded once from that base and
// the total is base + VAT. A bill carries one VAT rate.

#include <QList>
#include <QtGlobal>

using Centy = qint64;

// Cents of an amount in euro, half away from zero (2.5 × 12.25 = 30.625 → 3063).
Centy NaCenty(double suma);
inline double ZCentov(Centy c) { return double(c) / 100; }

// VAT of a base at a rate in percent, rounded once, half away from zero.
Centy DPHZakladu(Centy zaklad, double sadzba);

// Splits `celkom` over parts in proportion to `vahy` so that the parts add up to `celkom`:
// each part is first cut down to whole cents, the cents still missing go to the parts with
// the largest remainders (earlier parts first on a tie). All weights 0: everything to the
// first part.
QList<Centy> RozdelNajvacsimZvyskom(Centy celkom, const QList<Centy>& vahy);

struct SumaRiadku {
    Centy zaklad = 0;
    Centy dph = 0;
    Centy spolu = 0;
};

// The bill: rows in cents as the documents list them, the VAT rate and the rule that
// applies. For a VAT payer with an act from 2011 on the rows are bases and VAT is added;
// before 2011 the rows already include VAT and the base is taken out of the total; a
// non-payer shows no VAT.
class RozpisSumy {
public:
    enum class Sposob { BezDPH, DPHNavyse, DPHVCene };

    RozpisSumy() = default;
    RozpisSumy(const QList<Centy>& riadky, Sposob sposob, double sadzba);

    // The rule for a payer flag, a date of performance and the cut-over date.
    static Sposob SposobPre(bool platca, double datumVykonania);

    Sposob sposob() const { return m_sposob; }
    double sadzba() const { return m_sadzba; }
    bool sDPH() const { return m_sposob != Sposob::BezDPH; }

    SumaRiadku sucet() const { return m_sucet; }
    Centy zaklad() const { return m_sucet.zaklad; }
    Centy dph() const { return m_sucet.dph; }
    Centy spolu() const { return m_sucet.spolu; }

    // Per row, with the VAT column spread by largest remainder so that it adds up to dph().
    const QList<SumaRiadku>& riadky() const { return m_riadky; }
    // The sum of rows [od, od + pocet).
    SumaRiadku sucetRiadkov(qsizetype od, qsizetype pocet) const;

private:
    QList<SumaRiadku> m_riadky;
    SumaRiadku m_sucet;
    Sposob m_sposob = Sposob::BezDPH;
    double m_sadzba = 0;
};
