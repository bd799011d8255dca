#include "WinReg.h"

TWinRegistry::TWinRegistry(HKEY rootKey, std::string keyPath) : keyPath_(std::move(keyPath)) {
  SetRootKey(rootKey);
  OpenKey(keyPath_, true);
}

void TWinRegistry::WriteKeyString(const std::string& subkey, const std::string& name,
                                  const std::string& value) {
  CreateKey(subkey);
  vcl::UniqueKey sub(GetKey(subkey));
  // Created but not openable with all access: nothing to write into.
  if (!sub)
    return;
  // The subkey is current for this one write. Afterwards the base key comes
  // back first, and only then does the subkey close.
  vcl::UniqueKey base(ExchangeCurrentKey(sub.release()));
  try {
    WriteString(name, value);
  } catch (...) {
    sub.reset(ExchangeCurrentKey(base.release()));
    throw;
  }
  sub.reset(ExchangeCurrentKey(base.release()));
}
