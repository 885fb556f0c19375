// Every record layout: the name of each row is the member the row reads and writes.
// Changing a member through one row must change exactly that name in the JSON of the record.

#include "remuneration/PolozkaCiselnika.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "settings/Jazyk.h"
#include "settings/NastaveniaZaznamy.h"
#include "settings/Odbor.h"
#include "settings/Odvetvie.h"
#include "settings/Vozidla.h"
#include "store/CestovneNahrady.h"
#include "store/Objednavatel.h"
#include "store/Objednavka.h"
#include "store/Vydavok.h"
#include "store/Vyplatenie.h"
#include "store/ZnalKevrotZaznam.h"

#include <gtest/gtest.h>

#include <QJsonObject>
#include <QStringList>

namespace {

// Sets the member of one row to a value other than the default; false for nested blocks.
template <class T>
bool zmenClen(T& t, const Pole<T>& p)
{
    switch (p.typ) {
    case TypPola::Int32: t.*std::get<qint32 T::*>(p.clen) += 7; return true;
    case TypPola::Double:
    case TypPola::Datum: t.*std::get<double T::*>(p.clen) += 7.25; return true;
    case TypPola::Bool: t.*std::get<bool T::*>(p.clen) = !(t.*std::get<bool T::*>(p.clen)); return true;
    case TypPola::Byte: t.*std::get<quint8 T::*>(p.clen) += 7; return true;
    case TypPola::Word16: t.*std::get<quint16 T::*>(p.clen) += 7; return true;
    case TypPola::Retazec: t.*std::get<QString T::*>(p.clen) += QStringLiteral("x"); return true;
    case TypPola::Retazce: {
        QStringList& l = t.*std::get<QStringList T::*>(p.clen);
        l = QStringList(p.pocet, QString());
        l[0] = QStringLiteral("x");
        return true;
    }
    default: return false;
    }
}

template <class T>
class RozlozeniaZaznamov : public ::testing::Test {};

using Zaznamy = ::testing::Types<TZnalKevrotZaznam, TCestovneNahrady, TVydavok, TRozpisPolozky, TVyplatenie,
                                 TObjednavka, TObjednavkaStara, TObjednavatel, TObjednavatelStary, TNastavenia,
                                 TNastavenieTlac, TNastavenieHlavicka, TNastavenieManazer,
                                 TNastaveniePodielOdmena, TDualneZobrazovanie, TOdbor, TOdvetvie, TJazyk,
                                 TVozidlo, TPolozkaCiselnika, TPreddefinovanyText>;
TYPED_TEST_SUITE(RozlozeniaZaznamov, Zaznamy);

TYPED_TEST(RozlozeniaZaznamov, EachRowNamesTheMemberItReadsAndWrites)
{
    using T = TypeParam;
    const QJsonObject povodny = T{}.doJson();
    for (const auto& p : T::rozlozenie()) {
        T t;
        if (!p.nazov || !zmenClen(t, p))
            continue;
        const QJsonObject j = t.doJson();
        QStringList zmenene;
        for (auto it = j.begin(); it != j.end(); ++it)
            if (it.value() != povodny.value(it.key()))
                zmenene << it.key();
        EXPECT_EQ(zmenene.join(u',').toStdString(), p.nazov) << "offset " << p.offset;
    }
}

}  // namespace
