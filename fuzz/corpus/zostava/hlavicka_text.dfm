object frmZnalecKevrotHlavicka: TForm
  Caption = 'Znalecký kevrot - titulná strana'
  PixelsPerInch = 96
  Font.Charset = EASTEUROPE_CHARSET
  Font.Color = clBlack
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  ParentFont = False
  object alReport: TAlReport
    Orientation = poPortrait
    Papersize = alr_A4
    LeftMarginMM = 20
    RightMarginMM = 20
    ReportTitle = 'Znalecký kevrot - titulná strana'
  end
  object bandTitul: tAlBand
    Left = 0
    Top = 0
    Width = 1000
    Height = 420
    BandType = alr_Title
    Color = clWhite
    object lblNazov: TAlLabel
      Left = 0
      Top = 120
      Width = 642
      Height = 40
      Alignment = taCenter
      AutoSize = False
      Caption = 'ZNALECKÝ KEVROT'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -32
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblCislo: TAlLabel
      Left = 220
      Top = 180
      Width = 100
      Height = 24
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'číslo'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object CisloRok: TAlField
      Left = 330
      Top = 180
      Width = 100
      Height = 24
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblMeno: TAlLabel
      Left = 0
      Top = 260
      Width = 642
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Caption = 'Meno a priezvisko znalca:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -15
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Meno: TAlField
      Left = 0
      Top = 286
      Width = 642
      Height = 26
      Alignment = taCenter
      AutoSize = False
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblEC: TAlLabel
      Left = 0
      Top = 346
      Width = 642
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Caption = 'Evidenčné číslo:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -15
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object shpEC1: TAlShape
      Left = 230
      Top = 372
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object ec1: TAlField
      Left = 232
      Top = 378
      Width = 26
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpEC2: TAlShape
      Left = 260
      Top = 372
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object ec2: TAlField
      Left = 262
      Top = 378
      Width = 26
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpEC3: TAlShape
      Left = 290
      Top = 372
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object ec3: TAlField
      Left = 292
      Top = 378
      Width = 26
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpEC4: TAlShape
      Left = 320
      Top = 372
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object ec4: TAlField
      Left = 322
      Top = 378
      Width = 26
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpEC5: TAlShape
      Left = 350
      Top = 372
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object ec5: TAlField
      Left = 352
      Top = 378
      Width = 26
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpEC6: TAlShape
      Left = 380
      Top = 372
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object ec6: TAlField
      Left = 382
      Top = 378
      Width = 26
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object bandOdboryHlavicka: tAlBand
    Left = 0
    Top = 430
    Width = 1000
    Height = 40
    BandType = alr_DetailHeader
    Color = clWhite
    object lblOdbory: TAlLabel
      Left = 0
      Top = 8
      Width = 642
      Height = 20
      AutoSize = False
      Caption = 'Zapísané odbory a odvetvia:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -15
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object bandOdbor: tAlBand
    Left = 0
    Top = 480
    Width = 1000
    Height = 34
    BandType = alr_Detail
    Color = clWhite
    object Typ: TAlField
      Left = 0
      Top = 8
      Width = 70
      Height = 20
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object TypName: TAlField
      Left = 74
      Top = 8
      Width = 380
      Height = 24
      AutoSize = False
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object shpKod1: TAlShape
      Left = 462
      Top = 2
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object c1: TAlField
      Left = 464
      Top = 8
      Width = 26
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object shpKod2: TAlShape
      Left = 492
      Top = 2
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object c2: TAlField
      Left = 494
      Top = 8
      Width = 26
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object shpKod3: TAlShape
      Left = 522
      Top = 2
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object c3: TAlField
      Left = 524
      Top = 8
      Width = 26
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object shpKod4: TAlShape
      Left = 552
      Top = 2
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object c4: TAlField
      Left = 554
      Top = 8
      Width = 26
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object shpKod5: TAlShape
      Left = 582
      Top = 2
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object c5: TAlField
      Left = 584
      Top = 8
      Width = 26
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object shpKod6: TAlShape
      Left = 612
      Top = 2
      Width = 30
      Height = 30
      Brush.Style = bsClear
    end
    object c6: TAlField
      Left = 614
      Top = 8
      Width = 26
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
  end
end
