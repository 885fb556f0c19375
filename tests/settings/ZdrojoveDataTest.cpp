#include "common/TestAppDir.h"

#include "GeneratorDat.h"
#include "remuneration/CiselnikPoloziek.h"
#include "settings/Banky.h"
#include "settings/Jazyky.h"
#include "settings/OdboryOdvetvia.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>

namespace {

QString csv(const QString& nazov) { return QStringLiteral(KEVROT_DATA_CSV "/") + nazov; }

QByteArray citaj(const QString& cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ZdrojoveDataTest : public TestAppDir {
protected:
    // The shipped sources with one file replaced, in a directory of the test.
    QString zdrojS(const QString& nazov, const QByteArray& obsah)
    {
        const QString adresar = cesta(QStringLiteral("zdroj"));
        QDir().mkpath(adresar);
        for (const char* n : {"odbory.csv", "odvetvia.csv", "jazyky.csv", "polozky.csv", "banky.csv"}) {
            const QString meno = QString::fromLatin1(n);
            zapis(QStringLiteral("zdroj/") + meno, meno == nazov ? obsah : citaj(csv(meno)));
        }
        return adresar;
    }
};

}  // namespace

TEST_F(ZdrojoveDataTest, GeneratedFilesAreReadByTheProgramsLoaders)
{
    QStringList chyby;
    ASSERT_TRUE(GeneratorDat::Generuj(QStringLiteral(KEVROT_DATA_CSV), cesta(QStringLiteral("Data")), chyby))
        << chyby.join(u'\n').toStdString();

    OdboryOdvetvia oo;
    ASSERT_TRUE(oo.NacitajOdboryOdvetvia());
    EXPECT_EQ(oo.Odbory.size(), 8);
    EXPECT_EQ(oo.Odvetvia.size(), 30);
    EXPECT_EQ(oo.NazovOdboru(QStringLiteral("490000")), QStringLiteral("Kriminalistika"));
    EXPECT_EQ(oo.NazovOdvetvia(QStringLiteral("370901")), QStringLiteral("Odhad hodnoty nehnuteľností"));
    for (int i = 1; i < oo.Odbory.size(); ++i)
        EXPECT_LT(oo.Odbory.at(i - 1).Kod, oo.Odbory.at(i).Kod);
    for (const auto& v : oo.Odvetvia) {
        EXPECT_EQ(v.Kod.size(), 6);
        EXPECT_FALSE(oo.OdvetviaOdboru(v.Kod.left(2) + QStringLiteral("0000")).isEmpty());
        EXPECT_TRUE(oo.OdborExistuje(v.Kod.left(2) + QStringLiteral("0000"))) << v.Kod.toStdString();
    }

    Jazyky j;
    ASSERT_TRUE(j.NacitajJazyky());
    EXPECT_EQ(j.ZoznamJazykov.size(), 55);
    EXPECT_EQ(j.NazovJazyka(QStringLiteral("svk")), QStringLiteral("Posunková reč"));
    EXPECT_EQ(j.ZoznamJazykov.first().Kod, QStringLiteral("sqi"));  // file order, by name

    CiselnikPoloziek c;
    ASSERT_TRUE(c.NacitajPolozky());
    EXPECT_EQ(c.PolozkyCiselnika.size(), 120);
    QSet<qint32> skupiny;
    for (const auto& p : c.PolozkyCiselnika)
        skupiny.insert(p.Skupina);
    EXPECT_EQ(skupiny, QSet<qint32>({1, 2, 3, 4, 6, 7}));
    for (qint32 s : skupiny) {
        EXPECT_FALSE(c.PonukaPoloziek(s, 1).isEmpty()) << s;
        EXPECT_FALSE(c.PredvyplnPolozky(s).isEmpty()) << s;
    }
    const auto tarif = c.PonukaPoloziek(1, 1);
    EXPECT_EQ(tarif.at(0).Cena, 13.28);
    EXPECT_EQ(tarif.at(0).MJ, QStringLiteral("hod"));
    EXPECT_EQ(tarif.at(0).Priplatok1Max, 50.0);
    EXPECT_EQ(tarif.at(0).Priplatok2Max, 30.0);
    EXPECT_EQ(tarif.at(0).Priplatok1Text, QStringLiteral("Bezodkladné vykonanie úkonu na žiadosť zadávateľa (§ 12 ods. 1)"));
    EXPECT_EQ(c.PonukaPoloziek(7, 1).at(1).Cena, 19.92);

    // the shipped file and the built-in list are the same current list, with its BICs
    EXPECT_EQ(NacitajBanky(), VstavaneBanky());
    EXPECT_EQ(NazovBanky(QStringLiteral("0200")), QStringLiteral("Všeobecná úverová banka, a.s."));
    QFile f(csv(QStringLiteral("banky.csv")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto banky = GeneratorDat::Banky(f.readAll(), chyby);
    ASSERT_EQ(banky.size(), VstavaneBanky().size());
    for (const auto& b : banky)
        EXPECT_EQ(BicBanky(b.kod), b.bic) << b.kod.toStdString();
    EXPECT_EQ(BicBanky(QStringLiteral("0900")), QStringLiteral("GIBASKBX"));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(ZdrojoveDataTest, FaultsInASourceStopTheGeneratorAndWriteNothing)
{
    struct Pripad {
        const char* subor;
        QByteArray obsah;
        const char* chyba;
    };
    const QList<Pripad> pripady = {
        {"odbory.csv", "kod;nazov\n490000;" + QByteArray(51, 'x') + "\n", "odbory.csv:2: názov má 51 znakov"},
        {"odbory.csv", "kod;nazov\n490000;A\n\n490000;B\n", "odbory.csv:4: kód 490000 je už v zozname"},
        {"odbory.csv", "kod;nazov\n4900001;A\n", "odbory.csv:2: kód má 7 znakov"},
        {"odvetvia.csv", "kod;nazov\n490600;A;B\n", "odvetvia.csv:2: 3 stĺpcov"},
        {"jazyky.csv", "kod;nazov\neng;Angli\xe2\x86\x92\n", "jazyky.csv:2: názov má znak mimo Windows-1250"},
        {"jazyky.csv", "kod;nazov\n;Bez k\xc3\xb3" "du\n", "jazyky.csv:2: prázdny kód"},
        {"polozky.csv", "h\n8;1;N;ks;1;0;;0;\n", "polozky.csv:2: skupina \"8\""},
        {"polozky.csv", "h\n1;1;N;ks;1,5;0;;0;\n", "polozky.csv:2: cena \"1,5\""},
        {"polozky.csv", "h\n1;1;N;hodiny_a_minuty;1;0;;0;\n", "polozky.csv:2: mj má 15 znakov"},
        {"polozky.csv", "h\n1;1;N;ks;1;-5;;0;\n", "polozky.csv:2: priplatok1_max \"-5\""},
        {"polozky.csv", "h\n1;1;;ks;1;0;;0;\n", "polozky.csv:2: prázdny názov"},
        {"banky.csv", "h\n0200;Banka;SUBASK\n", "banky.csv:2: BIC má 8 alebo 11 znakov"},
        {"banky.csv", "h\n020;Banka;SUBASKBX\n", "banky.csv:2: Nesprávne vyplnený kód banky."},
    };
    for (const auto& p : pripady) {
        const QString zdroj = zdrojS(QString::fromLatin1(p.subor), p.obsah);
        const QString ciel = cesta(QStringLiteral("vystup"));
        QStringList chyby;
        EXPECT_FALSE(GeneratorDat::Generuj(zdroj, ciel, chyby)) << p.chyba;
        ASSERT_FALSE(chyby.isEmpty()) << p.chyba;
        EXPECT_TRUE(chyby.first().startsWith(QString::fromUtf8(p.chyba)))
            << chyby.first().toStdString() << " / " << p.chyba;
        EXPECT_FALSE(QDir(ciel).exists()) << p.chyba;
    }

    QStringList chyby;
    EXPECT_FALSE(GeneratorDat::Generuj(cesta(QStringLiteral("neexistuje")), cesta(QStringLiteral("vystup")), chyby));
    EXPECT_EQ(chyby.size(), 5);
}

TEST(CitanieCsv, HeaderBomLineEndsAndEmptyLines)
{
    QStringList chyby;
    const auto riadky = GeneratorDat::CitajCsv("\xEF\xBB\xBFkod;nazov\r\n1;A\r\n\r\n2;B", 2, "t.csv", chyby);
    EXPECT_TRUE(chyby.isEmpty());
    ASSERT_EQ(riadky.size(), 2);
    EXPECT_EQ(riadky.at(1).stlpce, QStringList({"2", "B"}));
    EXPECT_EQ(riadky.at(1).cislo, 4);

    GeneratorDat::CitajCsv("", 2, QStringLiteral("t.csv"), chyby);
    EXPECT_EQ(chyby, QStringList({QStringLiteral("t.csv: chýba riadok s názvami stĺpcov")}));
    chyby.clear();
    GeneratorDat::CitajCsv("kod;nazov\n\xff\xfe", 2, QStringLiteral("t.csv"), chyby);
    EXPECT_EQ(chyby, QStringList({QStringLiteral("t.csv: nie je v UTF-8")}));
}

TEST_F(ZdrojoveDataTest, ShippedFilesAreCopiedOnlyWhenMissing)
{
    zapis(QStringLiteral("zdroj/Data/odbory.dat"), "novy");
    zapis(QStringLiteral("zdroj/Data/jazyky.dat"), "novy");
    zapis(QStringLiteral("zdroj/ZnaleckyKevrot texty/Vyúčtovanie/default.rtf"), "{\\rtf1}");
    zapis(QStringLiteral("zdroj/.gitkeep"), "");
    zapis(QStringLiteral("app/Data/odbory.dat"), "zmeneny pouzivatelom");

    QProcess cmake;
    cmake.start(QStringLiteral(KEVROT_CMAKE),
                {QStringLiteral("-DZDROJ=") + cesta(QStringLiteral("zdroj")),
                 QStringLiteral("-DCIEL=") + cesta(QStringLiteral("app")), QStringLiteral("-P"),
                 QStringLiteral(KEVROT_KOPIRUJ_SKRIPT)});
    ASSERT_TRUE(cmake.waitForFinished(60000));
    ASSERT_EQ(cmake.exitCode(), 0) << cmake.readAllStandardError().toStdString();

    EXPECT_EQ(obsah(QStringLiteral("app/Data/odbory.dat")), QByteArray("zmeneny pouzivatelom"));
    EXPECT_EQ(obsah(QStringLiteral("app/Data/jazyky.dat")), QByteArray("novy"));
    EXPECT_EQ(obsah(QStringLiteral("app/ZnaleckyKevrot texty/Vyúčtovanie/default.rtf")), QByteArray("{\\rtf1}"));
    EXPECT_FALSE(QFile::exists(cesta(QStringLiteral("app/.gitkeep"))));
}
