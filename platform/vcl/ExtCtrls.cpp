#include "ExtCtrls.h"
#include "FormDescription.h"
#include "SysUtils.h"

void TImage::SetPicture(std::string bitmapFile) {
  picture_.LoadFromBitmapFile(std::move(bitmapFile));
  AdjustSize();
  Invalidate();
}

void TImage::AdjustSize() {
  if (autoSize_ && !picture_.Empty())
    SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::ReadProperty(const FormProperty& p, const TComponent& root) {
  if (p.name == "AutoSize") {
    autoSize_ = AsBoolean(p);
    AdjustSize();
  } else if (p.name == "Picture.Data") {
    if (p.value.kind != FormValue::Kind::Binary)
      throw EReadError("Invalid property value of Picture.Data: binary data expected");
    SetPicture(p.value.text);
  } else if (p.name == "Stretch" || p.name == "Center" || p.name == "Transparent") {
    // Only the defaults are drawn: unscaled, from the top-left corner, opaque.
    if (AsBoolean(p))
      throw EReadError("Property " + p.name + " = True is not supported");
  } else {
    TGraphicControl::ReadProperty(p, root);
  }
}
