#pragma once
// Which screen the launcher opens with. Pure logic.

// Too weak for the application: fewer than 16 bits per pixel or fewer than
// 800 pixels of width. The height is not looked at.
constexpr bool DisplayTooWeak(int bitsPerPixel, int width) {
  return bitsPerPixel < 16 || width < 800;
}

// Offset that centres a thing of the given size in a space: half the
// difference, truncated toward zero, never clamped.
constexpr int CentredOffset(int space, int size) {
  return static_cast<int>((space - size) / 2.0);
}
