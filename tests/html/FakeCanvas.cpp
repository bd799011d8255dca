#include "FakeCanvas.h"
#include <cstdio>

namespace html::test {

std::string Utf8(std::u16string_view s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Quoted(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      out += char(c);
    } else {
      char b[8];
      std::snprintf(b, sizeof b, "\\x%02X", c);
      out += b;
    }
  }
  return out + "\"";
}

std::string FakeCanvas::Box(const Rect& r) {
  char b[64];
  std::snprintf(b, sizeof b, "%d,%d-%d,%d", r.left, r.top, r.right, r.bottom);
  return b;
}

std::string FakeCanvas::Hex(Color c) {
  char b[16];
  std::snprintf(b, sizeof b, "#%06X", unsigned(c));
  return b;
}

void FakeCanvas::DrawText(int x, int baseline, std::u16string_view text, const FontSpec& f,
                          Color c) {
  char b[160];
  std::snprintf(b, sizeof b, " at %d,%d %s %d%s%s%s ", x, baseline, f.face.c_str(), f.pixelHeight,
                f.bold ? " bold" : "", f.italic ? " italic" : "", f.underline ? " underline" : "");
  calls.push_back("text '" + Utf8(text) + "'" + b + Hex(c));
  texts.push_back({Utf8(text), x, baseline, f, c});
}

void FakeCanvas::DrawLine(int x1, int y1, int x2, int y2, Color c) {
  calls.push_back("line " + Box({x1, y1, x2, y2}) + " " + Hex(c));
}

std::vector<std::string> FakeCanvas::Texts() const {
  std::vector<std::string> list;
  for (const DrawnText& t : texts)
    list.push_back(t.text);
  return list;
}

std::vector<std::string> FakeCanvas::Lines() const {
  std::vector<std::string> lines;
  int baseline = -1;
  for (const DrawnText& t : texts) {
    if (lines.empty() || t.baseline != baseline)
      lines.emplace_back();
    lines.back() += t.text;
    baseline = t.baseline;
  }
  return lines;
}

} // namespace html::test
