#include "BackBuffer.h"

BackBuffer::~BackBuffer() {
  Release();
}

void BackBuffer::Release() {
  selected_.reset();
  bitmap_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

bool BackBuffer::Resize(int width, int height) {
  if (bits_ && width <= width_ && height <= height_)
    return true;
  Release();
  if (width <= 0 || height <= 0)
    return false;
  if (!dc_)
    dc_.reset(::CreateCompatibleDC(nullptr));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc_ || !bitmap_ || !bits)
    return false;
  selected_.emplace(dc_.get(), bitmap_.get());
  bits_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
  return true;
}
