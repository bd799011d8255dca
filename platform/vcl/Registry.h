#pragma once
// The registry class: one root key, at most one open current key, and string
// values written into it.
#include "Classes.h"
#include "Handle.h"
#include <string>

class TRegistry : public TObject {
public:
  // Root key HKEY_CURRENT_USER, all access, lazy write, no current key.
  TRegistry();
  // Closes the current key; the root key stays open.
  ~TRegistry() override;

  HKEY RootKey() const { return rootKey_; }
  // A different root key closes the current key first.
  void SetRootKey(HKEY key);
  HKEY CurrentKey() const { return currentKey_.get(); }
  REGSAM Access() const { return access_; }
  void SetAccess(REGSAM access) { access_ = access; }
  // Off: a key is flushed before it is closed.
  bool LazyWrite() const { return lazyWrite_; }
  void SetLazyWrite(bool lazy) { lazyWrite_ = lazy; }

  // Key paths: a leading backslash makes the rest a path below the root key;
  // any other path lies below the current key, or below the root key while no
  // key is open.

  // Makes key the current key (closing the one before), creating it and the
  // keys on its way when canCreate is set. An empty path opens the base
  // itself and creates nothing. False when the key cannot be opened.
  bool OpenKey(const std::string& key, bool canCreate);
  // Creates key and the keys on its way, and closes it again; raises
  // ERegistryException when that fails.
  void CreateKey(const std::string& key);
  void CloseKey();
  // Stores value as REG_SZ under name in the current key, replacing a value of
  // any type; raises ERegistryException when that fails.
  void WriteString(const std::string& name, const std::string& value);

protected:
  // Opens key without making it current; null when it cannot be opened. The
  // caller owns the handle.
  HKEY GetKey(const std::string& key) const;
  // Makes key the current key and hands back the one before; nothing is
  // closed, and ownership moves both ways.
  HKEY ExchangeCurrentKey(HKEY key);

private:
  // The key below which the path lies, and the path as Windows takes it.
  HKEY BaseKeyFor(const std::string& key) const;
  static const char* RelativePart(const std::string& key);

  HKEY rootKey_ = HKEY_CURRENT_USER;
  vcl::UniqueKey currentKey_;
  REGSAM access_ = KEY_ALL_ACCESS;
  bool lazyWrite_ = true;
};
