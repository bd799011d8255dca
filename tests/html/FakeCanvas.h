#pragma once
// A canvas of arithmetic for the layout tests: every character is half the
// font's height wide (8 pixels at the default 16), ascent three quarters,
// descent a quarter; pictures have the sizes the test registers. Drawing is
// recorded as text lines, so two pages can be compared call by call.
#include "Canvas.h"
#include <map>
#include <string>
#include <vector>

namespace html::test {

std::string Utf8(std::u16string_view s);
// Source text as a test's name shows it: quoted, control and non-ASCII
// characters escaped.
std::string Quoted(std::string_view s);

struct DrawnText {
  std::string text; // UTF-8
  int x, baseline;
  FontSpec font;
  Color color;
};

class FakeCanvas : public Canvas {
public:
  std::map<std::string, ImageSize> pictures;
  std::vector<std::string> calls;
  std::vector<DrawnText> texts;

  FontMetrics Metrics(const FontSpec& f) override {
    return {f.pixelHeight * 3 / 4, f.pixelHeight / 4};
  }
  int TextWidth(const FontSpec& f, std::u16string_view text) override {
    return int(text.size()) * (f.pixelHeight / 2);
  }
  ImageSize PictureSize(const std::string& src) override {
    auto it = pictures.find(src);
    return it == pictures.end() ? ImageSize{} : it->second;
  }
  void FillRect(const Rect& r, Color c) override {
    calls.push_back("fill " + Box(r) + " " + Hex(c));
  }
  void DrawText(int x, int baseline, std::u16string_view text, const FontSpec& f, Color c) override;
  void DrawLine(int x1, int y1, int x2, int y2, Color c) override;
  void DrawFrame(const Rect& r, int width, bool sunken) override {
    calls.push_back("frame " + Box(r) + " " + std::to_string(width) +
                    (sunken ? " sunken" : " raised"));
  }
  void DrawPicture(const std::string& src, const Rect& r) override {
    calls.push_back("picture " + src + " " + Box(r));
  }

  // The drawn texts in order, and joined by lines (texts on one baseline).
  std::vector<std::string> Texts() const;
  std::vector<std::string> Lines() const;

  static std::string Box(const Rect& r);
  static std::string Hex(Color c);
};

} // namespace html::test
