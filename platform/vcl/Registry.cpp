#include "Registry.h"
#include "SysUtils.h"

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() {
  CloseKey();
}

void TRegistry::SetRootKey(HKEY key) {
  if (key == rootKey_)
    return;
  rootKey_ = key;
  CloseKey();
}

static bool IsAbsolute(const std::string& key) {
  return !key.empty() && key[0] == '\\';
}

HKEY TRegistry::BaseKeyFor(const std::string& key) const {
  return IsAbsolute(key) || !currentKey_ ? rootKey_ : currentKey_.get();
}

const char* TRegistry::RelativePart(const std::string& key) {
  return key.c_str() + (IsAbsolute(key) ? 1 : 0);
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  const char* path = RelativePart(key);
  HKEY opened = nullptr;
  LONG result;
  if (canCreate && *path != '\0') {
    DWORD disposition = 0;
    result = ::RegCreateKeyExA(BaseKeyFor(key), path, 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                               nullptr, &opened, &disposition);
  } else {
    result = ::RegOpenKeyExA(BaseKeyFor(key), path, 0, access_, &opened);
  }
  if (result != ERROR_SUCCESS)
    return false;
  // The new key is found from the old one, so the old one closes only now.
  vcl::UniqueKey next(opened);
  CloseKey();
  currentKey_ = std::move(next);
  return true;
}

void TRegistry::CreateKey(const std::string& key) {
  HKEY created = nullptr;
  DWORD disposition = 0;
  LONG result =
      ::RegCreateKeyExA(BaseKeyFor(key), RelativePart(key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        access_, nullptr, &created, &disposition);
  if (result != ERROR_SUCCESS)
    throw ERegistryException(Exception::Format("Failed to create key %s", key));
  vcl::UniqueKey closedAtOnce(created);
}

HKEY TRegistry::GetKey(const std::string& key) const {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(BaseKeyFor(key), RelativePart(key), 0, access_, &opened) != ERROR_SUCCESS)
    return nullptr;
  return opened;
}

HKEY TRegistry::ExchangeCurrentKey(HKEY key) {
  HKEY before = currentKey_.release();
  currentKey_.reset(key);
  return before;
}

void TRegistry::CloseKey() {
  if (!currentKey_)
    return;
  if (!lazyWrite_)
    ::RegFlushKey(currentKey_.get());
  currentKey_.reset();
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  // The text goes with its terminating zero.
  LONG result = ::RegSetValueExA(currentKey_.get(), name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
  if (result != ERROR_SUCCESS)
    throw ERegistryException(Exception::Format("Failed to set data for '%s'", name));
}
