// Looks at what the codec installation leaves, for the end-to-end scenarios, and starts programs
// with an exact command line. Prints key=value lines; exit code 0 on success, 1 when not found,
// 2 on misuse.
//   values HKLM\path   one line "value.<name in hex>=<type> <data in hex>" per value of the key
//   folders            the Windows folder and the system folder
//   run <line>         starts <line> verbatim, does not wait
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Hex(const unsigned char* bytes, DWORD size) {
  std::string out;
  for (DWORD i = 0; i < size; ++i) {
    out += "0123456789abcdef"[bytes[i] >> 4];
    out += "0123456789abcdef"[bytes[i] & 15];
  }
  return out;
}

int Values(const char* path) {
  HKEY root = nullptr;
  if (std::strncmp(path, "HKLM\\", 5) == 0)
    root = HKEY_LOCAL_MACHINE;
  else if (std::strncmp(path, "HKCU\\", 5) == 0)
    root = HKEY_CURRENT_USER;
  else
    return 2;
  HKEY key;
  if (RegOpenKeyExA(root, path + 5, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return 1;
  for (DWORD i = 0;; ++i) {
    char name[16384];
    unsigned char data[65536];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    std::printf("value.%s=%lu %s\n", Hex(reinterpret_cast<unsigned char*>(name), nameSize).c_str(),
                type, Hex(data, dataSize).c_str());
  }
  RegCloseKey(key);
  return 0;
}

int Folders() {
  char windows[MAX_PATH], system[MAX_PATH];
  if (!GetWindowsDirectoryA(windows, sizeof windows) || !GetSystemDirectoryA(system, sizeof system))
    return 1;
  std::printf("windows=%s\nsystem=%s\n", windows, system);
  return 0;
}

int Run(const char* line) {
  std::string command = line;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return 1;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  int code = 2;
  if (argc == 3 && std::strcmp(argv[1], "values") == 0)
    code = Values(argv[2]);
  else if (argc == 2 && std::strcmp(argv[1], "folders") == 0)
    code = Folders();
  else if (argc == 3 && std::strcmp(argv[1], "run") == 0)
    code = Run(argv[2]);
  std::fflush(stdout);
  return code;
}
