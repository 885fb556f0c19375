#include "store/Vysledok.h"

#include <gtest/gtest.h>

// Success and failure come from the flag, not from the reason: a failure the system gave no
// text for is still a failure, and an empty value is still a value.
TEST(VysledokTest, TheOutcomeIsTheFlagAndTheReasonTravelsWithIt)
{
    struct Pripad {
        HodnotaAleboChyba<QString> h;
        bool ok;
        QString hodnota;  // hodnotaAlebo("-")
        QString dovod;
    };
    const Pripad pripady[] = {
        {QStringLiteral("SK3112000000198742637541"), true, QStringLiteral("SK3112000000198742637541"), {}},
        {QString(), true, QString(), {}},
        {HodnotaAleboChyba<QString>::chyba(QStringLiteral("Kód banky nie je platný: 12")), false, QStringLiteral("-"),
         QStringLiteral("Kód banky nie je platný: 12")},
        {HodnotaAleboChyba<QString>::chyba({}), false, QStringLiteral("-"), {}},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(p.h.ok(), p.ok) << p.dovod.toStdString();
        EXPECT_EQ(p.h.hodnotaAlebo(QStringLiteral("-")), p.hodnota);
        const Vysledok v = p.h.vysledok();
        EXPECT_EQ(v.ok(), p.ok) << p.dovod.toStdString();
        EXPECT_EQ(bool(v), p.ok);
        EXPECT_EQ(v.dovod(), p.dovod);
    }
}
