#include "Unit2.h"
#include "Environment.h"
#include "SysUtils.h"
#include <windows.h>
#include <shellapi.h>

THlaska* Hlaska = nullptr;

THlaska::THlaska(TComponent* AOwner) : TForm(AOwner, "THlaska") {
  PublishField("Viewer", Viewer);
  PublishMethod("FormCreate", &THlaska::FormCreate);
  PublishMethod("ViewerHotSpotClick", &THlaska::ViewerHotSpotClick);
}

void THlaska::FormCreate(TObject*) {
  Viewer->LoadFromFile(ExeFolder() + "Info\\index.htm");
}

// Each keyword is a test of its own; closing only posts the quit message, so
// the tests after it still run.
void THlaska::ViewerHotSpotClick(TObject*, const std::string& SRC, bool& Handled) {
  Handled = false;
  std::string target = AsciiUpperCase(SRC);
  if (target.find("KONEC") != std::string::npos)
    Close();
  if (target.find("OBRAZOVKA") != std::string::npos) {
    RunControlPanel("desk.cpl,,3");
    Close();
  }
  if (target.find("MAILTO:") != std::string::npos || target.find("HTTP:") != std::string::npos) {
    ::ShellExecuteA(nullptr, nullptr, SRC.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    Handled = true;
  }
}

int RunControlPanel(const std::string& parameters) {
  std::string command = "rundll32.exe shell32.dll,Control_RunDLL " + parameters;
  return static_cast<int>(::WinExec(command.c_str(), SW_SHOWNORMAL));
}
