#include "FileSystem.h"
#include "SysUtils.h"
#include <windows.h>

bool DirectoryExists(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ForceDirectories(std::string folder) {
  while (!folder.empty() && folder.back() == '\\')
    folder.pop_back();
  if (folder.size() < 3 || DirectoryExists(folder) || ExtractFilePath(folder) == folder)
    return;
  ForceDirectories(ExtractFilePath(folder));
  ::CreateDirectoryA(folder.c_str(), nullptr);
}
