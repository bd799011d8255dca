#pragma once
// What the running program learns about itself from Windows.
#include <string>

// Folder of the running executable, ending in a backslash.
std::string ExeFolder();
// Full path of the running executable.
std::string ExeFileName();
// Item number index of this process's command line (see ParamStrOf).
std::string ParamStr(int index);
