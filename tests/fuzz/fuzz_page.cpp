// Any bytes as a page: parsed, laid out at a width the input chooses,
// painted with and without selection, and asked about points.
#include "Page.h"
#include <cstdint>

namespace {

// Widths and heights that vary with the character and the font, so that
// breaking and alignment see uneven text; some pictures exist, some do not.
class FuzzCanvas : public html::Canvas {
public:
  html::FontMetrics Metrics(const html::FontSpec& f) override {
    return {f.pixelHeight * 3 / 4 + f.bold, f.pixelHeight / 4 + f.italic};
  }
  int TextWidth(const html::FontSpec& f, std::u16string_view text) override {
    int w = 0;
    for (char16_t c : text)
      w += f.pixelHeight / 3 + c % 7;
    return w;
  }
  html::ImageSize PictureSize(const std::string& src) override {
    unsigned h = 0;
    for (char c : src)
      h = h * 31 + static_cast<unsigned char>(c);
    if (h % 3 == 0)
      return {};
    return {int(h % 300), int(h / 300 % 200), true};
  }
  void FillRect(const html::Rect& r, html::Color) override { Use(r); }
  void DrawText(int x, int baseline, std::u16string_view text, const html::FontSpec& f,
                html::Color) override {
    sink_ += x + baseline + int(text.size()) + f.pixelHeight;
  }
  void DrawLine(int x1, int y1, int x2, int y2, html::Color) override {
    sink_ += x1 + y1 + x2 + y2;
  }
  void DrawFrame(const html::Rect& r, int width, bool) override { Use(r), sink_ += width; }
  void DrawPicture(const std::string& src, const html::Rect& r) override {
    Use(r);
    sink_ += int(src.size());
  }

private:
  void Use(const html::Rect& r) { sink_ += r.left + r.top + r.right + r.bottom; }
  unsigned sink_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  int width = size > 0 ? 1 + data[0] * 4 : 323;
  html::PageSettings settings;
  if (size > 1) {
    settings.viewImages = data[1] & 1;
    settings.underlineLinks = data[1] & 2;
    settings.fontPoints = 6 + data[1] % 16;
  }
  html::Decoder decode = [](std::string_view b, int cp) { return html::DecodeLatin1(b, cp); };
  html::Page page = html::Page::Parse(bytes, 1250, size % 2 ? decode : html::Decoder());
  FuzzCanvas canvas;
  std::set<std::string> visited{"a.htm", "#top"};
  page.Layout(width, canvas, settings, visited);
  int height = page.Height();
  page.Paint(canvas, 0, {0, 0, width, height}, {3}, {size > 2 ? int(data[2]) : 0});
  page.Paint(canvas, height / 2, {0, 10, width, 200}, {}, {});
  for (int i = 0; i < 8; ++i) {
    int x = (i * 37) % (width + 20) - 10, y = (i * 53 * (height + 1) / 8) - 10;
    (void)page.LinkAt(x, y);
    html::TextPosition a = page.PositionAt(x, y), b = page.PositionAt(y, x);
    (void)page.HasText(a, b);
    (void)page.SelectedText(a, b);
  }
  (void)page.AnchorTop("top");
  (void)page.Title();
  // Laying out again at another width starts afresh.
  page.Layout(width / 3 + 1, canvas, settings, {});
  page.Paint(canvas, 0, {0, 0, width, page.Height()}, {}, {});
  return 0;
}
