#include "Funkce.h"
#include "Environment.h"
#include "FileSystem.h"
#include "FmxUtils.h"
#include "Handle.h"
#include "IniFiles.h"
#include "SysUtils.h"
#include "Version.h"
#include "WinReg.h"
#include <windows.h>

namespace {

// Handler, driver file and description of the codec (0xAE is the (R) sign).
constexpr const char* kHandler = "VIDC.IV41";
constexpr const char* kDriver = "ir41_32.ax";
constexpr const char* kDescription = "Indeo\xAE Video Interactive R4.5";

// The file search takes the pattern in a buffer of this many characters.
constexpr std::size_t kPatternBuffer = 256;

// A file, not a folder, with a last-write time that DOS dates can hold
// (1980 to 2107); anything else counts as missing.
bool IsFile(const std::string& path) {
  WIN32_FIND_DATAA entry;
  if (!vcl::UniqueFind(::FindFirstFileA(path.c_str(), &entry)))
    return false;
  if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    return false;
  FILETIME local;
  WORD date, time;
  return ::FileTimeToLocalFileTime(&entry.ftLastWriteTime, &local) &&
         ::FileTimeToDosDateTime(&local, &date, &time);
}

// Unsigned byte order, the longer string after its own beginning.
bool SortsAfter(const std::string& version, const std::string& installed) {
  return version.compare(installed) > 0; // char_traits<char> compares bytes as unsigned
}

void RegisterWindows95(const std::string& windowsFolder) {
  TIniFile(windowsFolder + "\\system.ini").WriteString("drivers32", kHandler, kDriver);
  TWinRegistry registry(HKEY_LOCAL_MACHINE,
                        "System\\CurrentControlSet\\control\\MediaResources\\icm\\");
  registry.WriteKeyString(kHandler, "Description", kDescription);
  registry.WriteKeyString(kHandler, "Driver", kDriver);
  registry.WriteKeyString(kHandler, "FriendlyName", kDescription);
}

void RegisterWindowsNT() {
  const char* base = "Software\\Microsoft\\Windows NT\\CurrentVersion\\";
  TWinRegistry(HKEY_LOCAL_MACHINE, base).WriteKeyString("drivers.desc", kDriver, kDriver);
  TWinRegistry(HKEY_LOCAL_MACHINE, base).WriteKeyString("Drivers32", kHandler, kDriver);
}

} // namespace

std::string QueryFolder(FolderQuery query, const char* what) {
  char folder[256];
  unsigned n = query(folder, 255);
  // 0 is a failure, 255 or more the size of a path that did not fit.
  if (n == 0 || n >= 255)
    throw Exception(std::string("Cannot get the ") + what + " folder");
  return std::string(folder, n);
}

std::string AddBackslash(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path : path + "\\";
}

bool CopyNewerFiles(const std::string& sourceFolder, const std::string& targetFolder) {
  std::string source = AddBackslash(sourceFolder);
  std::string target = AddBackslash(targetFolder);
  if (!DirectoryExists(target))
    ForceDirectories(target);

  std::string pattern = source + "??*.*";
  if (pattern.size() >= kPatternBuffer)
    throw EFOpenError(Exception::Format("Cannot open file %s", pattern));
  WIN32_FIND_DATAA entry;
  vcl::UniqueFind search(::FindFirstFileA(pattern.c_str(), &entry));
  TVersionResource reader(nullptr);
  bool copied = false;
  for (bool more = bool(search); more; more = ::FindNextFileA(search.get(), &entry)) {
    std::string name = entry.cFileName;
    std::string from = source + name;
    std::string to = target + name;
    // Folders, "." and ".." included, are never files.
    if (!IsFile(from))
      continue;
    if (IsFile(to)) {
      reader.SetFileName(to);
      std::string installed = reader.VersionInfo()->ProductVersion;
      reader.SetFileName(from);
      if (!SortsAfter(reader.VersionInfo()->ProductVersion, installed))
        continue;
    }
    CopyFileTo(from, target);
    copied = true;
  }
  return copied;
}

void InstallCodecAtStart() {
  bool suppressed = AsciiLowerCase(ParamStr(1)) == "s";
  std::string folder = ExeFolder() + "Aplikace\\Instal";
  bool exists = DirectoryExists(folder);
  if (!suppressed && exists)
    InstallCodec(folder);
}

void InstallCodec(const std::string& folder) {
  std::string windowsFolder = QueryFolder(::GetWindowsDirectoryA, "Windows");
  std::string systemFolder = QueryFolder(::GetSystemDirectoryA, "system");
  CopyNewerFiles(folder, systemFolder);

  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!::GetVersionExA(&version))
    return;
  if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
    RegisterWindows95(windowsFolder);
  else if (version.dwPlatformId == VER_PLATFORM_WIN32_NT)
    RegisterWindowsNT();
}
