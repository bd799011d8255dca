// Drives the info window from outside for the end-to-end scenarios: mouse
// input posted to its HTML control, the message box of the error report,
// the close box. Prints key=value lines; exit code 0 on success, 1 when the
// window is not there, 2 on misuse.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kOk = 0, kNotFound = 1, kUsage = 2;

HWND InfoWindow() {
  return ::FindWindowA("THlaska", "Info");
}

HWND Viewer() {
  HWND info = InfoWindow();
  return info ? ::FindWindowExA(info, nullptr, "THTMLViewer", nullptr) : nullptr;
}

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

int Click(int x, int y) {
  HWND v = Viewer();
  if (!v)
    return kNotFound;
  ::PostMessageA(v, WM_MOUSEMOVE, 0, At(x, y));
  ::PostMessageA(v, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
  ::PostMessageA(v, WM_LBUTTONUP, 0, At(x, y));
  std::printf("clicked=1\n");
  return kOk;
}

int Drag(int x1, int y1, int x2, int y2) {
  HWND v = Viewer();
  if (!v)
    return kNotFound;
  ::PostMessageA(v, WM_LBUTTONDOWN, MK_LBUTTON, At(x1, y1));
  for (int i = 1; i <= 4; ++i)
    ::PostMessageA(v, WM_MOUSEMOVE, MK_LBUTTON, At(x1 + (x2 - x1) * i / 4, y1 + (y2 - y1) * i / 4));
  ::PostMessageA(v, WM_LBUTTONUP, 0, At(x2, y2));
  std::printf("dragged=1\n");
  return kOk;
}

// The viewer's client area on the screen, and whether the window is shown.
int Where() {
  HWND info = InfoWindow();
  HWND v = Viewer();
  if (!v)
    return kNotFound;
  POINT origin{0, 0};
  ::ClientToScreen(v, &origin);
  RECT r;
  ::GetClientRect(v, &r);
  std::printf("left=%ld\ntop=%ld\nwidth=%ld\nheight=%ld\nvisible=%d\nstyle=0x%08lx\n", origin.x,
              origin.y, r.right, r.bottom, ::IsWindowVisible(info) ? 1 : 0,
              static_cast<unsigned long>(::GetWindowLongA(v, GWL_STYLE)));
  return kOk;
}

struct Texts {
  std::string all;
};

BOOL CALLBACK CollectStatic(HWND child, LPARAM lp) {
  char cls[64] = "", text[1024] = "";
  ::GetClassNameA(child, cls, sizeof cls);
  if (::lstrcmpiA(cls, "Static") == 0 && ::GetWindowTextA(child, text, sizeof text) > 0) {
    auto* t = reinterpret_cast<Texts*>(lp);
    if (!t->all.empty())
      t->all += "|";
    t->all += text;
  }
  return TRUE;
}

// Waits for a message box with the caption; prints its text and whether the
// info window was visible at that moment.
int MessageText(const char* caption, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  HWND box;
  while (!(box = ::FindWindowA("#32770", caption))) {
    if (::GetTickCount() - start >= timeoutMs) {
      std::printf("found=0\n");
      return kNotFound;
    }
    ::Sleep(20);
  }
  ::Sleep(200); // let the box fill in its text
  Texts t;
  ::EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&t));
  HWND info = InfoWindow();
  std::printf("found=1\ntext=%s\ninfo_visible=%d\n", t.all.c_str(),
              info && ::IsWindowVisible(info) ? 1 : 0);
  return kOk;
}

int Dismiss(const char* caption) {
  HWND box = ::FindWindowA("#32770", caption);
  if (!box)
    return kNotFound;
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  std::printf("dismissed=1\n");
  return kOk;
}

// What the close box does.
int CloseBox() {
  HWND info = InfoWindow();
  if (!info)
    return kNotFound;
  ::PostMessageA(info, WM_SYSCOMMAND, SC_CLOSE, 0);
  std::printf("closed=1\n");
  return kOk;
}

int Colors() {
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  std::printf("btnface=%02X%02X%02X\n", GetRValue(face), GetGValue(face), GetBValue(face));
  return kOk;
}

int Usage() {
  std::fprintf(stderr, "usage: viewer_driver click x y | drag x1 y1 x2 y2 | where\n"
                       "       viewer_driver msgbox <caption> [timeout_ms] | dismiss <caption>\n"
                       "       viewer_driver closebox | colors\n");
  return kUsage;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2)
    return Usage();
  const std::string cmd = argv[1];
  auto n = [&](int i) { return std::atoi(argv[i]); };
  int rc = kUsage;
  if (cmd == "click" && argc == 4)
    rc = Click(n(2), n(3));
  else if (cmd == "drag" && argc == 6)
    rc = Drag(n(2), n(3), n(4), n(5));
  else if (cmd == "where")
    rc = Where();
  else if (cmd == "msgbox" && argc >= 3)
    rc = MessageText(argv[2],
                     argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 10000);
  else if (cmd == "dismiss" && argc == 3)
    rc = Dismiss(argv[2]);
  else if (cmd == "closebox")
    rc = CloseBox();
  else if (cmd == "colors")
    rc = Colors();
  std::fflush(stdout);
  return rc == kUsage ? Usage() : rc;
}
