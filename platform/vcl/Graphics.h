#pragma once
// Colours, fonts and pictures.
#include "Classes.h"
#include <windows.h>
#include <string>

// 0x00BBGGRR, or 0xFF0000nn for the system colour nn.
using TColor = unsigned int;
constexpr TColor clSystemColor = 0xFF000000u;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clNavy = 0x800000,
                 clPurple = 0x800080, clGray = 0x808080, clRed = 0x0000FF, clBlue = 0xFF0000,
                 clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE,
                 clBtnText = clSystemColor | COLOR_BTNTEXT, clWindow = clSystemColor | COLOR_WINDOW,
                 clWindowText = clSystemColor | COLOR_WINDOWTEXT;

COLORREF ColorToRGB(TColor color);
// A colour's identifier ("clBlack") or number; throws EReadError.
TColor ReadColor(const FormProperty& p);

class TFont : public TPersistent {
public:
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TColor Color = clWindowText;
  int Charset = DEFAULT_CHARSET;
  bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
  // Reads "Name", "Height", "Color", "Charset", "Style" (the part after "Font.").
  void ReadProperty(const std::string& name, const FormProperty& p);
};

// A device-independent bitmap held as the bytes of a .bmp file.
class TPicture : public TPersistent {
public:
  // Takes the bytes of a Windows bitmap file; throws EReadError when they are
  // not one.
  void LoadFromBitmapFile(std::string data);
  bool Empty() const { return data_.empty(); }
  int Width() const;
  int Height() const;
  // Draws the picture unscaled with its top-left corner at x, y.
  void Draw(HDC dc, int x, int y) const;

private:
  const BITMAPINFO* Info() const;
  std::string data_;
  std::size_t bitsOffset_ = 0;
};
