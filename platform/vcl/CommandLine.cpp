#include "CommandLine.h"

namespace {

bool IsSeparator(char c) {
  auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

// Reads one item starting at pos; pos ends after it. Returns false at the end
// of the line.
bool NextItem(std::string_view line, std::size_t& pos, std::string& item) {
  for (;;) {
    while (pos < line.size() && IsSeparator(line[pos]))
      ++pos;
    if (pos + 1 < line.size() && line[pos] == '"' && line[pos + 1] == '"')
      pos += 2;
    else
      break;
  }
  item.clear();
  if (pos >= line.size() || line[pos] == '\0')
    return false;
  while (pos < line.size() && line[pos] != '\0' && !IsSeparator(line[pos])) {
    if (line[pos] == '"') {
      ++pos;
      while (pos < line.size() && line[pos] != '\0' && line[pos] != '"')
        item += line[pos++];
      if (pos < line.size() && line[pos] == '"')
        ++pos;
    } else {
      item += line[pos++];
    }
  }
  return true;
}

} // namespace

std::string ParamStrOf(std::string_view commandLine, int index) {
  std::size_t pos = 0;
  std::string item;
  for (int i = 0; i <= index; ++i)
    if (!NextItem(commandLine, pos, item))
      return {};
  return item;
}
