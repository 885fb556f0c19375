// The entry editor's e-invoice commands.

#include "EFakturaVzorky.h"
#include "ZnalecOdboru.h"
#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "editor/DokladyPanel.h"
#include "editor/TZnalecKevrotEditForm.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "kevrot/Udaje.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

class EFakturaOkno : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        m_udaje.nastavenia.Nastavenie = VzorovePodklady(true, QDate(2027, 1, 11), 23).nastavenie;
        m_udaje.nastavenia.Nastavenie.ICDPH.clear();
        m_udaje.nastavenia.Nastavenie.SadzbaDPH = 23;
        NastavZnalcaOdboru(m_udaje);
    }

    UpravaZaznamu zaznam()
    {
        UpravaZaznamu u;
        u.zaznam.PoradoveCislo = 5;
        u.zaznam.Rok = 2027;
        u.zaznam.Meno = QStringLiteral("Okresný súd Nitra");
        u.zaznam.Adresa = QStringLiteral("Štúrova 9, 949 68 Nitra");
        u.zaznam.DIC = QStringLiteral("2021000000");
        u.zaznam.DatumVykonania = QDateNaDatum(QDate(2027, 1, 11));
        u.zaznam.DatumSplatnosti = QDateNaDatum(QDate(2027, 1, 25));
        u.zaznam.SadzbaDPH = 23;
        TVydavok v;
        v.Nazov = QStringLiteral("Posudok");
        v.Druh = DruhVydavku::HotoveVydavky;
        v.Cena = 100;
        v.Suma = 100;
        TRozpisPolozky r;
        r.Pocet = 1;
        v.Rozpis = {r};
        v.PocetRozpisov = 1;
        u.vydavky = {v};
        return u;
    }

    Udaje m_udaje;
};

TEST_F(EFakturaOkno, EFakturaSaZapiseDoPracovnehoAdresaraRaz)
{
    TZnalecKevrotEditForm okno(zaznam(), Zdroje(m_udaje));
    // A payer without IČ DPH: named, the e-invoice settings not offered, nothing written.
    okno.btnEFaktura->click();
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_TRUE(m_spravy.texty().first().contains(QStringLiteral("IČ DPH znalca"))) << m_spravy.texty().first().toStdString();
    EXPECT_FALSE(QFile::exists(cesta("Tmp_doc/efaktura.xml")));

    m_udaje.nastavenia.Nastavenie.ICDPH = QStringLiteral("SK1020304050");
    TZnalecKevrotEditForm okno2(zaznam(), Zdroje(m_udaje));
    m_spravy.vymaz();
    m_spravy.vybery << cesta("kopia.xml");
    // Declined when shown what goes out: nothing archived; confirmed: written.
    m_spravy.odpovede << false;
    okno2.btnEFaktura->click();
    EXPECT_FALSE(QFile::exists(cesta("Tmp_doc/efaktura.xml")));
    EXPECT_TRUE(m_spravy.texty().join('\n').contains(QStringLiteral("Príjemca platby: ")));
    m_spravy.odpovede << true;
    okno2.btnEFaktura->click();
    ASSERT_TRUE(QFile::exists(cesta("Tmp_doc/efaktura.xml"))) << m_spravy.texty().join('\n').toStdString();
    const QByteArray xml = obsah("Tmp_doc/efaktura.xml");
    EXPECT_TRUE(xml.contains("<cbc:PayableAmount currencyID=\"EUR\">123.00</cbc:PayableAmount>"));
    EXPECT_EQ(obsah("kopia.xml"), xml);

    okno2.Edit2->setText(QStringLiteral("Krajský súd"));
    m_spravy.vymaz();
    okno2.btnEFaktura->click();
    EXPECT_EQ(obsah("Tmp_doc/efaktura.xml"), xml);
    EXPECT_TRUE(m_spravy.texty().first().contains(QStringLiteral("zostáva bez zmeny")));

    m_spravy.odpovede << true;
    okno2.btnDobropis->click();
    EXPECT_TRUE(obsah("Tmp_doc/dobropis.xml").contains("<cbc:ID>5/2027</cbc:ID>"));
}

TEST_F(EFakturaOkno, EnterMeansOkNeverADocumentCommand)
{
    TZnalecKevrotEditForm okno(zaznam(), Zdroje(m_udaje));
    EXPECT_TRUE(okno.btnOK->isDefault());
    QList<QPushButton*> prikazy{okno.btnEFaktura, okno.btnDobropis, okno.panelDokladov->btnVsetky};
    prikazy += okno.panelDokladov->tlacidla + okno.panelDokladov->tlacidlaPdf;
    for (QPushButton* b : prikazy)
        EXPECT_FALSE(b->isDefault() || b->autoDefault()) << b->text().toStdString();
}

}  // namespace
