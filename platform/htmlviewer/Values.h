#pragma once
// Attribute values as pages of the time wrote them: numbers with trailing
// junk, lengths in pixels or per cent, colours as #RRGGBB, RRGGBB or one of
// the 16 classic names.
#include "Canvas.h"
#include <optional>
#include <string_view>

namespace html {

// The leading decimal number ("10px" is 10), clamped to [0, limit].
std::optional<int> ParseNumber(std::string_view s, int limit = 10000);

struct Length {
  int value = 0;
  bool percent = false;
  // The length in pixels against a whole of `of` pixels.
  int Resolve(int of) const {
    return percent ? int(static_cast<long long>(of) * value / 100) : value;
  }
};
std::optional<Length> ParseLength(std::string_view s);

std::optional<Color> ParseColor(std::string_view s);

} // namespace html
