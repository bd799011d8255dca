#pragma once
// Scratch folders, whole files and file times for the installer's tests.
#include <windows.h>

#include <filesystem>
#include <string>

// A fresh folder below the temporary folder, removed with all it holds.
class TempFolder {
public:
  TempFolder() {
    static int count = 0;
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "klendo-installer-" + std::to_string(::GetCurrentProcessId()) +
            "-" + std::to_string(++count) + "\\";
    ::CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
      ::SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Ends in a backslash.
  const std::string& Path() const { return path_; }

private:
  std::string path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return "<missing>";
  char chunk[4096];
  DWORD n = 0;
  while (::ReadFile(file, chunk, sizeof chunk, &n, nullptr) && n > 0)
    bytes.append(chunk, n);
  ::CloseHandle(file);
  return bytes;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  ::CloseHandle(file);
}

// Bytes 0, 1, ... 250, 0, 1, ...: no two 8192-byte chunks alike.
inline std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

inline std::string FixtureBytes(const std::string& name) {
  return ReadBytes(KLENDO_INSTALLER_FIXTURES + name + ".dll");
}

inline FILETIME LastWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

inline FILETIME TimeOfYear(int year) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = 6;
  time.wDay = 15;
  time.wHour = 12;
  FILETIME file;
  ::SystemTimeToFileTime(&time, &file);
  return file;
}

inline void SetLastWriteTime(const std::string& path, const FILETIME& time) {
  HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ::SetFileTime(file, nullptr, nullptr, &time);
  ::CloseHandle(file);
}

inline ULONGLONG Ticks(const FILETIME& time) {
  return ULONGLONG(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}
