// The sample disc's application: a small window that names its edition, in
// place of the real multimedia program. Built once per edition.
#include <windows.h>

#ifndef EDITION
#define EDITION "sound edition"
#endif

static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_PAINT: {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(wnd, &ps);
    RECT r;
    ::GetClientRect(wnd, &r);
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, "Klendo sample application\n" EDITION, -1, &r, DT_CENTER);
    ::EndPaint(wnd, &ps);
    return 0;
  }
  case WM_DESTROY:
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(wnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "KlendoSample";
  ::RegisterClassA(&wc);
  HWND wnd = ::CreateWindowExA(0, wc.lpszClassName, "Klendo - " EDITION,
                               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 16, 16, 280, 90, nullptr,
                               nullptr, instance, nullptr);
  ::ShowWindow(wnd, show);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
