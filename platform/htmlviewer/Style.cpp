#include "Style.h"
#include "Page.h"
#include "Values.h"

namespace html {

int FontPixels(int size, const PageSettings& settings) {
  static constexpr int kPoints[7] = {8, 10, 12, 14, 18, 24, 36};
  int points = kPoints[size < 1 ? 0 : size > 7 ? 6 : size - 1];
  long long tenth = static_cast<long long>(points) * settings.fontPoints * settings.pixelsPerInch;
  return int((tenth + 432) / 864); // points * fontPoints / 12 * ppi / 72, rounded
}

Align ParseAlign(const std::string* value, Align fallback) {
  if (!value)
    return fallback;
  std::string v;
  for (char c : *value)
    if (c != ' ' && c != '"')
      v += char(c >= 'A' && c <= 'Z' ? c + 32 : c);
  if (v == "left")
    return Align::Left;
  if (v == "center" || v == "middle")
    return Align::Center;
  if (v == "right")
    return Align::Right;
  return fallback;
}

StyleContext::StyleContext(const PageSettings& s) : settings(s) {
  faces.push_back(s.fontFace);
  faces.push_back(s.preFontFace);
}

int StyleContext::FaceOf(const std::string& list) {
  // The first name of "Arial, Helvetica": the canvas finds a substitute
  // when that one is missing.
  size_t end = list.find(',');
  std::string_view name = std::string_view(list).substr(0, end);
  while (!name.empty() && name.front() == ' ')
    name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ')
    name.remove_suffix(1);
  if (name.empty())
    return -1;
  for (size_t i = 0; i < faces.size(); ++i)
    if (faces[i] == name)
      return int(i);
  faces.emplace_back(name);
  return int(faces.size() - 1);
}

FontSpec StyleContext::Font(const Style& s) const {
  FontSpec f;
  f.face = faces[size_t(s.face)];
  f.pixelHeight = FontPixels(s.size, settings);
  f.bold = s.bold;
  f.italic = s.italic;
  f.underline = s.underline;
  return f;
}

Style StyleContext::Apply(const Node& n, Style s) {
  auto clampSize = [](int v) { return v < 1 ? 1 : v > 7 ? 7 : v; };
  switch (n.tag) {
  case Tag::B:
  case Tag::Strong:
    s.bold = true;
    break;
  case Tag::I:
  case Tag::Em:
  case Tag::Cite:
  case Tag::Var:
  case Tag::Dfn:
  case Tag::Address:
    s.italic = true;
    break;
  case Tag::U:
    s.underline = true;
    break;
  case Tag::Tt:
  case Tag::Code:
  case Tag::Kbd:
  case Tag::Samp:
    s.face = 1;
    break;
  case Tag::Big:
    s.size = clampSize(s.size + 1);
    break;
  case Tag::Small:
  case Tag::Sub:
  case Tag::Sup:
    s.size = clampSize(s.size - 1);
    break;
  case Tag::Nobr:
    s.noWrap = true;
    break;
  case Tag::Pre:
  case Tag::Xmp:
  case Tag::Listing:
    s.pre = true;
    s.face = 1;
    break;
  case Tag::Center:
    s.align = Align::Center;
    break;
  case Tag::P:
  case Tag::Div:
    s.align = ParseAlign(n.Find("align"), s.align);
    break;
  case Tag::H1:
  case Tag::H2:
  case Tag::H3:
  case Tag::H4:
  case Tag::H5:
  case Tag::H6:
    s.bold = true;
    s.size = 6 - (int(n.tag) - int(Tag::H1)); // h1 24 points ... h6 8 points
    s.align = ParseAlign(n.Find("align"), s.align);
    break;
  case Tag::Font:
    if (const std::string* size = n.Find("size")) {
      std::string_view v = *size;
      while (!v.empty() && v.front() == ' ')
        v.remove_prefix(1);
      bool minus = !v.empty() && v.front() == '-';
      bool relative = minus || (!v.empty() && v.front() == '+');
      if (auto number = ParseNumber(minus ? v.substr(1) : v, 100))
        s.size = clampSize(relative ? baseFont + (minus ? -*number : *number) : *number);
    }
    if (const std::string* color = n.Find("color"))
      if (auto c = ParseColor(*color))
        s.color = *c;
    if (const std::string* face = n.Find("face"))
      if (int f = FaceOf(*face); f >= 0)
        s.face = f;
    break;
  default:
    break;
  }
  return s;
}

} // namespace html
