#pragma once
// A scratch key below HKEY_CURRENT_USER\Software\KlendoTests, and reading
// back what the registry holds.
#include <windows.h>

#include <optional>
#include <ostream>
#include <string>

inline void DeleteKeyTree(HKEY parent, const std::string& path) {
  HKEY key;
  if (::RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    char name[256];
    DWORD size = sizeof name;
    while (::RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS) {
      DeleteKeyTree(key, name);
      size = sizeof name;
    }
    ::RegCloseKey(key);
  }
  ::RegDeleteKeyA(parent, path.c_str());
}

class TestKey {
public:
  TestKey() {
    static int count = 0;
    path_ = "Software\\KlendoTests\\" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(++count);
    DeleteKeyTree(HKEY_CURRENT_USER, path_);
  }
  ~TestKey() {
    DeleteKeyTree(HKEY_CURRENT_USER, path_);
    // Goes only when no other run is using it.
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KlendoTests");
  }
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;

  // Below HKEY_CURRENT_USER, without a leading or trailing backslash.
  const std::string& Path() const { return path_; }

private:
  std::string path_;
};

inline bool KeyExists(HKEY root, const std::string& path) {
  HKEY key;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  ::RegCloseKey(key);
  return true;
}

struct StoredValue {
  DWORD type;
  std::string bytes;
  bool operator==(const StoredValue&) const = default;
};

inline std::optional<StoredValue> ReadValue(HKEY root, const std::string& path,
                                            const std::string& name) {
  HKEY key;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  StoredValue value{};
  char data[1024];
  DWORD size = sizeof data;
  LONG result = ::RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                   reinterpret_cast<BYTE*>(data), &size);
  ::RegCloseKey(key);
  if (result != ERROR_SUCCESS)
    return std::nullopt;
  value.bytes.assign(data, size);
  return value;
}

inline void PrintTo(const StoredValue& value, std::ostream* out) {
  *out << "type " << value.type << ", " << value.bytes.size() << " bytes \"";
  for (unsigned char c : value.bytes)
    if (c >= 0x20 && c < 0x7F)
      *out << c;
    else
      *out << "\\x"
           << "0123456789abcdef"[c >> 4] << "0123456789abcdef"[c & 15];
  *out << '"';
}

// What a REG_SZ write of text leaves: the text and one zero byte.
inline StoredValue Text(const std::string& text) {
  return {REG_SZ, text + std::string(1, '\0')};
}
