#include "DisplayList.h"

namespace html {

void LayoutResult::Translate(Mark from, Mark to, int dx, int dy) {
  auto move = [dx, dy](Rect& r) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  };
  for (size_t i = from.items; i < to.items; ++i) {
    move(items[i].rect);
    items[i].baseline += dy;
  }
  for (size_t i = from.links; i < to.links; ++i)
    move(linkAreas[i].rect);
  for (size_t i = from.anchors; i < to.anchors; ++i)
    anchors[i].y += dy;
}

} // namespace html
