// The launcher's entry: measures the display and opens the intro screen, or
// the info window when the display is too weak.
#include "DisplayCheck.h"
#include "Forms.h"
#include "Handle.h"
#include "Unit1.h"
#include "Unit2.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  VclStartup platform;
  int bits, width;
  {
    vcl::UniqueDC display(::CreateICA("DISPLAY", nullptr, nullptr, nullptr));
    bits = ::GetDeviceCaps(display.get(), BITSPIXEL);
    width = ::GetDeviceCaps(display.get(), HORZRES);
  }
  Application->Initialize();
  if (DisplayTooWeak(bits, width))
    Application->CreateForm(Hlaska);
  else
    Application->CreateForm(Uvod);
  Application->Run();
  return 0;
}
