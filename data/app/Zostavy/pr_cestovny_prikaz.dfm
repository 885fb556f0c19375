object frmCestovnyPrikaz: TForm
  Caption = 'Cestovný príkaz'
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
    LeftMarginMM = 15
    RightMarginMM = 15
    ReportTitle = 'Cestovný príkaz'
  end
  object bandHlavicka: tAlBand
    Left = 0
    Top = 0
    Width = 1000
    Height = 250
    BandType = alr_Title
    Color = clWhite
    object lblNazov: TAlLabel
      Left = 0
      Top = 10
      Width = 680
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'CESTOVNÝ PRÍKAZ'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -24
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblRiadok1: TAlLabel
      Left = 0
      Top = 60
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Meno a priezvisko:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Meno: TAlField
      Left = 184
      Top = 60
      Width = 496
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblRiadok2: TAlLabel
      Left = 0
      Top = 82
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Bydlisko:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Bydlisko: TAlField
      Left = 184
      Top = 82
      Width = 496
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblRiadok3: TAlLabel
      Left = 0
      Top = 104
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Vozidlo:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Vozidlo: TAlField
      Left = 184
      Top = 104
      Width = 496
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblRiadok4: TAlLabel
      Left = 0
      Top = 126
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Evidenčné číslo vozidla:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object VozidloEC: TAlField
      Left = 184
      Top = 126
      Width = 496
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblRiadok5: TAlLabel
      Left = 0
      Top = 148
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Spolucestujúci:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Spolucestujuci: TAlField
      Left = 184
      Top = 148
      Width = 496
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblUdaj1: TAlLabel
      Left = 0
      Top = 178
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Dĺžka trasy (km):'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object DlzkaTrasy: TAlField
      Left = 184
      Top = 178
      Width = 150
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblUdaj2: TAlLabel
      Left = 344
      Top = 178
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Najazdené km:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object PocetNajazdenychKM: TAlField
      Left = 528
      Top = 178
      Width = 150
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblUdaj3: TAlLabel
      Left = 0
      Top = 200
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Spotreba (l/100 km):'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Spotreba: TAlField
      Left = 184
      Top = 200
      Width = 150
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblUdaj4: TAlLabel
      Left = 344
      Top = 200
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Spotreba podľa TP:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object PriemernaSpotrebaPodlaTP: TAlField
      Left = 528
      Top = 200
      Width = 150
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblUdaj5: TAlLabel
      Left = 0
      Top = 222
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Cena PHM:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object CenaPHM: TAlField
      Left = 184
      Top = 222
      Width = 150
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblUdaj6: TAlLabel
      Left = 344
      Top = 222
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Cena za liter PHM:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object CenaLiterPHM: TAlField
      Left = 528
      Top = 222
      Width = 150
      Height = 18
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblUdaj7: TAlLabel
      Left = 0
      Top = 244
      Width = 180
      Height = 18
      AutoSize = False
      Caption = 'Opotrebenie:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Opotrebenie: TAlField
      Left = 184
      Top = 244
      Width = 150
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
  object bandCestyHlavicka: tAlBand
    Left = 0
    Top = 260
    Width = 1000
    Height = 36
    BandType = alr_Title
    Color = clWhite
    object shpCestyH1: TAlShape
      Left = 0
      Top = 0
      Width = 70
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty1: TAlLabel
      Left = 2
      Top = 3
      Width = 66
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Dátum'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpCestyH2: TAlShape
      Left = 70
      Top = 0
      Width = 96
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty2: TAlLabel
      Left = 72
      Top = 3
      Width = 92
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Začiatok cesty'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpCestyH3: TAlShape
      Left = 166
      Top = 0
      Width = 110
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty3: TAlLabel
      Left = 168
      Top = 3
      Width = 106
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Miesto rokovania'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpCestyH4: TAlShape
      Left = 276
      Top = 0
      Width = 120
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty4: TAlLabel
      Left = 278
      Top = 3
      Width = 116
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Účel cesty'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpCestyH5: TAlShape
      Left = 396
      Top = 0
      Width = 96
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty5: TAlLabel
      Left = 398
      Top = 3
      Width = 92
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Koniec cesty'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpCestyH6: TAlShape
      Left = 492
      Top = 0
      Width = 62
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty6: TAlLabel
      Left = 494
      Top = 3
      Width = 58
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Stravné'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpCestyH7: TAlShape
      Left = 554
      Top = 0
      Width = 62
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty7: TAlLabel
      Left = 556
      Top = 3
      Width = 58
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Nocľažné'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object shpCestyH8: TAlShape
      Left = 616
      Top = 0
      Width = 64
      Height = 36
      Brush.Color = clSilver
    end
    object lblCesty8: TAlLabel
      Left = 618
      Top = 3
      Width = 60
      Height = 32
      Alignment = taCenter
      AutoSize = False
      Caption = 'Vedľajšie výdavky'
      WordWrap = True
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object bandCesty: tAlBand
    Left = 0
    Top = 300
    Width = 1000
    Height = 160
    BandType = alr_Title
    Color = clWhite
    object shpCesta1_1: TAlShape
      Left = 0
      Top = 0
      Width = 70
      Height = 40
      Brush.Style = bsClear
    end
    object Datum1: TAlField
      Left = 3
      Top = 3
      Width = 64
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta1_2: TAlShape
      Left = 70
      Top = 0
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Zaciatok1: TAlField
      Left = 73
      Top = 3
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta1_3: TAlShape
      Left = 166
      Top = 0
      Width = 110
      Height = 40
      Brush.Style = bsClear
    end
    object Miesto1: TAlField
      Left = 169
      Top = 3
      Width = 104
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta1_4: TAlShape
      Left = 276
      Top = 0
      Width = 120
      Height = 40
      Brush.Style = bsClear
    end
    object Ucel1: TAlField
      Left = 279
      Top = 3
      Width = 114
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta1_5: TAlShape
      Left = 396
      Top = 0
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Koniec1: TAlField
      Left = 399
      Top = 3
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta1_6: TAlShape
      Left = 492
      Top = 0
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Stravne1: TAlField
      Left = 495
      Top = 3
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta1_7: TAlShape
      Left = 554
      Top = 0
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Noclazne1: TAlField
      Left = 557
      Top = 3
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta1_8: TAlShape
      Left = 616
      Top = 0
      Width = 64
      Height = 40
      Brush.Style = bsClear
    end
    object Vedlajsie1: TAlField
      Left = 619
      Top = 3
      Width = 58
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_1: TAlShape
      Left = 0
      Top = 40
      Width = 70
      Height = 40
      Brush.Style = bsClear
    end
    object Datum2: TAlField
      Left = 3
      Top = 43
      Width = 64
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_2: TAlShape
      Left = 70
      Top = 40
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Zaciatok2: TAlField
      Left = 73
      Top = 43
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_3: TAlShape
      Left = 166
      Top = 40
      Width = 110
      Height = 40
      Brush.Style = bsClear
    end
    object Miesto2: TAlField
      Left = 169
      Top = 43
      Width = 104
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_4: TAlShape
      Left = 276
      Top = 40
      Width = 120
      Height = 40
      Brush.Style = bsClear
    end
    object Ucel2: TAlField
      Left = 279
      Top = 43
      Width = 114
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_5: TAlShape
      Left = 396
      Top = 40
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Koniec2: TAlField
      Left = 399
      Top = 43
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_6: TAlShape
      Left = 492
      Top = 40
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Stravne2: TAlField
      Left = 495
      Top = 43
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_7: TAlShape
      Left = 554
      Top = 40
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Noclazne2: TAlField
      Left = 557
      Top = 43
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta2_8: TAlShape
      Left = 616
      Top = 40
      Width = 64
      Height = 40
      Brush.Style = bsClear
    end
    object Vedlajsie2: TAlField
      Left = 619
      Top = 43
      Width = 58
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_1: TAlShape
      Left = 0
      Top = 80
      Width = 70
      Height = 40
      Brush.Style = bsClear
    end
    object Datum3: TAlField
      Left = 3
      Top = 83
      Width = 64
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_2: TAlShape
      Left = 70
      Top = 80
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Zaciatok3: TAlField
      Left = 73
      Top = 83
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_3: TAlShape
      Left = 166
      Top = 80
      Width = 110
      Height = 40
      Brush.Style = bsClear
    end
    object Miesto3: TAlField
      Left = 169
      Top = 83
      Width = 104
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_4: TAlShape
      Left = 276
      Top = 80
      Width = 120
      Height = 40
      Brush.Style = bsClear
    end
    object Ucel3: TAlField
      Left = 279
      Top = 83
      Width = 114
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_5: TAlShape
      Left = 396
      Top = 80
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Koniec3: TAlField
      Left = 399
      Top = 83
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_6: TAlShape
      Left = 492
      Top = 80
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Stravne3: TAlField
      Left = 495
      Top = 83
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_7: TAlShape
      Left = 554
      Top = 80
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Noclazne3: TAlField
      Left = 557
      Top = 83
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta3_8: TAlShape
      Left = 616
      Top = 80
      Width = 64
      Height = 40
      Brush.Style = bsClear
    end
    object Vedlajsie3: TAlField
      Left = 619
      Top = 83
      Width = 58
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_1: TAlShape
      Left = 0
      Top = 120
      Width = 70
      Height = 40
      Brush.Style = bsClear
    end
    object Datum4: TAlField
      Left = 3
      Top = 123
      Width = 64
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_2: TAlShape
      Left = 70
      Top = 120
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Zaciatok4: TAlField
      Left = 73
      Top = 123
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_3: TAlShape
      Left = 166
      Top = 120
      Width = 110
      Height = 40
      Brush.Style = bsClear
    end
    object Miesto4: TAlField
      Left = 169
      Top = 123
      Width = 104
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_4: TAlShape
      Left = 276
      Top = 120
      Width = 120
      Height = 40
      Brush.Style = bsClear
    end
    object Ucel4: TAlField
      Left = 279
      Top = 123
      Width = 114
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_5: TAlShape
      Left = 396
      Top = 120
      Width = 96
      Height = 40
      Brush.Style = bsClear
    end
    object Koniec4: TAlField
      Left = 399
      Top = 123
      Width = 90
      Height = 34
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_6: TAlShape
      Left = 492
      Top = 120
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Stravne4: TAlField
      Left = 495
      Top = 123
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_7: TAlShape
      Left = 554
      Top = 120
      Width = 62
      Height = 40
      Brush.Style = bsClear
    end
    object Noclazne4: TAlField
      Left = 557
      Top = 123
      Width = 56
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
    object shpCesta4_8: TAlShape
      Left = 616
      Top = 120
      Width = 64
      Height = 40
      Brush.Style = bsClear
    end
    object Vedlajsie4: TAlField
      Left = 619
      Top = 123
      Width = 58
      Height = 34
      Alignment = taRightJustify
      AutoSize = False
      WordWrap = True
    end
  end
  object bandSucty: tAlBand
    Left = 0
    Top = 480
    Width = 1000
    Height = 200
    BandType = alr_Title
    Color = clWhite
    object lblSucet1: TAlLabel
      Left = 380
      Top = 14
      Width = 160
      Height = 18
      AutoSize = False
      Caption = 'PHM celkom:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object PHM_celkom: TAlField
      Left = 544
      Top = 14
      Width = 136
      Height = 18
      Alignment = taRightJustify
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblSucet2: TAlLabel
      Left = 380
      Top = 36
      Width = 160
      Height = 18
      AutoSize = False
      Caption = 'Cestovné:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Cestovne: TAlField
      Left = 544
      Top = 36
      Width = 136
      Height = 18
      Alignment = taRightJustify
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblSucet3: TAlLabel
      Left = 380
      Top = 58
      Width = 160
      Height = 18
      AutoSize = False
      Caption = 'Stravné:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Stravne: TAlField
      Left = 544
      Top = 58
      Width = 136
      Height = 18
      Alignment = taRightJustify
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblSucet4: TAlLabel
      Left = 380
      Top = 80
      Width = 160
      Height = 18
      AutoSize = False
      Caption = 'Ostatné náklady:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object OstatneNaklady: TAlField
      Left = 544
      Top = 80
      Width = 136
      Height = 18
      Alignment = taRightJustify
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblSucet5: TAlLabel
      Left = 380
      Top = 102
      Width = 160
      Height = 18
      AutoSize = False
      Caption = 'Náklady spolu:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object SpoluNaklady: TAlField
      Left = 544
      Top = 102
      Width = 136
      Height = 18
      Alignment = taRightJustify
      AutoSize = False
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblVyuctovane: TAlLabel
      Left = 0
      Top = 144
      Width = 160
      Height = 18
      AutoSize = False
      Caption = 'Vyúčtované dňa:'
      Font.Charset = EASTEUROPE_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object VyuctovaneDna: TAlField
      Left = 164
      Top = 144
      Width = 200
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
end
