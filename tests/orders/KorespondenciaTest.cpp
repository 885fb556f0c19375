// The order letter: templates per kind, the eleven placeholders in their order, the header's
// RTF source put in as it stands, and the copy with the footer for the word processor.

#include "common/TestAppDir.h"

#include "word/RtfCitac.h"
#include "orders/KorespondenciaObjednavky.h"
#include "store/Objednavka.h"
#include "store/Subory.h"

#include <QFile>
#include <QFileInfo>

using namespace KorespondenciaObjednavky;

namespace {

const QByteArray Hlava = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}\r\n";
const QString Priecinok = QStringLiteral("ZnaleckyKevrot texty/Korespondencia - objednavky/");

class KorespondenciaTest : public TestAppDir {
protected:
    void sablona(const QString& meno, const QByteArray& telo, const QString& priecinok = Priecinok)
    {
        zapis(priecinok + meno + QStringLiteral(".rtf"), Hlava + telo + "}\r\n");
    }

    static HodnotyListu hodnoty()
    {
        HodnotyListu h;
        h.den = QStringLiteral("5");
        h.mesiac = QStringLiteral("03");
        h.rok = QStringLiteral("2024");
        h.zadavatelMeno = QStringLiteral("Okresný súd");
        h.zadavatelAdresa = QStringLiteral("Námestie 1, Žilina");
        h.znalecMeno = QStringLiteral("Ing. Ján Novák");
        h.znalecAdresa = QStringLiteral("Hlavná 2, Martin 036 01");
        h.znalecMesto = QStringLiteral("Martin");
        h.dnes = QStringLiteral("9.12.2024");
        h.bankoveSpojenie = QStringLiteral("123/0900");
        h.objednavka = QStringLiteral("5C 7/2024");
        return h;
    }

    QByteArray list() const { return obsah(QStringLiteral("Tmp_doc/korespondencia_obj.rtf")); }
    static QString text(const QString& cesta) { return RtfCitac::citajSubor(cesta).dokument.text(); }
};

}  // namespace

TEST_F(KorespondenciaTest, TemplatesFollowTheKind)
{
    EXPECT_EQ(zoznamSablon(0), QStringList{QString()});
    sablona(QStringLiteral("Potvrdenie"), "x");
    sablona(QStringLiteral("Preklad"), "x", QStringLiteral("ZnaleckyKevrot texty/Korespondencia - objednavky (prekladatel)/"));
    EXPECT_EQ(zoznamSablon(0), (QStringList{QString(), QStringLiteral("Potvrdenie")}));
    EXPECT_EQ(zoznamSablon(1), QStringList{QString()});
    EXPECT_EQ(zoznamSablon(2), (QStringList{QString(), QStringLiteral("Preklad")}));
    EXPECT_TRUE(adresarSablon(1).endsWith(QStringLiteral("Korespondencia - objednavky (tlmocnik)/")));
    EXPECT_TRUE(pracovnySubor().endsWith(QStringLiteral("Tmp_doc/korespondencia_obj.rtf")));
}

TEST_F(KorespondenciaTest, EveryPlaceholderIsFilledAndTheFooterMarkRemoved)
{
    sablona(QStringLiteral("List"),
            "\\pard $ZADAVATEL_MENO$, $ZADAVATEL_ADRESA$\\par\r\n"
            "\\pard $ZNALEC_MENO$; $ZNALEC_ADRESA$; $ZNALEC_MESTO$\\par\r\n"
            "\\pard Objedn\\'e1vka $OBJEDNAVKA$ zo d\\'f2a $DATUM_VYZIAD$, dnes $DNES$, \\'fa\\'e8et $CISLO_UCTU$\\par\r\n"
            "\\pard [$ZNALEC_PATA$]\\par\r\n");
    ASSERT_TRUE(VytvorList(0, QStringLiteral("List"), hodnoty()));
    EXPECT_EQ(text(pracovnySubor()),
              QStringLiteral("Okresný súd, Námestie 1, Žilina\n"
                             "Ing. Ján Novák; Hlavná 2, Martin 036 01; Martin\n"
                             "Objednávka 5C 7/2024 zo dňa 5.03.2024, dnes 9.12.2024, účet 123/0900\n"
                             "[]\n"));
    EXPECT_TRUE(ziadaPatu(0, QStringLiteral("List")));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(KorespondenciaTest, PlaceholdersAreReplacedInTheirOrder)
{
    // A value may hold a later placeholder, which is then filled; an earlier one stays.
    sablona(QStringLiteral("List"), "\\pard $ZADAVATEL_MENO$ | $OBJEDNAVKA$\\par\r\n");
    HodnotyListu h = hodnoty();
    h.zadavatelMeno = QStringLiteral("$DNES$");
    h.objednavka = QStringLiteral("$ZADAVATEL_ADRESA$");
    ASSERT_TRUE(VytvorList(0, QStringLiteral("List"), h));
    EXPECT_EQ(text(pracovnySubor()), QStringLiteral("9.12.2024 | $ZADAVATEL_ADRESA$\n"));
}

TEST_F(KorespondenciaTest, HeaderGoesInAsRtfSourceOtherValuesEscaped)
{
    const QByteArray hlavicka = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\r\n"
                                "\\pard\\qc\\b Ing. J\\'e1n Nov\\'e1k\\par\r\n}\r\n";
    zapis(QStringLiteral("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"), hlavicka);
    sablona(QStringLiteral("List"), "\\pard $ZNALEC_HLAVICKA$\\par\r\n\\pard\\plain $ZADAVATEL_MENO$\\par\r\n");
    HodnotyListu h = hodnoty();
    h.zadavatelMeno = QString::fromUtf8("A\\B {C} ∑ Ť");
    ASSERT_TRUE(VytvorList(0, QStringLiteral("List"), h));

    const QByteArray zdroj = list();
    EXPECT_TRUE(zdroj.contains(hlavicka.trimmed())) << zdroj.constData();
    EXPECT_FALSE(zdroj.contains("$ZNALEC_HLAVICKA$"));
    EXPECT_TRUE(zdroj.contains("A\\\\B \\{C\\}")) << zdroj.constData();
    const auto v = RtfCitac::citajSubor(pracovnySubor());
    EXPECT_TRUE(v.uplny);
    EXPECT_EQ(v.dokument.text(), QString::fromUtf8("Ing. Ján Novák\n\nA\\B {C} ∑ Ť\n"));
    // The header's bold does not leak into the letter.
    const auto& behy = v.dokument.telo.last().odsek.behy;
    ASSERT_FALSE(behy.isEmpty());
    EXPECT_FALSE(behy.first().format.tucne);
}

TEST_F(KorespondenciaTest, MissingHeaderLeavesThePlaceholderEmpty)
{
    sablona(QStringLiteral("List"), "\\pard [$ZNALEC_HLAVICKA$]\\par\r\n");
    ASSERT_TRUE(VytvorList(0, QStringLiteral("List"), hodnoty()));
    EXPECT_TRUE(list().contains("\\pard []\\par"));
}

TEST_F(KorespondenciaTest, NoTemplateLeavesTheWorkingFile)
{
    zapis(QStringLiteral("Tmp_doc/korespondencia_obj.rtf"), "povodny");
    sablona(QStringLiteral("List"), "\\pard x\\par\r\n");
    EXPECT_FALSE(VytvorList(0, QString(), hodnoty()));
    EXPECT_FALSE(VytvorList(0, QStringLiteral("Iny"), hodnoty()));
    EXPECT_FALSE(VytvorList(1, QStringLiteral("List"), hodnoty()));
    EXPECT_EQ(list(), QByteArray("povodny"));
}

TEST_F(KorespondenciaTest, WordProcessorCopyGetsTheFooterOnlyWhenAsked)
{
    const QString bezPaty = QStringLiteral("Bez paty");
    sablona(bezPaty, "\\pard Text listu\\par\r\n");
    sablona(QStringLiteral("S patou"), "\\pard Text listu\\par\r\n\\pard $ZNALEC_PATA$\\par\r\n");
    zapis(QStringLiteral("ZnaleckyKevrot texty/pata_vyuctovania.rtf"),
          Hlava + "\\pard\\f1\\fs16\\i Bankov\\'e9 spojenie\\par\r\n}");

    // Nothing to open without a working file.
    EXPECT_TRUE(pripravNaOtvorenie(0, bezPaty, false, QString(), 0).isEmpty());
    EXPECT_FALSE(OtvorVoWorde(0, bezPaty, false, QString(), 0));
    EXPECT_TRUE(m_spravy.otvoreneSubory.isEmpty());

    ASSERT_TRUE(VytvorList(0, bezPaty, hodnoty()));
    EXPECT_FALSE(ziadaPatu(0, bezPaty));
    EXPECT_EQ(pripravNaOtvorenie(0, bezPaty, false, QString(), 0), pracovnySubor());

    ASSERT_TRUE(VytvorList(0, QStringLiteral("S patou"), hodnoty()));
    const QByteArray pred = list();
    ASSERT_TRUE(OtvorVoWorde(0, QStringLiteral("S patou"), true, QStringLiteral("Verdana"), 13));
    ASSERT_EQ(m_spravy.otvoreneSubory.size(), 1);
    const QString kopia = m_spravy.otvoreneSubory.first();
    EXPECT_NE(kopia, pracovnySubor());
    EXPECT_EQ(list(), pred);  // the working letter itself is not changed
    const auto v = RtfCitac::citajSubor(kopia);
    ASSERT_TRUE(v.jeRtf);
    EXPECT_EQ(v.dokument.text(), QStringLiteral("Text listu\n\n"));
    ASSERT_EQ(v.dokument.pata.size(), 1);
    EXPECT_EQ(RtfDokument::textBlokov(v.dokument.pata), QStringLiteral("Bankové spojenie\n"));
    const auto& beh = v.dokument.pata[0].odsek.behy.value(0);
    EXPECT_EQ(beh.format.pismo, QStringLiteral("Verdana"));
    EXPECT_EQ(beh.format.velkost, 13);
    EXPECT_TRUE(beh.format.kurziva);  // the basic font changes name and size, not the style

    // Without the basic-font setting the footer keeps its own font.
    const QString kopia2 = pripravNaOtvorenie(0, QStringLiteral("S patou"), false, QStringLiteral("Verdana"), 13);
    const auto v2 = RtfCitac::citajSubor(kopia2);
    ASSERT_EQ(v2.dokument.pata.size(), 1);
    EXPECT_EQ(v2.dokument.pata[0].odsek.behy.value(0).format.pismo, QStringLiteral("Arial"));
    EXPECT_EQ(v2.dokument.pata[0].odsek.behy.value(0).format.velkost, 8);

    // No footer file: the letter opens as it is.
    QFile::remove(cesta(QStringLiteral("ZnaleckyKevrot texty/pata_vyuctovania.rtf")));
    EXPECT_EQ(pripravNaOtvorenie(0, QStringLiteral("S patou"), true, QString(), 0), pracovnySubor());
}

TEST_F(KorespondenciaTest, TheLetterIsKeptWithItsOrderAndComesBackWhenItOpens)
{
    TObjednavka a, b, bezCasu;
    a.CasZalozenia = 0.5;    // 12:00:00
    b.CasZalozenia = 0.25;   // 6:00:00
    const QString listA = KorespondenciaObjednavky::SuborListuObjednavky(2024, a);
    const QString listB = KorespondenciaObjednavky::SuborListuObjednavky(2024, b);
    EXPECT_TRUE(listA.endsWith(QStringLiteral("ZnalKevrot2024/Objednavky/list_43200000.rtf"))) << listA.toStdString();
    EXPECT_NE(listA, listB);
    EXPECT_TRUE(KorespondenciaObjednavky::SuborListuObjednavky(2024, bezCasu).isEmpty());

    // Order A: a letter written, OK keeps it.
    EXPECT_TRUE(KorespondenciaObjednavky::NacitajList(listA));
    EXPECT_FALSE(QFileInfo::exists(KorespondenciaObjednavky::pracovnySubor()));
    zapis(QStringLiteral("Tmp_doc/korespondencia_obj.rtf"), "{\\rtf1 List A\\par}");
    ASSERT_TRUE(KorespondenciaObjednavky::UlozList(listA));
    // Order B opened next shows no letter of A; A opened again shows its own.
    EXPECT_TRUE(KorespondenciaObjednavky::NacitajList(listB));
    EXPECT_FALSE(QFileInfo::exists(KorespondenciaObjednavky::pracovnySubor()));
    EXPECT_TRUE(KorespondenciaObjednavky::NacitajList(listA));
    EXPECT_EQ(obsah(QStringLiteral("Tmp_doc/korespondencia_obj.rtf")), QByteArray("{\\rtf1 List A\\par}"));
}

TEST_F(KorespondenciaTest, AKeptLetterThatCannotBeRemovedOrWrittenIsAFailureWithItsMessage)
{
    // A folder where the letter should be: neither removed nor written over.
    const QString list = cesta(QStringLiteral("ZnalKevrot2024/Objednavky/list_1.rtf"));
    zapis(QStringLiteral("ZnalKevrot2024/Objednavky/list_1.rtf/x"), "x");
    EXPECT_TRUE(KorespondenciaObjednavky::NacitajList({}));
    const Vysledok odstraneny = KorespondenciaObjednavky::UlozList(list);
    EXPECT_FALSE(odstraneny.ok());
    EXPECT_TRUE(odstraneny.dovod().startsWith(QStringLiteral("Nepodarilo sa vymazať súbor: "))) << qPrintable(odstraneny.dovod());
    zapis(QStringLiteral("Tmp_doc/korespondencia_obj.rtf"), "{\\rtf1 List\\par}");
    const Vysledok zapisany = KorespondenciaObjednavky::UlozList(list);
    EXPECT_FALSE(zapisany.ok());
    EXPECT_TRUE(zapisany.dovod().startsWith(QStringLiteral("Nepodarilo sa uložiť súbor: "))) << qPrintable(zapisany.dovod());
    // A kept letter that cannot be read (absurdly large) is a failure when the order opens.
    const QString velky = cesta(QStringLiteral("ZnalKevrot2024/Objednavky/list_2.rtf"));
    zapis(QStringLiteral("ZnalKevrot2024/Objednavky/list_2.rtf"), "x");
    ASSERT_TRUE(QFile(velky).resize(Subory::MaxVelkostSuboru + 1));
    const Vysledok otvoreny = KorespondenciaObjednavky::NacitajList(velky);
    EXPECT_EQ(otvoreny.dovod(), textProblemSoSuborom(velky));
    EXPECT_FALSE(QFileInfo::exists(KorespondenciaObjednavky::pracovnySubor()));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}
