#pragma once
// One owner for every kind of Windows handle: the traits name the invalid
// value and the function that closes it.
#include <windows.h>
#include <utility>

namespace vcl {

template <class Traits> class UniqueHandle {
public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type h) : h_(h) {}
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    reset(std::exchange(o.h_, Traits::invalid()));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Type get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::invalid(); }
  Type release() { return std::exchange(h_, Traits::invalid()); }
  void reset(Type h = Traits::invalid()) {
    if (h_ != Traits::invalid())
      Traits::close(h_);
    h_ = h;
  }

private:
  Type h_ = Traits::invalid();
};

struct FileTraits {
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type h) { ::CloseHandle(h); }
};
struct KernelTraits {
  using Type = HANDLE;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::CloseHandle(h); }
};
struct FindTraits {
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type h) { ::FindClose(h); }
};
struct KeyTraits {
  using Type = HKEY;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::RegCloseKey(h); }
};
struct DcTraits {
  using Type = HDC;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::DeleteDC(h); }
};
template <class T> struct GdiTraits {
  using Type = T;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::DeleteObject(h); }
};

using UniqueFile = UniqueHandle<FileTraits>;
using UniqueKernelHandle = UniqueHandle<KernelTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueKey = UniqueHandle<KeyTraits>;
using UniqueDC = UniqueHandle<DcTraits>;
template <class T> using UniqueGdi = UniqueHandle<GdiTraits<T>>;

// BeginPaint/EndPaint as a scope.
class PaintScope {
public:
  explicit PaintScope(HWND wnd) : wnd_(wnd) { dc_ = ::BeginPaint(wnd, &ps_); }
  ~PaintScope() { ::EndPaint(wnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// SelectObject and back.
class SelectScope {
public:
  SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
  ~SelectScope() { ::SelectObject(dc_, old_); }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

private:
  HDC dc_;
  HGDIOBJ old_;
};

// GetDC/ReleaseDC as a scope.
class WindowDC {
public:
  explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(::GetDC(wnd)) {}
  ~WindowDC() {
    if (dc_)
      ::ReleaseDC(wnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

private:
  HWND wnd_;
  HDC dc_;
};

} // namespace vcl
