#pragma once
// The fonts a layout uses, each measured once: metrics, and character
// widths, so that words and their character positions cost one look-up per
// character.
#include "Canvas.h"
#include <vector>

namespace html {

class FontTable {
public:
  FontTable(TextMeasurer& measurer, std::vector<FontSpec>& fonts)
      : measurer_(measurer), fonts_(fonts) {}
  int Find(const FontSpec& wanted);
  const FontMetrics& Metrics(int font) const { return metrics_[size_t(font)]; }
  int CharWidth(int font, char16_t c);
  int TextWidth(int font, std::u16string_view s);

private:
  TextMeasurer& measurer_;
  std::vector<FontSpec>& fonts_;
  std::vector<FontMetrics> metrics_;
  // Widths by font and by 256 characters, each page made on first use;
  // -1 until measured.
  std::vector<std::vector<int>> pages_;
};

} // namespace html
