// Looks at windows, the screen and the sound devices for the end-to-end scenarios.
// Every command prints key=value lines; exit code 0 on success, 1 when not found, 2 on misuse.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kFound = 0;
constexpr int kNotFound = 1;
constexpr int kUsage = 2;

// Owns a DC that was obtained by GetDC.
class WindowDc {
public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_)
      ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

private:
  HWND hwnd_;
  HDC dc_;
};

// Owns a DC that was made by CreateCompatibleDC or CreateIC.
class OwnedDc {
public:
  explicit OwnedDc(HDC dc) : dc_(dc) {}
  ~OwnedDc() {
    if (dc_)
      DeleteDC(dc_);
  }
  OwnedDc(const OwnedDc&) = delete;
  OwnedDc& operator=(const OwnedDc&) = delete;
  HDC get() const { return dc_; }

private:
  HDC dc_;
};

// Selects a GDI object into a DC for the lifetime of the guard, then deletes it.
class Selected {
public:
  Selected(HDC dc, HGDIOBJ obj) : dc_(dc), obj_(obj), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~Selected() {
    if (old_)
      SelectObject(dc_, old_);
    if (obj_)
      DeleteObject(obj_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

private:
  HDC dc_;
  HGDIOBJ obj_;
  HGDIOBJ old_;
};

// A top-down 32-bit copy of the whole screen: pixel (x, y) is bits[y * width + x], 0x00RRGGBB.
struct Screen {
  int width = 0;
  int height = 0;
  std::vector<DWORD> bits;
};

bool grab_screen(Screen& out) {
  out.width = GetSystemMetrics(SM_CXSCREEN);
  out.height = GetSystemMetrics(SM_CYSCREEN);
  WindowDc screen(nullptr);
  OwnedDc mem(CreateCompatibleDC(screen.get()));
  if (!screen.get() || !mem.get())
    return false;

  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = out.width;
  bi.bmiHeader.biHeight = -out.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib)
    return false;
  Selected guard(mem.get(), dib);
  if (!BitBlt(mem.get(), 0, 0, out.width, out.height, screen.get(), 0, 0, SRCCOPY))
    return false;
  GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  out.bits.assign(first, first + static_cast<size_t>(out.width) * out.height);
  return true;
}

// "*" stands for "any", as a null argument to FindWindowA.
const char* any_or(const char* arg) {
  return std::strcmp(arg, "*") == 0 ? nullptr : arg;
}

DWORD timeout_arg(int argc, char** argv, int index, DWORD fallback) {
  return argc > index ? static_cast<DWORD>(std::strtoul(argv[index], nullptr, 10)) : fallback;
}

// Polls for the window; null when it did not appear before the deadline.
HWND wait_for_window(const char* cls, const char* text, DWORD start, DWORD timeout_ms) {
  for (;;) {
    if (HWND hwnd = FindWindowA(cls, text))
      return hwnd;
    if (GetTickCount() - start >= timeout_ms)
      return nullptr;
    Sleep(20);
  }
}

std::string class_of(HWND hwnd) {
  char name[256] = "";
  GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

unsigned long long handle_value(HWND hwnd) {
  return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd));
}

// What a scenario asks about a window and its owner.
struct WindowState {
  LONG style = 0;
  LONG exstyle = 0;
  bool visible = false;
  RECT window{};
  RECT client{};
  HWND owner = nullptr;
  LONG owner_style = 0;
  LONG owner_exstyle = 0;
  bool owner_visible = false;

  static WindowState of(HWND hwnd) {
    WindowState s;
    s.style = GetWindowLongA(hwnd, GWL_STYLE);
    s.exstyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    s.visible = IsWindowVisible(hwnd) != 0;
    GetWindowRect(hwnd, &s.window);
    GetClientRect(hwnd, &s.client);
    s.owner = GetWindow(hwnd, GW_OWNER);
    if (s.owner) {
      s.owner_style = GetWindowLongA(s.owner, GWL_STYLE);
      s.owner_exstyle = GetWindowLongA(s.owner, GWL_EXSTYLE);
      s.owner_visible = IsWindowVisible(s.owner) != 0;
    }
    return s;
  }

  bool operator==(const WindowState& o) const {
    return style == o.style && exstyle == o.exstyle && visible == o.visible &&
           EqualRect(&window, &o.window) && EqualRect(&client, &o.client) && owner == o.owner &&
           owner_style == o.owner_style && owner_exstyle == o.owner_exstyle &&
           owner_visible == o.owner_visible;
  }
};

int cmd_find(int argc, char** argv) {
  if (argc < 4)
    return kUsage;
  const DWORD start = GetTickCount();
  const DWORD timeout_ms = timeout_arg(argc, argv, 4, 10000);
  HWND hwnd = wait_for_window(any_or(argv[2]), any_or(argv[3]), start, timeout_ms);
  if (!hwnd) {
    std::printf("found=0\n");
    return kNotFound;
  }
  // FindWindow sees a window from CreateWindow on; report it once it is shown and has stopped
  // changing, or as it is at the deadline.
  WindowState state = WindowState::of(hwnd);
  while (GetTickCount() - start < timeout_ms) {
    Sleep(100);
    const WindowState again = WindowState::of(hwnd);
    if (again.visible && again == state)
      break;
    state = again;
  }

  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char text[256] = "";
  GetWindowTextA(hwnd, text, sizeof(text));
  std::printf("found=1\nhwnd=0x%llx\npid=%lu\nclass=%s\ntext=%s\n", handle_value(hwnd), pid,
              class_of(hwnd).c_str(), text);
  std::printf("style=0x%08lx\nexstyle=0x%08lx\nvisible=%d\n",
              static_cast<unsigned long>(state.style), static_cast<unsigned long>(state.exstyle),
              state.visible ? 1 : 0);
  const RECT& w = state.window;
  std::printf("left=%ld\ntop=%ld\nright=%ld\nbottom=%ld\n", w.left, w.top, w.right, w.bottom);
  std::printf("client_width=%ld\nclient_height=%ld\n", state.client.right - state.client.left,
              state.client.bottom - state.client.top);
  std::printf("owner=0x%llx\n", handle_value(state.owner));
  if (state.owner) {
    std::printf("owner_class=%s\nowner_style=0x%08lx\nowner_exstyle=0x%08lx\nowner_visible=%d\n",
                class_of(state.owner).c_str(), static_cast<unsigned long>(state.owner_style),
                static_cast<unsigned long>(state.owner_exstyle), state.owner_visible ? 1 : 0);
  }
  return kFound;
}

// Every visible top-level window, one line each: what a scenario shows when its window is missing.
BOOL CALLBACK print_window(HWND hwnd, LPARAM) {
  if (!IsWindowVisible(hwnd))
    return TRUE;
  char text[256] = "";
  GetWindowTextA(hwnd, text, sizeof(text));
  RECT r{};
  GetWindowRect(hwnd, &r);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  std::printf("0x%llx=pid %lu class \"%s\" text \"%s\" rect %ld,%ld,%ld,%ld\n", handle_value(hwnd),
              pid, class_of(hwnd).c_str(), text, r.left, r.top, r.right, r.bottom);
  return TRUE;
}

int cmd_list() {
  EnumWindows(print_window, 0);
  return kFound;
}

int cmd_gone(int argc, char** argv) {
  if (argc < 4)
    return kUsage;
  const DWORD timeout_ms = timeout_arg(argc, argv, 4, 10000);
  const DWORD start = GetTickCount();
  while (FindWindowA(any_or(argv[2]), any_or(argv[3]))) {
    if (GetTickCount() - start >= timeout_ms) {
      std::printf("gone=0\n");
      return kNotFound;
    }
    Sleep(20);
  }
  std::printf("gone=1\n");
  return kFound;
}

int cmd_close(int argc, char** argv) {
  if (argc < 4)
    return kUsage;
  HWND hwnd = FindWindowA(any_or(argv[2]), any_or(argv[3]));
  if (!hwnd) {
    std::printf("closed=0\n");
    return kNotFound;
  }
  const bool posted = PostMessageA(hwnd, WM_CLOSE, 0, 0) != 0;
  std::printf("closed=%d\n", posted ? 1 : 0);
  return posted ? kFound : kNotFound;
}

int cmd_pixels(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0)
    return kUsage;
  Screen screen;
  if (!grab_screen(screen))
    return kNotFound;
  int result = kFound;
  for (int i = 2; i + 1 < argc; i += 2) {
    const int x = std::atoi(argv[i]);
    const int y = std::atoi(argv[i + 1]);
    if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) {
      std::printf("%d,%d=outside\n", x, y);
      result = kNotFound;
      continue;
    }
    std::printf("%d,%d=%06lX\n", x, y,
                static_cast<unsigned long>(screen.bits[y * screen.width + x] & 0xFFFFFF));
  }
  return result;
}

template <typename T> void put(std::vector<unsigned char>& out, T value) {
  for (size_t i = 0; i < sizeof(T); ++i)
    out.push_back(
        static_cast<unsigned char>((static_cast<unsigned long long>(value) >> (8 * i)) & 0xFF));
}

int cmd_screenshot(int argc, char** argv) {
  if (argc < 3)
    return kUsage;
  Screen screen;
  if (!grab_screen(screen))
    return kNotFound;

  // 24-bit, bottom-up, rows padded to four bytes: what every viewer reads.
  const DWORD stride = (static_cast<DWORD>(screen.width) * 3 + 3) & ~3u;
  const DWORD image_size = stride * static_cast<DWORD>(screen.height);
  const DWORD offset = 14 + 40;
  std::vector<unsigned char> file;
  file.reserve(offset + image_size);
  put<WORD>(file, 0x4D42);
  put<DWORD>(file, offset + image_size);
  put<DWORD>(file, 0);
  put<DWORD>(file, offset);
  put<DWORD>(file, 40);
  put<LONG>(file, screen.width);
  put<LONG>(file, screen.height);
  put<WORD>(file, 1);
  put<WORD>(file, 24);
  put<DWORD>(file, BI_RGB);
  put<DWORD>(file, image_size);
  put<LONG>(file, 2835);
  put<LONG>(file, 2835);
  put<DWORD>(file, 0);
  put<DWORD>(file, 0);
  for (int y = screen.height - 1; y >= 0; --y) {
    const size_t row_start = file.size();
    for (int x = 0; x < screen.width; ++x) {
      const DWORD px = screen.bits[y * screen.width + x];
      file.push_back(static_cast<unsigned char>(px & 0xFF));
      file.push_back(static_cast<unsigned char>((px >> 8) & 0xFF));
      file.push_back(static_cast<unsigned char>((px >> 16) & 0xFF));
    }
    file.resize(row_start + stride, 0);
  }

  HANDLE out = CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
  if (out == INVALID_HANDLE_VALUE)
    return kNotFound;
  DWORD written = 0;
  const bool ok = WriteFile(out, file.data(), static_cast<DWORD>(file.size()), &written, nullptr) &&
                  written == file.size();
  CloseHandle(out);
  std::printf("width=%d\nheight=%d\nsaved=%d\n", screen.width, screen.height, ok ? 1 : 0);
  return ok ? kFound : kNotFound;
}

int cmd_caps() {
  // The same question the launcher asks.
  OwnedDc ic(CreateICA("DISPLAY", nullptr, nullptr, nullptr));
  if (!ic.get())
    return kNotFound;
  std::printf("bpp=%d\nwidth=%d\nheight=%d\n",
              GetDeviceCaps(ic.get(), BITSPIXEL) * GetDeviceCaps(ic.get(), PLANES),
              GetDeviceCaps(ic.get(), HORZRES), GetDeviceCaps(ic.get(), VERTRES));
  std::printf("cx_screen=%d\ncy_screen=%d\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN));
  std::printf("wave_out_devs=%u\n", waveOutGetNumDevs());
  return kFound;
}

int usage() {
  std::fprintf(stderr, "usage: probe find|gone <class> <text> [timeout_ms]\n"
                       "       probe close <class> <text>\n"
                       "       probe pixels x y [x y ...]\n"
                       "       probe screenshot out.bmp\n"
                       "       probe caps\n"
                       "       probe list\n"
                       "<class> or <text> * matches any\n");
  return kUsage;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2)
    return usage();
  const std::string cmd = argv[1];
  int rc = kUsage;
  if (cmd == "find")
    rc = cmd_find(argc, argv);
  else if (cmd == "gone")
    rc = cmd_gone(argc, argv);
  else if (cmd == "close")
    rc = cmd_close(argc, argv);
  else if (cmd == "pixels")
    rc = cmd_pixels(argc, argv);
  else if (cmd == "screenshot")
    rc = cmd_screenshot(argc, argv);
  else if (cmd == "caps")
    rc = cmd_caps();
  else if (cmd == "list")
    rc = cmd_list();
  std::fflush(stdout);
  return rc == kUsage ? usage() : rc;
}
