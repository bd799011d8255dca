// Starts the launcher beside this program with the argument "s", which skips
// the codec installation, and ends at once. No window, no message loop.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char command[MAX_PATH + 32];
  command[0] = '"';
  DWORD n = ::GetModuleFileNameA(nullptr, command + 1, MAX_PATH + 1);
  if (n > MAX_PATH)
    n = MAX_PATH;
  // Cut after the last backslash or colon: the folder, ending in a backslash.
  DWORD folder = 0;
  for (DWORD i = 0; i < n; ++i)
    if (command[1 + i] == '\\' || command[1 + i] == ':')
      folder = i + 1;
  // The path is quoted, so that a folder with a blank keeps "s" the first argument.
  const char tail[] = "klendo.exe\" s";
  for (DWORD i = 0; i < sizeof tail; ++i)
    command[1 + folder + i] = tail[i];
  ::WinExec(command, SW_SHOW);
  return 0;
}
