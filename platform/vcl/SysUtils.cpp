#include "SysUtils.h"

std::string Exception::Format(std::string_view fmt, std::string_view arg) {
  std::string out;
  out.reserve(fmt.size() + arg.size());
  for (std::size_t i = 0; i < fmt.size(); ++i) {
    if (fmt[i] == '%' && i + 1 < fmt.size() && fmt[i + 1] == 's') {
      out += arg;
      ++i;
    } else {
      out += fmt[i];
    }
  }
  return out;
}

static std::size_t FolderLength(std::string_view path) {
  auto cut = path.find_last_of("\\:");
  return cut == std::string_view::npos ? 0 : cut + 1;
}

std::string ExtractFilePath(std::string_view path) {
  return std::string(path.substr(0, FolderLength(path)));
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(FolderLength(path)));
}

std::string AsciiUpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string AsciiLowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return out;
}
