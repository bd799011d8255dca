#pragma once
// A 32-bit top-down DIB section selected into a memory DC: where the control
// draws before one BitBlt to the screen, and where pictures are rendered.
#include "Handle.h"
#include <cstdint>
#include <optional>

class BackBuffer {
public:
  BackBuffer() = default;
  BackBuffer(int width, int height) { Resize(width, height); }
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Makes the buffer at least this size; false when GDI cannot.
  bool Resize(int width, int height);
  HDC dc() const { return dc_.get(); }
  // Pixel (x, y) is Bits()[y * Width() + x], 0x00RRGGBB; call GdiFlush
  // before touching it after GDI drew.
  std::uint32_t* Bits() const { return bits_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Ok() const { return bits_ != nullptr; }

private:
  void Release();
  vcl::UniqueDC dc_;
  vcl::UniqueGdi<HBITMAP> bitmap_;
  std::optional<vcl::SelectScope> selected_; // goes first: the bitmap is deselected, then deleted
  std::uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};
