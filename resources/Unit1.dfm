object Uvod: TUvod
  Left = 305
  Top = 164
  BorderStyle = bsNone
  Caption = 'Uvod'
  ClientHeight = 449
  ClientWidth = 635
  Color = clBlack
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Scaled = False
  WindowState = wsMaximized
  OnActivate = FormActivate
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Image1: TImage
    Left = 112
    Top = 72
    Width = 400
    Height = 269
    AutoSize = True
    Picture.Data = {file intro.bmp}
  end
end
