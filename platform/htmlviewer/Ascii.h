#pragma once
// Letter case of markup: only the ASCII letters fold; pages of the time were
// careless with case in tag names, attribute values and anchors alike.
#include <string>
#include <string_view>

namespace html {

constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

inline std::string AsciiLowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = AsciiLower(c);
  return out;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i]))
      return false;
  return true;
}

} // namespace html
