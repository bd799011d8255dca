#pragma once
// What layout produces and painting and hit-testing read: drawing items in
// document coordinates, link areas, anchors and the page's text in reading
// order. Items are plain values; their characters, character positions and
// picture names live in shared buffers.
#include "Canvas.h"
#include <string>
#include <vector>

namespace html {

struct Item {
  enum class Kind : std::uint8_t { None, Fill, Text, Line, Frame, Picture };
  Kind kind = Kind::None;
  bool sunken = false; // Frame
  Rect rect;           // Line: from (left, top) to (right, bottom); Text: across its line
  Color color = 0;
  int font = 0, baseline = 0; // Text
  int frameWidth = 0;         // Frame
  int offset = -1;            // Text: its first character in the page's text; -1 for list numbers
  int chars = 0, length = 0;  // Text: in LayoutResult::chars; Picture: index of its source
  int xs = 0;                 // Text: its length + 1 character boundaries in LayoutResult::xs
};

struct LinkArea {
  Rect rect;
  int link = 0; // index into LayoutResult::links
};

struct AnchorMark {
  std::string name;
  int y = 0;
};

struct LayoutResult {
  std::vector<FontSpec> fonts;
  std::vector<Item> items;
  std::u16string chars;
  std::vector<int> xs; // relative to the item's left
  std::vector<std::string> sources;
  std::vector<LinkArea> linkAreas;
  std::vector<std::string> links;
  std::vector<AnchorMark> anchors;
  int width = 0, height = 0, textLength = 0;
  Color background = 0, highlight = 0, highlightText = 0;
  std::string backgroundImage;
  ImageSize backgroundSize;

  std::u16string_view Text(const Item& item) const {
    return std::u16string_view(chars).substr(size_t(item.chars), size_t(item.length));
  }
  int X(const Item& item, int i) const { return item.rect.left + xs[size_t(item.xs + i)]; }

  struct Mark {
    size_t items, links, anchors;
  };
  Mark Here() const { return {items.size(), linkAreas.size(), anchors.size()}; }
  // Moves what was produced between the two marks.
  void Translate(Mark from, Mark to, int dx, int dy);
};

} // namespace html
