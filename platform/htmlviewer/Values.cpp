#include "Values.h"
#include "Ascii.h"

namespace html {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() &&
         (s.front() == ' ' || s.front() == '\t' || s.front() == '\n' || s.front() == '\r'))
    s.remove_prefix(1);
  while (!s.empty() &&
         (s.back() == ' ' || s.back() == '\t' || s.back() == '\n' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

int Hex(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  c = char(c | 0x20);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

std::optional<int> ParseNumber(std::string_view s, int limit) {
  s = Trim(s);
  if (!s.empty() && s.front() == '+')
    s.remove_prefix(1);
  if (s.empty() || s.front() < '0' || s.front() > '9')
    return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9')
      break;
    v = v > limit ? v : v * 10 + (c - '0');
  }
  return v > limit ? limit : v;
}

std::optional<Length> ParseLength(std::string_view s) {
  s = Trim(s);
  auto n = ParseNumber(s);
  if (!n)
    return std::nullopt;
  Length l{*n, s.find('%') != std::string_view::npos};
  if (l.percent && l.value > 100)
    l.value = 100;
  return l;
}

std::optional<Color> ParseColor(std::string_view s) {
  s = Trim(s);
  struct Named {
    const char* name;
    Color color; // 0x00BBGGRR
  };
  static constexpr Named kNames[] = {
      {"black", 0x000000},  {"silver", 0xC0C0C0}, {"gray", 0x808080},   {"white", 0xFFFFFF},
      {"maroon", 0x000080}, {"red", 0x0000FF},    {"purple", 0x800080}, {"fuchsia", 0xFF00FF},
      {"green", 0x008000},  {"lime", 0x00FF00},   {"olive", 0x008080},  {"yellow", 0x00FFFF},
      {"navy", 0x800000},   {"blue", 0xFF0000},   {"teal", 0x808000},   {"aqua", 0xFFFF00},
  };
  if (s.size() >= 3 && s.size() <= 7) {
    for (const Named& n : kNames) {
      if (EqualsNoCase(s, n.name))
        return n.color;
    }
  }
  if (!s.empty() && s.front() == '#')
    s.remove_prefix(1);
  if (s.size() != 6)
    return std::nullopt;
  int d[6];
  for (int i = 0; i < 6; ++i)
    if ((d[i] = Hex(s[size_t(i)])) < 0)
      return std::nullopt;
  Color r = Color(d[0] * 16 + d[1]), g = Color(d[2] * 16 + d[3]), b = Color(d[4] * 16 + d[5]);
  return r | g << 8 | b << 16;
}

} // namespace html
