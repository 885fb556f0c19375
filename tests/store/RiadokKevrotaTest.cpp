#include "store/RiadokKevrota.h"
#include "store/Win1250.h"
#include "store/Zurnal.h"

#include "KvdBajty.h"
#include "common/TestAppDir.h"

#include <cstring>

namespace {

bool rovnakyDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// What a row shows that differs from the record, by field name; empty when they agree.
QStringList rozdiely(const RiadokKevrota& r, const TZnalKevrotZaznam& z)
{
    QStringList v;
    auto cislo = [&](const char* n, qint64 a, qint64 b) { if (a != b) v << QString::fromLatin1(n); };
    auto dbl = [&](const char* n, double a, double b) { if (!rovnakyDouble(a, b)) v << QString::fromLatin1(n); };
    auto text = [&](const char* n, const QString& a, const QString& b) { if (a != b) v << QString::fromLatin1(n); };
    cislo("PoradoveCislo", r.PoradoveCislo, z.PoradoveCislo);
    cislo("Rok", r.Rok, z.Rok);
    cislo("StatnyOrgan", r.StatnyOrgan, z.StatnyOrgan);
    cislo("PocetVyplateni", r.PocetVyplateni, z.PocetVyplateni);
    cislo("Vyplatene", r.Vyplatene, z.Vyplatene);
    cislo("DoZoznamuVyuctovani", r.DoZoznamuVyuctovani, z.DoZoznamuVyuctovani);
    dbl("DatumVyziadania", r.DatumVyziadania, z.DatumVyziadania);
    dbl("DatumVykonania", r.DatumVykonania, z.DatumVykonania);
    dbl("UctovanaOdmena", r.UctovanaOdmena, z.UctovanaOdmena);
    dbl("UctovaneVydavky", r.UctovaneVydavky, z.UctovaneVydavky);
    dbl("PriznanaOdmena", r.PriznanaOdmena, z.PriznanaOdmena);
    dbl("PriznaneVydavky", r.PriznaneVydavky, z.PriznaneVydavky);
    text("Meno", r.Meno(), z.Meno);
    text("Adresa", r.Adresa(), z.Adresa);
    text("CisloObjednavky", r.CisloObjednavky(), z.CisloObjednavky);
    text("DruhUkonu", r.DruhUkonu(), z.DruhUkonu);
    text("TypPosudku", r.TypPosudku(), z.TypPosudku);
    text("Predmet", r.Predmet(), z.Predmet);
    text("Ucel", r.Ucel(), z.Ucel);
    text("UdajeOdmena", r.UdajeOdmena(), z.UdajeOdmena);
    text("DatumyVyplatenia", r.DatumyVyplatenia(), z.DatumyVyplatenia);
    text("Poznamka", r.Poznamka(), z.Poznamka);
    text("Odbor", r.Odbor(), z.Odbor);
    text("Odvetvie", r.Odvetvie(), z.Odvetvie);
    text("Subor", r.Subor(), z.Subor);
    return v;
}

class RiadokKevrotaTest : public TestAppDir {};

}  // namespace

// Records of every layout with noise in every byte (length bytes above their capacity,
// bytes the code page leaves undefined): the row of the year load shows what the whole
// record read from the file holds, and so does the row made from that record.
TEST_F(RiadokKevrotaTest, RowShowsWhatTheWholeRecordHolds)
{
    std::mt19937 g(11);
    int cislo = 0;
    for (qint32 verzia : {2, 1, 0})
        for (int i = 0; i < 12; ++i) {
            QByteArray b = kvd::sum(verzia == 2 ? 3688 : 3636, g);
            kvd::int32Na(b, 8, ++cislo);
            kvd::int32Na(b, 16, verzia);
            kvd::pridajInt32(b, 0);  // no items
            zapis(QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(cislo), b);
        }
    Zurnal j;
    j.NacitajRok(2024);
    ASSERT_EQ(j.ZaznamyKevrota.size(), cislo);
    for (int i = 0; i < j.ZaznamyKevrota.size(); ++i) {
        const auto z = j.CelyZaznam(i);
        ASSERT_TRUE(z) << i;
        EXPECT_EQ(rozdiely(j.ZaznamyKevrota[i], *z), QStringList()) << z->Subor.toStdString();
        EXPECT_EQ(rozdiely(RiadokKevrota::zoZaznamu(*z), *z), QStringList()) << z->Subor.toStdString();
    }
}

// A record in memory gives the row of what its file will hold: texts cut to their
// capacity, characters outside the code page as '?'.
TEST_F(RiadokKevrotaTest, RowOfARecordInMemoryShowsWhatItsFileWillHold)
{
    TZnalKevrotZaznam z;
    z.Meno = QString(150, u'ž');
    z.Predmet = QStringLiteral("€ a \u4e2d");
    z.Odbor = QStringLiteral("1234567890AB");
    z.Subor = QStringLiteral("/data/ZnalKevrot2024/3-2024 (kópia).kvd");
    RiadokKevrota r = RiadokKevrota::zoZaznamu(z);
    EXPECT_EQ(r.Meno(), QString(100, u'ž'));
    EXPECT_EQ(r.Predmet(), QStringLiteral("€ a ?"));
    EXPECT_EQ(r.Odbor(), QStringLiteral("1234567890"));
    EXPECT_EQ(r.Subor(), z.Subor);
    r.nastavDatumyVyplatenia(QStringLiteral("1.4.2024\r"));
    EXPECT_EQ(r.DatumyVyplatenia(), QStringLiteral("1.4.2024\r"));
    EXPECT_EQ(r.Predmet(), QStringLiteral("€ a ?"));
    EXPECT_EQ(r.Subor(), z.Subor);
    EXPECT_EQ(RiadokKevrota().Subor(), QString());
}
