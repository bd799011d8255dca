#include "Environment.h"
#include "CommandLine.h"
#include "SysUtils.h"
#include <windows.h>

std::string ExeFileName() {
  char path[MAX_PATH + 1] = {};
  DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n < sizeof path ? n : sizeof path - 1);
}

std::string ExeFolder() {
  return ExtractFilePath(ExeFileName());
}

std::string ParamStr(int index) {
  return ParamStrOf(::GetCommandLineA(), index);
}
