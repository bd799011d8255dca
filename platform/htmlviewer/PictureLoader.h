#pragma once
// Pictures decoded by Windows itself: GDI+ where the system has it (loaded at
// run time), else OLE's picture loader, which reads BMP, GIF and JPEG on
// every Windows.
#include "Picture.h"
#include <memory>
#include <optional>
#include <string>

class PictureLoader {
public:
  enum class Route { Any, GdiPlus, Ole };

  PictureLoader();
  ~PictureLoader();
  PictureLoader(const PictureLoader&) = delete;
  PictureLoader& operator=(const PictureLoader&) = delete;

  // The picture that the bytes of a picture file hold; nothing when the
  // chosen route cannot decode them.
  std::optional<Picture> Decode(const std::string& bytes, Route route = Route::Any);
  bool HasGdiPlus();

private:
  class GdiPlus;
  std::unique_ptr<GdiPlus> gdiplus_;
  bool gdiplusTried_ = false;
  bool comStarted_ = false;
};
