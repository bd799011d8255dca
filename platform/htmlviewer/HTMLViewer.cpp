#include "HTMLViewer.h"
#include "CodePageDecoder.h"
#include "FileBytes.h"
#include "FormDescription.h"
#include "GdiCanvas.h"
#include "LinkTarget.h"
#include "SysUtils.h"
#include <algorithm>

namespace {

constexpr int LineStep = 16; // pixels per scroll-bar arrow click and wheel line

int ScreenPixelsPerInch() {
  vcl::WindowDC screen(nullptr);
  return screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

bool SameFile(const std::string& a, const std::string& b) {
  char fa[MAX_PATH], fb[MAX_PATH];
  DWORD la = ::GetFullPathNameA(a.c_str(), MAX_PATH, fa, nullptr);
  DWORD lb = ::GetFullPathNameA(b.c_str(), MAX_PATH, fb, nullptr);
  if (la == 0 || la >= MAX_PATH || lb == 0 || lb >= MAX_PATH)
    return AsciiUpperCase(a) == AsciiUpperCase(b);
  return AsciiUpperCase(std::string(fa, la)) == AsciiUpperCase(std::string(fb, lb));
}

EInOutError CannotLocate(const std::string& file) {
  return EInOutError("Can't locate file: " + file);
}

} // namespace

THTMLViewer::THTMLViewer(TComponent* AOwner)
    : TWinControl(AOwner), fonts_(DEFAULT_CHARSET), pictures_(ImageCacheCount) {}

// ---- Loading and following links

void THTMLViewer::LoadFromFile(const std::string& path) {
  const LinkTarget target = SplitTarget(path);
  std::optional<std::string> bytes = ReadFileBytes(target.file);
  if (!bytes)
    throw CannotLocate(target.file);
  ShowPage(html::Page::Parse(*bytes, static_cast<int>(::GetACP()), DecodeCodePage), target.file,
           target.position);
}

void THTMLViewer::ShowPage(html::Page page, const std::string& file, const std::string& position) {
  page_ = std::move(page);
  currentFile_ = file;
  folder_ = FolderOf(file);
  laidOut_ = false;
  selStart_ = selEnd_ = {};
  scrollY_ = 0;
  ScrollToPosition(position);
  Repaint();
}

void THTMLViewer::ScrollToPosition(const std::string& position) {
  EnsureLayout();
  std::optional<int> top = position.empty() ? 0 : page_.AnchorTop(position);
  if (top)
    ScrollTo(*top);
}

void THTMLViewer::Click(const std::string& target) {
  bool handled = false;
  if (OnHotSpotClick)
    OnHotSpotClick(this, target, handled);
  if (!handled)
    FollowLink(target);
}

void THTMLViewer::FollowLink(const std::string& target) {
  const LinkTarget link = SplitTarget(target);
  if (link.file.empty()) {
    if (page_.AnchorTop(link.position)) {
      ScrollToPosition(link.position);
      Visit(target);
    }
    return;
  }
  const std::string path = ResolveAgainst(folder_, link.file);
  switch (KindOf(link.file)) {
  case TargetKind::Page:
    if (!currentFile_.empty() && SameFile(path, currentFile_))
      ScrollToPosition(link.position);
    else
      LoadFromFile(path + (target.find('#') != std::string::npos ? "#" + link.position : ""));
    break;
  case TargetKind::Picture: {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
      throw CannotLocate(path);
    ShowPage(html::Page::ForPicture(path), path, {});
    break;
  }
  case TargetKind::Other:
    return;
  }
  Visit(target);
}

void THTMLViewer::Visit(const std::string& target) {
  if (VisitedMaxCount <= 0 || !visited_.insert(target).second)
    return;
  visitedOrder_.push_back(target);
  while (visitedOrder_.size() > static_cast<std::size_t>(VisitedMaxCount)) {
    visited_.erase(visitedOrder_.front());
    visitedOrder_.erase(visitedOrder_.begin());
  }
  laidOut_ = false; // the link's colour changes
  Repaint();
}

// ---- Layout and scrolling

bool THTMLViewer::HasScrollBar() const {
  return ScrollBars == TScrollStyle::ssVertical || ScrollBars == TScrollStyle::ssBoth;
}

SIZE THTMLViewer::ClientSize() {
  if (HandleAllocated()) {
    RECT r;
    ::GetClientRect(Handle(), &r);
    return {r.right, r.bottom};
  }
  const int frame = BorderStyle == THTMLBorderStyle::htSingle ? 2 : 0;
  const int bar = HasScrollBar() ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
  return {std::max(0, Width() - frame - bar), std::max(0, Height() - frame)};
}

html::PageSettings THTMLViewer::Settings() const {
  html::PageSettings s;
  s.fontFace = DefFontName;
  s.preFontFace = DefPreFontName;
  s.fontPoints = DefFontSize;
  s.pixelsPerInch = ScreenPixelsPerInch();
  s.background = ColorToRGB(DefBackground);
  s.text = ColorToRGB(DefFontColor);
  s.link = ColorToRGB(DefHotSpotColor);
  s.visitedLink = ColorToRGB(DefVisitedLinkColor);
  s.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  s.highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  s.marginWidth = MarginWidth;
  s.marginHeight = MarginHeight;
  s.underlineLinks = !(htOptions & htNoLinkUnderline);
  s.viewImages = ViewImages;
  return s;
}

void THTMLViewer::EnsureLayout() {
  const SIZE client = ClientSize();
  if (laidOut_ && layoutWidth_ == client.cx)
    return;
  fonts_.SetCharset(static_cast<BYTE>(CharSet));
  pictures_.SetCapacity(ImageCacheCount);
  buffer_.Resize(std::max<int>(client.cx, 1), std::max<int>(client.cy, 1));
  GdiCanvas measurer(buffer_, fonts_, pictures_, folder_, {0, 0, 0, 0});
  page_.Layout(client.cx, measurer, Settings(), visited_);
  laidOut_ = true;
  layoutWidth_ = client.cx;
  ScrollTo(scrollY_);
}

void THTMLViewer::ScrollTo(int y) {
  const int bottom = std::max(0, page_.Height() - static_cast<int>(ClientSize().cy));
  const int top = std::clamp(y, 0, bottom);
  if (top != scrollY_) {
    scrollY_ = top;
    Repaint();
  }
  UpdateScrollBar();
}

void THTMLViewer::UpdateScrollBar() {
  if (!HandleAllocated() || !HasScrollBar())
    return;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMax = std::max(0, page_.Height() - 1);
  si.nPage = static_cast<UINT>(ClientSize().cy);
  si.nPos = scrollY_;
  ::SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

void THTMLViewer::VScroll(WPARAM wp) {
  const int page = std::max<int>(LineStep, ClientSize().cy - LineStep);
  switch (LOWORD(wp)) {
  case SB_LINEUP:
    ScrollTo(scrollY_ - LineStep);
    break;
  case SB_LINEDOWN:
    ScrollTo(scrollY_ + LineStep);
    break;
  case SB_PAGEUP:
    ScrollTo(scrollY_ - page);
    break;
  case SB_PAGEDOWN:
    ScrollTo(scrollY_ + page);
    break;
  case SB_TOP:
    ScrollTo(0);
    break;
  case SB_BOTTOM:
    ScrollTo(page_.Height());
    break;
  case SB_THUMBTRACK:
  case SB_THUMBPOSITION: {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(Handle(), SB_VERT, &si);
    ScrollTo(si.nTrackPos);
    break;
  }
  default:
    break;
  }
}

// ---- Painting

void THTMLViewer::Repaint() {
  if (HandleAllocated())
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void THTMLViewer::PaintTo(HDC dc, const RECT& area) {
  EnsureLayout();
  const SIZE client = ClientSize();
  if (!buffer_.Resize(std::max<int>(client.cx, 1), std::max<int>(client.cy, 1)))
    return;
  const html::Rect clip{area.left, area.top, area.right, area.bottom};
  {
    GdiCanvas canvas(buffer_, fonts_, pictures_, folder_, clip);
    canvas.FillRect(clip, page_.Background(Settings()));
    page_.Paint(canvas, scrollY_, clip, selStart_, selEnd_);
  }
  ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer_.dc(),
           area.left, area.top, SRCCOPY);
}

LRESULT THTMLViewer::WMPaint() {
  vcl::PaintScope paint(Handle());
  PaintTo(paint.dc(), paint.area());
  return 0;
}

void THTMLViewer::WMSize() {
  TWinControl::WMSize();
  EnsureLayout();
  Repaint();
}

// ---- Mouse

html::TextPosition THTMLViewer::PositionAt(LPARAM lp) const {
  return page_.PositionAt(static_cast<short>(LOWORD(lp)),
                          static_cast<short>(HIWORD(lp)) + scrollY_);
}

std::optional<std::string> THTMLViewer::LinkAt(int x, int y) const {
  return page_.LinkAt(x, y + scrollY_);
}

void THTMLViewer::MouseDown(LPARAM lp) {
  if (HandleAllocated()) {
    ::SetFocus(Handle()); // for the wheel
    ::SetCapture(Handle());
  }
  mouseDown_ = true;
  EnsureLayout();
  const bool hadSelection = page_.HasText(selStart_, selEnd_);
  selStart_ = selEnd_ = PositionAt(lp);
  if (hadSelection)
    Repaint();
}

void THTMLViewer::MouseMove(LPARAM lp) {
  if (!mouseDown_ || NoSelect)
    return;
  const html::TextPosition end = PositionAt(lp);
  if (end != selEnd_) {
    selEnd_ = end;
    Repaint();
  }
}

void THTMLViewer::MouseUp(LPARAM lp) {
  if (!mouseDown_)
    return;
  mouseDown_ = false;
  if (HandleAllocated())
    ::ReleaseCapture();
  if (page_.HasText(selStart_, selEnd_))
    return; // text was selected: no click
  if (std::optional<std::string> link =
          LinkAt(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))))
    Click(*link);
}

bool THTMLViewer::SetLinkCursor() {
  POINT p;
  ::GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  if (!LinkAt(p.x, p.y))
    return false;
  // IDC_HAND; the Windows 95 family lacks it and keeps the arrow.
  static HCURSOR hand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
  if (!hand)
    return false;
  ::SetCursor(hand);
  return true;
}

LRESULT THTMLViewer::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    MouseDown(lp);
    return 0;
  case WM_MOUSEMOVE:
    MouseMove(lp);
    return 0;
  case WM_LBUTTONUP:
    MouseUp(lp);
    return 0;
  case WM_CAPTURECHANGED:
    mouseDown_ = false;
    return 0;
  case WM_SETCURSOR:
    if (LOWORD(lp) == HTCLIENT && SetLinkCursor())
      return TRUE;
    break;
  case WM_VSCROLL:
    VScroll(wp);
    return 0;
  case WM_MOUSEWHEEL:
    ScrollTo(scrollY_ - GET_WHEEL_DELTA_WPARAM(wp) * 3 * LineStep / WHEEL_DELTA);
    return 0;
  default:
    break;
  }
  return TWinControl::WndProc(msg, wp, lp);
}

// ---- Window and stored settings

void THTMLViewer::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.className = ClassName;
  if (BorderStyle == THTMLBorderStyle::htSingle)
    params.style |= WS_BORDER;
  if (HasScrollBar())
    params.style |= WS_VSCROLL;
}

void THTMLViewer::ReadProperty(const FormProperty& p, const TComponent& root) {
  const std::string& n = p.name;
  auto integer = [&] { return static_cast<int>(AsInteger(p)); };
  auto invalid = [&] { return EReadError("Invalid property value of " + n + ": " + p.value.text); };
  // An identifier among the enumeration's names, in its order.
  auto pick = [&](std::initializer_list<const char*> names) {
    int i = 0;
    for (const char* name : names) {
      if (AsIdent(p) == name)
        return i;
      ++i;
    }
    throw invalid();
  };
  if (n == "BorderStyle")
    BorderStyle = static_cast<THTMLBorderStyle>(pick({"htFocused", "htNone", "htSingle"}));
  else if (n == "ScrollBars")
    ScrollBars =
        static_cast<TScrollStyle>(pick({"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}));
  else if (n == "HistoryMaxCount")
    HistoryMaxCount = integer();
  else if (n == "DefFontName")
    DefFontName = AsString(p);
  else if (n == "DefPreFontName")
    DefPreFontName = AsString(p);
  else if (n == "NoSelect")
    NoSelect = AsBoolean(p);
  else if (n == "CharSet")
    CharSet = p.value.kind == FormValue::Kind::Integer ? integer()
              : AsIdent(p) == "DEFAULT_CHARSET"        ? DEFAULT_CHARSET
                                                       : throw invalid();
  else if (n == "PrintMarginLeft")
    PrintMarginLeft = integer();
  else if (n == "PrintMarginRight")
    PrintMarginRight = integer();
  else if (n == "PrintMarginTop")
    PrintMarginTop = integer();
  else if (n == "PrintMarginBottom")
    PrintMarginBottom = integer();
  else if (n == "OnHotSpotClick") {
    OnHotSpotClick = root.FindMethod<THotSpotClickEvent>(AsIdent(p));
    if (!OnHotSpotClick)
      throw EReadError("Invalid property value of " + n + ": no method " + p.value.text);
  } else
    TWinControl::ReadProperty(p, root);
}
