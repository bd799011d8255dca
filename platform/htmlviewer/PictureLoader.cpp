#include "PictureLoader.h"
#include "BackBuffer.h"
#include "Handle.h"
#include <ole2.h>
#include <olectl.h>
#include <cstring>

namespace {

template <class T> struct ComTraits {
  using Type = T*;
  static Type invalid() { return nullptr; }
  static void close(Type p) { p->Release(); }
};
template <class T> using ComPtr = vcl::UniqueHandle<ComTraits<T>>;

struct GlobalTraits {
  using Type = HGLOBAL;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::GlobalFree(h); }
};
struct LibraryTraits {
  using Type = HMODULE;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::FreeLibrary(h); }
};

// A stream over a copy of the bytes; the stream frees the copy.
ComPtr<IStream> StreamOver(const std::string& bytes) {
  vcl::UniqueHandle<GlobalTraits> memory(
      ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1));
  if (!memory)
    return {};
  void* p = ::GlobalLock(memory.get());
  if (!p)
    return {};
  std::memcpy(p, bytes.data(), bytes.size());
  ::GlobalUnlock(memory.get());
  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(memory.get(), TRUE, &stream)))
    return {};
  memory.release();
  return ComPtr<IStream>(stream);
}

// IPicture draws transparent parts by leaving the background: drawn once on
// black and once on white, the difference gives the alpha, and the drawing on
// black is already premultiplied.
std::optional<Picture> DecodeWithOle(const std::string& bytes) {
  ComPtr<IStream> stream = StreamOver(bytes);
  if (!stream)
    return std::nullopt;
  void* object = nullptr;
  if (FAILED(::OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                              &object)))
    return std::nullopt;
  ComPtr<IPicture> picture(static_cast<IPicture*>(object));
  OLE_XSIZE_HIMETRIC hmWidth = 0;
  OLE_YSIZE_HIMETRIC hmHeight = 0;
  picture.get()->get_Width(&hmWidth);
  picture.get()->get_Height(&hmHeight);
  int dpiX = 96, dpiY = 96;
  {
    vcl::WindowDC screen(nullptr);
    if (screen.get()) {
      dpiX = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
      dpiY = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
  }
  Picture out;
  out.width = ::MulDiv(hmWidth, dpiX, 2540);
  out.height = ::MulDiv(hmHeight, dpiY, 2540);
  if (out.width <= 0 || out.height <= 0)
    return std::nullopt;
  if (out.width > 0x4000 || out.height > 0x4000)
    return std::nullopt;
  const std::size_t count = static_cast<std::size_t>(out.width) * out.height;
  BackBuffer black(out.width, out.height), white(out.width, out.height);
  if (!black.Ok() || !white.Ok())
    return std::nullopt;
  std::memset(black.Bits(), 0x00, count * 4);
  std::memset(white.Bits(), 0xFF, count * 4);
  for (BackBuffer* b : {&black, &white})
    if (FAILED(picture.get()->Render(b->dc(), 0, 0, out.width, out.height, 0, hmHeight, hmWidth,
                                     -hmHeight, nullptr)))
      return std::nullopt;
  ::GdiFlush();
  out.pixels.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t b = black.Bits()[i] & 0xFFFFFF, w = white.Bits()[i] & 0xFFFFFF;
    const std::uint32_t alpha = 255 - (((w >> 8) & 0xFF) - ((b >> 8) & 0xFF));
    out.pixels[i] = b | alpha << 24;
  }
  return out;
}

} // namespace

// GDI+'s flat interface, taken from gdiplus.dll where it exists.
class PictureLoader::GdiPlus {
public:
  static std::unique_ptr<GdiPlus> Load() {
    vcl::UniqueHandle<LibraryTraits> module(::LoadLibraryA("gdiplus.dll"));
    if (!module)
      return nullptr;
    std::unique_ptr<GdiPlus> g(new GdiPlus);
    if (!g->Bind(module.get()))
      return nullptr;
    StartupInput input;
    if (g->startup_(&g->token_, &input, nullptr) != 0)
      return nullptr;
    g->module_ = std::move(module);
    return g;
  }
  ~GdiPlus() {
    if (module_)
      shutdown_(token_);
  }

  std::optional<Picture> Decode(const std::string& bytes) {
    ComPtr<IStream> stream = StreamOver(bytes);
    void* bitmap = nullptr;
    if (!stream || createFromStream_(stream.get(), &bitmap) != 0)
      return std::nullopt;
    // Disposed before the stream it reads from goes, also when the copy throws.
    struct Disposal {
      int(WINAPI* dispose)(void*);
      void* bitmap;
      ~Disposal() { dispose(bitmap); }
    } disposal{disposeImage_, bitmap};
    return Copy(bitmap);
  }

private:
  struct StartupInput {
    UINT32 version = 1;
    void* debugCallback = nullptr;
    BOOL suppressBackgroundThread = FALSE;
    BOOL suppressExternalCodecs = FALSE;
  };
  struct LockRect {
    INT x, y, width, height;
  };
  struct BitmapData {
    UINT width, height;
    INT stride;
    INT format;
    void* scan0;
    UINT_PTR reserved;
  };
  static constexpr INT PixelFormat32bppPARGB = 0x000E200B;
  static constexpr UINT ImageLockModeRead = 1;

  template <class F> bool Take(HMODULE m, const char* name, F& f) {
    f = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(m, name)));
    return f != nullptr;
  }
  bool Bind(HMODULE m) {
    return Take(m, "GdiplusStartup", startup_) && Take(m, "GdiplusShutdown", shutdown_) &&
           Take(m, "GdipCreateBitmapFromStream", createFromStream_) &&
           Take(m, "GdipGetImageWidth", width_) && Take(m, "GdipGetImageHeight", height_) &&
           Take(m, "GdipBitmapLockBits", lockBits_) &&
           Take(m, "GdipBitmapUnlockBits", unlockBits_) &&
           Take(m, "GdipDisposeImage", disposeImage_);
  }

  std::optional<Picture> Copy(void* bitmap) {
    UINT w = 0, h = 0;
    if (width_(bitmap, &w) != 0 || height_(bitmap, &h) != 0 || w == 0 || h == 0 || w > 0x4000 ||
        h > 0x4000)
      return std::nullopt;
    // Allocated first: nothing may throw while the bits are locked.
    Picture out;
    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.pixels.resize(static_cast<std::size_t>(w) * h);
    LockRect rect{0, 0, static_cast<INT>(w), static_cast<INT>(h)};
    BitmapData data{};
    if (lockBits_(bitmap, &rect, ImageLockModeRead, PixelFormat32bppPARGB, &data) != 0)
      return std::nullopt;
    for (UINT y = 0; y < h; ++y)
      std::memcpy(&out.pixels[static_cast<std::size_t>(y) * w],
                  static_cast<const char*>(data.scan0) +
                      static_cast<std::ptrdiff_t>(y) * data.stride,
                  w * 4);
    unlockBits_(bitmap, &data);
    return out;
  }

  vcl::UniqueHandle<LibraryTraits> module_;
  ULONG_PTR token_ = 0;
  int(WINAPI* startup_)(ULONG_PTR*, const StartupInput*, void*) = nullptr;
  void(WINAPI* shutdown_)(ULONG_PTR) = nullptr;
  int(WINAPI* createFromStream_)(IStream*, void**) = nullptr;
  int(WINAPI* width_)(void*, UINT*) = nullptr;
  int(WINAPI* height_)(void*, UINT*) = nullptr;
  int(WINAPI* lockBits_)(void*, const LockRect*, UINT, INT, BitmapData*) = nullptr;
  int(WINAPI* unlockBits_)(void*, BitmapData*) = nullptr;
  int(WINAPI* disposeImage_)(void*) = nullptr;
};

PictureLoader::PictureLoader() {
  // The decoders behind both routes are COM objects on some systems.
  comStarted_ = SUCCEEDED(::CoInitialize(nullptr));
}

PictureLoader::~PictureLoader() {
  gdiplus_.reset();
  if (comStarted_)
    ::CoUninitialize();
}

bool PictureLoader::HasGdiPlus() {
  if (!gdiplusTried_) {
    gdiplusTried_ = true;
    gdiplus_ = GdiPlus::Load();
  }
  return gdiplus_ != nullptr;
}

std::optional<Picture> PictureLoader::Decode(const std::string& bytes, Route route) {
  if (route != Route::Ole && HasGdiPlus())
    if (std::optional<Picture> p = gdiplus_->Decode(bytes))
      return p;
  if (route == Route::GdiPlus)
    return std::nullopt;
  return DecodeWithOle(bytes);
}
