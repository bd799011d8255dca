#pragma once
// Writes string values into named subkeys below one base key.
#include "Registry.h"
#include <string>

class TWinRegistry : public TRegistry {
public:
  // Opens the base key below rootKey, creating it when missing; a failure
  // leaves the writer without a current key and is not reported.
  TWinRegistry(HKEY rootKey, std::string keyPath);

  const std::string& KeyPath() const { return keyPath_; }
  // Creates subkey (below the base key, or below the root key when it begins
  // with a backslash) and stores value in it as the string value name.
  void WriteKeyString(const std::string& subkey, const std::string& name, const std::string& value);

private:
  std::string keyPath_;
};
