#include "Funkce.h"
#include "Environment.h"
#include "SysUtils.h"
#include <windows.h>

void InstallCodecAtStart() {
  bool suppressed = AsciiLowerCase(ParamStr(1)) == "s";
  std::string folder = ExeFolder() + "Aplikace\\Instal";
  DWORD attributes = ::GetFileAttributesA(folder.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (!suppressed && exists)
    InstallCodec(folder);
}

void InstallCodec(const std::string&) {
  // Copying the codec files and registering them are not part of this build yet.
}
