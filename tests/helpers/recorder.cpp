// Stands in for a program that the launcher or the network stub starts: appends its own
// command line to "<own full path>.log", so a scenario sees how, and how often, it was started.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH + 8];
  const DWORD len = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (len == 0 || len >= MAX_PATH)
    return 1;
  std::memcpy(path + len, ".log", 5);

  // Append mode keeps the writes of concurrent starts whole.
  HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE)
    return 1;
  const char* line = GetCommandLineA();
  DWORD written = 0;
  WriteFile(log, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
  WriteFile(log, "\n", 1, &written, nullptr);
  CloseHandle(log);
  return 0;
}
