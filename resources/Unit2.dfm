object Hlaska: THlaska
  Left = 443
  Top = 427
  BorderStyle = bsToolWindow
  Caption = 'Info'
  ClientHeight = 186
  ClientWidth = 323
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  Scaled = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Viewer: THTMLViewer
    Left = 0
    Top = 0
    Width = 323
    Height = 186
    Align = alClient
    TabOrder = 0
    BorderStyle = htNone
    HistoryMaxCount = 0
    DefFontName = 'Times New Roman'
    DefPreFontName = 'Courier New'
    NoSelect = False
    ScrollBars = ssNone
    CharSet = DEFAULT_CHARSET
    PrintMarginLeft = 2
    PrintMarginRight = 2
    PrintMarginTop = 2
    PrintMarginBottom = 2
    OnHotSpotClick = ViewerHotSpotClick
  end
end
