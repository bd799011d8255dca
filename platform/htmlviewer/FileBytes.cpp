#include "FileBytes.h"
#include "Handle.h"

std::optional<std::string> ReadFileBytes(const std::string& path) {
  vcl::UniqueFile f(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f)
    return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got;
  while (::ReadFile(f.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  return bytes;
}
