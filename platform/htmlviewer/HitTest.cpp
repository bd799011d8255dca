#include "HitTest.h"
#include "Ascii.h"
#include <algorithm>
#include <climits>

namespace html {

std::optional<std::string> LinkAtPoint(const LayoutResult& layout, int x, int y) {
  for (auto it = layout.linkAreas.rbegin(); it != layout.linkAreas.rend(); ++it)
    if (it->rect.Contains(x, y))
      return layout.links[size_t(it->link)];
  return std::nullopt;
}

std::optional<int> AnchorY(const LayoutResult& layout, const std::string& name) {
  for (const AnchorMark& a : layout.anchors)
    if (a.name == name)
      return a.y;
  // Pages of the time were careless with letter case.
  for (const AnchorMark& a : layout.anchors)
    if (EqualsNoCase(a.name, name))
      return a.y;
  return std::nullopt;
}

int TextOffsetAt(const LayoutResult& layout, int x, int y) {
  const Item* best = nullptr;
  long long bestDy = LLONG_MAX, bestDx = LLONG_MAX;
  for (const Item& item : layout.items) {
    if (item.kind != Item::Kind::Text || item.offset < 0)
      continue;
    const Rect& r = item.rect;
    long long dy = y < r.top ? r.top - y : y >= r.bottom ? y - r.bottom + 1 : 0;
    long long dx = x < r.left ? r.left - x : x >= r.right ? x - r.right + 1 : 0;
    if (dy < bestDy || (dy == bestDy && dx < bestDx)) {
      best = &item;
      bestDy = dy;
      bestDx = dx;
    }
  }
  if (!best)
    return 0;
  // Below the last line is the end of the text; above the first, its start.
  if (bestDy > 0 && y >= best->rect.bottom && best->offset + best->length == layout.textLength)
    return layout.textLength;
  int i = 0;
  while (i < best->length && x > (layout.X(*best, i) + layout.X(*best, i + 1)) / 2)
    ++i;
  return best->offset + i;
}

std::u16string TextBetween(const LayoutResult& layout, int from, int to) {
  if (from > to)
    std::swap(from, to);
  std::u16string s;
  const Item* last = nullptr;
  for (const Item& item : layout.items) {
    if (item.kind != Item::Kind::Text || item.offset < 0)
      continue;
    int a = std::max(from, item.offset), b = std::min(to, item.offset + item.length);
    if (a >= b)
      continue;
    if (last && item.rect.top >= last->rect.bottom)
      s += u"\r\n";
    s += layout.Text(item).substr(size_t(a - item.offset), size_t(b - a));
    last = &item;
  }
  return s;
}

} // namespace html
