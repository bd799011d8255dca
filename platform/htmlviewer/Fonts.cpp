#include "Fonts.h"

namespace html {

int FontTable::Find(const FontSpec& wanted) {
  for (size_t i = fonts_.size(); i-- > 0;)
    if (fonts_[i] == wanted)
      return int(i);
  fonts_.push_back(wanted);
  metrics_.push_back(measurer_.Metrics(wanted));
  pages_.resize(fonts_.size() * 256);
  return int(fonts_.size() - 1);
}

int FontTable::CharWidth(int font, char16_t c) {
  std::vector<int>& page = pages_[size_t(font) * 256 + (c >> 8)];
  if (page.empty())
    page.assign(256, -1);
  int& w = page[c & 0xFF];
  if (w < 0)
    w = measurer_.TextWidth(fonts_[size_t(font)], std::u16string_view(&c, 1));
  return w;
}

int FontTable::TextWidth(int font, std::u16string_view s) {
  int w = 0;
  for (char16_t c : s)
    w += CharWidth(font, c);
  return w;
}

} // namespace html
