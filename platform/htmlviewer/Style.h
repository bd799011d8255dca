#pragma once
// The inherited look of text: what font, colour and link it has and how its
// block is aligned. Elements change it as they nest.
#include "Canvas.h"
#include "Dom.h"
#include <cstdint>
#include <string>
#include <vector>

namespace html {

struct PageSettings;

enum class Align : std::uint8_t { Left, Center, Right };

struct Style {
  int face = 0; // index into the face list; 0 the default, 1 the preformatted face
  int size = 3; // HTML font size 1..7
  bool bold = false, italic = false, underline = false;
  bool pre = false;    // white space kept, no wrapping
  bool noWrap = false; // white space collapsed, no wrapping
  Align align = Align::Left;
  Color color = 0;
  int link = -1; // index of the enclosing link's target
};

// The character height in pixels of an HTML font size: 8, 10, 12, 14, 18, 24
// and 36 points at the default size of 12 points, scaled with it.
int FontPixels(int size, const PageSettings& settings);

// "left", "center", "right" (any case); others leave `fallback`.
Align ParseAlign(const std::string* value, Align fallback);

class StyleContext {
public:
  explicit StyleContext(const PageSettings& settings);
  const PageSettings& settings;
  std::vector<std::string> faces;
  int baseFont = 3; // <basefont size>, the base of relative sizes

  // The style inside element n (not links, lists and tables: layout's part).
  Style Apply(const Node& n, Style s);
  FontSpec Font(const Style& s) const;
  int FaceOf(const std::string& list);
};

} // namespace html
