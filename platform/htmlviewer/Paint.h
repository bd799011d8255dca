#pragma once
// Draws a laid-out page through the canvas: background, then the items in
// layout order, the selected text highlighted.
#include "DisplayList.h"

namespace html {

void PaintLayout(const LayoutResult& layout, Canvas& canvas, int scrollY, const Rect& clip,
                 int selectionStart, int selectionEnd);

} // namespace html
