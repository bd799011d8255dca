#include "Graphics.h"
#include "FormDescription.h"
#include "SysUtils.h"
#include <cstring>

COLORREF ColorToRGB(TColor color) {
  if ((color & 0xFF000000u) == clSystemColor)
    return ::GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

TColor ReadColor(const FormProperty& p) {
  static const struct {
    const char* name;
    TColor color;
  } names[] = {{"clBlack", clBlack},
               {"clMaroon", clMaroon},
               {"clGreen", clGreen},
               {"clNavy", clNavy},
               {"clPurple", clPurple},
               {"clGray", clGray},
               {"clRed", clRed},
               {"clBlue", clBlue},
               {"clWhite", clWhite},
               {"clBtnFace", clBtnFace},
               {"clBtnText", clBtnText},
               {"clWindow", clWindow},
               {"clWindowText", clWindowText}};
  if (p.value.kind == FormValue::Kind::Integer)
    return static_cast<TColor>(p.value.integer);
  for (const auto& n : names)
    if (AsIdent(p) == n.name)
      return n.color;
  throw EReadError("Invalid property value of " + p.name + ": " + p.value.text);
}

void TFont::ReadProperty(const std::string& name, const FormProperty& p) {
  if (name == "Name") {
    Name = AsString(p);
  } else if (name == "Height") {
    Height = static_cast<int>(AsInteger(p));
  } else if (name == "Color") {
    Color = ReadColor(p);
  } else if (name == "Charset") {
    if (p.value.kind == FormValue::Kind::Integer)
      Charset = static_cast<int>(p.value.integer);
    else if (AsIdent(p) == "DEFAULT_CHARSET")
      Charset = DEFAULT_CHARSET;
    else if (p.value.text == "ANSI_CHARSET")
      Charset = ANSI_CHARSET;
    else if (p.value.text == "EASTEUROPE_CHARSET")
      Charset = EASTEUROPE_CHARSET;
    else
      throw EReadError("Invalid property value of " + p.name + ": " + p.value.text);
  } else if (name == "Style") {
    if (p.value.kind != FormValue::Kind::Set)
      throw EReadError("Invalid property value of " + p.name + ": set expected");
    for (const auto& s : p.value.set) {
      if (s == "fsBold")
        Bold = true;
      else if (s == "fsItalic")
        Italic = true;
      else if (s == "fsUnderline")
        Underline = true;
      else if (s == "fsStrikeOut")
        StrikeOut = true;
      else
        throw EReadError("Invalid property value of " + p.name + ": " + s);
    }
  } else {
    throw EReadError("Property " + p.name + " does not exist");
  }
}

void TPicture::LoadFromBitmapFile(std::string data) {
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  if (data.size() < sizeof file + sizeof info)
    throw EReadError("Bitmap image is not valid");
  std::memcpy(&file, data.data(), sizeof file);
  std::memcpy(&info, data.data() + sizeof file, sizeof info);
  const unsigned bits = info.biBitCount;
  long long stride = ((static_cast<long long>(info.biWidth) * bits + 31) / 32) * 4;
  long long rows = info.biHeight < 0 ? -static_cast<long long>(info.biHeight) : info.biHeight;
  // Drawing reads the whole info header and colour table: both must lie
  // before the pixels.
  long long colours = info.biClrUsed;
  if (bits <= 8 && (colours == 0 || colours > (1LL << bits)))
    colours = 1LL << bits;
  const long long headers = sizeof file + static_cast<long long>(info.biSize) + colours * 4;
  if (file.bfType != 0x4D42 || info.biSize < sizeof info || info.biWidth <= 0 || rows == 0 ||
      info.biCompression != BI_RGB ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) ||
      headers > file.bfOffBits || file.bfOffBits >= data.size() ||
      stride * rows > static_cast<long long>(data.size() - file.bfOffBits))
    throw EReadError("Bitmap image is not valid");
  // Kept without the file header, so that the info header is aligned.
  data_ = data.substr(sizeof file);
  bitsOffset_ = file.bfOffBits - sizeof file;
}

const BITMAPINFO* TPicture::Info() const {
  return reinterpret_cast<const BITMAPINFO*>(data_.data());
}

int TPicture::Width() const {
  return Empty() ? 0 : Info()->bmiHeader.biWidth;
}

int TPicture::Height() const {
  if (Empty())
    return 0;
  int h = Info()->bmiHeader.biHeight;
  return h < 0 ? -h : h;
}

void TPicture::Draw(HDC dc, int x, int y) const {
  if (Empty())
    return;
  ::SetDIBitsToDevice(dc, x, y, Width(), Height(), 0, 0, 0, Height(), data_.data() + bitsOffset_,
                      Info(), DIB_RGB_COLORS);
}
