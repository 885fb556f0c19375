// The engine: rows, value lists, pages, headers and footers, columns, shading, clipping,
// groups and system fields, checked on the recorded pages.

#include "PomocZostavy.h"

#include "reports/BehZostavy.h"

#include <gtest/gtest.h>

namespace {

using D = KresliacaOperacia::Druh;

// A report with an optional page header and footer and one detail band holding two
// fields A and B (fixed size, no auto-size) at the band's top.
QByteArray jednoduchaZostava(const QByteArray& navyse = {}, int vyskaDetailu = 20)
{
    return QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object Det: tAlBand
    Top = 100
    Height = )") + QByteArray::number(vyskaDetailu) + R"(
    BandType = alr_Detail
    object A: TAlField
      Left = 0
      Top = 0
      Width = 100
      Height = 16
      AutoSize = False
    end
    object B: TAlField
      Left = 200
      Top = 0
      Width = 100
      Height = 16
      AutoSize = False
    end
  end
)" + navyse + "end\n";
}

tPages spusti(TAlZostava& z)
{
    tPages strany;
    z.report()->PreparePages(strany);
    return strany;
}

QList<int> vrchyTextov(const TDrawMetaFile& s, const QString& meno)
{
    QList<int> out;
    for (const auto* o : s.operacieOvladaca(meno))
        if (o->druh == D::Text)
            out.append(o->obdlznik.top());
    return out;
}

}  // namespace

TEST(BehZostavy, PrazdnyDetailSaVytlaciRazSVlnovkou)
{
    auto z = zostavaZTextu(jednoduchaZostava());
    const tPages s = spusti(*z);
    ASSERT_EQ(s.size(), 1);
    EXPECT_EQ(s[0].texty(), QStringList({"~", "~"}));
    EXPECT_EQ(s[0].velkost, QSize(794, 1123));
}

TEST(BehZostavy, HodnotyNerovnakehoPoctu)
{
    {
        auto z = zostavaZTextu(jednoduchaZostava());
        for (auto v : {"a1", "a2", "a3"})
            z->report()->AddNamedValue("A", v);
        z->report()->AddNamedValue("b", "jediné");
        const tPages s = spusti(*z);
        EXPECT_EQ(s[0].texty("A"), QStringList({"a1", "a2", "a3"}));
        EXPECT_EQ(s[0].texty("B"), QStringList({"jediné", "jediné", "jediné"}));
        EXPECT_EQ(vrchyTextov(s[0], "A"), QList<int>({0, 20, 40}));
    }
    {
        auto z = zostavaZTextu(jednoduchaZostava());
        z->report()->AddNamedValue("A", "x1");
        z->report()->AddNamedValue("A", "x2");
        for (auto v : {"y1", "y2", "y3"})
            z->report()->AddNamedValue("B", v);
        const tPages s = spusti(*z);
        EXPECT_EQ(s[0].texty("A"), QStringList({"x1", "x2", "~"}));
        EXPECT_EQ(s[0].texty("B"), QStringList({"y1", "y2", "y3"}));
    }
}

TEST(BehZostavy, AddNamedValueHladaPrvePoleBezOhladuNaVelkostPismenAZaznamenava)
{
    auto z = zostavaZTextu(jednoduchaZostava());
    QStringList log;
    z->report()->OnLog = [&](const QString& s) { log.append(s); };
    z->report()->AddNamedValue("a", "1");
    z->report()->AddNamedValue("Nikde", "2");
    EXPECT_EQ(z->najdiPole("A")->hodnoty, QStringList({"1"}));
    EXPECT_EQ(log, QStringList({"AddNamedValue(a) = 1", "AlField Nikde = not found for value: 2"}));
}

TEST(BehZostavy, PodciarkovnikZobraziHodnotyPolaBezNeho)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object Det: tAlBand
    Height = 20
    BandType = alr_Detail
    object Meno: TAlField
    end
    object Meno__: TAlField
      Left = 300
    end
    object Iny_: TAlField
      Left = 500
    end
  end
end
)"));
    z->report()->AddNamedValue("Meno", "Ján");
    z->report()->AddNamedValue("Meno", "Eva");
    const tPages s = spusti(*z);
    EXPECT_EQ(s[0].texty("Meno__"), QStringList({"Ján", "Eva"}));
    EXPECT_EQ(s[0].texty("Iny_"), QStringList({"~", "~"}));
}

TEST(BehZostavy, DuplicitneMenoDostanePodciarkovnikAZdielaHodnoty)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object Det: tAlBand
    Height = 20
    BandType = alr_Title
    object Rok: TAlField
    end
    object Rok: TAlField
      Left = 300
    end
  end
end
)"));
    z->report()->AddNamedValue("Rok", "2024");
    ASSERT_NE(z->najdi("Rok_"), nullptr);
    const tPages s = spusti(*z);
    EXPECT_EQ(s[0].texty(), QStringList({"2024", "2024"}));
}

TEST(BehZostavy, ZalomenieStranyPataHlavickaAHlavickaDetailu)
{
    // Page height 1123, footer 50: the bottom limit is 1072.
    auto z = zostavaZTextu(jednoduchaZostava(R"(
  object PH: tAlBand
    Top = 0
    Height = 40
    BandType = alr_PageHeader
    object LPH: TAlLabel
      Caption = 'Hlavička strany'
    end
  end
  object DH: tAlBand
    Top = 50
    Height = 30
    BandType = alr_DetailHeader
    object LDH: TAlLabel
      Caption = 'Stĺpce'
    end
  end
  object PF: tAlBand
    Top = 900
    Height = 50
    BandType = alr_PageFooter
    object LPF: TAlSysField
      DataType = alr_PageNum
    end
  end
)", 300));
    for (int i = 1; i <= 5; ++i)
        z->report()->AddNamedValue("A", QString::number(i));
    const tPages s = spusti(*z);
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(vrchyTextov(s[0], "LPH"), QList<int>({0}));
    EXPECT_EQ(vrchyTextov(s[0], "LDH"), QList<int>({40}));
    EXPECT_EQ(vrchyTextov(s[0], "A"), QList<int>({70, 370, 670}));
    EXPECT_EQ(vrchyTextov(s[0], "LPF"), QList<int>({1072}));
    EXPECT_EQ(s[0].texty("LPF"), QStringList({"1"}));
    EXPECT_EQ(vrchyTextov(s[1], "LPH"), QList<int>({0}));
    EXPECT_EQ(vrchyTextov(s[1], "LDH"), QList<int>({40}));
    EXPECT_EQ(s[1].texty("A"), QStringList({"4", "5"}));
    EXPECT_EQ(vrchyTextov(s[1], "A"), QList<int>({70, 370}));
    EXPECT_EQ(s[1].texty("LPF"), QStringList({"2"}));
    // The footer comes after the rows of its page.
    EXPECT_EQ(s[0].operacie.last().meno, QString("LPF"));
}

TEST(BehZostavy, HlavickyLenNaPrvejAleboNieNaPrvejStrane)
{
    auto z = zostavaZTextu(jednoduchaZostava(R"(
  object Prva: tAlBand
    Top = 0
    Height = 20
    BandType = alr_PageHeader
    FirstPageHeaderOnly = True
    object LPrva: TAlLabel
      Caption = 'len prvá'
    end
  end
  object Dalsie: tAlBand
    Top = 10
    Height = 20
    BandType = alr_PageHeader
    NotFirstPageHeader = True
    object LDalsie: TAlLabel
      Caption = 'ďalšie'
    end
  end
  object Zlom: tAlBand
    Top = 200
    Height = 20
    BandType = alr_NewPage
  end
  object Det2: tAlBand
    Top = 300
    Height = 20
    BandType = alr_Detail
    object C: TAlLabel
      Caption = 'druhý detail'
    end
  end
)"));
    const tPages s = spusti(*z);
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[0].texty("LPrva").size(), 1);
    EXPECT_TRUE(s[0].texty("LDalsie").isEmpty());
    EXPECT_TRUE(s[1].texty("LPrva").isEmpty());
    EXPECT_EQ(s[1].texty("LDalsie").size(), 1);
    EXPECT_EQ(vrchyTextov(s[1], "C"), QList<int>({20}));
}

TEST(BehZostavy, NastavenieJednehoPriznakuHlavickyZrusiDruhy)
{
    tAlBand b;
    b.nastavFirstPageHeaderOnly(true);
    b.nastavNotFirstPageHeader(true);
    EXPECT_FALSE(b.FirstPageHeaderOnly);
    b.nastavFirstPageHeaderOnly(true);
    EXPECT_FALSE(b.NotFirstPageHeader);
    b.nastavColumns(3);
    b.nastavColWidthMM(60);
    b.nastavColumns(0);
    b.nastavColWidthMM(-5);
    EXPECT_EQ(b.Columns, 3);
    EXPECT_EQ(b.ColWidthMM, 60);
    b.nastavBandType(tAlBandType::alr_Title);
    EXPECT_EQ(b.Columns, 1);
    EXPECT_EQ(b.ColWidthMM, 0);
}

TEST(BehZostavy, StlpceVedlaSebaPoSirkeStlpca)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
    LeftMarginMM = 10
  end
  object Det: tAlBand
    Height = 20
    BandType = alr_Detail
    Columns = 3
    ColWidthMM = 60
    object A: TAlField
      Left = 5
      Top = 3
      Width = 50
      Height = 10
      AutoSize = False
    end
  end
end
)"));
    for (int i = 1; i <= 7; ++i)
        z->report()->AddNamedValue("A", QString::number(i));
    const tPages s = spusti(*z);
    QList<QPoint> body;
    for (const auto* o : s[0].operacieOvladaca("A"))
        body.append(o->obdlznik.topLeft());
    // 10 mm = 38, 60 mm = 227, 120 mm = 454 page units; odd design pixels go up by one.
    const QList<QPoint> ocakavane = {{44, 4}, {271, 4}, {498, 4}, {44, 24}, {271, 24}, {498, 24}, {44, 44}};
    EXPECT_EQ(body, ocakavane);
    EXPECT_EQ(s[0].texty("A"), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
}

TEST(BehZostavy, StriedavaFarbaTieniKazduDruhuPlochu)
{
    auto z = zostavaZTextu(jednoduchaZostava().replace("BandType = alr_Detail", "BandType = alr_Detail\n    AltColor = True\n    Color = clSilver"));
    for (int i = 1; i <= 4; ++i)
        z->report()->AddNamedValue("A", QString::number(i));
    const tPages s = spusti(*z);
    const auto vyplne = operacieDruhu(s[0], D::Vypln);
    ASSERT_EQ(vyplne.size(), 2);
    EXPECT_EQ(vyplne[0].obdlznik, QRect(0, 20, 794, 20));
    EXPECT_EQ(vyplne[1].obdlznik.top(), 60);
    EXPECT_EQ(vyplne[0].farba, QColor(192, 192, 192));
}

TEST(BehZostavy, OrezavanieRozsirovanieAPrepisovanie)
{
    auto zostava = [](const char* mod) {
        return zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object Det: tAlBand
    Height = 20
    BandType = alr_Detail
    ClipMode = )") + mod + R"(
    object Vysoky: TAlLabel
      Top = 10
      Width = 40
      Height = 30
      AutoSize = False
      Caption = 'v'
    end
    object Mimo: TAlLabel
      Top = 60
      Width = 40
      Height = 10
      AutoSize = False
      Caption = 'm'
    end
  end
end
)");
    };
    {
        auto z = zostava("cm_Clip");
        const tPages s = spusti(*z);
        EXPECT_EQ(s[0].operacieOvladaca("Vysoky")[0]->obdlznik, QRect(0, 10, 40, 10));
        EXPECT_TRUE(s[0].operacieOvladaca("Mimo").isEmpty());
    }
    {
        auto z = zostava("cm_Expand");
        const tPages s = spusti(*z);
        EXPECT_EQ(s[0].operacieOvladaca("Vysoky")[0]->obdlznik, QRect(0, 10, 40, 30));
        EXPECT_EQ(s[0].operacieOvladaca("Mimo")[0]->obdlznik, QRect(0, 60, 40, 10));
    }
    {
        auto z = zostava("cm_Overwrite");
        const tPages s = spusti(*z);
        EXPECT_EQ(s[0].operacieOvladaca("Mimo")[0]->obdlznik, QRect(0, 60, 40, 10));
    }
}

TEST(BehZostavy, RozsirenyPasPosunieDalsiRiadok)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object Det: tAlBand
    Height = 20
    BandType = alr_Detail
    ClipMode = cm_Expand
    object A: TAlField
      Top = 0
      Width = 40
      Height = 50
      AutoSize = False
    end
  end
end
)"));
    z->report()->AddNamedValue("A", "1");
    z->report()->AddNamedValue("A", "2");
    const tPages s = spusti(*z);
    EXPECT_EQ(vrchyTextov(s[0], "A"), QList<int>({0, 50}));
}

TEST(BehZostavy, SkupinySHlavickouAPatouPodlaNasledujucehoKluca)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object GH: tAlBand
    Top = 10
    Height = 15
    BandType = alr_GroupHeader
    object LGH: TAlField
      Left = 100
    end
  end
  object Det: tAlBand
    Top = 20
    Height = 20
    BandType = alr_Detail
    object Kluc: TAlField
    end
    object Polozka: TAlField
      Left = 100
    end
  end
  object GF: tAlBand
    Top = 30
    Height = 15
    BandType = alr_GroupFooter
    object LGF: TAlLabel
      Caption = 'koniec'
    end
  end
  object Link: TAlDetailLink
    GroupBand = Det
    GroupHeader = GH
    GroupFooter = GF
    DataSource = Kluc
  end
end
)"));
    for (auto k : {"a", "a", "b"})
        z->report()->AddNamedValue("Kluc", k);
    for (auto p : {"1", "2", "3"})
        z->report()->AddNamedValue("Polozka", p);
    const tPages s = spusti(*z);
    EXPECT_EQ(s[0].texty(), QStringList({"~", "a", "1", "a", "2", "koniec", "~", "b", "3", "koniec"}));
    // Group bands sit between the rows (15 design pixels are 16 page units).
    EXPECT_EQ(vrchyTextov(s[0], "Kluc"), QList<int>({16, 36, 88}));
    EXPECT_EQ(vrchyTextov(s[0], "LGF"), QList<int>({56, 108}));
}

TEST(BehZostavy, SystemovePoliaPocitadloAStrana)
{
    auto z = zostavaZTextu(jednoduchaZostava(R"(
  object Cisla: tAlBand
    Top = 150
    Height = 20
    BandType = alr_Detail
    object Poradie: TAlSysField
      DataType = alr_Counter
    end
    object Pocet: TAlSysField
      Left = 100
      DataType = alr_Count
    end
    object X: TAlField
      Left = 200
    end
  end
)"));
    for (auto v : {"1", "2", "3"})
        z->report()->AddNamedValue("X", v);
    const tPages s = spusti(*z);
    EXPECT_EQ(s[0].texty("Poradie"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(s[0].texty("Pocet"), QStringList({"E", "E", "E"}));
    auto* sf = dynamic_cast<TAlSysField*>(z->najdi("Poradie"));
    ASSERT_NE(sf, nullptr);
    EXPECT_EQ(sf->Caption, QString("#Counter"));
    // A second run starts counting anew.
    tPages znova;
    z->report()->PreparePages(znova);
    EXPECT_EQ(znova[0].texty("Poradie"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(znova[0].texty("X"), QStringList({"1", "2", "3"}));
}

TEST(BehZostavy, RetazePasovPodlaPoradiaZhoraNadol)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object D2: tAlBand
    Top = 40
    BandType = alr_Detail
  end
  object DF: tAlBand
    Top = 30
    BandType = alr_DetailFooter
  end
  object D1: tAlBand
    Top = 20
    BandType = alr_Detail
  end
  object DH: tAlBand
    Top = 10
    BandType = alr_DetailHeader
  end
  object T: tAlBand
    Top = 0
    BandType = alr_Title
  end
end
)"));
    tPages strany;
    TAlPrinter tl;
    tl.prepocitaj(TPrinterOrientation::poPortrait, tPapersize::alr_A4);
    BehZostavy beh(*z->report(), tl, strany);
    beh.klasifikuj();
    auto tag = [&](const char* m) { return static_cast<tAlBand*>(z->najdi(m))->Tag; };
    EXPECT_EQ(tag("DH"), 2);
    EXPECT_EQ(tag("D1"), 2);
    EXPECT_EQ(tag("DF"), 2);
    EXPECT_EQ(tag("D2"), 5);
    ASSERT_EQ(beh.telo.size(), 2);
    EXPECT_EQ(beh.telo[0]->Name, QString("D1"));
}

TEST(BehZostavy, HlavickaAPataDetailuOkoloDetailu)
{
    auto z = zostavaZTextu(jednoduchaZostava(R"(
  object DH: tAlBand
    Top = 50
    Height = 10
    BandType = alr_DetailHeader
    object H: TAlLabel
      Caption = 'hlava'
    end
  end
  object DF: tAlBand
    Top = 150
    Height = 10
    BandType = alr_DetailFooter
    object P: TAlLabel
      Caption = 'päta'
    end
  end
)"));
    z->report()->AddNamedValue("A", "1");
    z->report()->AddNamedValue("A", "2");
    const tPages s = spusti(*z);
    EXPECT_EQ(s[0].texty(), QStringList({"hlava", "1", "~", "2", "~", "päta"}));
}

TEST(BehZostavy, TvaryAObrazok)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object T: tAlBand
    Height = 200
    BandType = alr_Title
    object Ciara: TAlShape
      Width = 100
      Height = 0
    end
    object Kruh: TAlShape
      Top = 10
      Width = 100
      Height = 40
      Shape = stCircle
      Pen.Width = 0
    end
    object Bez: tAlImage
      Top = 100
      Width = 30
      Height = 30
    end
  end
end
)"));
    const tPages s = spusti(*z);
    const auto* ciara = s[0].operacieOvladaca("Ciara")[0];
    EXPECT_EQ(ciara->druh, D::Ciara);
    EXPECT_EQ(ciara->od, QPoint(0, 0));
    EXPECT_EQ(ciara->po, QPoint(100, 0));
    const auto* kruh = s[0].operacieOvladaca("Kruh")[0];
    EXPECT_EQ(kruh->druh, D::Elipsa);
    EXPECT_EQ(kruh->obdlznik, QRect(30, 10, 40, 40));
    EXPECT_EQ(kruh->sirkaPera, 1);
    EXPECT_EQ(s[0].operacieOvladaca("Bez")[0]->druh, D::Obrys);
}

TEST(BehZostavy, AutoSizeMeriaTextAUkotviVpravo)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object T: tAlBand
    Height = 40
    BandType = alr_Title
    object Vpravo: TAlLabel
      Left = 100
      Width = 200
      Alignment = taRightJustify
      Caption = 'Suma spolu'
    end
    object Prazdny: TAlLabel
      Left = 400
      Caption = ''
    end
  end
end
)"));
    const tPages s = spusti(*z);
    const QRect r = s[0].operacieOvladaca("Vpravo")[0]->obdlznik;
    EXPECT_EQ(r.left() + r.width(), 300);
    EXPECT_GT(r.width(), 20);
    EXPECT_LT(r.width(), 200);
    // An empty caption is measured as a space: a thin, full-height box, nothing drawn.
    EXPECT_TRUE(s[0].texty("Prazdny").isEmpty());
}

TEST(BehZostavy, PodmienenaViditelnost)
{
    auto z = zostavaZTextu(QByteArray(R"(object F: TForm
  object R: TAlReport
  end
  object T: tAlBand
    Height = 40
    BandType = alr_Title
    object Skryty: TAlLabel
      visible = False
      VisibleInPreview = False
      Caption = 'nie'
    end
    object LenNahlad: TAlLabel
      visible = False
      Caption = 'áno'
    end
  end
  object Off: tAlBand
    Top = 10
    Enabled = False
    BandType = alr_Title
    object Nic: TAlLabel
      Caption = 'vypnutý'
    end
  end
end
)"));
    const tPages s = spusti(*z);
    EXPECT_EQ(s[0].texty(), QStringList({"áno"}));
}

TEST(BehZostavy, PrevodJednotiek)
{
    TAlPrinter t;
    t.prepocitaj(TPrinterOrientation::poLandscape, tPapersize::alr_A4);
    EXPECT_EQ(t.velkostStrany, QSize(1123, 794));
    EXPECT_EQ(t.zDizajnu(4), 4);
    EXPECT_EQ(t.zDizajnu(5), 6);
    EXPECT_EQ(t.zDizajnu(0), 0);
    EXPECT_EQ(t.zMM(10), 38);
    EXPECT_EQ(t.zMM(60), 227);
}
