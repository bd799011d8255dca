#pragma once
// A decoded picture and how it lands on a 32-bit surface. No Windows headers.
#include "Canvas.h"
#include <cstdint>
#include <vector>

// Top-down rows of premultiplied 0xAARRGGBB pixels, the layout of a 32-bit DIB.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

// Scales the picture into target (nearest pixel) over a top-down 0x00RRGGBB
// surface of width x height, blending by the picture's alpha; only pixels
// inside clip are touched.
void BlendPicture(const Picture& picture, const html::Rect& target, const html::Rect& clip,
                  std::uint32_t* surface, int width, int height);
