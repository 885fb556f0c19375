// Loading layout files into the component model, and refusing bad ones with a message.

#include "common/TestAppDir.h"

#include "reports/DfmStrom.h"
#include "reports/TAlZostava.h"

#include <gtest/gtest.h>

namespace {

const char* kZostava = R"(object Zost: TForm
  Font.Name = 'Tahoma'
  Font.Height = -13
  object R: TAlReport
    Orientation = poLandscape
    Papersize = alr_A5
    LeftMarginMM = 12
    RightMarginMM = 8
    ReportTitle = 'Kevrot'
    Left = 10
    Top = 10
  end
  object Hlava: tAlBand
    Top = 5
    Height = 30
    Columns = 3
    BandType = alr_PageHeader
    Font.Name = 'Arial'
    Font.Style = [fsBold, fsItalic]
    Font.Color = clRed
    BevelOuter = bvNone
    TabOrder = 0
    object Nadpis: TAlLabel
      Left = 4
      Caption = 'Znalecký kevrot'
    end
    object Maly: TAlLabel
      Left = 300
      Font.Height = -9
      ParentFont = False
      Alignment = taCenter
    end
    object Meno: TAlSysField
      DataType = alr_Formname
    end
  end
  object Riadok: tAlBand
    Top = 50
    BandType = alr_Detail
    Columns = 2
    ColWidthMM = 90
    AltColor = True
    Color = $00E0E0E0
    ClipMode = cm_Overwrite
    object Meno: TAlField
      Left = 4
      WordWrap = True
      Transparent = False
      Color = clYellow
    end
    object Ram: TAlShape
      Shape = stRoundRect
      Pen.Color = clBlue
      Pen.Width = 2
      Pen.Style = psDot
      Brush.Style = bsClear
    end
    object Obr: tAlImage
      Stretch = False
      Picture.Data = {
        07544269746D61703A000000424D3A0000000000000036000000280000000100
        000001000000010018000000000004000000130B0000130B0000000000000000
        00000000FF00}
    end
  end
  object Spoj: TAlDetailLink
    GroupBand = Riadok
    DataSource = Meno_
  end
end
)";

}  // namespace

class NahrajZostavuTest : public TestAppDir {
protected:
    QString ulozText(const QString& meno, const QByteArray& text)
    {
        zapis("Zostavy/" + meno, text);
        return cesta("Zostavy/" + meno);
    }
};

TEST_F(NahrajZostavuTest, VlastnostiKomponentov)
{
    auto z = NahrajZostavu(ulozText("a.dfm", kZostava));
    ASSERT_TRUE(z);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    TAlReport* r = z->report();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Orientation, TPrinterOrientation::poLandscape);
    EXPECT_EQ(r->Papersize, tPapersize::alr_A5);
    EXPECT_EQ(r->LeftMarginMM, 12);
    EXPECT_EQ(r->RightMarginMM, 8);
    EXPECT_EQ(r->ReportTitle, QString("Kevrot"));

    auto* hlava = dynamic_cast<tAlBand*>(z->najdi("Hlava"));
    ASSERT_NE(hlava, nullptr);
    // Setting the type after the columns resets them.
    EXPECT_EQ(hlava->Columns, 1);
    EXPECT_EQ(hlava->pismo().Name, QString("Arial"));
    EXPECT_TRUE(hlava->pismo().Bold && hlava->pismo().Italic);
    EXPECT_EQ(hlava->pismo().Color, 0x0000FF);
    ASSERT_EQ(hlava->Ovladace.size(), 3);

    auto* nadpis = dynamic_cast<TAlLabel*>(z->najdi("Nadpis"));
    EXPECT_EQ(nadpis->pismo().Name, QString("Arial"));
    EXPECT_EQ(nadpis->band(), hlava);
    auto* maly = dynamic_cast<TAlLabel*>(z->najdi("Maly"));
    EXPECT_EQ(maly->pismo().Height, -9);
    EXPECT_EQ(maly->pismo().Name, QString("MS Sans Serif"));
    EXPECT_EQ(maly->Alignment, TAlignment::taCenter);

    // The second "Meno" got an underscore; the form-name field shows the report's title,
    // never the layout's file name.
    auto* sys = dynamic_cast<TAlSysField*>(z->najdi("Meno"));
    ASSERT_NE(sys, nullptr);
    EXPECT_EQ(sys->Caption, QString("Kevrot"));
    auto* pole = z->najdiPole("meno_");
    ASSERT_NE(pole, nullptr);
    EXPECT_EQ(z->najdiPole("Meno"), nullptr);
    EXPECT_TRUE(pole->WordWrap);
    EXPECT_FALSE(pole->Transparent);
    EXPECT_EQ(pole->Color, 0x00FFFF);

    auto* riadok = dynamic_cast<tAlBand*>(z->najdi("Riadok"));
    EXPECT_EQ(riadok->Columns, 2);
    EXPECT_EQ(riadok->ColWidthMM, 90);
    EXPECT_TRUE(riadok->AltColor);
    EXPECT_EQ(riadok->Color, 0xE0E0E0);
    EXPECT_EQ(riadok->ClipMode, tClipMode::cm_Overwrite);
    EXPECT_EQ(riadok->pismo().Name, QString("Tahoma"));
    EXPECT_EQ(riadok->pismo().Height, -13);
    EXPECT_EQ(riadok->Height, 41);

    auto* ram = dynamic_cast<TAlShape*>(z->najdi("Ram"));
    EXPECT_EQ(ram->Shape, TShapeType::stRoundRect);
    EXPECT_EQ(ram->Pen.Color, 0xFF0000);
    EXPECT_EQ(ram->Pen.Width, 2);
    EXPECT_EQ(ram->Pen.Style, TPenStyle::psDot);
    EXPECT_EQ(ram->Brush.Style, TBrushStyle::bsClear);
    EXPECT_EQ(ram->Width, 65);
    EXPECT_EQ(ram->Height, 65);

    auto* obr = dynamic_cast<tAlImage*>(z->najdi("Obr"));
    ASSERT_FALSE(obr->Picture.isNull());
    EXPECT_EQ(obr->Picture.size(), QSize(1, 1));
    EXPECT_EQ(QColor(obr->Picture.pixel(0, 0)), QColor(255, 0, 0));
    EXPECT_FALSE(obr->Stretch);
    EXPECT_TRUE(obr->Center);

    auto* spoj = dynamic_cast<TAlDetailLink*>(z->najdi("Spoj"));
    EXPECT_EQ(spoj->GroupBand, riadok);
    EXPECT_EQ(spoj->DataSource, pole);
    EXPECT_EQ(riadok->Link, spoj);
}

TEST_F(NahrajZostavuTest, BinarnaFormaDaRovnakyModel)
{
    const QByteArray binarna = Dfm::zapisBinarny(Dfm::citajText(kZostava), true);
    zapis("Zostavy/b.dfm", binarna);
    auto zb = NahrajZostavu(cesta("Zostavy/b.dfm"));
    auto zt = NahrajZostavu(ulozText("t.dfm", kZostava));
    ASSERT_TRUE(zb && zt);
    ASSERT_EQ(zb->komponenty().size(), zt->komponenty().size());
    for (size_t i = 0; i < zb->komponenty().size(); ++i) {
        EXPECT_EQ(zb->komponenty()[i]->Name, zt->komponenty()[i]->Name);
        EXPECT_EQ(typeid(*zb->komponenty()[i]), typeid(*zt->komponenty()[i]));
    }
    auto* b = dynamic_cast<tAlBand*>(zb->najdi("Riadok"));
    EXPECT_EQ(b->ColWidthMM, 90);
    EXPECT_EQ(dynamic_cast<TAlLabel*>(zb->najdi("Nadpis"))->Caption, QString("Znalecký kevrot"));
    EXPECT_EQ(dynamic_cast<tAlImage*>(zb->najdi("Obr"))->Picture.size(), QSize(1, 1));
}

TEST_F(NahrajZostavuTest, ChybajuciSuborBezSpravyAVolajuciOhlasi)
{
    EXPECT_FALSE(NahrajZostavu(cesta("Zostavy/nie.dfm")));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
    EXPECT_FALSE(NahrajZostavuAleboOhlas(cesta("Zostavy/nie.dfm")));
    EXPECT_EQ(m_spravy.texty(), QStringList({"Nedá sa nahrať zostava " + cesta("Zostavy/nie.dfm")}));
}

TEST_F(NahrajZostavuTest, ZostavaBezReportu)
{
    const QString p = ulozText("bez.dfm", "object F: TForm\n  object B: tAlBand\n  end\nend\n");
    EXPECT_FALSE(NahrajZostavu(p));
    EXPECT_TRUE(m_spravy.spravy.isEmpty());
}

TEST_F(NahrajZostavuTest, ChybneZostavySaOdmietnuSoSpravouSMenomSuboru)
{
    const QList<QPair<QByteArray, QString>> pripady = {
        {"object F: TForm\n  object R: TAlReport\n  end\n  object X: TButton\n  end\nend\n", "TButton"},
        {"object F: TForm\n  object R: TAlReport\n    Farba = 5\n  end\nend\n", "Farba"},
        {"object F: TForm\n  object R: TAlReport\n    LeftMarginMM = 'a'\n  end\nend\n", "LeftMarginMM"},
        {"object F: TForm\n  object R: TAlReport\n    Orientation = poSideways\n  end\nend\n", "poSideways"},
        {"object F: TForm\n  object B: tAlBand\n    Height = 99999999\n  end\nend\n", "Height"},
        {"object F: TForm\n  object L: TAlDetailLink\n    GroupBand = Nikto\n  end\nend\n", "Nikto"},
        {"object F: TForm\n  object L: TAlLabel\n    object M: TAlLabel\n    end\n  end\nend\n", "L"},
        {"object F: TForm\n  object I: tAlImage\n    Picture.Data = {07544269746D6170FFFFFF00}\n  end\nend\n", "I"},
        {"TPF0\x06TForm1\x01" "F\x00\x08TAlLabel", "TPF0"},
    };
    int i = 0;
    for (const auto& [obsah, slovo] : pripady) {
        m_spravy.vymaz();
        const QString p = ulozText(QString("zla%1.dfm").arg(i++), obsah);
        EXPECT_FALSE(NahrajZostavu(p)) << slovo.toStdString();
        ASSERT_EQ(m_spravy.spravy.size(), 1) << slovo.toStdString();
        EXPECT_EQ(m_spravy.spravy[0].druh, Spravy::Druh::Chyba);
        EXPECT_TRUE(m_spravy.spravy[0].text.contains(p)) << m_spravy.spravy[0].text.toStdString();
        if (slovo != "TPF0")
            EXPECT_TRUE(m_spravy.spravy[0].text.contains(slovo)) << m_spravy.spravy[0].text.toStdString();
    }
}

TEST_F(NahrajZostavuTest, NeznameSuborySaNepovazujuZaZostavu)
{
    const QString p = ulozText("obrazok.dfm", QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_FALSE(NahrajZostavu(p));
    ASSERT_EQ(m_spravy.spravy.size(), 1);
    EXPECT_TRUE(m_spravy.spravy[0].text.contains(p));
}
