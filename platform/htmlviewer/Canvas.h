#pragma once
// What layout and painting need of a drawing surface: measuring text and
// drawing a few typed primitives. The window's painter implements it with
// GDI; tests and the fuzzer implement it with arithmetic. No Windows headers.
#include <cstdint>
#include <string>
#include <string_view>

namespace html {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const Rect&) const = default;
};

// 0x00BBGGRR, as GDI takes it.
using Color = std::uint32_t;

struct FontSpec {
  std::string face;
  int pixelHeight = 16; // character height (em size) in pixels
  bool bold = false, italic = false, underline = false;
  bool operator==(const FontSpec&) const = default;
};

struct FontMetrics {
  int ascent = 0, descent = 0;
  int Height() const { return ascent + descent; }
};

struct ImageSize {
  int width = 0, height = 0;
  bool valid = false;
};

class TextMeasurer {
public:
  virtual ~TextMeasurer() = default;
  virtual FontMetrics Metrics(const FontSpec& font) = 0;
  virtual int TextWidth(const FontSpec& font, std::u16string_view text) = 0;
  // The natural size of a picture named by its path as the page gives it.
  virtual ImageSize PictureSize(const std::string& src) = 0;
};

class Canvas : public TextMeasurer {
public:
  virtual void FillRect(const Rect& r, Color color) = 0;
  // Text with its baseline at y.
  virtual void DrawText(int x, int baseline, std::u16string_view text, const FontSpec& font,
                        Color color) = 0;
  // A one-pixel line from (x1, y1) to (x2, y2), the end point excluded.
  virtual void DrawLine(int x1, int y1, int x2, int y2, Color color) = 0;
  // A raised (or sunken) 3-D frame of the given width inside r, as table
  // borders and rules are drawn.
  virtual void DrawFrame(const Rect& r, int width, bool sunken) = 0;
  // The picture scaled into r.
  virtual void DrawPicture(const std::string& src, const Rect& r) = 0;
};

} // namespace html
