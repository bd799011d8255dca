#pragma once
// The intro screen: a black borderless maximised backdrop with the centred
// picture, which installs the codec while it is created and starts the
// application when it is first activated.
#include "ExtCtrls.h"
#include "Forms.h"

class TUvod : public TForm {
public:
  explicit TUvod(TComponent* AOwner);

  TImage* Image1 = nullptr;
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);

private:
  bool PendingStart = false;
};

extern TUvod* Uvod;
