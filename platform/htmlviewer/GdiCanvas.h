#pragma once
// The page's drawing surface on GDI: wide-character text in cached fonts,
// pictures from the cache blended straight into the back buffer, picture
// paths taken against the page's folder.
#include "BackBuffer.h"
#include "Canvas.h"
#include "FontCache.h"
#include "PictureCache.h"
#include <optional>
#include <string>

class GdiCanvas : public html::Canvas {
public:
  // folder: the page's folder, ending in a backslash. Drawing stays inside clip.
  GdiCanvas(BackBuffer& buffer, FontCache& fonts, PictureCache& pictures, std::string folder,
            const html::Rect& clip);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  html::FontMetrics Metrics(const html::FontSpec& font) override;
  int TextWidth(const html::FontSpec& font, std::u16string_view text) override;
  html::ImageSize PictureSize(const std::string& src) override;

  void FillRect(const html::Rect& r, html::Color color) override;
  void DrawText(int x, int baseline, std::u16string_view text, const html::FontSpec& font,
                html::Color color) override;
  void DrawLine(int x1, int y1, int x2, int y2, html::Color color) override;
  void DrawFrame(const html::Rect& r, int width, bool sunken) override;
  void DrawPicture(const std::string& src, const html::Rect& r) override;

private:
  void UseFont(const html::FontSpec& font);
  std::shared_ptr<const Picture> PictureOf(const std::string& src);

  BackBuffer& buffer_;
  HDC dc_;
  FontCache& fonts_;
  PictureCache& pictures_;
  std::string folder_;
  html::Rect clip_;
  vcl::SelectScope keepFont_;             // the DC's own font comes back at the end
  std::optional<html::FontSpec> current_; // the font selected into the DC
};
