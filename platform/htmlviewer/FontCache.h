#pragma once
// GDI fonts of the page's text, each made once.
#include "Canvas.h"
#include "Handle.h"
#include <vector>

class FontCache {
public:
  explicit FontCache(BYTE charset) : charset_(charset) {}
  void SetCharset(BYTE charset);
  // The font of that description, owned by the cache.
  HFONT Get(const html::FontSpec& wanted);

private:
  struct Entry {
    html::FontSpec key;
    vcl::UniqueGdi<HFONT> font;
  };
  BYTE charset_;
  std::vector<Entry> entries_;
};
