// The billing and payment texts: template folders and lists, regeneration of the working
// files with the six placeholders, and legacy texts turned into working files.

#include "common/TestAppDir.h"

#include "editor/TextyVyuctovania.h"
#include "settings/SablonyDruhu.h"
#include "word/RtfCitac.h"
#include "store/Cesty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray Hlava = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\r\n";

class TextyVyuctovaniaTest : public TestAppDir {
protected:
    // A template of the expert's billing texts.
    void sablona(const QString& meno, const QByteArray& telo,
                 const QString& priecinok = QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania/"))
    {
        zapis(priecinok + meno, Hlava + telo + "}\r\n");
    }

    static HodnotyTextov hodnoty()
    {
        HodnotyTextov h;
        h.cislo = QStringLiteral("7");
        h.rok = QStringLiteral("2024");
        h.ukon = QStringLiteral("znalecký posudok");
        h.predmet = QStringLiteral("vozidlo Škoda");
        h.objednavka = QStringLiteral("3C 12/2024");
        h.variabilnySymbol = QStringLiteral("72024");
        h.bankoveSpojenie = QStringLiteral("123456789/0900");
        return h;
    }

    QString pracovny(DruhTextu t) const { return TextyVyuctovania::pracovnySubor(t); }

    static QString textSuboru(const QString& cesta) { return RtfCitac::citajSubor(cesta).dokument.text(); }
};

}  // namespace

TEST_F(TextyVyuctovaniaTest, FoldersFollowTheKindAndListsStartWithTheEmptyItem)
{
    using namespace TextyVyuctovania;
    EXPECT_TRUE(adresarSablon(DruhTextu::Vyuctovanie, 0).endsWith(QStringLiteral("/ZnaleckyKevrot texty/Text vyuctovania/")));
    EXPECT_TRUE(adresarSablon(DruhTextu::Vyuctovanie, 1).endsWith(QStringLiteral("/Text vyuctovania (tlmocnik)/")));
    EXPECT_TRUE(adresarSablon(DruhTextu::Vyplatenie, 2)
                    .endsWith(QStringLiteral("/Text vyuctovania - financna ciastka (prekladatel)/")));
    EXPECT_TRUE(adresarSablon(DruhTextu::Vyplatenie, 0).startsWith(Cesty::AppDir()));
    // An unknown kind reads the expert's folder.
    EXPECT_EQ(adresarSablon(DruhTextu::Vyuctovanie, 9), adresarSablon(DruhTextu::Vyuctovanie, 0));
    EXPECT_TRUE(pracovnySubor(DruhTextu::Vyuctovanie).endsWith(QStringLiteral("Tmp_doc/text_vyuctovania.rtf")));
    EXPECT_TRUE(pracovnySubor(DruhTextu::Vyplatenie).endsWith(QStringLiteral("Tmp_doc/text_financna_ciastka.rtf")));

    // A missing folder: the empty item alone.
    EXPECT_EQ(zoznamSablon(DruhTextu::Vyuctovanie, 0), QStringList{QString()});

    const QString tlm = QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania (tlmocnik)/");
    sablona(QStringLiteral("Pre súd.rtf"), "x", tlm);
    sablona(QStringLiteral("Na objednávku.rtf"), "x", tlm);
    sablona(QStringLiteral("poznamka.txt"), "x", tlm);
    sablona(QStringLiteral("Velke.RTF"), "x", tlm);  // as an import from another system names them
    QDir().mkpath(cesta(tlm + QStringLiteral("priecinok.rtf")));
    EXPECT_EQ(zoznamSablon(DruhTextu::Vyuctovanie, 1), (QStringList{QString(), QStringLiteral("Na objednávku"),
                                                                    QStringLiteral("Pre súd"), QStringLiteral("Velke")}));
    // and the listed name finds its file
    EXPECT_EQ(SablonyDruhu::suborSablony(adresarSablon(DruhTextu::Vyuctovanie, 1), QStringLiteral("Velke")),
              cesta(tlm + QStringLiteral("Velke.RTF")));
    // The expert's list does not see the interpreter's templates.
    EXPECT_EQ(zoznamSablon(DruhTextu::Vyuctovanie, 0), QStringList{QString()});
}

TEST_F(TextyVyuctovaniaTest, RegenerationReplacesEveryPlaceholderEveryTime)
{
    sablona(QStringLiteral("Sud.rtf"),
            "\\pard Vy\\'fa\\'e8tovanie \\'e8. $CISLO$ ($CISLO$): $UKON$, $PREDMET$\\par\r\n"
            "\\pard Objedn\\'e1vka $OBJEDNAVKA$, VS $VARIAB_SYMBOL$, \\'fa\\'e8et $CISLO_UCTU$\\par\r\n"
            "\\pard $cislo$ $CISLO\\par\r\n");
    ASSERT_TRUE(TextyVyuctovania::VytvorTextVyuctovania(0, QStringLiteral("Sud"), hodnoty()));
    EXPECT_FALSE(QFile::exists(pracovny(DruhTextu::Vyplatenie)));

    const QByteArray zdroj = obsah(QStringLiteral("Tmp_doc/text_vyuctovania.rtf"));
    EXPECT_EQ(zdroj.count("7/2024"), 2);
    EXPECT_TRUE(zdroj.endsWith("}\r\n"));
    const QString text = textSuboru(pracovny(DruhTextu::Vyuctovanie));
    EXPECT_EQ(text, QStringLiteral("Vyúčtovanie č. 7/2024 (7/2024): znalecký posudok, vozidlo Škoda\n"
                                   "Objednávka 3C 12/2024, VS 72024, účet 123456789/0900\n"
                                   "$cislo$ $CISLO\n"));
}

TEST_F(TextyVyuctovaniaTest, PlaceholderBrokenByFormattingOrALineBreakStays)
{
    sablona(QStringLiteral("Rozbity.rtf"),
            "\\pard $CIS{\\b LO}$ a $PRED\r\nMET$ a $UKON$\\par\r\n");
    ASSERT_TRUE(TextyVyuctovania::VytvorTextVyuctovania(0, QStringLiteral("Rozbity"), hodnoty()));
    const QByteArray zdroj = obsah(QStringLiteral("Tmp_doc/text_vyuctovania.rtf"));
    EXPECT_TRUE(zdroj.contains("$CIS{\\b LO}$"));
    EXPECT_TRUE(zdroj.contains("$PRED\r\nMET$"));
    EXPECT_FALSE(zdroj.contains("$UKON$"));
    EXPECT_FALSE(zdroj.contains("7/2024"));
}

TEST_F(TextyVyuctovaniaTest, ValuesThatMeanSomethingToRtfAreEscaped)
{
    sablona(QStringLiteral("Sud.rtf"), "\\pard [$PREDMET$] {\\b [$UKON$]}\\par\r\n");
    HodnotyTextov h = hodnoty();
    h.predmet = QStringLiteral("C:\\spis {a} \\par }}}");
    h.ukon = QString::fromUtf8("Žilina ∑ 漢 €");
    ASSERT_TRUE(TextyVyuctovania::VytvorTextVyuctovania(0, QStringLiteral("Sud"), h));
    const auto v = RtfCitac::citajSubor(pracovny(DruhTextu::Vyuctovanie));
    EXPECT_TRUE(v.jeRtf);
    EXPECT_TRUE(v.uplny);  // braces still balanced
    EXPECT_EQ(v.dokument.text(), QStringLiteral("[") + h.predmet + QStringLiteral("] [") + h.ukon
                                     + QStringLiteral("]\n"));
    // Bold stays on the value only: the value's braces did not close the group.
    const auto& behy = v.dokument.telo.value(0).odsek.behy;
    ASSERT_FALSE(behy.isEmpty());
    EXPECT_FALSE(behy.first().format.tucne);
    EXPECT_TRUE(behy.last().format.tucne);
    EXPECT_EQ(v.dokument.telo.size(), 1);
    // The source stays 7-bit.
    for (char c : obsah(QStringLiteral("Tmp_doc/text_vyuctovania.rtf")))
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST_F(TextyVyuctovaniaTest, NoTemplateLeavesTheWorkingFileAsItIs)
{
    zapis(QStringLiteral("Tmp_doc/text_vyuctovania.rtf"), "povodny");
    sablona(QStringLiteral("Sud.rtf"), "\\pard $CISLO$\\par\r\n");
    using TextyVyuctovania::VytvorTextVyuctovania;
    EXPECT_FALSE(VytvorTextVyuctovania(0, QString(), hodnoty()));                          // empty first item
    EXPECT_FALSE(VytvorTextVyuctovania(0, QStringLiteral("Nie je"), hodnoty()));           // no such file
    EXPECT_FALSE(VytvorTextVyuctovania(1, QStringLiteral("Sud"), hodnoty()));              // other kind's folder
    EXPECT_FALSE(VytvorTextVyuctovania(0, QStringLiteral("../Text vyuctovania/Sud"), hodnoty()));
    EXPECT_EQ(obsah(QStringLiteral("Tmp_doc/text_vyuctovania.rtf")), QByteArray("povodny"));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(TextyVyuctovaniaTest, PaymentTextUsesItsOwnFolderAndFile)
{
    sablona(QStringLiteral("Uhrada.rtf"), "\\pard \\'da\\'e8et $CISLO_UCTU$, VS $VARIAB_SYMBOL$\\par\r\n",
            QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania - financna ciastka (prekladatel)/"));
    EXPECT_FALSE(TextyVyuctovania::VytvorTextVyplatenia(0, QStringLiteral("Uhrada"), hodnoty()));
    ASSERT_TRUE(TextyVyuctovania::VytvorTextVyplatenia(2, QStringLiteral("Uhrada"), hodnoty()));
    EXPECT_FALSE(QFile::exists(pracovny(DruhTextu::Vyuctovanie)));
    EXPECT_EQ(textSuboru(pracovny(DruhTextu::Vyplatenie)), QStringLiteral("Účet 123456789/0900, VS 72024\n"));
}

TEST_F(TextyVyuctovaniaTest, LegacyTextBecomesTheWorkingFileInTheDocumentFont)
{
    using TextyVyuctovania::pripravPracovnySubor;
    const QString stary = QStringLiteral("Znalečné za posudok {č. 7} \\ 2024 ∑");
    EXPECT_TRUE(pripravPracovnySubor(DruhTextu::Vyuctovanie, stary, QStringLiteral("Verdana"), 11));
    const auto v = RtfCitac::citajSubor(pracovny(DruhTextu::Vyuctovanie));
    ASSERT_TRUE(v.jeRtf);
    EXPECT_EQ(v.dokument.text(), stary + QLatin1Char('\n'));
    ASSERT_EQ(v.dokument.telo.size(), 1);
    const auto& beh = v.dokument.telo[0].odsek.behy.value(0);
    const QString pismo = beh.format.pismo.isEmpty() ? v.dokument.predvolenePismo : beh.format.pismo;
    const double velkost = beh.format.velkost > 0 ? beh.format.velkost : v.dokument.predvolenaVelkost;
    EXPECT_EQ(pismo, QStringLiteral("Verdana"));
    EXPECT_EQ(velkost, 11);
    EXPECT_FALSE(beh.format.tucne || beh.format.kurziva || beh.format.podciarknute);

    // Lines of an old text stay apart, in the one paragraph.
    QFile::remove(pracovny(DruhTextu::Vyuctovanie));
    EXPECT_TRUE(pripravPracovnySubor(DruhTextu::Vyuctovanie, QStringLiteral("prvý\r\ndruhý\rtretí"), QString(), 0));
    const auto riadky = RtfCitac::citajSubor(pracovny(DruhTextu::Vyuctovanie)).dokument;
    ASSERT_EQ(riadky.telo.size(), 1);
    EXPECT_EQ(riadky.telo[0].odsek.text(),
              QStringLiteral("prvý") + ZalomenieRiadku + QStringLiteral("druhý") + ZalomenieRiadku + QStringLiteral("tretí"));

    // An existing working file wins over the legacy text.
    zapis(QStringLiteral("Tmp_doc/text_financna_ciastka.rtf"), "{\\rtf1 nove}");
    EXPECT_TRUE(pripravPracovnySubor(DruhTextu::Vyplatenie, QStringLiteral("stare"), QStringLiteral("Arial"), 10));
    EXPECT_EQ(obsah(QStringLiteral("Tmp_doc/text_financna_ciastka.rtf")), QByteArray("{\\rtf1 nove}"));

    // No working file and no legacy text: nothing is made.
    QFile::remove(pracovny(DruhTextu::Vyplatenie));
    EXPECT_FALSE(pripravPracovnySubor(DruhTextu::Vyplatenie, QString(), QStringLiteral("Arial"), 10));
    EXPECT_FALSE(QFile::exists(pracovny(DruhTextu::Vyplatenie)));
}

TEST_F(TextyVyuctovaniaTest, ShippedPaymentTemplatesTakeTheTermAndDueDateOfTheEntry)
{
    const QString dodane = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/ZnaleckyKevrot texty/");
    for (const char* priecinok : {"Text vyuctovania - financna ciastka/", "Text vyuctovania - financna ciastka (tlmocnik)/",
                                  "Text vyuctovania - financna ciastka (prekladatel)/"}) {
        QDir().mkpath(cesta(QStringLiteral("ZnaleckyKevrot texty/") + priecinok));
        ASSERT_TRUE(QFile::copy(dodane + priecinok + QStringLiteral("Úhrada na účet.rtf"),
                                cesta(QStringLiteral("ZnaleckyKevrot texty/") + priecinok + QStringLiteral("Úhrada na účet.rtf"))));
    }
    HodnotyTextov h = hodnoty();
    h.splatnost = QStringLiteral("30");
    h.datumSplatnosti = QStringLiteral("9.1.2027");
    for (int druh : {0, 1, 2}) {
        ASSERT_TRUE(TextyVyuctovania::VytvorTextVyplatenia(druh, QStringLiteral("Úhrada na účet"), h));
        const QString t = textSuboru(pracovny(DruhTextu::Vyplatenie));
        EXPECT_TRUE(t.contains(QStringLiteral("symbolom 72024 najneskôr do 9.1.2027 (splatnosť 30 dní)"))) << t.toStdString();
        EXPECT_FALSE(t.contains(QStringLiteral("14 dní")));
    }
}
