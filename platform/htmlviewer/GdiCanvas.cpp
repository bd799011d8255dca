#include "GdiCanvas.h"
#include "LinkTarget.h"

namespace {
const wchar_t* Wide(std::u16string_view text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}
} // namespace

GdiCanvas::GdiCanvas(BackBuffer& buffer, FontCache& fonts, PictureCache& pictures,
                     std::string folder, const html::Rect& clip)
    : buffer_(buffer), dc_(buffer.dc()), fonts_(fonts), pictures_(pictures),
      folder_(std::move(folder)), clip_(clip), keepFont_(dc_, ::GetStockObject(SYSTEM_FONT)) {
  vcl::UniqueGdi<HRGN> region(::CreateRectRgn(clip.left, clip.top, clip.right, clip.bottom));
  ::SelectClipRgn(dc_, region.get()); // the DC keeps a copy
  ::SetBkMode(dc_, TRANSPARENT);
  ::SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
}

GdiCanvas::~GdiCanvas() {
  ::SelectClipRgn(dc_, nullptr);
}

void GdiCanvas::UseFont(const html::FontSpec& font) {
  if (current_ == font)
    return;
  // Making room, the cache deletes its fonts: none of them may be selected then.
  ::SelectObject(dc_, ::GetStockObject(SYSTEM_FONT));
  ::SelectObject(dc_, fonts_.Get(font));
  current_ = font;
}

html::FontMetrics GdiCanvas::Metrics(const html::FontSpec& font) {
  UseFont(font);
  TEXTMETRICA tm{};
  ::GetTextMetricsA(dc_, &tm);
  return {static_cast<int>(tm.tmAscent), static_cast<int>(tm.tmDescent)};
}

int GdiCanvas::TextWidth(const html::FontSpec& font, std::u16string_view text) {
  if (text.empty())
    return 0;
  UseFont(font);
  SIZE size{};
  ::GetTextExtentPoint32W(dc_, Wide(text), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::shared_ptr<const Picture> GdiCanvas::PictureOf(const std::string& src) {
  return pictures_.Get(ResolveAgainst(folder_, src));
}

html::ImageSize GdiCanvas::PictureSize(const std::string& src) {
  std::shared_ptr<const Picture> p = PictureOf(src);
  if (!p)
    return {};
  return {p->width, p->height, true};
}

void GdiCanvas::FillRect(const html::Rect& r, html::Color color) {
  RECT rect{r.left, r.top, r.right, r.bottom};
  ::SetBkColor(dc_, color);
  ::ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void GdiCanvas::DrawText(int x, int baseline, std::u16string_view text, const html::FontSpec& font,
                         html::Color color) {
  if (text.empty())
    return;
  UseFont(font);
  ::SetTextColor(dc_, color);
  ::ExtTextOutW(dc_, x, baseline, 0, nullptr, Wide(text), static_cast<UINT>(text.size()), nullptr);
}

void GdiCanvas::DrawLine(int x1, int y1, int x2, int y2, html::Color color) {
  vcl::UniqueGdi<HPEN> pen(::CreatePen(PS_SOLID, 1, color));
  vcl::SelectScope use(dc_, pen.get());
  ::MoveToEx(dc_, x1, y1, nullptr);
  ::LineTo(dc_, x2, y2);
}

void GdiCanvas::DrawFrame(const html::Rect& r, int width, bool sunken) {
  html::Color light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  html::Color dark = ::GetSysColor(COLOR_BTNSHADOW);
  if (sunken)
    std::swap(light, dark);
  for (int i = 0; i < width && r.left + 2 * i < r.right && r.top + 2 * i < r.bottom; ++i) {
    const int l = r.left + i, t = r.top + i, rr = r.right - i, b = r.bottom - i;
    FillRect({l, t, rr, t + 1}, light);
    FillRect({l, t, l + 1, b}, light);
    FillRect({l, b - 1, rr, b}, dark);
    FillRect({rr - 1, t, rr, b}, dark);
  }
}

void GdiCanvas::DrawPicture(const std::string& src, const html::Rect& r) {
  std::shared_ptr<const Picture> p = PictureOf(src);
  if (!p) {
    DrawFrame(r, 1, true); // where the picture would be
    return;
  }
  ::GdiFlush(); // what GDI drew must be in the bits first
  BlendPicture(*p, r, clip_, buffer_.Bits(), buffer_.Width(), buffer_.Height());
}
