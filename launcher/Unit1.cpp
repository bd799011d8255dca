#include "Unit1.h"
#include "DisplayCheck.h"
#include "Environment.h"
#include "Funkce.h"
#include <windows.h>
#include <mmsystem.h>

TUvod* Uvod = nullptr;

TUvod::TUvod(TComponent* AOwner) : TForm(AOwner, "TUvod") {
  PublishField("Image1", Image1);
  PublishMethod("FormCreate", &TUvod::FormCreate);
  PublishMethod("FormActivate", &TUvod::FormActivate);
}

void TUvod::FormCreate(TObject*) {
  // Off the taskbar and the Alt+Tab list: the whole extended style is replaced.
  ::SetWindowLongA(Application->Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  Image1->SetLeft(CentredOffset(Screen->Width(), Image1->Width()));
  Image1->SetTop(CentredOffset(Screen->Height(), Image1->Height()));
  // The installation point: nothing that fails there may stop the start.
  try {
    InstallCodecAtStart();
  } catch (...) {
  }
  PendingStart = true;
}

void TUvod::FormActivate(TObject*) {
  Uvod->Update();
  if (!PendingStart)
    return;
  PendingStart = false;
  // The path is quoted, so that a folder with a blank stays one item.
  std::string command =
      "\"" + ExeFolder() +
      (::waveOutGetNumDevs() != 0 ? "Aplikace\\Klendo.exe\"" : "Aplikace\\Klendo_ns.exe\"");
  ::WinExec(command.c_str(), SW_SHOW);
}
