#include "Paint.h"
#include <algorithm>

namespace html {
namespace {

bool Meets(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void PaintText(const LayoutResult& layout, Canvas& canvas, const Item& item, int dy, int selStart,
               int selEnd) {
  const FontSpec& font = layout.fonts[size_t(item.font)];
  int baseline = item.baseline - dy;
  std::u16string_view text = layout.Text(item);
  int n = int(text.size());
  int from = 0, to = 0;
  if (item.offset >= 0) {
    from = std::clamp(selStart - item.offset, 0, n);
    to = std::clamp(selEnd - item.offset, 0, n);
  }
  if (from >= to) {
    canvas.DrawText(item.rect.left, baseline, text, font, item.color);
    return;
  }
  auto x = [&](int i) { return layout.X(item, i); };
  if (from > 0)
    canvas.DrawText(x(0), baseline, text.substr(0, size_t(from)), font, item.color);
  canvas.FillRect({x(from), item.rect.top - dy, x(to), item.rect.bottom - dy}, layout.highlight);
  canvas.DrawText(x(from), baseline, text.substr(size_t(from), size_t(to - from)), font,
                  layout.highlightText);
  if (to < n)
    canvas.DrawText(x(to), baseline, text.substr(size_t(to)), font, item.color);
}

} // namespace

void PaintLayout(const LayoutResult& layout, Canvas& canvas, int scrollY, const Rect& clip,
                 int selStart, int selEnd) {
  if (selStart > selEnd)
    std::swap(selStart, selEnd);
  canvas.FillRect(clip, layout.background);
  if (!layout.backgroundImage.empty()) {
    // Tiles from the document's origin, scrolling with the page.
    int w = layout.backgroundSize.width, h = layout.backgroundSize.height;
    int firstRow = (clip.top + scrollY) / h - (clip.top + scrollY < 0 ? 1 : 0);
    for (int row = firstRow; row * h - scrollY < clip.bottom; ++row)
      for (int col = std::max(0, clip.left / w); col * w < clip.right; ++col)
        canvas.DrawPicture(layout.backgroundImage,
                           {col * w, row * h - scrollY, (col + 1) * w, (row + 1) * h - scrollY});
  }
  for (const Item& item : layout.items) {
    Rect r{item.rect.left, item.rect.top - scrollY, item.rect.right, item.rect.bottom - scrollY};
    Rect extent = r;
    if (item.kind == Item::Kind::Line) {
      extent = {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right) + 1,
                std::max(r.top, r.bottom) + 1};
    }
    if (!Meets(extent, clip))
      continue;
    switch (item.kind) {
    case Item::Kind::None:
      break;
    case Item::Kind::Fill:
      canvas.FillRect(r, item.color);
      break;
    case Item::Kind::Text:
      PaintText(layout, canvas, item, scrollY, selStart, selEnd);
      break;
    case Item::Kind::Line:
      canvas.DrawLine(r.left, r.top, r.right, r.bottom, item.color);
      break;
    case Item::Kind::Frame:
      canvas.DrawFrame(r, item.frameWidth, item.sunken);
      break;
    case Item::Kind::Picture:
      canvas.DrawPicture(layout.sources[size_t(item.chars)], r);
      break;
    }
  }
}

} // namespace html
