#pragma once
// Questions about points and text of a laid-out page, in document
// coordinates: the link under the mouse, where an anchor is, which place in
// the text a drag reaches.
#include "DisplayList.h"
#include <optional>

namespace html {

std::optional<std::string> LinkAtPoint(const LayoutResult& layout, int x, int y);
std::optional<int> AnchorY(const LayoutResult& layout, const std::string& name);
// The character boundary nearest to the point: on the line under it (or the
// nearest line), at the nearest text on that line.
int TextOffsetAt(const LayoutResult& layout, int x, int y);
std::u16string TextBetween(const LayoutResult& layout, int from, int to);

} // namespace html
