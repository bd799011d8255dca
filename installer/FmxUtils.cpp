#include "FmxUtils.h"
#include "FileSystem.h"
#include "Handle.h"
#include <memory>
#include <windows.h>

namespace {

constexpr DWORD kChunk = 8192;

std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  char* name = nullptr;
  DWORD n = ::GetFullPathNameA(path.c_str(), sizeof full, full, &name);
  // 0 is a failure; sizeof full or more is the size that did not fit.
  if (n == 0 || n >= sizeof full)
    throw EFCreateError(Exception::Format("Cannot create file %s", path));
  return std::string(full, n);
}

} // namespace

void CopyFileTo(const std::string& source, const std::string& destination) {
  std::string target = FullPath(destination);
  // Also after a trailing backslash: Windows takes the two as one.
  if (DirectoryExists(target))
    target += "\\" + ExtractFileName(source);
  auto buffer = std::make_unique<char[]>(kChunk);

  vcl::UniqueFile from(::CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!from)
    throw EFOpenError(Exception::Format("Cannot open file %s", source));
  vcl::UniqueFile to(::CreateFileA(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!to)
    throw EFCreateError(Exception::Format("Cannot create file %s", target));

  // A failed read or a short write would leave a truncated file that looks
  // copied: both are reported.
  DWORD read = 0;
  do {
    if (!::ReadFile(from.get(), buffer.get(), kChunk, &read, nullptr))
      throw ECopyError(Exception::Format("Cannot read file %s", source));
    DWORD written = 0;
    if (read > 0 &&
        (!::WriteFile(to.get(), buffer.get(), read, &written, nullptr) || written != read))
      throw ECopyError(Exception::Format("Cannot write file %s", target));
  } while (read == kChunk);
}
