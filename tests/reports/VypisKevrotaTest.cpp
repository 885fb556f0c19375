// The half-yearly extract: half-years, counting pairs, the check list, the grid and the
// document filled from the shipped template.

#include "reports/VypisKevrota.h"
#include "word/RtfCitac.h"
#include "common/TestAppDir.h"
#include "store/ZnalKevrotZaznam.h"
#include "store/Datum.h"

#include <gtest/gtest.h>

namespace {

double datum(int r, int m, int d) { return QDateNaDatum(QDate(r, m, d)); }

RiadokKevrota zaznam(int cislo, int statny, double kedy, const QString& odbor, const QString& odvetvie)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = 2024;
    z.StatnyOrgan = statny;
    z.DatumVykonania = kedy;
    z.Odbor = odbor;
    z.Odvetvie = odvetvie;
    return RiadokKevrota::zoZaznamu(z);
}

OdboryOdvetvia ciselnik()
{
    OdboryOdvetvia o;
    for (auto [kod, nazov] : {std::pair{"370000", "Elektrotechnika"}, {"380000", "Stavebníctvo"}}) {
        TOdbor x;
        x.Kod = QString::fromUtf8(kod);
        x.Nazov = QString::fromUtf8(nazov);
        o.Odbory << x;
    }
    for (auto [kod, nazov] : {std::pair{"370100", "Silnoprúd"}, {"370200", "Slaboprúd"}, {"380100", "Pozemné stavby"}}) {
        TOdvetvie x;
        x.Kod = QString::fromUtf8(kod);
        x.Nazov = QString::fromUtf8(nazov);
        o.Odvetvia << x;
    }
    return o;
}

TNastavenia nastavenie(const QString& ec = QStringLiteral("912345"))
{
    TNastavenia n;
    n.TitulPred = QStringLiteral("Ing.");
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QString::fromUtf8("Novák {\\b x} \\par }");
    n.Adresa = QString::fromUtf8("Hlavná 1");
    n.PSC = QStringLiteral("811 01");
    n.Mesto = QStringLiteral("Bratislava");
    n.EC = ec;
    // 390000 has no branch; 999900 belongs to no registered field.
    n.Odbory = QStringLiteral("370000|380000|390000|");
    n.Odvetvia = QStringLiteral("370100|370200|380100|999900|");
    return n;
}

QList<RiadokKevrota> zaznamy()
{
    return {zaznam(1, 1, datum(2024, 6, 30) + 0.75, "370000", "370100"),
            zaznam(2, 1, datum(2024, 7, 1), "370000", "370100"),
            zaznam(3, 0, datum(2024, 1, 1), "370000", "370200"),
            zaznam(4, 0, datum(2024, 3, 5), "370000", "370200"),
            zaznam(5, 0, datum(2023, 12, 31), "380000", "380100"),
            zaznam(6, 2, datum(2024, 2, 2), "380000", "380100"),
            zaznam(7, 0, datum(2024, 2, 2), "380000", ""),
            zaznam(8, 1, datum(2024, 12, 31), "380000", "380100")};
}

}  // namespace

TEST(VypisKevrota, PolrokDatumu)
{
    const struct { double datum; int polrok; } pripady[] = {
        {datum(2024, 1, 1), 1},         {datum(2024, 6, 30), 1}, {datum(2024, 6, 30) + 0.99, 1},
        {datum(2024, 7, 1), 2},         {datum(2024, 12, 31), 2}, {datum(2023, 12, 31), 0},
        {datum(2025, 1, 1), 0},         {0.0, 0},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(VypisKevrota::Polrok(p.datum, 2024), p.polrok) << DatumText(p.datum).toStdString();
}

TEST(VypisKevrota, ParyPocetKontrolaAMriezkaPodlaPolroka)
{
    VypisKevrota v(nastavenie(), ciselnik(), zaznamy(), 2024);
    ASSERT_EQ(v.StatneOrgany().size(), 3);
    EXPECT_EQ(v.Kontrola(), QStringList{QString::fromUtf8("7/2024 - nie je zadaný odbor/odvetvie (380000/)")});
    auto pocty = [&] {
        QList<int> p;
        for (const auto& r : v.Mriezka())
            p << r.pocet;
        return p;
    };
    EXPECT_EQ(pocty(), (QList<int>{1, 0, 0, 0, 2, 0}));
    EXPECT_EQ(v.Mriezka().at(4).text,
              QString::fromUtf8("Právnické a fyzické osoby: Elektrotechnika (370000)  - Slaboprúd (370200)"));
    v.Spocitaj(2);
    EXPECT_EQ(pocty(), (QList<int>{1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(v.ZaObdobie(), QString::fromUtf8("1.7.2024 až 31.12.2024"));
    EXPECT_EQ(v.Mriezka().at(0).text,
              QString::fromUtf8("Štátne orgány: Elektrotechnika (370000)  - Silnoprúd (370100)"));

    TNastavenia bezOdvetvi = nastavenie();
    bezOdvetvi.Odvetvia.clear();
    EXPECT_TRUE(VypisKevrota(bezOdvetvi, ciselnik(), zaznamy(), 2024).Mriezka().isEmpty());
}

class VypisKevrotaDokument : public TestAppDir {
protected:
    static QString sablona() { return QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/vypis.dot"); }
    static QString text(const Dokument& d) { return RtfCitac::citaj(d.rtf()).dokument.text(); }
};

TEST_F(VypisKevrotaDokument, ZalozkyVyplneneARiadkyVTabulke)
{
    VypisKevrota v(nastavenie(), ciselnik(), zaznamy(), 2024);
    const auto d = v.VytvorDokument(sablona());
    ASSERT_TRUE(d);
    const QString t = text(*d);
    EXPECT_TRUE(t.contains(QString::fromUtf8("Ing. Ján Novák {\\b x} \\par }"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QString::fromUtf8("Hlavná 1, 811 01 Bratislava")));
    EXPECT_TRUE(t.contains(QString::fromUtf8("1.1.2024 až 30.6.2024")));
    EXPECT_TRUE(t.contains(QStringLiteral("9\t1\t2\t3\t4\t5\n"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QString::fromUtf8(
        "1\t znaleckých úkonov pre štátne orgány v odbore - odvetví Elektrotechnika - Silnoprúd\n")));
    EXPECT_TRUE(t.contains(QString::fromUtf8(
        "0\t znaleckých úkonov pre právnické a fyzické osoby v odbore - odvetví Stavebníctvo - Pozemné stavby\n")));
    // The rows follow the template's introduction, as one table of two columns.
    const RtfDokument m = RtfCitac::citaj(d->rtf()).dokument;
    int riadkov = 0;
    for (const auto& b : m.telo)
        if (b.jeTabulka && b.tabulka.riadky.first().bunky.size() == 2
            && b.tabulka.riadky.first().bunky.first().text() == QStringLiteral("1"))
            riadkov = int(b.tabulka.riadky.size());
    EXPECT_EQ(riadkov, 6);
}

TEST_F(VypisKevrotaDokument, CountsReadInTheSlovakForm)
{
    QList<RiadokKevrota> z;
    for (int i = 1; i <= 1234; ++i)
        z << zaznam(i, 1, datum(2024, 2, 1), "370000", "370100");
    const auto d = VypisKevrota(nastavenie(), ciselnik(), z, 2024).VytvorDokument(sablona());
    ASSERT_TRUE(d);
    EXPECT_TRUE(text(*d).contains(QString::fromUtf8("\n1\u00a0234\t znaleckých úkonov pre štátne orgány"))) << text(*d).toStdString();
}

TEST_F(VypisKevrotaDokument, KratkeEcNevyplniAChybajucaSablonaSaOhlasi)
{
    const auto d = VypisKevrota(nastavenie(QStringLiteral("AB12")), ciselnik(), {}, 2024).VytvorDokument(sablona());
    ASSERT_TRUE(d);
    EXPECT_FALSE(text(*d).contains(QStringLiteral("A\tB"))) << text(*d).toStdString();
    EXPECT_TRUE(text(*d).contains(QString::fromUtf8("Ing. Ján")));

    const QString chyba = cesta(QStringLiteral("Zostavy/vypis.dot"));
    EXPECT_FALSE(VypisKevrota(nastavenie(), ciselnik(), {}, 2024).VytvorDokument(chyba));
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_TRUE(m_spravy.spravy.first().text.contains(chyba));
}

TEST(VypisKevrota, InterpretersCountPerLanguageWithTheirOwnWords)
{
    Jazyky jazyky;
    jazyky.PridajJazyk(QStringLiteral("eng"), QStringLiteral("anglický"));
    jazyky.PridajJazyk(QStringLiteral("deu"), QStringLiteral("nemecký"));
    TNastavenia n = nastavenie();
    n.Druh = Tlmocnik;
    n.Odbory = QStringLiteral("eng|deu|");
    n.Odvetvia.clear();
    const QList<RiadokKevrota> z = {zaznam(1, 1, datum(2024, 2, 1), "eng", ""), zaznam(2, 0, datum(2024, 3, 1), "eng", ""),
                                        zaznam(3, 1, datum(2024, 4, 1), "deu", ""), zaznam(4, 0, datum(2024, 5, 1), "", "")};
    VypisKevrota v(n, ciselnik(), z, 2024, &jazyky);
    EXPECT_EQ(v.Kontrola(), QStringList{QStringLiteral("4/2024 - nie je zadaný jazyk")});
    QStringList mriezka;
    for (const auto& r : v.Mriezka())
        mriezka << QString::number(r.pocet) + u' ' + r.text;
    EXPECT_EQ(mriezka, (QStringList{QStringLiteral("1 Štátne orgány: anglický (eng)"), QStringLiteral("1 Štátne orgány: nemecký (deu)"),
                                    QStringLiteral("1 Právnické a fyzické osoby: anglický (eng)"),
                                    QStringLiteral("0 Právnické a fyzické osoby: nemecký (deu)")}));
    const auto d = v.VytvorDokument(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/vypis.dot"));
    ASSERT_TRUE(d);
    const QString t = d->model().text();
    for (const char* cast : {"VÝPIS Z TLMOČNÍCKEHO KEVROTA", "Tlmočník:", "tieto tlmočnícke úkony (počet; druh úkonov v jazyku)",
                             "tlmočníckych úkonov pre štátne orgány v jazyku anglický", "podpis tlmočníka"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(cast))) << cast;
    for (const char* nie : {"Znalec:", "znalecké úkony", "odvetví"})
        EXPECT_FALSE(t.contains(QString::fromUtf8(nie))) << nie;
}
