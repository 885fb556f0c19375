object frmZnalecKevrot: TForm
  Caption = 'Znalecký kevrot'
  PixelsPerInch = 96
  Font.Charset = EASTEUROPE_CHARSET
  Font.Color = clBlack
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  ParentFont = False
  object alReport: TAlReport
    Orientation = poLandscape
    Papersize = alr_A4
    LeftMarginMM = 10
    RightMarginMM = 10
    ReportTitle = 'Znalecký kevrot'
  end
  object bandNadpis: tAlBand
    Left = 0
    Top = 0
    Width = 1000
    Height = 56
    BandType = alr_PageHeader
    Color = clWhite
    object lblNadpis: TAlLabel
      Left = 0
      Top = 8
      Width = 256
      Height = 24
      Alignment = taRightJustify
      AutoSize = True
      Caption = 'Znalecký kevrot za rok'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Rok: TAlField
      Left = 262
      Top = 8
      Width = 80
      Height = 24
      AutoSize = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblZnalec: TAlLabel
      Left = 500
      Top = 14
      Width = 80
      Height = 18
      AutoSize = True
      Caption = 'Znalec:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object ZnalecField: TAlField
      Left = 560
      Top = 14
      Width = 480
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object bandStlpce: tAlBand
    Left = 0
    Top = 60
    Width = 1000
    Height = 44
    BandType = alr_PageHeader
    Color = clWhite
    object shpHlavicka1: TAlShape
      Left = 0
      Top = 0
      Width = 76
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec1: TAlLabel
      Left = 2
      Top = 4
      Width = 72
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Poradové číslo'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka2: TAlShape
      Left = 76
      Top = 0
      Width = 144
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec2: TAlLabel
      Left = 78
      Top = 4
      Width = 140
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Žiadateľ (meno, adresa)'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka3: TAlShape
      Left = 220
      Top = 0
      Width = 70
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec3: TAlLabel
      Left = 222
      Top = 4
      Width = 66
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Dátum vyžiadania'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka4: TAlShape
      Left = 290
      Top = 0
      Width = 70
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec4: TAlLabel
      Left = 292
      Top = 4
      Width = 66
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Dátum vykonania'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka5: TAlShape
      Left = 360
      Top = 0
      Width = 196
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec5: TAlLabel
      Left = 362
      Top = 4
      Width = 192
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Druh úkonu, typ, predmet a účel'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka6: TAlShape
      Left = 556
      Top = 0
      Width = 100
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec6: TAlLabel
      Left = 558
      Top = 4
      Width = 96
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Účtovaná odmena'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka7: TAlShape
      Left = 656
      Top = 0
      Width = 76
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec7: TAlLabel
      Left = 658
      Top = 4
      Width = 72
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Účtované výdavky'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka8: TAlShape
      Left = 732
      Top = 0
      Width = 76
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec8: TAlLabel
      Left = 734
      Top = 4
      Width = 72
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Priznaná odmena'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka9: TAlShape
      Left = 808
      Top = 0
      Width = 76
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec9: TAlLabel
      Left = 810
      Top = 4
      Width = 72
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Priznané výdavky a náhrady'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka10: TAlShape
      Left = 884
      Top = 0
      Width = 70
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec10: TAlLabel
      Left = 886
      Top = 4
      Width = 66
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Dátum vyplatenia'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpHlavicka11: TAlShape
      Left = 954
      Top = 0
      Width = 92
      Height = 44
      Brush.Color = clSilver
    end
    object lblStlpec11: TAlLabel
      Left = 956
      Top = 4
      Width = 88
      Height = 38
      Alignment = taCenter
      AutoSize = False
      Caption = 'Poznámka'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object bandZaznam: tAlBand
    Left = 0
    Top = 120
    Width = 1000
    Height = 64
    BandType = alr_Detail
    Color = clWhite
    object shpBunka1: TAlShape
      Left = 0
      Top = 0
      Width = 76
      Height = 64
      Brush.Style = bsClear
    end
    object PorCislo: TAlField
      Left = 4
      Top = 4
      Width = 68
      Height = 58
      Alignment = taCenter
      AutoSize = False
      WordWrap = True
    end
    object shpBunka2: TAlShape
      Left = 76
      Top = 0
      Width = 144
      Height = 64
      Brush.Style = bsClear
    end
    object Ziadatel: TAlField
      Left = 80
      Top = 4
      Width = 136
      Height = 58
      AutoSize = False
      WordWrap = True
    end
    object shpBunka3: TAlShape
      Left = 220
      Top = 0
      Width = 70
      Height = 64
      Brush.Style = bsClear
    end
    object DatumVyziadania: TAlField
      Left = 224
      Top = 4
      Width = 62
      Height = 58
      Alignment = taCenter
      AutoSize = False
      WordWrap = True
    end
    object shpBunka4: TAlShape
      Left = 290
      Top = 0
      Width = 70
      Height = 64
      Brush.Style = bsClear
    end
    object DatumVykonania: TAlField
      Left = 294
      Top = 4
      Width = 62
      Height = 58
      Alignment = taCenter
      AutoSize = False
      WordWrap = True
    end
    object shpBunka5: TAlShape
      Left = 360
      Top = 0
      Width = 196
      Height = 64
      Brush.Style = bsClear
    end
    object UkonTypPredmet: TAlField
      Left = 364
      Top = 4
      Width = 188
      Height = 58
      AutoSize = False
      WordWrap = True
    end
    object shpBunka6: TAlShape
      Left = 556
      Top = 0
      Width = 100
      Height = 64
      Brush.Style = bsClear
    end
    object Odmena_uctovana: TAlField
      Left = 560
      Top = 4
      Width = 92
      Height = 16
      Alignment = taRightJustify
      AutoSize = False
    end
    object Odmena_uctovana_udaje: TAlField
      Left = 560
      Top = 22
      Width = 92
      Height = 40
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpBunka7: TAlShape
      Left = 656
      Top = 0
      Width = 76
      Height = 64
      Brush.Style = bsClear
    end
    object Vydavky: TAlField
      Left = 660
      Top = 4
      Width = 68
      Height = 58
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpBunka8: TAlShape
      Left = 732
      Top = 0
      Width = 76
      Height = 64
      Brush.Style = bsClear
    end
    object Odmena_priznana: TAlField
      Left = 736
      Top = 4
      Width = 68
      Height = 58
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpBunka9: TAlShape
      Left = 808
      Top = 0
      Width = 76
      Height = 64
      Brush.Style = bsClear
    end
    object Vydavky_nahrady: TAlField
      Left = 812
      Top = 4
      Width = 68
      Height = 58
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpBunka10: TAlShape
      Left = 884
      Top = 0
      Width = 70
      Height = 64
      Brush.Style = bsClear
    end
    object Datum_vyplatenia: TAlField
      Left = 888
      Top = 4
      Width = 62
      Height = 58
      Alignment = taCenter
      AutoSize = False
      WordWrap = True
    end
    object shpBunka11: TAlShape
      Left = 954
      Top = 0
      Width = 92
      Height = 64
      Brush.Style = bsClear
    end
    object Poznamka: TAlField
      Left = 958
      Top = 4
      Width = 84
      Height = 58
      AutoSize = False
      WordWrap = True
    end
  end
  object bandPata: tAlBand
    Left = 0
    Top = 300
    Width = 1000
    Height = 28
    BandType = alr_PageFooter
    Color = clWhite
    object lblStrana: TAlLabel
      Left = 940
      Top = 8
      Width = 50
      Height = 16
      Alignment = taRightJustify
      AutoSize = True
      Caption = 'Strana'
    end
    object sysStrana: TAlSysField
      Left = 996
      Top = 8
      Width = 40
      Height = 16
      AutoSize = True
      DataType = alr_PageNum
    end
    object sysZostava: TAlSysField
      Left = 0
      Top = 8
      Width = 200
      Height = 16
      AutoSize = True
      DataType = alr_Formname
    end
  end
end
