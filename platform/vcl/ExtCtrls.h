#pragma once
// The picture component.
#include "Controls.h"
#include "Graphics.h"

class TImage : public TGraphicControl {
public:
  static constexpr const char* ClassName = "TImage";
  explicit TImage(TComponent* AOwner) : TGraphicControl(AOwner) {}

  TPicture& Picture() { return picture_; }
  void SetPicture(std::string bitmapFile);
  bool AutoSize() const { return autoSize_; }

  // Unscaled and opaque, from the component's top-left corner.
  void Paint(HDC dc) override { picture_.Draw(dc, Left(), Top()); }
  void ReadProperty(const FormProperty& p, const TComponent& root) override;

private:
  void AdjustSize();
  TPicture picture_;
  bool autoSize_ = false;
};
