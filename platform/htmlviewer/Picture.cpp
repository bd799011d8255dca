#include "Picture.h"
#include <algorithm>

void BlendPicture(const Picture& picture, const html::Rect& target, const html::Rect& clip,
                  std::uint32_t* surface, int width, int height) {
  if (picture.width <= 0 || picture.height <= 0 || target.Width() <= 0 || target.Height() <= 0)
    return;
  const int left = std::max({target.left, clip.left, 0});
  const int right = std::min({target.right, clip.right, width});
  const int top = std::max({target.top, clip.top, 0});
  const int bottom = std::min({target.bottom, clip.bottom, height});
  for (int y = top; y < bottom; ++y) {
    const long long sy = static_cast<long long>(y - target.top) * picture.height / target.Height();
    const std::uint32_t* row = &picture.pixels[static_cast<std::size_t>(sy) * picture.width];
    std::uint32_t* out = surface + static_cast<std::size_t>(y) * width;
    for (int x = left; x < right; ++x) {
      const long long sx = static_cast<long long>(x - target.left) * picture.width / target.Width();
      const std::uint32_t src = row[sx];
      const std::uint32_t alpha = src >> 24;
      if (alpha == 255) {
        out[x] = src & 0xFFFFFF;
      } else if (alpha != 0) {
        // Premultiplied: what shows through is the surface times (1 - alpha).
        std::uint32_t result = 0;
        for (int shift = 0; shift < 24; shift += 8) {
          const std::uint32_t s = (src >> shift) & 0xFF;
          const std::uint32_t d = (out[x] >> shift) & 0xFF;
          result |= std::min<std::uint32_t>(255, s + (d * (255 - alpha) + 127) / 255) << shift;
        }
        out[x] = result;
      }
    }
  }
}
