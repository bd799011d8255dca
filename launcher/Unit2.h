#pragma once
// The info window shown when the display is too weak: an HTML page from the
// disc whose links close the launcher, open the display settings or go to
// the shell.
#include "Forms.h"
#include "HTMLViewer.h"
#include <string>

class THlaska : public TForm {
public:
  explicit THlaska(TComponent* AOwner);

  THTMLViewer* Viewer = nullptr;
  void FormCreate(TObject* Sender);
  void ViewerHotSpotClick(TObject* Sender, const std::string& SRC, bool& Handled);
};

extern THlaska* Hlaska;

// Starts a Control Panel applet; parameters name the applet and its page.
int RunControlPanel(const std::string& parameters);
