#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Subory.h"
#include "store/SadzbyDPH.h"
#include "store/Zurnal.h"

#include "KvdBajty.h"
#include "common/TestAppDir.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class ZurnalTest : public TestAppDir {
protected:
    // Writes an entry file under the name of its number and year (or another name).
    QString ulozSubor(const kvd::Zaznam& z, const QString& meno = {}, unsigned seed = 1)
    {
        const QString rel = QStringLiteral("ZnalKevrot%1/%2").arg(z.rok).arg(
            meno.isEmpty() ? QStringLiteral("%1-%2.kvd").arg(z.cislo).arg(z.rok) : meno);
        zapis(rel, kvd::subor(z, seed));
        return cesta(rel);
    }
    static kvd::Zaznam sPolozkami(qint32 verzia, qint32 cislo)
    {
        kvd::Zaznam z;
        z.verzia = verzia;
        z.cislo = cislo;
        z.cisloStare = QStringLiteral("SP-%1").arg(cislo);
        z.cisloObjednavky = QStringLiteral("Obj-%1").arg(cislo);
        z.polozky = {{QStringLiteral("Tarif"), 1, 20.0, 60.0, {1.0, 2.0}},
                     {QStringLiteral("Prázdna"), 4, 10.0, 0.0, {}},
                     {QStringLiteral("Hotové"), 6, 5.0, 15.0, {3.0}}};
        z.vyplatenia = {{45000.0, 10.0}, {45010.0, 20.0}, {45020.0, 30.0}};
        z.sum = true;
        return z;
    }
    // A new entry of 2024 with this number.
    static TZnalKevrotZaznam novy(qint32 cislo)
    {
        TZnalKevrotZaznam z;
        z.PoradoveCislo = cislo;
        z.Rok = 2024;
        return z;
    }
    QStringList texty() const { return m_spravy.texty(); }
    Zurnal j;
};

}  // namespace

TEST_F(ZurnalTest, CurrentFileRoundTripsByteForByte)
{
    const QByteArray b = kvd::subor(sPolozkami(2, 4), 99);
    ObsahZaznamu o;
    ASSERT_TRUE(Zurnal::RozoberSubor(b, o));
    ASSERT_EQ(o.vydavky.size(), 3);
    EXPECT_EQ(o.vydavky[0].Rozpis.size(), 2);
    EXPECT_EQ(o.vydavky[1].Rozpis.size(), 0);
    EXPECT_EQ(o.vydavky[2].Rozpis[0].Pocet, 3.0);
    EXPECT_EQ(o.vyplatenia.size(), 3);
    EXPECT_EQ(o.vyplatenia[2].Suma, 30.0);
    EXPECT_EQ(Zurnal::ObsahSuboru(o.zaznam, o.vydavky, o.vyplatenia), b);
}

TEST_F(ZurnalTest, OlderLayoutsAreConvertedOnReading)
{
    for (qint32 verzia : {0, 1}) {
        auto z = sPolozkami(verzia, 3);
        z.doZoznamu = false;  // version 0 ignores the stored byte
        const QByteArray b = kvd::subor(z);
        qsizetype p = 0;
        const auto r = Zurnal::CitajZaznam(b, p);
        ASSERT_TRUE(r) << verzia;
        EXPECT_EQ(p, 3636);
        EXPECT_EQ(r->Verzia, verzia);
        EXPECT_EQ(r->CisloObjednavky, QStringLiteral("SP-3"));
        EXPECT_EQ(r->DoZoznamuVyuctovani, verzia == 0);
        ObsahZaznamu o;
        ASSERT_TRUE(Zurnal::RozoberSubor(b, o));
        EXPECT_EQ(o.vydavky.size(), 3);
        EXPECT_EQ(o.vydavky[2].Nazov, QStringLiteral("Hotové"));
        EXPECT_EQ(o.vyplatenia.size(), 3);
        // Written out, the record takes the current size and says so.
        ObsahZaznamu znova;
        ASSERT_TRUE(Zurnal::RozoberSubor(Zurnal::ObsahSuboru(o.zaznam, o.vydavky, o.vyplatenia), znova));
        EXPECT_EQ(znova.zaznam.Verzia, 2);
        EXPECT_EQ(znova.vydavky.size(), 3);
        EXPECT_EQ(znova.vyplatenia.size(), 3);
    }
    auto z = sPolozkami(2, 3);
    const QByteArray b = kvd::subor(z);
    qsizetype p = 0;
    const auto r = Zurnal::CitajZaznam(b, p);
    ASSERT_TRUE(r);
    EXPECT_EQ(p, 3688);
    EXPECT_EQ(r->CisloObjednavky, QStringLiteral("Obj-3"));
}

TEST_F(ZurnalTest, OlderFilesAreWrittenBackInTheCurrentLayout)
{
    for (qint32 verzia : {0, 1}) {
        auto z = sPolozkami(verzia, 5);
        ulozSubor(z);
        j.NacitajRok(2024);
        ASSERT_EQ(j.ZaznamyKevrota.size(), 1);
        const auto zaznam = j.NacitajCelyZaznam(0);
        ASSERT_TRUE(zaznam);
        ASSERT_TRUE(j.UlozZaznam(*zaznam, 0));
        const QByteArray b = obsah("ZnalKevrot2024/5-2024.kvd");
        EXPECT_EQ(Subory::int32Na(b, 16), 2);
        EXPECT_EQ(Subory::int32Na(b, 3688), 3);  // the item count follows the longer record
        EXPECT_EQ(b.at(3634), 4);                 // "SP-5" carried into the order number
        EXPECT_EQ(b.mid(3635, 4), QByteArray("SP-5"));
        ObsahZaznamu o;
        ASSERT_TRUE(Zurnal::RozoberSubor(b, o));
        EXPECT_EQ(o.vydavky.size(), 3);
        EXPECT_EQ(o.vyplatenia.size(), 3);
        EXPECT_TRUE(texty().isEmpty());
    }
}

TEST_F(ZurnalTest, YearLoadReportsBadFilesAndKeepsTheRest)
{
    ulozSubor(sPolozkami(2, 1));
    ulozSubor(sPolozkami(1, 2));
    auto zla = sPolozkami(2, 3);
    zla.verzia = 7;
    const QString neznama = ulozSubor(zla);
    zapis("ZnalKevrot2024/4-2024.kvd", kvd::subor(sPolozkami(2, 4)).left(3000));
    // Long enough for an old record, too short for the version it claims.
    zapis("ZnalKevrot2024/5-2024.kvd", kvd::subor(sPolozkami(2, 5)).left(3650));
    zapis("ZnalKevrot2024/poznamky.txt", "nie je záznam");

    j.NacitajRok(2024);
    ASSERT_EQ(j.ZaznamyKevrota.size(), 2);
    EXPECT_EQ(j.ZaznamyKevrota[0].PoradoveCislo, 1);
    EXPECT_EQ(j.ZaznamyKevrota[1].PoradoveCislo, 2);
    EXPECT_EQ(texty(), (QStringList{textProblemSoSuborom(neznama),
                                    textProblemSoSuborom(cesta("ZnalKevrot2024/4-2024.kvd")),
                                    textProblemSoSuborom(cesta("ZnalKevrot2024/5-2024.kvd"))}));
}

TEST_F(ZurnalTest, EntryFilesAreVisibleFilesEndingInKvdOfAnyCase)
{
    ulozSubor(sPolozkami(2, 7), QStringLiteral("7-2024.KVD"));
    ulozSubor(sPolozkami(2, 8), QStringLiteral(".8-2024.kvd"));  // hidden
    ulozSubor(sPolozkami(2, 6), QStringLiteral("6-2024.kvd.bak"));
    QDir().mkpath(cesta("ZnalKevrot2024/9-2024.kvd"));
    zapis("mimo.kvd", kvd::subor(sPolozkami(2, 10)));
    QFile::link(cesta("mimo.kvd"), cesta("ZnalKevrot2024/10-2024.kvd"));  // a link to a file counts
    QFile::link(cesta("nikde.kvd"), cesta("ZnalKevrot2024/11-2024.kvd"));  // a broken one does not
    j.NacitajRok(2024);
    ASSERT_EQ(j.ZaznamyKevrota.size(), 2);
    EXPECT_EQ(j.ZaznamyKevrota[0].PoradoveCislo, 10);
    EXPECT_EQ(j.ZaznamyKevrota[1].PoradoveCislo, 7);
    EXPECT_TRUE(texty().isEmpty());
}

TEST_F(ZurnalTest, MissingYearIsEmptyAndSilent)
{
    j.ZaznamyKevrota.append(RiadokKevrota());
    j.NacitajRok(1999);
    EXPECT_TRUE(j.ZaznamyKevrota.isEmpty());
    EXPECT_TRUE(texty().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot1999")));
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot")));
}

TEST_F(ZurnalTest, MissingVatRateDefaultsByDateOfPerformanceInMemoryOnly)
{
    struct Pripad {
        int cislo;
        double sadzba;
        double datum;
        double ocakavana;
    };
    const QList<Pripad> pripady = {
        {1, 0.0, QDateNaDatum(QDate(2010, 12, 31)), 19.0},
        {2, 0.0, QDateNaDatum(QDate(2011, 1, 1)), 20.0},
        {3, 0.0, 0.0, 19.0},
        {4, 10.0, QDateNaDatum(QDate(2009, 1, 1)), 10.0},
        {5, 0.0, QDateNaDatum(QDate(2025, 3, 1)), 23.0},  // the shipped table's rate
    };
    zapis("Data/dph.csv", "od;sadzba\n2004-01-01;19\n2011-01-01;20\n2025-01-01;23\n");
    zabudniSadzbyDPH();
    for (const auto& p : pripady) {
        kvd::Zaznam z;
        z.cislo = p.cislo;
        z.sadzbaDPH = p.sadzba;
        z.datumVykonania = p.datum;
        ulozSubor(z);
    }
    const QByteArray pred = obsah("ZnalKevrot2024/1-2024.kvd");
    j.NacitajRok(2024);
    ASSERT_EQ(j.ZaznamyKevrota.size(), 5);
    for (int i = 0; i < j.ZaznamyKevrota.size(); ++i) {
        const auto z = j.CelyZaznam(i);
        ASSERT_TRUE(z);
        EXPECT_EQ(z->SadzbaDPH, pripady[z->PoradoveCislo - 1].ocakavana) << z->PoradoveCislo;
    }
    zabudniSadzbyDPH();
    EXPECT_EQ(obsah("ZnalKevrot2024/1-2024.kvd"), pred);
}

TEST_F(ZurnalTest, BadCountsAreRefusedWithoutAllocatingAndReported)
{
    const QString c = cesta("ZnalKevrot2024/1-2024.kvd");
    const QByteArray dobry = kvd::subor(sPolozkami(2, 1));
    struct Pripad {
        const char* co;
        QByteArray bajty;
        int polozkyPrecitane;
    };
    QByteArray absurdnyPocet = dobry;
    kvd::int32Na(absurdnyPocet, 3688, 2000000000);
    QByteArray zapornyPocet = dobry;
    kvd::int32Na(zapornyPocet, 3688, -1);
    QByteArray absurdnyRozpis = dobry;
    kvd::int32Na(absurdnyRozpis, 3688 + 4 + 492 + 2 * 212 + 488, 0x7FFFFFFF);  // second item
    QByteArray zapornyRozpis = dobry;
    kvd::int32Na(zapornyRozpis, 3688 + 4 + 488, -3);
    QByteArray absurdneVyplatenia = dobry;
    kvd::int32Na(absurdneVyplatenia, 3016, 1 << 30);
    QByteArray zaporneVyplatenia = dobry;
    kvd::int32Na(zaporneVyplatenia, 3016, -20);
    const QList<Pripad> pripady = {
        {"absurd item count", absurdnyPocet, 0},
        {"negative item count", zapornyPocet, 0},
        {"absurd sub-item count", absurdnyRozpis, 1},
        {"negative sub-item count", zapornyRozpis, 0},
        {"absurd payment count", absurdneVyplatenia, 3},
        {"negative payment count", zaporneVyplatenia, 3},
        {"cut in the items", dobry.left(3688 + 4 + 492 + 100), 0},
        {"cut in the payments", dobry.left(dobry.size() - 5), 3},
        {"no item count", dobry.left(3688), 0},
    };
    for (const auto& p : pripady) {
        m_spravy.vymaz();
        zapis("ZnalKevrot2024/1-2024.kvd", p.bajty);
        EXPECT_FALSE(j.NacitajZaznam(1, 2024)) << p.co;
        EXPECT_EQ(texty(), QStringList{textProblemSoSuborom(c)}) << p.co;
        EXPECT_EQ(j.VydavkyZaznamu.size(), p.polozkyPrecitane) << p.co;
        // The record itself is fine: the year still lists the entry.
        j.NacitajRok(2024);
        EXPECT_EQ(j.ZaznamyKevrota.size(), 1) << p.co;
    }
    m_spravy.vymaz();
    EXPECT_FALSE(j.NacitajZaznam(9, 2024));
    EXPECT_EQ(texty(), QStringList{textProblemSoSuborom(cesta("ZnalKevrot2024/9-2024.kvd"))});
}

TEST_F(ZurnalTest, EntryWithoutItemsOrPaymentsIsRecordPlusCount)
{
    ASSERT_TRUE(j.UlozZaznam(novy(1), -1));
    EXPECT_EQ(j.ZaznamyKevrota.size(), 1);
    const QByteArray b = obsah("ZnalKevrot2024/1-2024.kvd");
    EXPECT_EQ(b.size(), 3692);
    EXPECT_EQ(Subory::int32Na(b, 3688), 0);
    ASSERT_TRUE(j.NacitajZaznam(1, 2024));
    EXPECT_TRUE(j.VydavkyZaznamu.isEmpty());
    EXPECT_TRUE(j.VyplateniaZaznamu.isEmpty());
}

TEST_F(ZurnalTest, SavingCountsSubItemsAndPaymentsFromTheLists)
{
    TZnalKevrotZaznam z = novy(2);
    TVydavok v;
    v.Nazov = QStringLiteral("Položka");
    v.PocetRozpisov = 5;  // stale: the list holds two
    v.Rozpis = {TRozpisPolozky(), TRozpisPolozky()};
    v.Rozpis[1].Pocet = 2.5;
    j.VydavkyZaznamu = {v};
    for (int i = 0; i < 10; ++i) {
        TVyplatenie p;
        p.Datum = QDateNaDatum(QDate(2024, 10, 10 + i));
        p.Suma = i;
        j.VyplateniaZaznamu.append(p);
    }
    j.NastavVyplatenia(z);
    const QString datumy = z.DatumyVyplatenia;
    EXPECT_EQ(datumy.size(), 100);
    EXPECT_TRUE(datumy.startsWith(QStringLiteral("10.10.2024\r11.10.2024\r")));
    ASSERT_TRUE(j.UlozZaznam(z, -1));
    const QByteArray b = obsah("ZnalKevrot2024/2-2024.kvd");
    EXPECT_EQ(b.size(), 3688 + 4 + 492 + 2 * 212 + 10 * 20);
    EXPECT_EQ(Subory::int32Na(b, 3688 + 4 + 488), 2);
    Zurnal druhy;
    ASSERT_TRUE(druhy.NacitajZaznam(2, 2024));
    EXPECT_EQ(druhy.VyplateniaZaznamu.size(), 10);
    EXPECT_EQ(druhy.VyplateniaZaznamu[9].Suma, 9.0);
    ASSERT_EQ(druhy.VydavkyZaznamu.size(), 1);
    EXPECT_EQ(druhy.VydavkyZaznamu[0].Rozpis[1].Pocet, 2.5);
    druhy.NacitajRok(2024);
    ASSERT_EQ(druhy.ZaznamyKevrota.size(), 1);
    EXPECT_EQ(druhy.ZaznamyKevrota[0].DatumyVyplatenia(), datumy);
    EXPECT_EQ(druhy.ZaznamyKevrota[0].PocetVyplateni, 10);
}

TEST_F(ZurnalTest, YearDirectoryThatCannotBeCreatedStopsTheSave)
{
    zapis("ZnalKevrot2024", "súbor, nie adresár");
    EXPECT_EQ(j.UlozZaznam(novy(1), -1).dovod(), textNepodariloVytvoritAdresar(cesta("ZnalKevrot2024")));
    EXPECT_TRUE(texty().isEmpty());  // the caller tells the user
    EXPECT_TRUE(j.ZaznamyKevrota.isEmpty());
}

TEST_F(ZurnalTest, FailedWriteReturnsItsReasonAndKeepsTheOldFile)
{
    QDir().mkpath(cesta("ZnalKevrot2024/3-2024.kvd"));  // a directory where the file should go
    const Vysledok v = j.UlozZaznam(novy(3), -1);
    EXPECT_FALSE(v);
    EXPECT_TRUE(v.dovod().startsWith(QStringLiteral("Nepodarilo sa uložiť súbor: ") + cesta("ZnalKevrot2024/3-2024.kvd")));
    EXPECT_TRUE(texty().isEmpty());
    EXPECT_TRUE(j.ZaznamyKevrota.isEmpty());
    EXPECT_FALSE(j.UlozZaznam(novy(3), 5));  // no such record
}

TEST_F(ZurnalTest, SavingStoresTheWorkingDocumentsOnlyWhenAsked)
{
    Zurnal::PripravPracovnyAdresar();
    for (const auto& d : Zurnal::PracovneDokumenty())
        zapis(QStringLiteral("Tmp_doc/") + d, d.toUtf8());
    ASSERT_TRUE(j.UlozZaznam(novy(1), -1, false));
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot2024/1-2024")));
    ASSERT_TRUE(j.UlozZaznam(novy(1), 0));
    for (const auto& d : Zurnal::DokumentyZaznamu())
        EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/1-2024/") + d), d.toUtf8()) << d.toStdString();
    // The travel order, the PDFs and the issue date are the entry's documents too.
    for (const char* d : {"cestovny_prikaz.doc", "faktura.pdf", "cestovny_prikaz.pdf", "doklady.txt"})
        EXPECT_EQ(obsah(QStringLiteral("ZnalKevrot2024/1-2024/") + QLatin1String(d)), QByteArray(d)) << d;
    // A document that cannot be stored (a folder in its place) is told; the entry is saved.
    QFile::remove(cesta("ZnalKevrot2024/1-2024/faktura.doc"));
    ASSERT_TRUE(QDir().mkpath(cesta("ZnalKevrot2024/1-2024/faktura.doc/x")));
    ASSERT_TRUE(j.UlozZaznam(novy(1), 0));
    ASSERT_EQ(texty().size(), 1);
    EXPECT_TRUE(texty().first().startsWith(QStringLiteral("Nepodarilo sa uložiť súbor: "))) << texty().first().toStdString();
}

TEST_F(ZurnalTest, WorkingDirectoryIsPreparedAndFilledFromTheEntry)
{
    Zurnal::PripravPracovnyAdresar();
    EXPECT_TRUE(QFileInfo(cesta("Tmp_doc")).isDir());
    for (const auto& d : Zurnal::PracovneDokumenty())
        zapis(QStringLiteral("Tmp_doc/") + d, "stare");
    zapis("Tmp_doc/korespondencia_obj.rtf", "list");
    zapis("ZnalKevrot2024/4-2024/faktura.doc", "faktúra 4");
    zapis("ZnalKevrot2024/4-2024/text_vyuctovania.rtf", "text 4");
    Zurnal::NacitajDokumenty(4, 2024);
    EXPECT_EQ(obsah("Tmp_doc/faktura.doc"), QByteArray("faktúra 4"));
    EXPECT_EQ(obsah("Tmp_doc/text_vyuctovania.rtf"), QByteArray("text 4"));
    for (const char* d : {"prijmovy_doklad.doc", "vyuctovanie.doc", "text_financna_ciastka.rtf", "cestovny_prikaz.doc"})
        EXPECT_FALSE(QFileInfo::exists(cesta(QStringLiteral("Tmp_doc/") + QLatin1String(d)))) << d;
    EXPECT_EQ(obsah("Tmp_doc/korespondencia_obj.rtf"), QByteArray("list"));
}

TEST_F(ZurnalTest, HeaderSaveKeepsItemsAndPaymentsAndMendsOlderFiles)
{
    for (qint32 verzia : {2, 0}) {
        auto z = sPolozkami(verzia, 6);
        ulozSubor(z, {}, 5);
        const QByteArray pred = obsah("ZnalKevrot2024/6-2024.kvd");
        const qsizetype koniec = verzia == 2 ? 3688 : 3636;
        j.NacitajRok(2024);
        ASSERT_EQ(j.ZaznamyKevrota.size(), 1);
        auto zaznam = j.CelyZaznam(0);
        ASSERT_TRUE(zaznam);
        zaznam->Predmet = QStringLiteral("Nový predmet");
        ASSERT_TRUE(j.UlozHlavicku(*zaznam, 0));
        EXPECT_EQ(j.ZaznamyKevrota[0].Predmet(), QStringLiteral("Nový predmet"));
        const QByteArray po = obsah("ZnalKevrot2024/6-2024.kvd");
        EXPECT_EQ(po.mid(3688), pred.mid(koniec)) << verzia;
        ObsahZaznamu o;
        ASSERT_TRUE(Zurnal::RozoberSubor(po, o));
        EXPECT_EQ(o.zaznam.Verzia, 2);
        EXPECT_EQ(o.zaznam.Predmet, QStringLiteral("Nový predmet"));
        EXPECT_EQ(o.zaznam.CisloObjednavky, verzia == 2 ? QStringLiteral("Obj-6") : QStringLiteral("SP-6"));
        EXPECT_EQ(o.vydavky.size(), 3);
        EXPECT_EQ(o.vyplatenia.size(), 3);
        if (verzia == 2) {
            // Only the changed field differs in the record.
            EXPECT_EQ(po.left(1091), pred.left(1091));
            EXPECT_EQ(po.mid(1292, 3688 - 1292), pred.mid(1292, 3688 - 1292));
        }
    }
    EXPECT_TRUE(texty().isEmpty());
    EXPECT_EQ(j.UlozHlavicku(novy(8), 0).dovod(), textProblemSoSuborom(cesta("ZnalKevrot2024/8-2024.kvd")));
    EXPECT_TRUE(texty().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot2024/8-2024.kvd")));
}

TEST_F(ZurnalTest, DeleteRemovesOnlyTheEntryFile)
{
    ulozSubor(sPolozkami(2, 5));
    zapis("ZnalKevrot2024/5-2024/faktura.doc", "x");
    ulozSubor(sPolozkami(2, 6));
    EXPECT_TRUE(j.ZmazZaznam(5, 2024));
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot2024/5-2024.kvd")));
    EXPECT_TRUE(QFileInfo::exists(cesta("ZnalKevrot2024/5-2024/faktura.doc")));
    EXPECT_TRUE(QFileInfo::exists(cesta("ZnalKevrot2024/6-2024.kvd")));
    EXPECT_TRUE(j.ZmazZaznam(5, 2024));
    EXPECT_TRUE(texty().isEmpty());
}

TEST_F(ZurnalTest, NextNumberAndNumberOrder)
{
    EXPECT_EQ(j.DalsieCislo(), 1);
    for (int c : {3, 7, 5, 12, 1}) {
        TZnalKevrotZaznam z;
        z.PoradoveCislo = c;
        z.Rok = c == 12 ? 2023 : 2024;
        j.ZaznamyKevrota.append(RiadokKevrota::zoZaznamu(z));
    }
    EXPECT_EQ(j.DalsieCislo(), 13);  // every loaded record counts, whatever its year
    j.ZoradPodlaCisla();
    QList<int> cisla;
    for (const auto& z : j.ZaznamyKevrota)
        cisla.append(z.PoradoveCislo);
    EXPECT_EQ(cisla, (QList<int>{1, 3, 5, 7, 12}));

    // The order of the number padded to 4 digits (3 after a minus) as text, then the position:
    // five digits before four, -2 before -10; equal numbers keep their order.
    j.ZaznamyKevrota.clear();
    const QList<int> nezoradene = {12345, 9999, -2, -10, 0, 3, 3, 10000};
    for (int i = 0; i < nezoradene.size(); ++i) {
        TZnalKevrotZaznam z;
        z.PoradoveCislo = nezoradene[i];
        z.Rok = 2000 + i;
        j.ZaznamyKevrota.append(RiadokKevrota::zoZaznamu(z));
    }
    j.ZoradPodlaCisla();
    QList<int> poradie;
    for (const auto& z : j.ZaznamyKevrota)
        poradie.append(z.Rok - 2000);
    EXPECT_EQ(poradie, (QList<int>{2, 3, 4, 5, 6, 7, 0, 1}));
}

TEST_F(ZurnalTest, StoredBillingsListFlaggedEntriesByTheirOwnNumberSorted)
{
    auto a = sPolozkami(2, 9);
    a.spoluNaklady = 4.0;
    ulozSubor(a, QStringLiteral("1-2024.kvd"));  // file name and record disagree
    auto b = sPolozkami(2, 3);
    b.doZoznamu = false;
    ulozSubor(b);
    auto c = sPolozkami(0, 5);
    c.doZoznamu = false;  // version 0: always listed
    ulozSubor(c);
    auto d = sPolozkami(2, 7);
    const QString zla = ulozSubor(d);
    {
        QByteArray x = obsah("ZnalKevrot2024/7-2024.kvd");
        kvd::int32Na(x, 3688, 999999);
        zapis("ZnalKevrot2024/7-2024.kvd", x);
    }
    j.NacitajUlozeneVyuctovania(2024);
    ASSERT_EQ(j.UlozeneVyuctovania.size(), 2);
    EXPECT_EQ(j.UlozeneVyuctovania[0].CisloZaznamu, 5);
    EXPECT_EQ(j.UlozeneVyuctovania[1].CisloZaznamu, 9);
    EXPECT_EQ(j.UlozeneVyuctovania[1].Nazov, QStringLiteral("9/2024 - Posudok (Novák)"));
    EXPECT_DOUBLE_EQ(j.UlozeneVyuctovania[1].Odmena, 60.0);
    EXPECT_DOUBLE_EQ(j.UlozeneVyuctovania[1].Vydavky, 15.0 + 4.0);
    EXPECT_EQ(j.UlozeneVyuctovania[1].Polozky.size(), 3);
    EXPECT_EQ(j.UlozeneVyuctovania[1].Polozky[0].Rozpis.size(), 2);
    EXPECT_EQ(j.UlozeneVyuctovania[1].CestovneNahrady.SpoluNaklady, 4.0);
    EXPECT_EQ(texty(), QStringList{textProblemSoSuborom(zla)});
}

TEST_F(ZurnalTest, CopyTakesTheNewNumberAndKeepsEverythingElse)
{
    ulozSubor(sPolozkami(2, 5), {}, 11);
    zapis("ZnalKevrot2024/5-2024/faktura.doc", "x");
    ASSERT_TRUE(Zurnal::KopirujZaznam(5, 2024, 10));
    const QByteArray zdroj = obsah("ZnalKevrot2024/5-2024.kvd");
    QByteArray ocakavana = zdroj;
    kvd::int32Na(ocakavana, 8, 10);
    EXPECT_EQ(obsah("ZnalKevrot2024/10-2024.kvd"), ocakavana);
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot2024/10-2024")));

    // An older, shorter record: the copy is a consistent file in the current layout.
    auto stary = sPolozkami(1, 6);
    stary.polozky.clear();
    ulozSubor(stary);
    ASSERT_TRUE(Zurnal::KopirujZaznam(6, 2024, 11));
    ObsahZaznamu o;
    ASSERT_TRUE(Zurnal::RozoberSubor(obsah("ZnalKevrot2024/11-2024.kvd"), o));
    EXPECT_EQ(o.zaznam.PoradoveCislo, 11);
    EXPECT_EQ(o.zaznam.Verzia, 2);
    EXPECT_EQ(o.zaznam.CisloObjednavky, QStringLiteral("SP-6"));
    EXPECT_EQ(o.vyplatenia.size(), 3);
    EXPECT_EQ(obsah("ZnalKevrot2024/11-2024.kvd").size(), 3688 + 4 + 3 * 20);
    EXPECT_TRUE(texty().isEmpty());

    EXPECT_EQ(Zurnal::KopirujZaznam(40, 2024, 12).dovod(), textProblemSoSuborom(cesta("ZnalKevrot2024/40-2024.kvd")));
    EXPECT_TRUE(texty().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot2024/12-2024.kvd")));
}

TEST_F(ZurnalTest, FilesChangedAfterTheYearLoadAreReadAgain)
{
    ulozSubor(sPolozkami(2, 1));
    j.NacitajRok(2024);
    // Another writer replaces the file: fewer items, so another size.
    auto z = sPolozkami(2, 1);
    z.polozky.removeLast();
    z.doZoznamu = false;
    ulozSubor(z);
    ASSERT_TRUE(j.NacitajZaznam(1, 2024));
    EXPECT_EQ(j.VydavkyZaznamu.size(), 2);
    j.NacitajUlozeneVyuctovania(2024);
    EXPECT_TRUE(j.UlozeneVyuctovania.isEmpty());
    // Its own header save is never hidden by what the load read.
    j.NacitajRok(2024);
    auto zaznam = j.CelyZaznam(0);
    ASSERT_TRUE(zaznam);
    zaznam->DoZoznamuVyuctovani = true;
    ASSERT_TRUE(j.UlozHlavicku(*zaznam, 0));
    j.NacitajUlozeneVyuctovania(2024);
    EXPECT_EQ(j.UlozeneVyuctovania.size(), 1);
}

TEST_F(ZurnalTest, InPlaceRewriteWithTheSameSizeAndTimeIsNotHiddenByTheLoad)
{
    const QString subor = ulozSubor(sPolozkami(2, 1));
    const QDateTime cas(QDate(2024, 5, 1), QTime(10, 0));
    const auto nastavCas = [&] {
        QFile f(subor);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(cas, QFileDevice::FileModificationTime));
    };
    nastavCas();
    j.NacitajRok(2024);
    // Another writer changes an amount in place: same size, and its clock gives the same time.
    auto z = sPolozkami(2, 1);
    z.polozky[0].suma = 999.0;
    z.doZoznamu = false;
    {
        QFile f(subor);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.write(kvd::subor(z)) > 0);
    }
    nastavCas();
    ASSERT_TRUE(j.NacitajZaznam(1, 2024));
    EXPECT_EQ(j.VydavkyZaznamu.value(0).Suma, 999.0);
    j.NacitajUlozeneVyuctovania(2024);
    EXPECT_TRUE(j.UlozeneVyuctovania.isEmpty());
}

TEST_F(ZurnalTest, FilesAddedOrRemovedAfterTheLoadChangeTheStoredBillings)
{
    ulozSubor(sPolozkami(2, 1));
    const QString druhy = ulozSubor(sPolozkami(2, 2));
    j.NacitajRok(2024);
    ASSERT_TRUE(QFile::remove(druhy));
    ulozSubor(sPolozkami(2, 3));
    j.NacitajUlozeneVyuctovania(2024);
    ASSERT_EQ(j.UlozeneVyuctovania.size(), 2);
    EXPECT_EQ(j.UlozeneVyuctovania[0].CisloZaznamu, 1);
    EXPECT_EQ(j.UlozeneVyuctovania[1].CisloZaznamu, 3);
    EXPECT_FALSE(j.NacitajZaznam(2, 2024));
    EXPECT_EQ(texty(), QStringList{textProblemSoSuborom(druhy)});
}

TEST_F(ZurnalTest, LargeYearKeepsFileOrderAndReportsBadFilesInOrder)
{
    // Enough files for the reading to be shared among threads.
    QStringList zle;
    for (int c = 1; c <= 300; ++c) {
        if (c % 37 == 0) {
            const QString rel = QStringLiteral("ZnalKevrot2024/%1-2024.kvd").arg(c);
            zapis(rel, kvd::subor(sPolozkami(2, c)).left(100));
            zle.append(textProblemSoSuborom(cesta(rel)));
        } else {
            auto z = sPolozkami(c % 2 ? 2 : 1, c);
            z.doZoznamu = c % 3 == 0;
            ulozSubor(z);
        }
    }
    j.NacitajRok(2024);
    // Name order: "10-2024.kvd" before "2-2024.kvd".
    QStringList mena;
    for (int c = 1; c <= 300; ++c)
        if (c % 37 != 0)
            mena.append(QStringLiteral("%1-2024.kvd").arg(c));
    std::sort(mena.begin(), mena.end());
    ASSERT_EQ(j.ZaznamyKevrota.size(), mena.size());
    for (int i = 0; i < mena.size(); ++i)
        EXPECT_EQ(QStringLiteral("%1-2024.kvd").arg(j.ZaznamyKevrota[i].PoradoveCislo), mena[i]);
    std::sort(zle.begin(), zle.end());
    EXPECT_EQ(texty(), zle);

    ASSERT_TRUE(j.NacitajZaznam(2, 2024));
    EXPECT_EQ(j.VydavkyZaznamu.size(), 3);
    EXPECT_EQ(j.VyplateniaZaznamu.size(), 3);
    j.NacitajUlozeneVyuctovania(2024);
    int oznacenych = 0;
    for (int c = 3; c <= 300; c += 3)
        oznacenych += c % 37 != 0;
    EXPECT_EQ(j.UlozeneVyuctovania.size(), oznacenych);
}

TEST_F(ZurnalTest, TwoFilesWithOneNumberAreBothShownWarnedOnceAndKeptApart)
{
    auto pravy = sPolozkami(2, 12);
    auto kopia = sPolozkami(2, 12);
    kopia.meno = QStringLiteral("Kópia");
    kopia.vyplatenia.clear();
    ulozSubor(pravy, {}, 3);
    ulozSubor(kopia, QStringLiteral("12-2024 (copy).kvd"), 4);
    zapis("ZnalKevrot2024/12-2024 (copy)/faktura.doc", "kópia");
    const QByteArray pravyPred = obsah("ZnalKevrot2024/12-2024.kvd");

    j.NacitajRok(2024);
    ASSERT_EQ(j.ZaznamyKevrota.size(), 2);
    ASSERT_EQ(texty().size(), 1);
    EXPECT_TRUE(texty()[0].contains(QStringLiteral("12-2024.kvd")));
    EXPECT_TRUE(texty()[0].contains(QStringLiteral("12-2024 (copy).kvd")));
    j.NacitajRok(2024);
    EXPECT_EQ(texty().size(), 1);  // once, not at every reload

    const int k = j.ZaznamyKevrota[0].Meno() == QStringLiteral("Kópia") ? 0 : 1;
    auto z = j.NacitajCelyZaznam(k);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->Meno, QStringLiteral("Kópia"));
    EXPECT_TRUE(j.VyplateniaZaznamu.isEmpty());  // the copy's own payments, not the other's
    Zurnal::NacitajDokumenty(j.ZaznamyKevrota[k]);
    EXPECT_EQ(obsah("Tmp_doc/faktura.doc"), "kópia");

    z->Predmet = QStringLiteral("Zmenený");
    ASSERT_TRUE(j.UlozZaznam(*z, k, false));
    ASSERT_TRUE(j.UlozHlavicku(*z, k));
    EXPECT_EQ(obsah("ZnalKevrot2024/12-2024.kvd"), pravyPred);
    ObsahZaznamu o;
    ASSERT_TRUE(Zurnal::RozoberSubor(obsah("ZnalKevrot2024/12-2024 (copy).kvd"), o));
    EXPECT_EQ(o.zaznam.Predmet, QStringLiteral("Zmenený"));

    ASSERT_TRUE(Zurnal::KopirujZaznam(j.ZaznamyKevrota[k], 13));
    ASSERT_TRUE(Zurnal::RozoberSubor(obsah("ZnalKevrot2024/13-2024.kvd"), o));
    EXPECT_EQ(o.zaznam.Meno, QStringLiteral("Kópia"));
    ASSERT_TRUE(j.ZmazZaznam(j.ZaznamyKevrota[k]));
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnalKevrot2024/12-2024 (copy).kvd")));
    EXPECT_EQ(obsah("ZnalKevrot2024/12-2024.kvd"), pravyPred);
}

// The entry's file changed after it was opened: the edit is written over the file's
// current record, so bytes the program does not know stay as that file holds them.
TEST_F(ZurnalTest, AnEditIsMergedOverTheFilesCurrentRecord)
{
    ulozSubor(sPolozkami(2, 7), {}, 5);  // noise in the reserved bytes and padding
    j.NacitajRok(2024);
    auto z = j.NacitajCelyZaznam(0);
    ASSERT_TRUE(z);
    QByteArray teraz = obsah("ZnalKevrot2024/7-2024.kvd");
    teraz[230] = 'X';   // reserved, after the address
    teraz[1000] = 'Y';  // reserved, after the note
    teraz[3687] = 'Z';  // padding at the end of the record
    zapis("ZnalKevrot2024/7-2024.kvd", teraz);
    z->Predmet = QStringLiteral("Nový predmet");
    ASSERT_TRUE(j.UlozZaznam(*z, 0, false));
    const QByteArray po = obsah("ZnalKevrot2024/7-2024.kvd");
    ASSERT_EQ(po.size(), teraz.size());
    EXPECT_EQ(po.left(1091), teraz.left(1091));
    EXPECT_EQ(po.mid(1292), teraz.mid(1292));
    EXPECT_EQ(j.ZaznamyKevrota[0].Predmet(), QStringLiteral("Nový predmet"));
    EXPECT_TRUE(texty().isEmpty());
}

TEST_F(ZurnalTest, BytesPastTheCountedRecordsSurviveASave)
{
    const QByteArray chvost("nie je to platba, ale su to data");
    for (bool sPlatbami : {true, false}) {
        auto z = sPolozkami(2, 7);
        if (!sPlatbami)
            z.vyplatenia.clear();  // the tail follows the items
        zapis("ZnalKevrot2024/7-2024.kvd", kvd::subor(z, 5) + chvost);
        j.NacitajRok(2024);
        auto zaznam = j.NacitajCelyZaznam(0);
        ASSERT_TRUE(zaznam);
        zaznam->Predmet = QStringLiteral("Nový");
        ASSERT_TRUE(j.UlozZaznam(*zaznam, 0, false));
        const QByteArray po = obsah("ZnalKevrot2024/7-2024.kvd");
        EXPECT_TRUE(po.endsWith(chvost)) << sPlatbami;
        ObsahZaznamu o;
        ASSERT_TRUE(Zurnal::RozoberSubor(po.chopped(chvost.size()), o));
        EXPECT_EQ(o.zaznam.Predmet, QStringLiteral("Nový"));
        EXPECT_EQ(o.vyplatenia.size(), sPlatbami ? 3 : 0);
    }
}
