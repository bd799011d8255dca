#include "Controls.h"
#include "FormDescription.h"
#include "Forms.h"
#include "Handle.h"
#include "SysUtils.h"
#include <algorithm>
#include <set>

TControl::~TControl() {
  if (parent_)
    parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent)
    return;
  if (parent_)
    parent_->RemoveControl(this);
  if (parent)
    parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_)
    return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

void TControl::Invalidate() {
  if (!Windowed() && parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    ::InvalidateRect(parent_->Handle(), &r, FALSE);
  }
}

void TControl::ReadProperty(const FormProperty& p, const TComponent& root) {
  if (p.name == "Left")
    left_ = static_cast<int>(AsInteger(p));
  else if (p.name == "Top")
    top_ = static_cast<int>(AsInteger(p));
  else if (p.name == "Width")
    SetWidth(static_cast<int>(AsInteger(p)));
  else if (p.name == "Height")
    SetHeight(static_cast<int>(AsInteger(p)));
  else if (p.name == "Align") {
    if (AsIdent(p) == "alClient")
      align_ = TAlign::alClient;
    else if (p.value.text == "alNone")
      align_ = TAlign::alNone;
    else
      throw EReadError("Invalid property value of " + p.name + ": " + p.value.text);
  } else if (p.name == "TabOrder")
    AsInteger(p); // one windowed control per form: the order changes nothing
  else
    TComponent::ReadProperty(p, root);
}

TWinControl::~TWinControl() {
  for (TControl* c : controls_)
    c->parent_ = nullptr;
  if (wnd_) {
    // No more messages to this half-destroyed object.
    ::SetWindowLongPtrA(wnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(wnd_);
  }
}

HWND TWinControl::Handle() {
  if (!wnd_)
    CreateHandle();
  return wnd_;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (wnd_)
    ::MoveWindow(wnd_, Left(), Top(), Width(), Height(), TRUE);
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  c->parent_ = this;
  if (c->Windowed() && wnd_)
    static_cast<TWinControl*>(c)->Handle();
}

void TWinControl::RemoveControl(TControl* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  c->parent_ = nullptr;
}

void TWinControl::Realign() {
  if (!wnd_)
    return;
  RECT client;
  ::GetClientRect(wnd_, &client);
  for (TControl* c : controls_)
    if (c->Align() == TAlign::alClient)
      c->SetBounds(0, 0, client.right, client.bottom);
}

void TWinControl::CreateParamsFor(CreateParams& params) {
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  if (Parent())
    params.parent = Parent()->Handle();
}

void TWinControl::CreateHandle() {
  CreateParams params;
  CreateParamsFor(params);
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  static std::set<std::string> registered;
  if (registered.insert(params.className).second) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = StaticWndProc;
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconA(instance, "MAINICON");
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = params.className;
    ::RegisterClassA(&wc);
  }
  ::CreateWindowExA(params.exStyle, params.className, params.caption.c_str(), params.style,
                    params.x, params.y, params.width, params.height, params.parent, nullptr,
                    instance, this);
  if (!wnd_)
    throw Exception("Error creating window " + std::string(params.className));
  for (TControl* c : controls_)
    if (c->Windowed())
      static_cast<TWinControl*>(c)->Handle();
  Realign();
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->wnd_ = wnd;
    ::SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self)
    return ::DefWindowProcA(wnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    self->wnd_ = nullptr;
    return ::DefWindowProcA(wnd, msg, wp, lp);
  }
  // No exception may cross the system's frames: report it, the window stays.
  try {
    return self->WndProc(msg, wp, lp);
  } catch (const std::exception& e) {
    Application->HandleException(e);
  } catch (...) {
    Application->HandleException(Exception("Unknown exception"));
  }
  return 0;
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_PAINT:
    return WMPaint();
  case WM_ERASEBKGND:
    return WMEraseBkgnd(reinterpret_cast<HDC>(wp));
  case WM_SIZE:
    WMSize();
    return 0;
  default:
    return DefaultHandler(msg, wp, lp);
  }
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(wnd_, msg, wp, lp);
}

LRESULT TWinControl::WMPaint() {
  vcl::PaintScope paint(wnd_);
  PaintWindow(paint.dc(), paint.area());
  return 0;
}

void TWinControl::PaintWindow(HDC dc, const RECT& area) {
  int saved = ::SaveDC(dc);
  for (TControl* c : controls_)
    if (!c->Windowed()) {
      RECT r = c->BoundsRect();
      ::ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  vcl::UniqueGdi<HBRUSH> brush(::CreateSolidBrush(ColorToRGB(BackgroundColor())));
  ::FillRect(dc, &area, brush.get());
  ::RestoreDC(dc, saved);
  for (TControl* c : controls_)
    if (!c->Windowed())
      c->Paint(dc);
}
