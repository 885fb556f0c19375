#include "settings/Banky.h"
#include "cli/KevrotCli.h"
#include "journal/ZamokAplikacie.h"

#include "common/TestAppDir.h"
#include "word/RtfCitac.h"
#include "settings/Nastavenia.h"
#include "store/Datum.h"
#include "store/Objednavky.h"
#include "store/Subory.h"
#include "store/Zurnal.h"

#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>

namespace {

TZnalKevrotZaznam zaznam(int cislo, int rok, int verzia)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = rok;
    z.Verzia = verzia;
    z.Meno = QStringLiteral("Okresný súd Žilina");
    z.Predmet = QStringLiteral("Ohodnotenie nehnuteľnosti");
    z.SadzbaDPH = 20;
    z.DoZoznamuVyuctovani = true;
    return z;
}

QList<TVydavok> vydavky()
{
    TVydavok v;
    v.Nazov = QStringLiteral("Hodinová odmena");
    v.Druh = DruhVydavku::TarifnaOdmena;
    v.Cena = 10;
    v.Suma = 35;
    for (double p : {1.0, 2.5}) {
        TRozpisPolozky r;
        r.Pocet = p;
        r.Popis = QStringLiteral("práca");
        v.Rozpis.append(r);
    }
    v.PocetRozpisov = 2;
    return {v};
}

// An entry file in the layout of version 0 or 1: a 3636-byte record with the order
// number in `CisloStare`, then the items and payments.
QByteArray staryZaznam(int cislo, int rok, int verzia, const QString& cisloStare)
{
    TZnalKevrotZaznam z = zaznam(cislo, rok, verzia);
    z.CisloStare = cisloStare;
    z.PocetVyplateni = 1;
    TVyplatenie p;
    p.Datum = 45000;
    p.Suma = 12.5;
    QByteArray cely = Zurnal::ObsahSuboru(z, vydavky(), {p});
    cely[16] = char(verzia);  // the writer always marks the current layout
    return cely.left(3636) + cely.mid(3688);
}

QJsonObject spusti(const QStringList& argumenty, const QString& appDir, int* kod = nullptr)
{
    const VysledokCli v = SpustiKevrotCli(argumenty, appDir);
    if (kod)
        *kod = v.kod;
    return QJsonDocument::fromJson(v.vystup).object();
}

}  // namespace

// Outputs go to the working folder: the data directory takes no other.
class KevrotCliTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        QDir().mkpath(cesta("Tmp_doc"));
    }
};

TEST_F(KevrotCliTest, JournalReadsEveryLayoutWithItemsAndPayments)
{
    zapis("ZnalKevrot2024/1-2024.kvd", staryZaznam(1, 2024, 0, QStringLiteral("OS 12/2009")));
    zapis("ZnalKevrot2024/2-2024.kvd", staryZaznam(2, 2024, 1, QStringLiteral("ZA-7")));
    zapis("ZnalKevrot2024/3-2024.kvd", Zurnal::ObsahSuboru(zaznam(3, 2024, 2), {}, {}));

    const QJsonObject j = spusti({"journal", "2024"}, m_adresar.path());
    const QJsonArray zaznamy = j["ZaznamyKevrota"].toArray();
    ASSERT_EQ(zaznamy.size(), 3);
    QMap<int, QJsonObject> podlaCisla;
    for (const auto& z : zaznamy)
        podlaCisla[z.toObject()["PoradoveCislo"].toInt()] = z.toObject();

    const QJsonObject v0 = podlaCisla[1];
    EXPECT_EQ(v0["CisloObjednavky"].toString(), QStringLiteral("OS 12/2009"));
    EXPECT_EQ(v0["CisloStare"].toString(), QStringLiteral("OS 12/2009"));
    EXPECT_TRUE(v0["DoZoznamuVyuctovani"].toBool());
    EXPECT_EQ(v0["Meno"].toString(), QStringLiteral("Okresný súd Žilina"));
    ASSERT_EQ(v0["Vydavky"].toArray().size(), 1);
    const QJsonObject polozka = v0["Vydavky"].toArray()[0].toObject();
    EXPECT_EQ(polozka["Rozpis"].toArray().size(), 2);
    EXPECT_EQ(polozka["Rozpis"].toArray()[1].toObject()["Pocet"].toDouble(), 2.5);
    ASSERT_EQ(v0["Vyplatenia"].toArray().size(), 1);
    EXPECT_EQ(v0["Vyplatenia"].toArray()[0].toObject()["Suma"].toDouble(), 12.5);
    EXPECT_EQ(v0["CestovneNahrady"].toObject()["Cesta"].toArray().size(), 16);
    EXPECT_FALSE(v0.contains("Rezerva"));

    EXPECT_EQ(podlaCisla[2]["CisloObjednavky"].toString(), QStringLiteral("ZA-7"));
    EXPECT_TRUE(podlaCisla[3]["Vydavky"].toArray().isEmpty());
    EXPECT_TRUE(j["messages"].toArray().isEmpty());
}

TEST_F(KevrotCliTest, BadFilesGiveMessagesAndTheRestStillLoads)
{
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(zaznam(1, 2024, 2), vydavky(), {}));
    zapis("ZnalKevrot2024/2-2024.kvd", QByteArray(100, 'x'));
    // A record whose items announce more than the file holds.
    QByteArray kratky = Zurnal::ObsahSuboru(zaznam(5, 2024, 2), vydavky(), {});
    kratky.chop(100);
    zapis("ZnalKevrot2024/5-2024.kvd", kratky);

    const QJsonObject j = spusti({"journal", "2024"}, m_adresar.path());
    const QJsonArray zaznamy = j["ZaznamyKevrota"].toArray();
    ASSERT_EQ(zaznamy.size(), 2);
    const QStringList spravy = j["messages"].toVariant().toStringList();
    ASSERT_EQ(spravy.size(), 2);
    EXPECT_TRUE(spravy[0].startsWith(QStringLiteral("Problém s otvorením súboru: ")));
    EXPECT_TRUE(spravy.join("\n").contains("2-2024.kvd"));
    EXPECT_TRUE(spravy.join("\n").contains("5-2024.kvd"));
    for (const auto& z : zaznamy)
        if (z.toObject()["PoradoveCislo"].toInt() == 5)
            EXPECT_TRUE(z.toObject()["Vydavky"].toArray().isEmpty());
}

TEST_F(KevrotCliTest, ResaveWritesOldLayoutsInTheCurrentOneAndKeepsTheirData)
{
    zapis("ZnalKevrot2023/4-2023.kvd", staryZaznam(4, 2023, 0, QStringLiteral("Spis 1")));
    zapis("ZnalKevrot2023/5-2023.kvd", QByteArray(10, '\0'));
    const QJsonObject pred = spusti({"journal", "2023"}, m_adresar.path());

    int kod = -1;
    const QJsonObject j = spusti({"resave", "2023"}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(j["ulozene"].toInt(), 1);
    EXPECT_EQ(obsah("ZnalKevrot2023/5-2023.kvd"), QByteArray(10, '\0'));  // a bad file is left alone

    const QByteArray novy = obsah("ZnalKevrot2023/4-2023.kvd");
    ASSERT_GE(novy.size(), 3692);
    EXPECT_EQ(Subory::int32Na(novy, 16), 2);
    EXPECT_EQ(Subory::int32Na(novy, 3688), 1);  // the item count follows the longer record
    EXPECT_FALSE(QDir(cesta("ZnalKevrot2023/4-2023")).exists());  // no document folder

    QJsonObject po = spusti({"journal", "2023"}, m_adresar.path());
    auto bezVerzie = [](QJsonObject o) {
        QJsonObject z = o["ZaznamyKevrota"].toArray()[0].toObject();
        z.remove("Verzia");
        return z;
    };
    EXPECT_EQ(bezVerzie(po), bezVerzie(pred));
}

TEST_F(KevrotCliTest, WritingCommandsWaitForTheProgramsLockReadingOnesDoNot)
{
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(zaznam(1, 2024, 2), {}, {}));
    auto program = std::make_unique<ZamokAplikacie>(m_adresar.path());
    ASSERT_TRUE(program->ziskaj());
    const QString pid = QString::number(QCoreApplication::applicationPid());

    const QString vnutri = cesta("vypis.rtf");
    for (const QStringList& a : {QStringList{"resave", "2024"}, QStringList{"restore", "/nikde/z.zip"},
                                 QStringList{"einvoice", "2024", "1", "/tmp/e.xml"},
                                 QStringList{"extract", "2024", "1", vnutri}, QStringList{"backup"}}) {
        int kod = 0;
        const QJsonObject j = spusti(a, m_adresar.path(), &kod);
        EXPECT_EQ(kod, 3) << a.join(' ').toStdString();
        const QString sprava = j["messages"].toArray().at(0).toString();
        EXPECT_TRUE(sprava.contains(QStringLiteral("proces ") + pid)) << sprava.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(vnutri));
    int kod = -1;
    EXPECT_EQ(spusti({"journal", "2024"}, m_adresar.path(), &kod)["ZaznamyKevrota"].toArray().size(), 1);
    EXPECT_EQ(kod, 0);
    QTemporaryDir mimo;
    spusti({"extract", "2024", "1", mimo.filePath("v.rtf")}, m_adresar.path(), &kod);
    EXPECT_NE(kod, 3);

    program.reset();
    const QJsonObject j = spusti({"resave", "2024"}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(j["ulozene"].toInt(), 1);
}

TEST_F(KevrotCliTest, ResaveNeverWritesAFileThatDidNotLoadAndNamesIt)
{
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(zaznam(1, 2024, 2), vydavky(), {}) + "chvost");
    QByteArray kratky = Zurnal::ObsahSuboru(zaznam(5, 2024, 2), vydavky(), {});
    kratky.chop(100);
    zapis("ZnalKevrot2024/5-2024.kvd", kratky);
    zapis("ZnalKevrot2024/6-2024.kvd", QByteArray(100, 'x'));
    Objednavky o;
    o.ZoznamObjednavok = {Objednavky::NovaObjednavka(), Objednavky::NovaObjednavka()};
    ASSERT_TRUE(o.UlozObjednavky(2024));
    const QString rel = QFileInfo(Objednavky::SuborObjednavok(2024)).fileName();
    const QByteArray objednavky = obsah("ZnalKevrot2024/" + rel).chopped(200);
    zapis("ZnalKevrot2024/" + rel, objednavky);

    int kod = -1;
    const QJsonObject j = spusti({"resave", "2024"}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(j["ulozene"].toInt(), 1);
    EXPECT_EQ(obsah("ZnalKevrot2024/5-2024.kvd"), kratky);
    EXPECT_EQ(obsah("ZnalKevrot2024/6-2024.kvd"), QByteArray(100, 'x'));
    EXPECT_EQ(obsah("ZnalKevrot2024/" + rel), objednavky);
    EXPECT_TRUE(obsah("ZnalKevrot2024/1-2024.kvd").endsWith("chvost"));
    const QString neprepisane = j["neprepisane"].toVariant().toStringList().join('|');
    const QString spravy = j["messages"].toVariant().toStringList().join('|');
    for (const QString& f : {QStringLiteral("5-2024.kvd"), QStringLiteral("6-2024.kvd"), rel}) {
        EXPECT_TRUE(neprepisane.contains(f)) << f.toStdString();
        EXPECT_TRUE(spravy.contains(QStringLiteral("neprepísal: ") + QDir::toNativeSeparators(cesta("ZnalKevrot2024/" + f))))
            << spravy.toStdString();
    }
}

TEST_F(KevrotCliTest, JournalShowsBothFilesOfOneNumber)
{
    zapis("ZnalKevrot2024/12-2024.kvd", Zurnal::ObsahSuboru(zaznam(12, 2024, 2), {}, {}));
    zapis("ZnalKevrot2024/12-2024 (copy).kvd", Zurnal::ObsahSuboru(zaznam(12, 2024, 2), vydavky(), {}));
    const QJsonObject j = spusti({"journal", "2024"}, m_adresar.path());
    const QJsonArray zaznamy = j["ZaznamyKevrota"].toArray();
    ASSERT_EQ(zaznamy.size(), 2);
    EXPECT_EQ(zaznamy[0].toObject()["Subor"].toString(), QStringLiteral("12-2024 (copy).kvd"));
    EXPECT_EQ(zaznamy[0].toObject()["Vydavky"].toArray().size(), 1);
    EXPECT_EQ(zaznamy[1].toObject()["Vydavky"].toArray().size(), 0);
    EXPECT_EQ(j["messages"].toArray().size(), 1);
}

TEST_F(KevrotCliTest, SettingsWithoutFilesGiveDefaultsAndNoMessages)
{
    const QJsonObject j = spusti({"settings"}, m_adresar.path());
    EXPECT_FALSE(j["DualneZobrazovanie"].toBool());
    EXPECT_TRUE(j["Nastavenia"].isObject());
    EXPECT_TRUE(j.contains("TextPlatcuDPH"));
    EXPECT_TRUE(j["messages"].toArray().isEmpty());
}

TEST_F(KevrotCliTest, CodelistsReportMissingRequiredFiles)
{
    const QJsonObject j = spusti({"codelists"}, m_adresar.path());
    const QStringList spravy = j["messages"].toVariant().toStringList();
    EXPECT_TRUE(spravy.join("\n").contains(QDir::toNativeSeparators(cesta("Data/odbory.dat"))));
    EXPECT_EQ(j["Odbory"].toArray().size(), 0);
    EXPECT_TRUE(j.contains("Vozidla"));
    EXPECT_EQ(j["Banky"].toArray().size(), VstavaneBanky().size());  // the built-in list without banky.kvz
}

TEST_F(KevrotCliTest, UsageErrorsExitWithTwo)
{
    int kod = 0;
    for (const QStringList& a : {QStringList{}, QStringList{"journal"}, QStringList{"journal", "x"},
                                 QStringList{"clients", "2024"}, QStringList{"nieco"},
                                 QStringList{"--appdir"}}) {
        spusti(a, m_adresar.path(), &kod);
        EXPECT_EQ(kod, 2) << a.join(' ').toStdString();
    }
}

TEST_F(KevrotCliTest, OptionLinesAreAcceptedOrRefusedWithTheirMessage)
{
    QTemporaryDir zdroj;
    const QString d = m_adresar.path(), z = zdroj.path();
    const QString prenos = QStringLiteral("Príkaz transfer potrebuje verziu (5.0, 5.2, 5.3, 5.4) a adresár.");
    const struct {
        QStringList a;
        int kod;
        QString chyba;  // the first line of standard error
    } pripady[] = {
        {{"--appdir"}, 2, "Chýba adresár za --appdir."},
        {{"--appdir", d}, 2, "Chýba príkaz."},
        {{"--nic", "clients"}, 2, "Neznámy príkaz: --nic"},
        {{"-x", "--appdir", d, "clients"}, 2, "Neznámy príkaz: -x"},
        {{"--appdir", d, "--appdir", d, "clients"}, 2, "Neznámy príkaz: --appdir"},
        {{"--appdir", "/nie/je/adresar", "clients"}, 2, "Adresár neexistuje: /nie/je/adresar"},
        {{"--appdir=" + d, "clients"}, 0, ""},
        {{"clients", "--appdir", d}, 2, "Príkaz clients nemá argument."},
        {{"import-texts", z, "--no-settings"}, 0, ""},
        {{"import-texts", z, "--no-texts"}, 2, "Príkaz import-texts potrebuje adresár."},
        {{"transfer", "5.4", z, "--years=2012", "--no-texts"}, 0, ""},
        {{"transfer", "5.4", z, "--years"}, 2, prenos},
        {{"transfer", "5.4", z, "--no-texts=ano"}, 2, prenos},
        {{"transfer", "5.4", z, z}, 2, prenos},
        {{"restore", "z.zip", "--bez"}, 2,
         "Príkaz restore potrebuje súbor zálohy (a pre zálohu bez manifestu voľbu --without-manifest)."},
    };
    for (const auto& p : pripady) {
        const VysledokCli v = SpustiKevrotCli(p.a, d);
        EXPECT_EQ(v.kod, p.kod) << p.a.join(' ').toStdString();
        EXPECT_EQ(v.chyba.section(u'\n', 0, 0).toStdString(), p.chyba.toStdString()) << p.a.join(' ').toStdString();
    }
}

TEST_F(KevrotCliTest, TheProgramPrintsJsonOnStandardOutput)
{
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(zaznam(1, 2024, 2), {}, {}));
    QProcess p;
    p.start(QStringLiteral(KEVROT_CLI_EXE), {"--appdir", m_adresar.path(), "journal", "2024"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    const QJsonObject j = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    EXPECT_EQ(j["ZaznamyKevrota"].toArray().size(), 1);
    EXPECT_EQ(j["ZaznamyKevrota"].toArray()[0].toObject()["Meno"].toString(),
              QStringLiteral("Okresný súd Žilina"));

    p.start(QStringLiteral(KEVROT_CLI_EXE), {"journal"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
}

TEST_F(KevrotCliTest, JournalPdfHoldsTheListingAndTheCoverPage)
{
    QDir zdroj(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy"));
    QDir().mkpath(cesta("Zostavy"));
    for (const QString& f : zdroj.entryList({"*.dfm"}, QDir::Files))
        QFile::copy(zdroj.filePath(f), cesta("Zostavy/" + f));
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(zaznam(1, 2024, 2), {}, {}));
    // Run as a process: the tool itself must start with fonts for this command.
    QProcess beh;
    beh.start(QStringLiteral(KEVROT_CLI_EXE), {"--appdir", m_adresar.path(), "journal-pdf", "2024", cesta("Tmp_doc/kevrot.pdf")});
    ASSERT_TRUE(beh.waitForFinished(30000));
    EXPECT_EQ(beh.exitCode(), 0);
    const QJsonObject j = QJsonDocument::fromJson(beh.readAllStandardOutput()).object();
    // The code lists are missing here; the layouts are not.
    EXPECT_FALSE(j["messages"].toVariant().toStringList().join("\n").contains("Zostavy"));
    EXPECT_EQ(j["pdf"].toString(), cesta("Tmp_doc/kevrot.pdf"));
    ASSERT_TRUE(QFileInfo::exists(cesta("Tmp_doc/kevrot.pdf")));

    QProcess p;
    p.start(QStringLiteral("pdftotext"), {cesta("Tmp_doc/kevrot.pdf"), QStringLiteral("-")});
    if (!p.waitForStarted(10000))
        GTEST_SKIP() << "pdftotext is missing";
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Okresný súd Žilina")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ohodnotenie nehnuteľnosti")));

    int kod = -1;
    spusti({"journal-pdf", "2024"}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 2);
}

TEST_F(KevrotCliTest, DocumentOfAStoredEntryWithItsBillingTextAndMissingTemplateOrEntry)
{
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(zaznam(1, 2024, 2), vydavky(), {}));
    zapis(QFileInfo(Zurnal::AdresarDokumentov(1, 2024)).fileName().prepend("ZnalKevrot2024/") + "/text_vyuctovania.rtf",
          "{\\rtf1\\ansi Text vyuctovania zaznamu.\\par}");
    int kod = -1;
    QJsonObject j = spusti({"document", "billing", "2024", "1", cesta("Tmp_doc/v.rtf")}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(j["document"].toString(), cesta("Tmp_doc/v.rtf"));
    const RtfDokument d = RtfCitac::citaj(obsah("Tmp_doc/v.rtf")).dokument;
    EXPECT_TRUE(d.text().contains(QStringLiteral("Text vyuctovania zaznamu.")));
    QStringList riadky;
    for (const RtfBlok& b : d.telo)
        for (const RtfRiadok& r : b.tabulka.riadky)
            riadky << r.bunky.value(0).text() + u'|' + r.bunky.value(3).text() + u'|' + r.bunky.value(4).text();
    EXPECT_TRUE(riadky.contains(QStringLiteral("práca|2,50|25,00\u00a0€"))) << riadky.join("\n").toStdString();

    struct Pripad {
        QStringList argumenty;
        QString sprava;
    };
    const Pripad pripady[] = {
        {{"document", "invoice", "2024", "1", cesta("Tmp_doc/f.rtf")}, QStringLiteral("Nedá sa nahrať šablóna ") + cesta("Zostavy/Faktura.dot")},
        {{"document", "receipt", "2024", "9", cesta("Tmp_doc/f.rtf")}, QStringLiteral("Záznam 9/2024 neexistuje.")},
    };
    for (const Pripad& c : pripady) {
        j = spusti(c.argumenty, m_adresar.path(), &kod);
        EXPECT_EQ(kod, 0);
        EXPECT_TRUE(j["document"].toString().isEmpty());
        EXPECT_TRUE(j["messages"].toVariant().toStringList().contains(c.sprava)) << j["messages"].toVariant().toStringList().join("\n").toStdString();
        EXPECT_FALSE(QFileInfo::exists(cesta("Tmp_doc/f.rtf")));
    }
    spusti({"document", "letter", "2024", "1", cesta("Tmp_doc/f.rtf")}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 2);
}

using KevrotCliEFaktura = KevrotCliTest;

TEST_F(KevrotCliEFaktura, EFakturaSaUloziRazAChybajuceUdajeSaPomenuju)
{
    TZnalKevrotZaznam z = zaznam(1, 2024, 2);
    z.DatumVykonania = QDateNaDatum(QDate(2024, 5, 2));
    z.DatumSplatnosti = QDateNaDatum(QDate(2024, 5, 16));
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(z, vydavky(), {}));
    int kod = -1;
    QJsonObject j = spusti({"einvoice", "2024", "1", cesta("Tmp_doc/f.xml")}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(j["file"].toString(), QString());
    const QString spravy = j["messages"].toVariant().toStringList().join("\n");
    EXPECT_TRUE(spravy.contains(QStringLiteral("IČO znalca"))) << spravy.toStdString();
    EXPECT_TRUE(spravy.contains(QStringLiteral("Chýba DIČ objednávateľa"))) << spravy.toStdString();
    EXPECT_FALSE(QFileInfo::exists(cesta("Tmp_doc/f.xml")));

    Nastavenia n;
    n.Nastavenie.Meno = QStringLiteral("Ján");
    n.Nastavenie.Priezvisko = QStringLiteral("Nový");
    n.Nastavenie.Adresa = QStringLiteral("Hlavná 5");
    n.Nastavenie.Mesto = QStringLiteral("Nitra");
    n.Nastavenie.PSC = QStringLiteral("94901");
    n.Nastavenie.ICO = QStringLiteral("12345678");
    n.Nastavenie.DIC = QStringLiteral("1020304050");
    n.Nastavenie.Banka = QStringLiteral("1200");
    n.Nastavenie.CisloUctu = QStringLiteral("19-8742637541");
    n.Nastavenie.EC = QStringLiteral("912345");
    ASSERT_TRUE(n.UlozNastavenia());
    z.Adresa = QStringLiteral("Hurbanova 27, 010 01 Žilina");
    z.DIC = QStringLiteral("2021000000");
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(z, vydavky(), {}));
    j = spusti({"einvoice", "2024", "1", cesta("Tmp_doc/f.xml")}, m_adresar.path(), &kod);
    EXPECT_EQ(j["file"].toString(), cesta("Tmp_doc/f.xml")) << j["messages"].toVariant().toStringList().join("\n").toStdString();
    EXPECT_TRUE(j["new"].toBool());
    const QByteArray xml = obsah("Tmp_doc/f.xml");
    EXPECT_EQ(obsah("ZnalKevrot2024/1-2024/efaktura.xml"), xml);
    EXPECT_TRUE(xml.contains("<cbc:PayableAmount currencyID=\"EUR\">35.00</cbc:PayableAmount>"));

    j = spusti({"einvoice", "2024", "1", cesta("Tmp_doc/g.xml")}, m_adresar.path(), &kod);
    EXPECT_FALSE(j["new"].toBool());
    EXPECT_EQ(obsah("Tmp_doc/g.xml"), xml);
    spusti({"einvoice", "2024", "1"}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 2);
}

TEST_F(KevrotCliTest, ExtractOfAHalfYearAsPdfAndItsFaults)
{
    static int argc = 1;
    static char nazov[] = "test";
    static char* argv[] = {nazov, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv);
    Nastavenia n;
    n.Nastavenie.Meno = QStringLiteral("Ján");
    n.Nastavenie.Priezvisko = QStringLiteral("Kováč");
    n.Nastavenie.EC = QStringLiteral("912345");
    n.Nastavenie.Odbory = QStringLiteral("370000|");
    n.Nastavenie.Odvetvia = QStringLiteral("370100|");
    ASSERT_TRUE(n.UlozNastavenia());
    TZnalKevrotZaznam z = zaznam(1, 2024, 2);
    z.DatumVykonania = QDateNaDatum(QDate(2024, 9, 1));
    z.Odbor = QStringLiteral("370000");
    z.StatnyOrgan = 1;
    z.Odvetvie = QStringLiteral("370100");
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(z, {}, {}));

    int kod = -1;
    QJsonObject j = spusti({"extract", "2024", "2", cesta("Tmp_doc/v.pdf")}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 0);
    EXPECT_EQ(j["subor"].toString(), QString());  // no template yet
    EXPECT_TRUE(j["messages"].toVariant().toStringList().join("\n").contains(QStringLiteral("vypis.dot")));
    EXPECT_FALSE(QFileInfo::exists(cesta("Tmp_doc/v.pdf")));

    QDir().mkpath(cesta("Zostavy"));
    QFile::copy(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/vypis.dot"), cesta("Zostavy/vypis.dot"));
    j = spusti({"extract", "2024", "2", cesta("Tmp_doc/v.pdf")}, m_adresar.path(), &kod);
    EXPECT_EQ(j["subor"].toString(), cesta("Tmp_doc/v.pdf"));
    EXPECT_EQ(j["riadky"].toArray().at(0).toObject()["pocet"].toInt(), 1);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), cesta("Tmp_doc/v.pdf"), QStringLiteral("-")});
    if (!p.waitForStarted(10000))
        GTEST_SKIP() << "pdftotext is missing";
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("1.7.2024 až 31.12.2024"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("1 +znaleckých úkonov pre štátne orgány"))));

    for (const QStringList& a : {QStringList{"extract", "2024", "3", "x.rtf"}, QStringList{"extract", "2024", "1"}}) {
        spusti(a, m_adresar.path(), &kod);
        EXPECT_EQ(kod, 2) << a.join(' ').toStdString();
    }
}

// Laid out as the package installs it: bin/kevrot-cli, share/znalecky-kevrot/ with the shipped
// files; the data go to XDG_DATA_HOME, the program's own files are read from the share folder.
TEST_F(KevrotCliTest, InstalledProgramKeepsDataUnderTheHomeAndSaysWhere)
{
    QTemporaryDir inst;
    const QString bin = inst.path() + "/bin", share = inst.path() + "/share/znalecky-kevrot";
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(share + "/Data"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KEVROT_CLI_EXE), bin + "/kevrot-cli"));
    for (const char* f : {"odbory.dat", "odvetvia.dat", "jazyky.dat", "ZnalKevrot_polozky.dat"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(KEVROT_APPDIR "/Data/") + f, share + "/Data/" + f)) << f;
    const QString xdg = inst.path() + "/home/.local/share", data = xdg + "/ZnaleckyKevrot";

    auto spustiInstalovany = [&](const QStringList& argumenty, const QString& kevrotData = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", xdg);
        env.remove("KEVROT_DATA");
        if (!kevrotData.isEmpty())
            env.insert("KEVROT_DATA", kevrotData);
        p.setProcessEnvironment(env);
        p.start(bin + "/kevrot-cli", argumenty);
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    };

    QJsonObject kde = spustiInstalovany({"where"});
    EXPECT_EQ(kde["data"].toString(), data);
    EXPECT_EQ(kde["zdroj"].toString(), "XDG_DATA_HOME");
    EXPECT_EQ(kde["programoveSubory"].toString(), share);
    EXPECT_FALSE(kde["existuje"].toBool());  // "where" itself creates nothing

    const QJsonObject c = spustiInstalovany({"codelists"});
    EXPECT_TRUE(c["messages"].toArray().isEmpty()) << QJsonDocument(c["messages"].toArray()).toJson().toStdString();
    EXPECT_FALSE(c["Odbory"].toArray().isEmpty());
    EXPECT_FALSE(c["PolozkyCiselnika"].toArray().isEmpty());
    EXPECT_TRUE(QFileInfo(data + "/Data/odbory.dat").isFile());
    EXPECT_FALSE(QFileInfo::exists(data + "/Data/ZnalKevrot_polozky.dat"));  // read from the share folder
    EXPECT_TRUE(spustiInstalovany({"where"})["existuje"].toBool());

    kde = spustiInstalovany({"where"}, m_adresar.path());
    EXPECT_EQ(kde["data"].toString(), m_adresar.path());
    EXPECT_EQ(kde["zdroj"].toString(), "KEVROT_DATA");
    kde = spustiInstalovany({"--appdir", inst.path(), "where"}, m_adresar.path());
    EXPECT_EQ(kde["data"].toString(), inst.path());
    EXPECT_EQ(kde["zdroj"].toString(), "--appdir");
}

TEST_F(KevrotCliTest, DocumentsWritesTheEntrysPdfsWithTheKeptIssueDate)
{
    QDir zdroj(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy"));
    QDir().mkpath(cesta("Zostavy"));
    for (const QString& f : zdroj.entryList(QDir::Files))
        QFile::copy(zdroj.filePath(f), cesta("Zostavy/" + f));
    zapis("ZnalKevrot2024/1-2024.kvd", Zurnal::ObsahSuboru(zaznam(1, 2024, 2), vydavky(), {}));
    zapis("ZnalKevrot2024/1-2024/doklady.txt", "datum_vystavenia=9.4.2024\n");
    int kod = -1;
    const QJsonObject j = spusti({"documents", "2024", "1", cesta("von")}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 0);
    const QStringList subory = j["files"].toVariant().toStringList();
    EXPECT_EQ(subory, (QStringList{cesta("von/vyuctovanie.pdf"), cesta("von/faktura.pdf")}))
        << j["messages"].toVariant().toStringList().join("\n").toStdString();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {cesta("von/faktura.pdf"), QStringLiteral("-")});
    if (!p.waitForStarted(10000))
        GTEST_SKIP() << "pdftotext is missing";
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("9.4.2024")));
    spusti({"documents", "2024", "x", cesta("von")}, m_adresar.path(), &kod);
    EXPECT_EQ(kod, 2);
}

TEST_F(KevrotCliTest, EveryCommandOfTheTableIsInTheUsageAndTheWritingOnesTakeTheLock)
{
    const QString pouzitie = PouzitieKevrotCli();
    auto program = std::make_unique<ZamokAplikacie>(m_adresar.path());
    ASSERT_TRUE(program->ziskaj());
    int zapisujuce = 0;
    for (const PrikazCli& p : PrikazyKevrotCli()) {
        EXPECT_TRUE(p.pouzitie.startsWith(p.nazov) && pouzitie.contains(p.pouzitie)) << p.nazov.toStdString();
        if (!p.zapisuje)
            continue;
        ++zapisujuce;
        int kod = 0;
        spusti({p.nazov}, m_adresar.path(), &kod);
        EXPECT_EQ(kod, 3) << p.nazov.toStdString();
    }
    EXPECT_EQ(zapisujuce, 5);
}
