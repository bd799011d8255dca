#include "IniFiles.h"
#include "SysUtils.h"
#include <windows.h>

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  if (!::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
    throw Exception::CreateFmt("Unable to write to %s", fileName_);
}
