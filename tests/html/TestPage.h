#pragma once
// A page parsed from Latin-1 text, laid out and painted into a fake canvas.
#include "FakeCanvas.h"
#include "Page.h"

namespace html::test {

struct Laid {
  FakeCanvas canvas;
  Page page;
  int width;

  explicit Laid(std::string_view source, int w = 400, const PageSettings& settings = {},
                const std::set<std::string>& visited = {},
                std::map<std::string, ImageSize> pictures = {})
      : width(w) {
    canvas.pictures = std::move(pictures);
    page = Page::Parse(source, 1252, {});
    page.Layout(width, canvas, settings, visited);
    page.Paint(canvas, 0, {0, 0, width, page.Height()}, {}, {});
  }
  const std::vector<DrawnText>& Texts() const { return canvas.texts; }
  const DrawnText& Text(const std::string& text) const {
    for (const DrawnText& t : canvas.texts)
      if (t.text == text)
        return t;
    static DrawnText none{"<none>", -1, -1, {}, 0};
    return none;
  }
  int Count(std::string_view prefix) const {
    int n = 0;
    for (const std::string& c : canvas.calls)
      n += c.starts_with(prefix);
    return n;
  }
};

} // namespace html::test
